#pragma once

// Text rules the two- and three-star boxes share beyond common/text.hpp.

#include "common/text.hpp"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::star {

// The boxes' hint texts (their Tag defaults). A box that holds nothing but a
// hint holds no input; the panels show the same constants.
inline constexpr std::string_view kDoubleClickHint = "双击清空";          // 双击清空 boxes
inline constexpr std::string_view kBaseSetHint = "大底号码，双击清空";    // 大底号码 boxes
inline constexpr std::string_view kSeparateWithBlanksHint = "用空格隔开"; // 两码和差 boxes

// The text a condition reads from a box: empty when the box shows only one
// of `hints` (blanks and line breaks around it aside), else the text as typed.
std::string_view WithoutHint(std::string_view text, std::initializer_list<std::string_view> hints);

// A multi-line box's text with every line break in the Windows form,
// "\r\n": a "\n" without its "\r" gains one, so "\n" and
// "\r\n" end a line alike and a line break weighs two characters
// wherever a rule counts characters. A lone "\r" stays what it is.
std::string WithCrLf(std::string_view text);

// The text split at every "\r\n" pair:
// n pairs give n + 1 lines, empty ones included.
std::vector<std::string_view> SplitAtCrLf(std::string_view text);

// The text without any U+0020 blank.
std::string WithoutBlanks(std::string_view text);

// only_str(text, allowed) with every blank then removed, for an `allowed`
// set of ASCII characters: just the allowed characters in their order (a
// character outside the set becomes a blank, and every blank goes).
std::string KeepOnly(std::string_view text, std::string_view allowed);

using sorvanta::ForEachDigitRun;

// Whether what only_str(text, "0123456789") leaves (its digit runs and one
// blank between each two) is at least `length` long; reads only as far as
// it must.
bool DigitsOnlyLengthAtLeast(std::string_view text, std::size_t length);

} // namespace sorvanta::star
