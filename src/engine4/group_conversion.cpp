#include "engine4/group_conversion.hpp"

#include "common/number_text.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>

namespace sorvanta::four {

namespace {

constexpr int kCandidates = 10000;

GroupList ListGroups(const std::bitset<kCandidates>& marked) {
    GroupList list;
    list.groups.reserve(GroupList::kAllGroups);
    for (int n = 0; n < kCandidates; ++n)
        if (marked.test(static_cast<std::size_t>(n)))
            list.groups.push_back(n);
    list.count = static_cast<int>(list.groups.size());
    list.text.reserve(list.groups.size() * 5);
    for (int group : list.groups) {
        if (!list.text.empty())
            list.text.push_back(' ');
        AppendFixedWidth(list.text, group, 4);
    }
    return list;
}

} // namespace

int GroupOf(int candidate) {
    // Sorting four digits per survivor costs more than the whole rest of the
    // conversion, so every candidate's group is looked up in a table built
    // once per process.
    static const auto table = [] {
        std::array<std::int16_t, kCandidates> t{};
        for (int n = 0; n < kCandidates; ++n) {
            std::array<int, 4> d = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
            std::sort(d.begin(), d.end());
            t[static_cast<std::size_t>(n)] =
                static_cast<std::int16_t>(((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3]);
        }
        return t;
    }();
    return table[static_cast<std::size_t>(candidate)];
}

GroupList ConvertToGroup(std::string_view survivorText) {
    std::bitset<kCandidates> marked;
    ForEachPiece(survivorText, [&](std::string_view piece) {
        if (piece.size() != 4)
            return;
        int n = 0;
        for (char c : piece) {
            if (c < '0' || c > '9')
                return;
            n = n * 10 + (c - '0');
        }
        marked.set(static_cast<std::size_t>(GroupOf(n)));
    });
    return ListGroups(marked);
}

GroupList ConvertToGroup(const std::vector<int>& survivors) {
    std::bitset<kCandidates> marked;
    for (int n : survivors)
        if (n >= 0 && n < kCandidates)
            marked.set(static_cast<std::size_t>(GroupOf(n)));
    return ListGroups(marked);
}

} // namespace sorvanta::four
