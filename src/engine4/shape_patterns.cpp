#include "engine4/shape_patterns.hpp"

#include "common/digit_classes.hpp"
#include "engine4/group_support.hpp"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace sorvanta::four {

namespace {

constexpr int kFirstColumn = 7;
constexpr int kLastColumn = 10;

struct KindTable {
    int column;
    int radix;
    std::array<std::uint8_t, 10> classOf;  // class of each digit
    std::array<std::string_view, 3> glyph; // caption character of each class
    CaptionSet FourStarInput::*chosen;
};

const KindTable& TableOf(PatternKind kind) {
    // Class 0 is the first class of a kind (大, 奇, 质), class 1 the second.
    constexpr auto classes = [](std::uint16_t first) {
        std::array<std::uint8_t, 10> of{};
        for (int d = 0; d < 10; ++d)
            of[static_cast<std::size_t>(d)] = InClass(first, d) ? 0 : 1;
        return of;
    };
    constexpr auto routes = [] {
        std::array<std::uint8_t, 10> of{};
        for (int d = 0; d < 10; ++d)
            of[static_cast<std::size_t>(d)] = static_cast<std::uint8_t>(Route012(d));
        return of;
    };
    static const std::array<KindTable, 4> tables = {{
        {7, 2, classes(kBigDigits), {"大", "小", ""}, &FourStarInput::pattern_big_small},
        {8, 2, classes(kOddDigits), {"奇", "偶", ""}, &FourStarInput::pattern_odd_even},
        {9, 2, classes(kPrimeDigits), {"质", "合", ""}, &FourStarInput::pattern_prime_composite},
        {10, 3, routes(), {"0", "1", "2"}, &FourStarInput::pattern_route012},
    }};
    return tables[static_cast<std::size_t>(kind)];
}

int CodeOf(const KindTable& table, const CandidateDigits::Digits& d) {
    int code = 0;
    for (std::uint8_t digit : d)
        code = code * table.radix + table.classOf[digit];
    return code;
}

// The code of a caption, or -1 for a text that is no caption of the kind.
int CodeOf(const KindTable& table, std::string_view caption) {
    int code = 0;
    for (int p = 0; p < 4; ++p) {
        int cls = -1;
        for (int k = 0; k < table.radix && cls < 0; ++k) {
            const std::string_view glyph = table.glyph[static_cast<std::size_t>(k)];
            if (caption.substr(0, glyph.size()) == glyph) {
                cls = k;
                caption.remove_prefix(glyph.size());
            }
        }
        if (cls < 0)
            return -1;
        code = code * table.radix + cls;
    }
    return caption.empty() ? code : -1;
}

// Each number's pattern code under each kind, worked out once.
const std::vector<std::array<std::uint8_t, 4>>& CodesByNumber() {
    static const std::vector<std::array<std::uint8_t, 4>> codes =
        detail::PerNumber<std::array<std::uint8_t, 4>>([](const CandidateDigits::Digits& d) {
            std::array<std::uint8_t, 4> c{};
            for (std::size_t kind = 0; kind < c.size(); ++kind)
                c[kind] =
                    static_cast<std::uint8_t>(CodeOf(TableOf(static_cast<PatternKind>(kind)), d));
            return c;
        });
    return codes;
}

std::vector<std::string> BuildCaptions(PatternKind kind) {
    const KindTable& table = TableOf(kind);
    std::vector<std::string> captions;
    auto caption = [&](std::array<int, 4> classes) {
        std::string text;
        for (int cls : classes)
            text += table.glyph[static_cast<std::size_t>(cls)];
        captions.push_back(text);
    };
    if (table.radix == 3) {
        for (int code = 0; code < 81; ++code)
            caption({code / 27, code / 9 % 3, code / 3 % 3, code % 3});
        return captions;
    }
    // The panel's order: the first three positions count up with the first
    // class as 0, the units position changes last.
    for (int last = 0; last < 2; ++last)
        for (int head = 0; head < 8; ++head)
            caption({(head >> 2) & 1, (head >> 1) & 1, head & 1, last});
    return captions;
}

} // namespace

void ApplyPatterns(PatternKind kind, const FourStarInput& input, const CandidateDigits& digits,
                   CandidateSet& set) {
    const KindTable& table = TableOf(kind);
    const CaptionSet& chosen = input.*table.chosen;
    if (chosen.empty())
        return;
    set.at(CandidateSet::kNotesRow, table.column) = 1;
    std::array<std::uint8_t, 81> excluded{};
    for (const std::string& caption : chosen)
        if (const int code = CodeOf(table, caption); code >= 0)
            excluded[static_cast<std::size_t>(code)] = 1;
    const std::size_t k = static_cast<std::size_t>(kind);
    const auto& codes = CodesByNumber();
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (excluded[codes[digits.Code(n)][k]] != 0)
            set.at(n, table.column) = 1;
}

const std::vector<std::string>& PatternCaptions(PatternKind kind) {
    static const std::array<std::vector<std::string>, 4> captions = {
        BuildCaptions(PatternKind::BigSmall), BuildCaptions(PatternKind::OddEven),
        BuildCaptions(PatternKind::PrimeComposite), BuildCaptions(PatternKind::Route012)};
    return captions[static_cast<std::size_t>(kind)];
}

const std::vector<std::string>& PatternButtonCaptions(PatternKind kind) {
    // The route block's buttons run 0000 to 0021, then 0100 to 2222, and
    // 0022 comes last; the other kinds' buttons follow PatternCaptions.
    static const std::vector<std::string> routes = [] {
        std::vector<std::string> order = PatternCaptions(PatternKind::Route012);
        std::rotate(order.begin() + 8, order.begin() + 9, order.end());
        return order;
    }();
    return kind == PatternKind::Route012 ? routes : PatternCaptions(kind);
}

bool ShapePatternsInUse(const FourStarInput& input) {
    return !input.pattern_big_small.empty() || !input.pattern_odd_even.empty() ||
           !input.pattern_prime_composite.empty() || !input.pattern_route012.empty();
}

bool ApplyShapePatterns(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set) {
    if (!ShapePatternsInUse(input))
        return false;
    for (PatternKind kind : kPatternKinds)
        ApplyPatterns(kind, input, digits, set);
    MergeShapePatterns(input, set);
    return true;
}

void MergeShapePatterns(const FourStarInput& input, CandidateSet& set) {
    const std::int16_t* notes = set.Row(CandidateSet::kNotesRow);
    int inUse = 0;
    for (int c = kFirstColumn; c <= kLastColumn; ++c)
        inUse += notes[c];
    if (inUse == 0)
        return;
    const AllowedCounts allowed = input.pattern_tolerance.Allowed();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        std::int16_t* row = set.Row(n);
        int fails = 0;
        for (int c = kFirstColumn; c <= kLastColumn; ++c) {
            fails += row[c];
            row[c] = 0;
        }
        if (!allowed.Allows(fails))
            row[kFirstColumn] = 1;
    }
}

} // namespace sorvanta::four
