#include "scheme/scheme.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <map>

namespace sorvanta::scheme {

using nlohmann::json;

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
    throw SchemeError(path + ": " + problem);
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

using FieldReader = std::function<void(const json&, const std::string&, four::FourStarInput&)>;

const std::map<std::string, FieldReader>& FourStarFields() {
    static const std::map<std::string, FieldReader> fields = {
        {"total_tolerance",
         [](const json& v, const std::string& p, four::FourStarInput& in) {
             ReadRange(v, p, in.total_tolerance);
         }},
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
        it->second(value, path, input);
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
    const four::FourStarInput off;
    if (!(input.total_tolerance == off.total_tolerance))
        conditions["total_tolerance"] = {input.total_tolerance.lower, input.total_tolerance.upper};
    json root = {{"format", "sorvanta-scheme"},
                 {"version", 1},
                 {"mode", "four"},
                 {"conditions", conditions}};
    return root.dump(2) + "\n";
}

} // namespace sorvanta::scheme
