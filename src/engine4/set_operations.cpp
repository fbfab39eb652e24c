#include "engine4/set_operations.hpp"

#include "common/number_text.hpp"
#include "common/text.hpp"

#include <bitset>

namespace sorvanta::four {

namespace {

constexpr std::size_t kNumbers = 10000;
using Members = std::bitset<kNumbers>;

Members MembersOf(std::string_view normalised) {
    Members members;
    ForEachPiece(normalised, [&](std::string_view piece) {
        if (piece.size() != 4)
            return;
        std::size_t n = 0;
        for (char c : piece)
            n = n * 10 + static_cast<std::size_t>(c - '0');
        members.set(n);
    });
    return members;
}

} // namespace

std::optional<SetOperation> SetOperationFromCode(std::string_view code) {
    if (code == "jiao")
        return SetOperation::Intersection;
    if (code == "bing")
        return SetOperation::Union;
    if (code == "a_b")
        return SetOperation::AWithoutB;
    if (code == "b_a")
        return SetOperation::BWithoutA;
    return std::nullopt;
}

CombinedSets CombineSets(std::string_view a, std::string_view b, SetOperation operation) {
    CombinedSets out;
    // The digit filter already leaves single blanks and no blank at either
    // end, which is all the boxes' later squeezing ever achieved.
    out.a = DigitsOnly(a);
    out.b = DigitsOnly(b);
    const Members inA = MembersOf(out.a);
    const Members inB = MembersOf(out.b);

    Members result;
    switch (operation) {
    case SetOperation::Intersection:
        result = inA & inB;
        break;
    case SetOperation::Union:
        result = inA | inB;
        break;
    case SetOperation::AWithoutB:
        result = inA & ~inB;
        break;
    case SetOperation::BWithoutA:
        result = inB & ~inA;
        break;
    }

    out.count = static_cast<int>(result.count());
    out.result.reserve(static_cast<std::size_t>(out.count) * 5);
    for (std::size_t n = 0; n < kNumbers; ++n) {
        if (!result.test(n))
            continue;
        if (!out.result.empty())
            out.result.push_back(' ');
        AppendFixedWidth(out.result, static_cast<int>(n), 4);
    }
    return out;
}

} // namespace sorvanta::four
