#include "scheme/json_values.hpp"

#include "common/allowed_counts.hpp"
#include "common/limits.hpp"
#include "common/text.hpp"

#include <algorithm>

namespace sorvanta::scheme {

namespace {

// Names and values in messages come from the file: each is shown as one
// line, at most kShownLength characters, with bytes that are not UTF-8 as
// \xNN, so a hostile key can neither break the message apart nor make it
// megabytes long.
constexpr std::size_t kShownLength = 60;

// The length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const Utf8Sequence sequence = ReadUtf8Sequence(text, i);
    return sequence.wellFormed ? sequence.length : 0;
}

// `quotes`: escape as inside a JSON string (the value is shown quoted).
std::string Shown(std::string_view text, bool quotes, std::size_t most = kShownLength) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t shown = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (shown == most) {
            out += "…";
            break;
        }
        ++shown;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(text.substr(i, length));
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += quotes ? std::string("\\u00") + kHex[c >> 4] + kHex[c & 15] : "?";
        } else if (quotes && (c == '"' || c == '\\')) {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(c);
        }
        i += length;
    }
    return out;
}

} // namespace

void Fail(const std::string& path, const std::string& problem, SchemeFault fault,
          SchemeFaultDetail detail) {
    // The path is made of the file's own names, each already shown short;
    // the whole stays one line and bounded however deep it goes.
    std::string shown = Shown(path, false, 4 * kShownLength);
    std::string message = shown + ": " + problem;
    throw SchemeError(message, fault, shown == "(root)" ? std::string() : std::move(shown),
                      std::move(detail));
}

void FailType(const std::string& path, const std::string& what, const json& value,
              ValueKind expected, long long count) {
    SchemeFaultDetail detail;
    detail.expected = expected;
    detail.found = KindOf(value);
    detail.first = count;
    Fail(path, "expected " + what + ", found " + KindName(value), SchemeFault::WrongType,
         std::move(detail));
}

ValueKind KindOf(const json& value) {
    switch (value.type()) {
    case json::value_t::null:
        return ValueKind::Null;
    case json::value_t::boolean:
        return ValueKind::Boolean;
    case json::value_t::string:
        return ValueKind::String;
    case json::value_t::array:
        return ValueKind::Array;
    case json::value_t::object:
        return ValueKind::Object;
    case json::value_t::number_float:
        return ValueKind::Fraction;
    default:
        return ValueKind::Number;
    }
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
        FailType(path, "an array of two bounds", value, ValueKind::Range);
    if (value.size() != 2)
        Fail(path, "expected two bounds [lower, upper], found " + std::to_string(value.size()),
             SchemeFault::WrongCount,
             SchemeFaultDetail::Numbers(2, static_cast<long long>(value.size())));
    std::string* bounds[2] = {&out.lower, &out.upper};
    for (std::size_t i = 0; i < 2; ++i) {
        const json& bound = value[i];
        const std::string at = path + "[" + std::to_string(i) + "]";
        if (bound.is_string())
            *bounds[i] = bound.get<std::string>();
        else if (bound.is_number_unsigned())
            // 2^63 and above are still the digits a player would type.
            *bounds[i] = std::to_string(bound.get<unsigned long long>());
        else if (bound.is_number_integer())
            *bounds[i] = std::to_string(bound.get<long long>());
        else
            FailType(at, "a string or an integer", bound, ValueKind::Bound);
    }
}

std::string Quoted(std::string_view text) {
    return "\"" + Shown(text, true) + "\"";
}

std::string ShownName(std::string_view name, std::size_t most) {
    return Shown(name, false, most);
}

void RequireString(const json& value, const std::string& path, const char* what,
                   ValueKind expected) {
    if (!value.is_string())
        FailType(path, what, value, expected);
}

// A digit string: each character one chosen digit of a row offering the
// digits `low` to `high`; order and repeats do not matter.
const std::string& RequireText(const json& value, const std::string& path) {
    RequireString(value, path, "a string", ValueKind::Text);
    const std::string& text = value.get_ref<const std::string&>();
    if (text.size() > kMaxTextCharacters) {
        const std::size_t characters = CountCharacters(text);
        if (characters > kMaxTextCharacters)
            Fail(path,
                 "longer than " + std::to_string(kMaxTextCharacters) + " characters (" +
                     std::to_string(characters) + ")",
                 SchemeFault::TooLong,
                 SchemeFaultDetail::Numbers(static_cast<long long>(kMaxTextCharacters),
                                            static_cast<long long>(characters)));
    }
    return text;
}

std::bitset<10> ReadDigits(const json& value, const std::string& path, int low, int high) {
    RequireString(value, path, "a string of digits", ValueKind::Digits);
    const std::string& text = value.get_ref<const std::string&>();
    std::bitset<10> digits;
    // One pass over the bytes; only a refused character is decoded and
    // quoted, so a long run of digits costs no more than reading it.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            const std::size_t length = std::max<std::size_t>(SequenceLength(text, i), 1);
            const std::string_view refused = std::string_view(text).substr(i, length);
            Fail(path, Quoted(refused) + " is not a digit", SchemeFault::NotDigit,
                 SchemeFaultDetail::Refused(ShownName(refused)));
        }
        const int digit = c - '0';
        if (digit < low || digit > high)
            Fail(path,
                 Quoted(std::string_view(text).substr(i, 1)) + " is not one of the digits " +
                     std::to_string(low) + " to " + std::to_string(high),
                 SchemeFault::DigitOutOfRange,
                 SchemeFaultDetail::Refused(std::string(1, c), low, high));
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

std::set<std::string> ReadCaptions(const json& value, const std::string& path,
                                   const CaptionGroup& group) {
    if (!value.is_array())
        FailType(path, "an array of captions", value, ValueKind::Captions);
    // Each entry costs one lookup among the offered captions; the path of
    // an entry is written only when it is refused.
    std::vector<bool> chosen(group.offered.size(), false);
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto at = [&] {
            return path + "[" + std::to_string(i) + "]";
        };
        if (!value[i].is_string())
            RequireString(value[i], at(), "a caption", ValueKind::Caption);
        const std::string& caption = value[i].get_ref<const std::string&>();
        const auto it = std::find(group.offered.begin(), group.offered.end(), caption);
        if (it == group.offered.end())
            Fail(at(),
                 Quoted(caption) + " is not a caption of this group; expected " + group.expected,
                 SchemeFault::NotCaption,
                 SchemeFaultDetail::Allowed(group.offered, ShownName(caption)));
        chosen[static_cast<std::size_t>(it - group.offered.begin())] = true;
    }
    std::set<std::string> captions;
    for (std::size_t k = 0; k < chosen.size(); ++k)
        if (chosen[k])
            captions.insert(group.offered[k]);
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
