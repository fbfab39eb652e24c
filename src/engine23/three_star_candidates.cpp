#include "common/digit_classes.hpp"
#include "engine23/three_star_support.hpp"
#include <algorithm>

#include <string>

namespace sorvanta::three {

const star::DigitTable<3>& ThreeStarDigits() {
    static const star::DigitTable<3> table;
    return table;
}

namespace detail {

namespace {

std::uint8_t IndexOf(Captions captions, std::string_view caption) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == caption)
            return static_cast<std::uint8_t>(i);
    return 0xFF; // every shape is offered; see the tests
}

std::string Spell(const std::array<std::string_view, 10>& classOf,
                  const std::array<std::uint8_t, 3>& digits) {
    std::string shape;
    for (std::uint8_t d : digits)
        shape += classOf[d];
    return shape;
}

CandidateInfo Describe(const std::array<std::uint8_t, 3>& d) {
    CandidateInfo info{};
    info.digits = d;
    info.sum = static_cast<std::uint8_t>(d[0] + d[1] + d[2]);
    info.largest = std::max({d[0], d[1], d[2]});
    info.smallest = std::min({d[0], d[1], d[2]});
    info.span = static_cast<std::uint8_t>(info.largest - info.smallest);
    for (std::uint8_t digit : d)
        info.present = static_cast<std::uint16_t>(info.present | (1u << digit));
    info.distinct = kBitCount[info.present];
    constexpr int kPositionPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : kPositionPairs) {
        const int a = d[static_cast<std::size_t>(pair[0])];
        const int b = d[static_cast<std::size_t>(pair[1])];
        const auto key = static_cast<std::uint8_t>(PairIndex(std::min(a, b), std::max(a, b)));
        bool seen = false;
        for (int k = 0; k < info.pairCount; ++k)
            seen = seen || info.pairs[static_cast<std::size_t>(k)] == key;
        if (!seen)
            info.pairs[info.pairCount++] = key;
    }
    info.bigSmall = IndexOf(kBigSmallShapeCaptions, Spell(kBigSmallOfDigit, d));
    info.oddEven = IndexOf(kOddEvenShapeCaptions, Spell(kOddEvenOfDigit, d));
    info.primeComposite = IndexOf(kPrimeCompositeShapeCaptions, Spell(kPrimeCompositeOfDigit, d));
    std::string route;
    for (std::uint8_t digit : d)
        route.push_back(static_cast<char>('0' + Route012(digit)));
    info.route = IndexOf(kRouteCaptions, route);
    for (std::uint8_t digit : d) {
        info.bigCount = static_cast<std::uint8_t>(info.bigCount + (IsBig(digit) ? 1 : 0));
        info.oddCount = static_cast<std::uint8_t>(info.oddCount + (IsOdd(digit) ? 1 : 0));
        info.primeCount = static_cast<std::uint8_t>(info.primeCount + (IsPrime(digit) ? 1 : 0));
    }
    const int h = d[0], t = d[1], u = d[2];
    auto kindBit = [&](std::string_view caption) {
        info.specialKinds = static_cast<std::uint16_t>(
            info.specialKinds | (1u << IndexOf(kSpecialExclusionCaptions, caption)));
    };
    kindBit(info.distinct == 1 ? "豹子" : info.distinct == 2 ? "组三" : "组六");
    kindBit(IsThreeRun(h, t, u) ? "3连" : IsTwoRun(h, t, u) ? "2连" : "不连");
    if (h <= t && t <= u && h < u)
        kindBit("上山");
    else if (h >= t && t >= u && h > u)
        kindBit("下山");
    if (h < t && u < t)
        kindBit("凸型");
    else if (t < h && t < u)
        kindBit("凹型");
    return info;
}

struct KindTables {
    std::array<std::uint8_t, kThreeStarCandidates> kindOf{};
    std::array<std::uint16_t, kKinds> representatives{};
};

const KindTables& Kinds() {
    static const KindTables tables = [] {
        KindTables k;
        int next = 0;
        for (int i = 0; i <= 9; ++i)
            for (int j = i; j <= 9; ++j)
                for (int l = j; l <= 9; ++l)
                    k.representatives[static_cast<std::size_t>(next++)] =
                        static_cast<std::uint16_t>(i * 100 + j * 10 + l);
        for (int n = 0; n < kThreeStarCandidates; ++n) {
            std::array<int, 3> s = {n / 100, n / 10 % 10, n % 10};
            std::sort(s.begin(), s.end());
            const int sorted = s[0] * 100 + s[1] * 10 + s[2];
            const auto at = std::find(k.representatives.begin(), k.representatives.end(), sorted);
            k.kindOf[static_cast<std::size_t>(n)] =
                static_cast<std::uint8_t>(at - k.representatives.begin());
        }
        return k;
    }();
    return tables;
}

} // namespace

const std::array<std::uint16_t, kKinds>& KindRepresentatives() {
    return Kinds().representatives;
}

const std::array<CandidateInfo, kThreeStarCandidates>& Candidates() {
    static const std::array<CandidateInfo, kThreeStarCandidates> table = [] {
        std::array<CandidateInfo, kThreeStarCandidates> t{};
        const star::DigitTable<3>& digits = ThreeStarDigits();
        for (int n = 0; n < kThreeStarCandidates; ++n) {
            t[static_cast<std::size_t>(n)] = Describe(digits.Digits(n));
            t[static_cast<std::size_t>(n)].kind = Kinds().kindOf[static_cast<std::size_t>(n)];
        }
        return t;
    }();
    return table;
}

const std::array<PairCodeColumn, 9>& PairCodes() {
    static const std::array<PairCodeColumn, 9> codes = [] {
        std::array<PairCodeColumn, 9> c{};
        const star::DigitTable<3>& digits = ThreeStarDigits();
        for (std::size_t pair = 0; pair < c.size(); ++pair)
            for (int n = 0; n < kThreeStarCandidates; ++n)
                c[pair][static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(
                    PairIndex(digits.Digit(n, static_cast<int>(pair / 3)),
                              digits.Digit(n, static_cast<int>(pair % 3))));
        return c;
    }();
    return codes;
}

std::uint32_t ChosenButtons(const CaptionSet& chosen, Captions captions) {
    std::uint32_t mask = 0;
    if (chosen.empty())
        return mask;
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (chosen.count(std::string(captions[i])) != 0)
            mask |= 1u << i;
    return mask;
}

} // namespace detail
} // namespace sorvanta::three
