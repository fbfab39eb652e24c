#include "scheme/scheme.hpp"

#include "common/text.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace sorvanta::scheme {

using nlohmann::json;

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

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
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
four::DigitSet ReadDigits(const json& value, const std::string& path, int low, int high) {
    RequireString(value, path, "a string of digits");
    four::DigitSet digits;
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

json WriteDigits(const four::DigitSet& digits) {
    std::string text;
    for (std::size_t d = 0; d < digits.size(); ++d)
        if (digits.test(d))
            text.push_back(static_cast<char>('0' + d));
    return text;
}

struct CaptionGroup {
    std::vector<std::string> offered; // in the panel's element order
    std::string expected;             // how an error describes the offer
};

four::CaptionSet ReadCaptions(const json& value, const std::string& path,
                              const CaptionGroup& group) {
    if (!value.is_array())
        Fail(path, std::string("expected an array of captions, found ") + KindName(value));
    four::CaptionSet captions;
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

json WriteCaptions(const four::CaptionSet& captions, const CaptionGroup& group) {
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

template <std::size_t N> CaptionGroup Offered(const std::array<std::string_view, N>& captions) {
    CaptionGroup group;
    for (std::string_view caption : captions) {
        group.offered.emplace_back(caption);
        group.expected += (group.expected.empty() ? "" : ", ") + Quoted(caption);
    }
    group.expected = "one of " + group.expected;
    return group;
}

CaptionGroup Offered(four::PatternKind kind, const char* expected) {
    return {four::PatternCaptions(kind), expected};
}

constexpr std::size_t kBankerRows = 4;
constexpr int kHighestBankerCount = 4;

four::BankerRow ReadBankerRow(const json& value, const std::string& path) {
    if (!value.is_object())
        Fail(path,
             std::string("expected an object {\"digits\", \"counts\"}, found ") + KindName(value));
    four::BankerRow row;
    for (const auto& [key, field] : value.items()) {
        if (key == "digits")
            row.digits = ReadDigits(field, path + ".digits", 0, 9);
        else if (key == "counts")
            row.counts = ReadDigits(field, path + ".counts", 0, kHighestBankerCount);
        else
            Fail(path + "." + key, "unknown field; a banker row has \"digits\" and \"counts\"");
    }
    return row;
}

json WriteBankerRow(const four::BankerRow& row) {
    json out = json::object();
    if (row.digits.any())
        out["digits"] = WriteDigits(row.digits);
    if (row.counts.any())
        out["counts"] = WriteDigits(row.counts);
    return out;
}

// One scheme field: how to read it into the input and how to write it back.
// The writer returns null for the field's off state, which is left out.
struct Field {
    std::function<void(const json&, const std::string&, four::FourStarInput&)> read;
    std::function<json(const four::FourStarInput&)> write;
};

using four::FourStarInput;

Field Text(std::string FourStarInput::*member) {
    return {[member](const json& v, const std::string& p, FourStarInput& in) {
                RequireString(v, p, "a string");
                in.*member = v.get<std::string>();
            },
            [member](const FourStarInput& in) {
                return (in.*member).empty() ? json() : json(in.*member);
            }};
}

Field Range(RangeText FourStarInput::*member) {
    return {[member](const json& v, const std::string& p, FourStarInput& in) {
                ReadRange(v, p, in.*member);
            },
            [member](const FourStarInput& in) {
                const RangeText& range = in.*member;
                return range == RangeText{} ? json() : json{range.lower, range.upper};
            }};
}

Field Digits(four::DigitSet FourStarInput::*member, int low, int high) {
    return {[member, low, high](const json& v, const std::string& p, FourStarInput& in) {
                in.*member = ReadDigits(v, p, low, high);
            },
            [member](const FourStarInput& in) {
                return (in.*member).none() ? json() : WriteDigits(in.*member);
            }};
}

Field Captions(four::CaptionSet FourStarInput::*member, CaptionGroup group) {
    auto shared = std::make_shared<const CaptionGroup>(std::move(group));
    return {[member, shared](const json& v, const std::string& p, FourStarInput& in) {
                in.*member = ReadCaptions(v, p, *shared);
            },
            [member, shared](const FourStarInput& in) {
                return (in.*member).empty() ? json() : WriteCaptions(in.*member, *shared);
            }};
}

Field PositionKill() {
    return {[](const json& v, const std::string& p, FourStarInput& in) {
                if (!v.is_array())
                    Fail(p, std::string("expected an array of four digit strings, found ") +
                                KindName(v));
                if (v.size() != in.position_kill.size())
                    Fail(p, "expected four rows (千 百 十 个), found " + std::to_string(v.size()));
                for (std::size_t r = 0; r < in.position_kill.size(); ++r)
                    in.position_kill[r] = ReadDigits(v[r], p + "[" + std::to_string(r) + "]", 0, 9);
            },
            [](const FourStarInput& in) {
                json rows = json::array();
                bool any = false;
                for (const four::DigitSet& row : in.position_kill) {
                    rows.push_back(WriteDigits(row));
                    any = any || row.any();
                }
                return any ? rows : json();
            }};
}

Field BankerRows() {
    return {[](const json& v, const std::string& p, FourStarInput& in) {
                if (!v.is_array())
                    Fail(p, std::string("expected an array of banker rows, found ") + KindName(v));
                if (v.size() > kBankerRows)
                    Fail(p, "expected at most four rows, found " + std::to_string(v.size()));
                for (std::size_t r = 0; r < v.size(); ++r)
                    in.banker_rows[r] = ReadBankerRow(v[r], p + "[" + std::to_string(r) + "]");
            },
            [](const FourStarInput& in) {
                // Rows keep their places: an empty row before a used one is
                // written as {}, empty rows after the last used one are left out.
                std::size_t rows = 0;
                for (std::size_t r = 0; r < in.banker_rows.size(); ++r)
                    if (in.banker_rows[r] != four::BankerRow{})
                        rows = r + 1;
                if (rows == 0)
                    return json();
                json out = json::array();
                for (std::size_t r = 0; r < rows; ++r)
                    out.push_back(WriteBankerRow(in.banker_rows[r]));
                return out;
            }};
}

Field Flag(bool FourStarInput::*member) {
    return {[member](const json& v, const std::string& p, FourStarInput& in) {
                if (!v.is_boolean())
                    Fail(p, std::string("expected true or false, found ") + KindName(v));
                in.*member = v.get<bool>();
            },
            [member](const FourStarInput& in) {
                return in.*member ? json(true) : json();
            }};
}

template <std::size_t N>
Field Texts(std::array<std::string, N> FourStarInput::*member, const char* rows) {
    return {[member, rows](const json& v, const std::string& p, FourStarInput& in) {
                if (!v.is_array())
                    Fail(p, std::string("expected an array of ") + std::to_string(N) +
                                " texts, found " + KindName(v));
                if (v.size() != N)
                    Fail(p, "expected " + std::to_string(N) + " texts (" + rows + "), found " +
                                std::to_string(v.size()));
                for (std::size_t i = 0; i < N; ++i) {
                    const std::string at = p + "[" + std::to_string(i) + "]";
                    RequireString(v[i], at, "a string");
                    (in.*member)[i] = v[i].get<std::string>();
                }
            },
            [member](const FourStarInput& in) {
                const auto& texts = in.*member;
                const bool any = std::any_of(texts.begin(), texts.end(),
                                             [](const std::string& t) { return !t.empty(); });
                return any ? json(texts) : json();
            }};
}

// "keep" (保留) or "delete" (删除); the panel starts on keep.
Field SpliceModeField(bool FourStarInput::*deleteMode) {
    return {[deleteMode](const json& v, const std::string& p, FourStarInput& in) {
                if (v != "keep" && v != "delete")
                    Fail(p, "expected \"keep\" or \"delete\"");
                in.*deleteMode = v == "delete";
            },
            [deleteMode](const FourStarInput& in) {
                return in.*deleteMode ? json("delete") : json();
            }};
}

const std::map<std::string, Field>& FourStarFields() {
    using four::PatternKind;
    static const std::map<std::string, Field> fields = {
        {"kill_direct", Text(&FourStarInput::kill_direct)},
        {"junk_compounds", Text(&FourStarInput::junk_compounds)},
        {"junk_compounds_tolerance", Range(&FourStarInput::junk_compounds_tolerance)},
        {"kill_pairs", Text(&FourStarInput::kill_pairs)},
        {"kill_pairs_tolerance", Range(&FourStarInput::kill_pairs_tolerance)},
        {"require_pairs", Text(&FourStarInput::require_pairs)},
        {"kill_triples", Text(&FourStarInput::kill_triples)},
        {"kill_triples_tolerance", Range(&FourStarInput::kill_triples_tolerance)},
        {"require_triples", Text(&FourStarInput::require_triples)},
        {"kill_patterns", Text(&FourStarInput::kill_patterns)},
        {"position_kill", PositionKill()},
        {"position_kill_tolerance", Range(&FourStarInput::position_kill_tolerance)},
        {"kill_sum_tails", Digits(&FourStarInput::kill_sum_tails, 0, 9)},
        {"kill_sums", Text(&FourStarInput::kill_sums)},
        {"kill_spans", Digits(&FourStarInput::kill_spans, 0, 9)},
        {"kill_all_digits", Digits(&FourStarInput::kill_all_digits, 0, 9)},
        {"kill_ac", Digits(&FourStarInput::kill_ac, 1, 6)},
        {"banker_rows", BankerRows()},
        {"banker_count_repeats", Flag(&FourStarInput::banker_count_repeats)},
        {"banker_tolerance", Range(&FourStarInput::banker_tolerance)},
        {"ratio_big_small",
         Captions(&FourStarInput::ratio_big_small, Offered(four::kRatioCaptions))},
        {"ratio_odd_even", Captions(&FourStarInput::ratio_odd_even, Offered(four::kRatioCaptions))},
        {"ratio_prime_composite",
         Captions(&FourStarInput::ratio_prime_composite, Offered(four::kRatioCaptions))},
        {"ratio_tolerance", Range(&FourStarInput::ratio_tolerance)},
        {"special_shapes",
         Captions(&FourStarInput::special_shapes, Offered(four::kSpecialShapeCaptions))},
        {"pattern_big_small",
         Captions(&FourStarInput::pattern_big_small,
                  Offered(PatternKind::BigSmall, "four characters of \"大\" and \"小\""))},
        {"pattern_odd_even",
         Captions(&FourStarInput::pattern_odd_even,
                  Offered(PatternKind::OddEven, "four characters of \"奇\" and \"偶\""))},
        {"pattern_prime_composite",
         Captions(&FourStarInput::pattern_prime_composite,
                  Offered(PatternKind::PrimeComposite, "four characters of \"质\" and \"合\""))},
        {"pattern_route012",
         Captions(&FourStarInput::pattern_route012,
                  Offered(PatternKind::Route012, "four characters of \"0\", \"1\" and \"2\""))},
        {"pattern_tolerance", Range(&FourStarInput::pattern_tolerance)},
        {"run_repeat", Captions(&FourStarInput::run_repeat, Offered(four::kRunRepeatCaptions))},
        {"smallest_digits", Digits(&FourStarInput::smallest_digits, 0, 8)},
        {"largest_digits", Digits(&FourStarInput::largest_digits, 1, 9)},
        {"two_star_splice",
         Texts(&FourStarInput::two_star_splice, "千百**, 千*十*, 千**个, *百十*, *百*个, **十个")},
        {"two_star_splice_mode", SpliceModeField(&FourStarInput::two_star_splice_delete)},
        {"two_star_splice_tolerance", Range(&FourStarInput::two_star_splice_tolerance)},
        {"three_star_splice",
         Texts(&FourStarInput::three_star_splice, "千百十*, 千百*个, 千*十个, *百十个")},
        {"three_star_splice_mode", SpliceModeField(&FourStarInput::three_star_splice_delete)},
        {"three_star_splice_tolerance", Range(&FourStarInput::three_star_splice_tolerance)},
        {"base_set", Text(&FourStarInput::base_set)},
        {"total_tolerance", Range(&FourStarInput::total_tolerance)},
    };
    return fields;
}

void ReadFourStar(const json& conditions, four::FourStarInput& input) {
    const auto& fields = FourStarFields();
    for (const auto& [key, value] : conditions.items()) {
        const std::string path = "conditions." + key;
        auto it = fields.find(key);
        if (it == fields.end())
            Fail(path, "unknown field for mode \"four\"");
        it->second.read(value, path, input);
    }
}

} // namespace

Scheme ParseScheme(std::string_view text) {
    json root;
    try {
        root = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& e) {
        std::string what = e.what();
        // nlohmann prefixes "[json.exception.parse_error.101] parse error at ..."
        const auto at = what.find("] ");
        throw SchemeError("invalid JSON: " +
                          (at == std::string::npos ? what : what.substr(at + 2)));
    }
    if (!root.is_object())
        Fail("(root)", std::string("expected an object, found ") + KindName(root));

    for (const auto& [key, value] : root.items()) {
        if (key != "format" && key != "version" && key != "mode" && key != "conditions")
            Fail(key, "unknown field");
        (void)value;
    }
    if (!root.contains("format"))
        Fail("format", "missing; expected \"sorvanta-scheme\"");
    if (!root["format"].is_string() || root["format"].get<std::string>() != "sorvanta-scheme")
        Fail("format", "expected \"sorvanta-scheme\"");
    if (!root.contains("version"))
        Fail("version", "missing; expected 1");
    if (!root["version"].is_number_integer() || root["version"].get<long long>() != 1)
        Fail("version", "unsupported version; expected 1");
    if (!root.contains("mode"))
        Fail("mode", "missing; expected \"two\", \"three\" or \"four\"");
    const json& mode = root["mode"];
    Scheme scheme;
    if (mode == "four")
        scheme.mode = Mode::Four;
    else if (mode == "three")
        scheme.mode = Mode::Three;
    else if (mode == "two")
        scheme.mode = Mode::Two;
    else
        Fail("mode", "expected \"two\", \"three\" or \"four\"");

    static const json empty = json::object();
    const json& conditions = root.contains("conditions") ? root["conditions"] : empty;
    if (!conditions.is_object())
        Fail("conditions", std::string("expected an object, found ") + KindName(conditions));

    switch (scheme.mode) {
    case Mode::Four:
        ReadFourStar(conditions, scheme.four);
        break;
    case Mode::Three:
    case Mode::Two:
        for (const auto& [key, value] : conditions.items()) {
            (void)value;
            Fail("conditions." + key, "unknown field for mode \"" +
                                          std::string(scheme.mode == Mode::Two ? "two" : "three") +
                                          "\"");
        }
        break;
    }
    return scheme;
}

std::string WriteFourStarScheme(const four::FourStarInput& input) {
    json conditions = json::object();
    for (const auto& [key, field] : FourStarFields())
        if (json value = field.write(input); !value.is_null())
            conditions[key] = std::move(value);
    json root = {{"format", "sorvanta-scheme"},
                 {"version", 1},
                 {"mode", "four"},
                 {"conditions", conditions}};
    return root.dump(2) + "\n";
}

} // namespace sorvanta::scheme
