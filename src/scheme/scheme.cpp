#include "scheme/scheme.hpp"

#include "scheme/fields_of.hpp"
#include "scheme/json_reader.hpp"
#include "scheme/json_values.hpp"

namespace sorvanta::scheme {

namespace {

template <class Input> SchemeInput ReadInput(const json& conditions, Mode mode) {
    Input input;
    ReadFields(FieldsOf<Input>(), conditions, Name(mode), input);
    return input;
}

} // namespace

Scheme ParseScheme(std::string_view text) {
    json document = ReadSchemeJson(text);
    struct Released {
        json& document;
        ~Released() { Release(document); }
    } released{document};
    const json& root = document;
    if (!root.is_object())
        FailType("(root)", "an object", root, ValueKind::Object);

    for (const auto& [key, value] : root.items()) {
        if (key != "format" && key != "version" && key != "mode" && key != "conditions")
            Fail(ShownName(key), "unknown field", SchemeFault::UnknownField,
                 SchemeFaultDetail::Unknown(ShownName(key)));
        (void)value;
    }
    if (!root.contains("format"))
        Fail("format", "missing; expected \"sorvanta-scheme\"", SchemeFault::MissingField);
    if (!root["format"].is_string() || root["format"].get<std::string>() != "sorvanta-scheme")
        Fail("format", "expected \"sorvanta-scheme\"", SchemeFault::WrongValue,
             SchemeFaultDetail::Allowed({"sorvanta-scheme"}));
    if (!root.contains("version"))
        Fail("version", "missing; expected 1", SchemeFault::MissingField);
    if (!root["version"].is_number_integer() || root["version"].get<long long>() != 1)
        Fail("version", "unsupported version; expected 1", SchemeFault::WrongValue,
             SchemeFaultDetail::Allowed({"1"}));
    if (!root.contains("mode"))
        Fail("mode", "missing; expected \"two\", \"three\" or \"four\"", SchemeFault::MissingField);
    const json& modeName = root["mode"];
    const std::optional<Mode> mode =
        modeName.is_string() ? ModeFromName(modeName.get_ref<const std::string&>()) : std::nullopt;
    if (!mode)
        Fail("mode", "expected \"two\", \"three\" or \"four\"", SchemeFault::WrongValue,
             SchemeFaultDetail::Allowed({"two", "three", "four"}));
    Scheme scheme;
    scheme.mode = *mode;

    static const json empty = json::object();
    const json& conditions = root.contains("conditions") ? root["conditions"] : empty;
    if (!conditions.is_object())
        FailType("conditions", "an object", conditions, ValueKind::Object);

    switch (scheme.mode) {
    case Mode::Two:
        scheme.input = ReadInput<two::TwoStarInput>(conditions, scheme.mode);
        break;
    case Mode::Three:
        scheme.input = ReadInput<three::ThreeStarInput>(conditions, scheme.mode);
        break;
    case Mode::Four:
        scheme.input = ReadInput<four::FourStarInput>(conditions, scheme.mode);
        break;
    }
    return scheme;
}

std::string WriteScheme(const Scheme& scheme) {
    json root = {{"format", "sorvanta-scheme"},
                 {"version", 1},
                 {"mode", std::string(Name(scheme.mode))},
                 {"conditions", std::visit(
                                    [](const auto& input) {
                                        using T = std::decay_t<decltype(input)>;
                                        return WriteFields(FieldsOf<T>(), input);
                                    },
                                    scheme.input)}};
    return root.dump(2) + "\n";
}

std::string WriteFourStarScheme(const four::FourStarInput& input) {
    return WriteScheme(Scheme(input));
}

} // namespace sorvanta::scheme
