#include "engine4/special_shapes.hpp"

#include "engine4/group_support.hpp"

#include <string>

namespace sorvanta::four {

namespace {
constexpr int kColumn = 6;
}

bool HasShape(SpecialShape shape, const CandidateDigits::Digits& digits) {
    const int a = digits[0], b = digits[1], c = digits[2], d = digits[3];
    switch (shape) {
    case SpecialShape::Rising:
        return a <= b && b <= c && c <= d && a != d;
    case SpecialShape::Falling:
        return a >= b && b >= c && c >= d && a != d;
    case SpecialShape::Convex:
        return (a < b && c > d) || (a <= b && b < c && c > d) || (a < b && b > c && c >= d);
    case SpecialShape::Concave:
        return (a > b && c < d) || (a >= b && b > c && c < d) || (a > b && b < c && c <= d);
    case SpecialShape::NShape:
        return a < b && b > c && c < d;
    case SpecialShape::ReverseN:
        return a > b && b < c && c > d;
    }
    return false;
}

void ApplySpecialShapes(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set) {
    std::array<SpecialShape, kSpecialShapeCaptions.size()> excluded{};
    std::size_t used = 0;
    for (std::size_t k = 0; k < kSpecialShapeCaptions.size(); ++k)
        if (input.special_shapes.count(std::string(kSpecialShapeCaptions[k])) != 0)
            excluded[used++] = static_cast<SpecialShape>(k);
    if (used == 0)
        return;
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        for (std::size_t k = 0; k < used; ++k)
            if (HasShape(excluded[k], digits[n])) {
                marks[static_cast<std::size_t>(n)] = 1;
                break;
            }
    detail::WriteMarks(marks, set, kColumn);
}

} // namespace sorvanta::four
