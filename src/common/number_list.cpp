#include "common/number_list.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace sorvanta {

void AppendFixedWidth(std::string& out, int n, int width) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(width));
    for (int k = width - 1; k >= 0; --k) {
        out[at + static_cast<std::size_t>(k)] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

std::string FixedWidth(int n, int width) {
    std::string out;
    AppendFixedWidth(out, n, width);
    return out;
}

int FixedWidthValue(std::string_view piece, int width) {
    if (static_cast<int>(piece.size()) != width)
        return -1;
    int n = 0;
    for (char c : piece) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string JoinNumbers(const std::vector<int>& numbers, int width) {
    std::string text;
    if (numbers.empty())
        return text;
    text.reserve(numbers.size() * static_cast<std::size_t>(width + 1));
    for (int n : numbers) {
        if (!text.empty())
            text.push_back(' ');
        AppendFixedWidth(text, n, width);
    }
    return text;
}

std::vector<std::string> NumbersPerLine(const std::vector<int>& numbers, int width, int perLine) {
    std::vector<std::string> lines;
    lines.reserve(numbers.size() / static_cast<std::size_t>(std::max(perLine, 1)) + 1);
    std::string line;
    int inLine = 0;
    for (int n : numbers) {
        AppendFixedWidth(line, n, width);
        line.push_back(' ');
        if (++inLine == perLine) {
            lines.push_back(std::move(line));
            line.clear();
            inLine = 0;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

namespace {

// Sorting digits per survivor costs more than the rest of a conversion, so
// each width's groups are looked up in a table built once per process.
template <int Width> const std::vector<std::int16_t>& GroupTable() {
    static const std::vector<std::int16_t> table = [] {
        int size = 1;
        for (int k = 0; k < Width; ++k)
            size *= 10;
        std::vector<std::int16_t> t(static_cast<std::size_t>(size));
        for (int n = 0; n < size; ++n) {
            std::array<int, Width> d{};
            int rest = n;
            for (int k = Width - 1; k >= 0; --k) {
                d[static_cast<std::size_t>(k)] = rest % 10;
                rest /= 10;
            }
            std::sort(d.begin(), d.end());
            int group = 0;
            for (int digit : d)
                group = group * 10 + digit;
            t[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(group);
        }
        return t;
    }();
    return table;
}

} // namespace

int GroupOf(int number, int width) {
    switch (width) {
    case 2:
        return GroupTable<2>()[static_cast<std::size_t>(number)];
    case 3:
        return GroupTable<3>()[static_cast<std::size_t>(number)];
    default:
        return GroupTable<4>()[static_cast<std::size_t>(number)];
    }
}

std::vector<int> GroupsOf(const std::vector<int>& numbers, int width) {
    // One slot per group value: every ordering lands in its group's slot,
    // and the slots read out ascending.
    std::vector<std::uint8_t> slots(width == 2 ? 100 : width == 3 ? 1000 : 10000, 0);
    for (int n : numbers)
        slots[static_cast<std::size_t>(GroupOf(n, width))] = 1;
    std::vector<int> groups;
    for (std::size_t g = 0; g < slots.size(); ++g)
        if (slots[g] != 0)
            groups.push_back(static_cast<int>(g));
    return groups;
}

} // namespace sorvanta
