#include "engine4/runs_and_extremes.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

namespace sorvanta::four {

namespace {

constexpr int kRunColumn = 11;
constexpr int kExtremesColumn = 12;

constexpr std::array<std::string_view, 4> kRunCaptions = {"不连", "2连", "3连", "4连"};
constexpr std::array<std::string_view, 5> kRepeatCaptions = {"AAAA", "AAAB", "AABB", "AABC",
                                                             "ABCD"};
enum Repeat { kAAAA, kAAAB, kAABB, kAABC, kABCD };

// The run class depends only on which digits occur, so it is worked out once
// for each of the 1024 digit sets, from the distinct-digit text D (the
// digits that occur, ascending) by the rules the buttons stand for.
int RunClassOfDigits(std::uint16_t present) {
    std::string d;
    for (int digit = 0; digit < 10; ++digit)
        if ((present >> digit) & 1u)
            d.push_back(static_cast<char>('0' + digit));
    const auto contains = [&](std::string_view part) {
        return d.find(part) != std::string::npos;
    };
    const bool wrapsFromNine = !d.empty() && d.front() == '0' && d.back() == '9';

    if (d.size() == 4 &&
        std::string_view("0123.1234.2345.3456.4567.5678.6789.0129.0189.0789").find(d) !=
            std::string_view::npos)
        return 3;
    if (d.size() > 2) {
        for (std::string_view run : {"012", "123", "234", "345", "456", "567", "678", "789"})
            if (contains(run))
                return 2;
        if ((contains("01") && d.back() == '9') || (contains("89") && d.front() == '0'))
            return 2;
    }
    if (d.size() > 1) {
        for (std::string_view run : {"01", "12", "23", "34", "45", "56", "67", "78", "89"})
            if (contains(run))
                return 1;
        if (wrapsFromNine)
            return 1;
    }
    return 0;
}

struct Classes {
    std::uint8_t run;
    std::uint8_t repeat;
    std::uint8_t smallest;
    std::uint8_t largest;
};

Classes ClassesOf(int n, const std::array<std::uint8_t, 1024>& runOfDigits) {
    const std::array<int, 4> digits = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
    std::uint16_t present = 0;
    for (int digit : digits)
        present = static_cast<std::uint16_t>(present | (1u << digit));
    const int lowest = std::countr_zero(present);

    int repeat = kABCD;
    switch (std::popcount(present)) {
    case 1:
        repeat = kAAAA;
        break;
    case 2: {
        // Two distinct digits: two of each is AABB, three and one is AAAB.
        int lowestCount = 0;
        for (int digit : digits)
            lowestCount += digit == lowest ? 1 : 0;
        repeat = lowestCount == 2 ? kAABB : kAAAB;
        break;
    }
    case 3:
        repeat = kAABC;
        break;
    default:
        break;
    }
    return {runOfDigits[present], static_cast<std::uint8_t>(repeat),
            static_cast<std::uint8_t>(lowest),
            static_cast<std::uint8_t>(std::bit_width(present) - 1)};
}

// The classes never change, so each process works them out once and every
// run only looks them up by row.
const std::array<Classes, CandidateSet::kCandidates>& ClassTable() {
    static const auto table = [] {
        std::array<std::uint8_t, 1024> runOfDigits{};
        for (std::uint16_t present = 0; present < 1024; ++present)
            runOfDigits[present] = static_cast<std::uint8_t>(RunClassOfDigits(present));
        std::array<Classes, CandidateSet::kCandidates> t{};
        for (int n = 0; n < CandidateSet::kCandidates; ++n)
            t[static_cast<std::size_t>(n)] = ClassesOf(n, runOfDigits);
        return t;
    }();
    return table;
}

} // namespace

void ApplyRunAndRepeatClasses(const CaptionSet& excluded, CandidateSet& set) {
    std::array<bool, kRunCaptions.size()> runExcluded{};
    std::array<bool, kRepeatCaptions.size()> repeatExcluded{};
    bool any = false;
    const auto chosen = [&](std::string_view caption) {
        const bool is = excluded.contains(std::string(caption));
        any = any || is;
        return is;
    };
    for (std::size_t i = 0; i < kRunCaptions.size(); ++i)
        runExcluded[i] = chosen(kRunCaptions[i]);
    for (std::size_t i = 0; i < kRepeatCaptions.size(); ++i)
        repeatExcluded[i] = chosen(kRepeatCaptions[i]);
    if (!any)
        return;

    const auto& classes = ClassTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const Classes& k = classes[static_cast<std::size_t>(n)];
        if (runExcluded[k.run] || repeatExcluded[k.repeat])
            set.at(n, kRunColumn) = 1;
    }
}

bool RunRepeatInUse(const FourStarInput& input) {
    return std::any_of(
        kRunRepeatCaptions.begin(), kRunRepeatCaptions.end(),
        [&](std::string_view caption) { return input.run_repeat.contains(std::string(caption)); });
}

bool ApplyRunRepeat(const FourStarInput& input, const CandidateDigits&, CandidateSet& set) {
    if (!RunRepeatInUse(input))
        return false;
    ApplyRunAndRepeatClasses(input.run_repeat, set);
    return true;
}

bool ExtremesInUse(const FourStarInput& input) {
    return input.smallest_digits.any() || input.largest_digits.any();
}

bool ApplyExtremes(const FourStarInput& input, const CandidateDigits&, CandidateSet& set) {
    if (!ExtremesInUse(input))
        return false;
    ApplyMinMaxDigits(input.smallest_digits, input.largest_digits, set);
    return true;
}

void ApplyMinMaxDigits(const DigitSet& smallest, const DigitSet& largest, CandidateSet& set) {
    if (smallest.none() && largest.none())
        return;
    const auto& classes = ClassTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const Classes& k = classes[static_cast<std::size_t>(n)];
        if ((smallest.any() && !smallest.test(k.smallest)) ||
            (largest.any() && !largest.test(k.largest)))
            set.at(n, kExtremesColumn) = 1;
    }
}

} // namespace sorvanta::four
