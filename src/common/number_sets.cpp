#include "common/number_sets.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"

#include <bitset>

namespace sorvanta {

namespace {

constexpr std::size_t kMostNumbers = 10000;
using Members = std::bitset<kMostNumbers>;

Members MembersOf(std::string_view normalised, int width) {
    Members members;
    ForEachNumber(normalised, width, [&](int n) { members.set(static_cast<std::size_t>(n)); });
    return members;
}

} // namespace

CombinedSets CombineMembers(std::string_view a, std::string_view b, SetOperation operation,
                            int width) {
    CombinedSets out;
    // The digit filter already leaves single blanks and no blank at either
    // end, which is all the boxes' later squeezing ever achieved.
    out.a = DigitsOnly(a);
    out.b = DigitsOnly(b);
    const Members inA = MembersOf(out.a, width);
    const Members inB = MembersOf(out.b, width);
    out.membersA = static_cast<int>(inA.count());
    out.membersB = static_cast<int>(inB.count());

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
    out.result.reserve(static_cast<std::size_t>(out.count) * static_cast<std::size_t>(width + 1));
    for (std::size_t n = 0; n < kMostNumbers; ++n) {
        if (!result.test(n))
            continue;
        if (!out.result.empty())
            out.result.push_back(' ');
        AppendFixedWidth(out.result, static_cast<int>(n), width);
    }
    return out;
}

} // namespace sorvanta
