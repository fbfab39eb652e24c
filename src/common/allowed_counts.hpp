#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvanta {

// The table a tolerance range stands for: entry i is 1 when the range allows
// a failure count of i. Counts above 100 are never allowed.
class AllowedCounts {
public:
    static constexpr int kSize = 101;

    AllowedCounts() { table_.fill(0); }
    static AllowedCounts FromBounds(std::int32_t lower, std::int32_t upper);
    // The two texts of a range's boxes, each read by the leading-number rule.
    static AllowedCounts FromTexts(std::string_view lower, std::string_view upper);

    bool Allows(int count) const { return count >= 0 && count < kSize && table_[count] != 0; }
    std::uint8_t operator[](int i) const { return table_[i]; }

private:
    std::array<std::uint8_t, kSize> table_{};
};

} // namespace sorvanta

namespace sorvanta {

// A tolerance range as the panel holds it: the texts of its two boxes.
struct RangeText {
    std::string lower = "0";
    std::string upper = "0";

    AllowedCounts Allowed() const { return AllowedCounts::FromTexts(lower, upper); }
    bool operator==(const RangeText&) const = default;
};

} // namespace sorvanta
