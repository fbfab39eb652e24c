#include "common/allowed_counts.hpp"

#include "common/text.hpp"

namespace sorvanta {

AllowedCounts AllowedCounts::FromBounds(std::int32_t lower, std::int32_t upper) {
    AllowedCounts counts;
    for (int i = 0; i < kSize; ++i)
        counts.table_[i] = (i >= lower && i <= upper) ? 1 : 0;
    return counts;
}

AllowedCounts AllowedCounts::FromTexts(std::string_view lower, std::string_view upper) {
    return FromBounds(ReadLeadingNumber(lower), ReadLeadingNumber(upper));
}

} // namespace sorvanta
