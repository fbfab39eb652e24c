#pragma once

// How scheme values are read and written, for every mode's field table.
// Each reader fails with a SchemeError naming the field's JSON path.

#include "scheme/scheme_error.hpp"

#include <nlohmann/json.hpp>

#include <bitset>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {
struct RangeText;
}

namespace sorvanta::scheme {

using nlohmann::json;

// `problem` is the English of the refusal; `fault` and `detail` say the same
// in parts.
[[noreturn]] void Fail(const std::string& path, const std::string& problem, SchemeFault fault,
                       SchemeFaultDetail detail = {});
const char* KindName(const json& value);
ValueKind KindOf(const json& value);
// A refused value of the wrong kind: "expected <what>, found <kind>".
[[noreturn]] void FailType(const std::string& path, const std::string& what, const json& value,
                           ValueKind expected, long long count = 0);
// A value from the file in quotes, as one line of at most 60 characters
// ("…" past them), bytes that are not UTF-8 as \xNN.
std::string Quoted(std::string_view text);
// A name from the file the same way, without quotes (for paths).
std::string ShownName(std::string_view name, std::size_t most = 60);
void RequireString(const json& value, const std::string& path, const char* what,
                   ValueKind expected);
// A text field: a string of at most kMaxTextCharacters characters.
const std::string& RequireText(const json& value, const std::string& path);

void ReadRange(const json& value, const std::string& path, RangeText& out);

// A digit string: each character one chosen digit of a row offering the
// digits `low` to `high`; order and repeats do not matter.
std::bitset<10> ReadDigits(const json& value, const std::string& path, int low, int high);
json WriteDigits(const std::bitset<10>& digits);

struct CaptionGroup {
    std::vector<std::string> offered; // in the panel's button order
    std::string expected;             // how an error describes the offer
};

// "one of \"a\", \"b\"" over every caption.
template <class Captions> CaptionGroup Offered(const Captions& captions) {
    CaptionGroup group;
    for (const auto& caption : captions)
        group.offered.emplace_back(caption);
    std::string expected;
    for (const std::string& caption : group.offered)
        expected += (expected.empty() ? "" : ", ") + Quoted(caption);
    group.expected = "one of " + expected;
    return group;
}

std::set<std::string> ReadCaptions(const json& value, const std::string& path,
                                   const CaptionGroup& group);
json WriteCaptions(const std::set<std::string>& captions, const CaptionGroup& group);

} // namespace sorvanta::scheme
