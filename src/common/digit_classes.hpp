#pragma once

#include <array>
#include <cstdint>

namespace sorvanta {

// The digit classes every shape condition sorts by. Bit d of a mask is digit
// d. Big is 5 to 9, odd 1 3 5 7 9, prime 1 2 3 5 7 (1 counts as prime in
// these plays; composite is the rest, 0 included).
inline constexpr std::uint16_t kBigDigits = 0b1111100000;
inline constexpr std::uint16_t kOddDigits = 0b1010101010;
inline constexpr std::uint16_t kPrimeDigits = 0b0010101110;

constexpr bool InClass(std::uint16_t mask, int digit) {
    return ((mask >> digit) & 1u) != 0;
}
constexpr bool IsBig(int digit) {
    return InClass(kBigDigits, digit);
}
constexpr bool IsOdd(int digit) {
    return InClass(kOddDigits, digit);
}
constexpr bool IsPrime(int digit) {
    return InClass(kPrimeDigits, digit);
}
// The 012 route of a digit: its remainder by 3.
constexpr int Route012(int digit) {
    return digit % 3;
}

// Big/small, odd/even, prime/composite in the order the panels list them.
inline constexpr std::array<std::uint16_t, 3> kFirstClasses = {kBigDigits, kOddDigits,
                                                               kPrimeDigits};

} // namespace sorvanta
