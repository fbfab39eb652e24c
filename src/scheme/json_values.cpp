#include "scheme/json_values.hpp"

#include "common/allowed_counts.hpp"
#include "common/text.hpp"

#include <algorithm>

namespace sorvanta::scheme {

namespace {

// Field names come from the file; a line break or other control character in
// one must not break the one-line error apart.
std::string PrintablePath(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char ch : path) {
        if (ch == '\n')
            out += "\\n";
        else if (ch == '\r')
            out += "\\r";
        else if (ch == '\t')
            out += "\\t";
        else if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F)
            out += '?';
        else
            out += ch;
    }
    return out;
}

} // namespace

void Fail(const std::string& path, const std::string& problem) {
    throw SchemeError(PrintablePath(path) + ": " + problem);
}

const char* KindName(const json& value) {
    switch (value.type()) {
    case json::value_t::null:
        return "null";
    case json::value_t::boolean:
        return "a boolean";
    case json::value_t::string:
        return "a string";
    case json::value_t::array:
        return "an array";
    case json::value_t::object:
        return "an object";
    case json::value_t::number_float:
        return "a fractional number";
    default:
        return "a number";
    }
}

void ReadRange(const json& value, const std::string& path, RangeText& out) {
    if (!value.is_array())
        Fail(path, std::string("expected an array of two bounds, found ") + KindName(value));
    if (value.size() != 2)
        Fail(path, "expected two bounds [lower, upper], found " + std::to_string(value.size()));
    std::string* bounds[2] = {&out.lower, &out.upper};
    for (std::size_t i = 0; i < 2; ++i) {
        const json& bound = value[i];
        const std::string at = path + "[" + std::to_string(i) + "]";
        if (bound.is_string())
            *bounds[i] = bound.get<std::string>();
        else if (bound.is_number_integer())
            *bounds[i] = std::to_string(bound.get<long long>());
        else
            Fail(at, std::string("expected a string or an integer, found ") + KindName(bound));
    }
}

std::string Quoted(std::string_view text) {
    return json(std::string(text)).dump(-1, ' ', false, json::error_handler_t::replace);
}

void RequireString(const json& value, const std::string& path, const char* what) {
    if (!value.is_string())
        Fail(path, std::string("expected ") + what + ", found " + KindName(value));
}

// A digit string: each character one chosen digit of a row offering the
// digits `low` to `high`; order and repeats do not matter.
std::bitset<10> ReadDigits(const json& value, const std::string& path, int low, int high) {
    RequireString(value, path, "a string of digits");
    std::bitset<10> digits;
    for (char32_t c : DecodeUtf8(value.get_ref<const std::string&>())) {
        const std::string shown = Quoted(EncodeUtf8(std::u32string(1, c)));
        if (c < U'0' || c > U'9')
            Fail(path, shown + " is not a digit");
        const int digit = static_cast<int>(c - U'0');
        if (digit < low || digit > high)
            Fail(path, shown + " is not one of the digits " + std::to_string(low) + " to " +
                           std::to_string(high));
        digits.set(static_cast<std::size_t>(digit));
    }
    return digits;
}

json WriteDigits(const std::bitset<10>& digits) {
    std::string text;
    for (std::size_t d = 0; d < digits.size(); ++d)
        if (digits.test(d))
            text.push_back(static_cast<char>('0' + d));
    return text;
}

void RequireArray(const json& value, const std::string& path, std::size_t size, const char* what) {
    if (!value.is_array())
        Fail(path, std::string("expected an array of ") + what + ", found " + KindName(value));
    if (value.size() != size)
        Fail(path, "expected " + std::to_string(size) + " " + what + ", found " +
                       std::to_string(value.size()));
}

std::set<std::string> ReadCaptions(const json& value, const std::string& path,
                                   const CaptionGroup& group) {
    if (!value.is_array())
        Fail(path, std::string("expected an array of captions, found ") + KindName(value));
    std::set<std::string> captions;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string at = path + "[" + std::to_string(i) + "]";
        RequireString(value[i], at, "a caption");
        const std::string& caption = value[i].get_ref<const std::string&>();
        if (std::find(group.offered.begin(), group.offered.end(), caption) == group.offered.end())
            Fail(at,
                 Quoted(caption) + " is not a caption of this group; expected " + group.expected);
        captions.insert(caption);
    }
    return captions;
}

json WriteCaptions(const std::set<std::string>& captions, const CaptionGroup& group) {
    json out = json::array();
    for (const std::string& caption : group.offered)
        if (captions.count(caption) != 0)
            out.push_back(caption);
    // Anything the group does not offer is kept rather than lost, so that a
    // load reports it instead of quietly dropping it.
    for (const std::string& caption : captions)
        if (std::find(group.offered.begin(), group.offered.end(), caption) == group.offered.end())
            out.push_back(caption);
    return out;
}

} // namespace sorvanta::scheme
