#include "scheme/scheme.hpp"

#include "scheme/four_star_fields.hpp"
#include "scheme/json_values.hpp"

namespace sorvanta::scheme {

namespace {

// The conditions of a mode without a panel yet: no field is known.
void ReadNoFields(const json& conditions, Mode mode) {
    for (const auto& [key, value] : conditions.items()) {
        (void)value;
        Fail("conditions." + key, "unknown field for mode \"" + std::string(Name(mode)) + "\"");
    }
}

json WriteConditions(const Scheme& scheme) {
    return std::visit(
        [](const auto& input) -> json {
            using T = std::decay_t<decltype(input)>;
            if constexpr (std::is_same_v<T, four::FourStarInput>)
                return WriteFields(FourStarFields(), input);
            else
                return json::object();
        },
        scheme.input);
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
    const json& modeName = root["mode"];
    const std::optional<Mode> mode =
        modeName.is_string() ? ModeFromName(modeName.get_ref<const std::string&>()) : std::nullopt;
    if (!mode)
        Fail("mode", "expected \"two\", \"three\" or \"four\"");
    Scheme scheme;
    scheme.mode = *mode;

    static const json empty = json::object();
    const json& conditions = root.contains("conditions") ? root["conditions"] : empty;
    if (!conditions.is_object())
        Fail("conditions", std::string("expected an object, found ") + KindName(conditions));

    switch (scheme.mode) {
    case Mode::Four: {
        four::FourStarInput input;
        ReadFields(FourStarFields(), conditions, Name(Mode::Four), input);
        scheme.input = std::move(input);
        break;
    }
    case Mode::Three:
    case Mode::Two:
        ReadNoFields(conditions, scheme.mode);
        scheme.input = std::monostate{};
        break;
    }
    return scheme;
}

std::string WriteScheme(const Scheme& scheme) {
    json root = {{"format", "sorvanta-scheme"},
                 {"version", 1},
                 {"mode", std::string(Name(scheme.mode))},
                 {"conditions", WriteConditions(scheme)}};
    return root.dump(2) + "\n";
}

std::string WriteFourStarScheme(const four::FourStarInput& input) {
    return WriteScheme(Scheme{Mode::Four, input});
}

} // namespace sorvanta::scheme
