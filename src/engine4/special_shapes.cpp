#include "engine4/special_shapes.hpp"

#include "engine4/group_support.hpp"

#include <string>
#include <vector>

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

namespace {

// Bit k set when a number has shape k, worked out once.
const std::vector<std::uint8_t>& ShapesByNumber() {
    static const std::vector<std::uint8_t> shapes =
        detail::PerNumber<std::uint8_t>([](const CandidateDigits::Digits& d) {
            unsigned mask = 0;
            for (std::size_t k = 0; k < kSpecialShapeCaptions.size(); ++k)
                if (HasShape(static_cast<SpecialShape>(k), d))
                    mask |= 1u << k;
            return static_cast<std::uint8_t>(mask);
        });
    return shapes;
}

} // namespace

namespace {

// Bit k set when shape k is excluded; captions of no shape count for nothing.
unsigned ExcludedShapes(const CaptionSet& chosen) {
    unsigned excluded = 0;
    for (std::size_t k = 0; k < kSpecialShapeCaptions.size(); ++k)
        if (chosen.count(std::string(kSpecialShapeCaptions[k])) != 0)
            excluded |= 1u << k;
    return excluded;
}

} // namespace

bool SpecialShapesInUse(const FourStarInput& input) {
    return ExcludedShapes(input.special_shapes) != 0;
}

bool ApplySpecialShapes(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set) {
    if (!SpecialShapesInUse(input))
        return false;
    const unsigned excluded = ExcludedShapes(input.special_shapes);
    const std::vector<std::uint8_t>& shapes = ShapesByNumber();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        marks[static_cast<std::size_t>(n)] = (shapes[digits.Code(n)] & excluded) != 0 ? 1 : 0;
    detail::WriteMarks(marks, set, kColumn);
    return true;
}

} // namespace sorvanta::four
