// Prints the scheme fuzz target's dictionary: the envelope, JSON tokens, and
// every field name, caption and choice the loader accepts. Nested names and
// captions live inside the loader's field readers, so they are asked of the
// loader: each field is given values it must refuse, and the refusal quotes
// what it expected. A field table or caption list that changes is followed
// without editing this file.
#include "common/mode.hpp"
#include "engine23/star_text.hpp"
#include "engine23/three_star_captions.hpp"
#include "scheme/fields_of.hpp"
#include "scheme/scheme.hpp"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nlohmann::json;
using sorvanta::scheme::FieldsOf;

// A key and a text no field offers; refusals quote it back, and it is left
// out of the dictionary.
const std::string kProbe = "\x01";
const std::string kProbeShown = "\\u0001";

// The texts between double quotes in a refusal, as written there (JSON
// escapes kept, so each is a ready JSON string body).
std::vector<std::string> QuotedIn(std::string_view message) {
    std::vector<std::string> found;
    std::size_t i = 0;
    while ((i = message.find('"', i)) != std::string_view::npos) {
        std::string text;
        std::size_t k = i + 1;
        for (; k < message.size() && message[k] != '"'; ++k) {
            if (message[k] == '\\' && k + 1 < message.size())
                text += message[k++];
            text += message[k];
        }
        if (k == message.size())
            break;
        found.push_back(text);
        i = k + 1;
    }
    return found;
}

// The refusal of a scheme of `mode` whose conditions hold `conditions`, or
// nothing when it loads.
std::string Refusal(std::string_view mode, const json& conditions) {
    const json root = {{"format", "sorvanta-scheme"},
                       {"version", 1},
                       {"mode", std::string(mode)},
                       {"conditions", conditions}};
    try {
        (void)sorvanta::scheme::ParseScheme(root.dump());
    } catch (const sorvanta::scheme::SchemeError& e) {
        return e.what();
    }
    return {};
}

// The value at the end of `keys`, nested one object per key.
json Nest(const std::vector<std::string>& keys, json value) {
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
        value = json{{*it, std::move(value)}};
    return value;
}

// Asks the field at `keys` for what it expects; names found inside an object
// field are asked in turn, at most two levels down.
void Explore(std::string_view mode, const std::vector<std::string>& keys,
             std::set<std::string>& strings) {
    const json probes[] = {json{{kProbe, 0}}, json::array({kProbe}),
                           json::array({json{{kProbe, 0}}}), json(kProbe)};
    for (const json& probe : probes) {
        for (const std::string& text : QuotedIn(Refusal(mode, Nest(keys, probe)))) {
            if (text.find(kProbeShown) != std::string::npos || text.empty())
                continue;
            strings.insert(text);
            // The same name can stand in other objects of other modes, so
            // every place is asked, not every name once.
            if (probe.is_object() && keys.size() < 3) {
                std::vector<std::string> deeper = keys;
                deeper.push_back(json::parse("\"" + text + "\"").get<std::string>());
                Explore(mode, deeper, strings);
            }
        }
    }
}

template <class Input> void AddMode(sorvanta::Mode mode, std::set<std::string>& strings) {
    for (const auto& field : FieldsOf<Input>()) {
        strings.insert(field.name);
        Explore(sorvanta::Name(mode), {field.name}, strings);
    }
}

// One dictionary line: printable ASCII as is, every other byte as \xNN (the
// dictionary reader takes nothing else), the text itself in a comment above
// when it had to be escaped.
void PrintEntry(const std::string& token) {
    std::string entry;
    bool escaped = false;
    for (unsigned char c : token) {
        if (c == '"' || c == '\\') {
            entry += '\\';
            entry += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            entry += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            entry += hex;
            escaped = true;
        }
    }
    if (escaped)
        std::printf("# %s\n", token.c_str());
    std::printf("\"%s\"\n", entry.c_str());
}

} // namespace

int main() {
    std::set<std::string> strings = {"format", "sorvanta-scheme", "version", "mode", "conditions"};
    for (sorvanta::Mode mode : sorvanta::kModes)
        strings.insert(std::string(sorvanta::Name(mode)));
    AddMode<sorvanta::two::TwoStarInput>(sorvanta::Mode::Two, strings);
    AddMode<sorvanta::three::ThreeStarInput>(sorvanta::Mode::Three, strings);
    AddMode<sorvanta::four::FourStarInput>(sorvanta::Mode::Four, strings);

    // Texts the boxes treat specially, and pieces their rules are made of.
    std::set<std::string> texts = {std::string(sorvanta::star::kDoubleClickHint),
                                   std::string(sorvanta::star::kBaseSetHint),
                                   std::string(sorvanta::star::kSeparateWithBlanksHint),
                                   "\\r\\n",
                                   "\\n",
                                   "\\u0000",
                                   "\\ud800",
                                   "\\u00e9",
                                   "万",
                                   "千",
                                   "百",
                                   "十",
                                   "个"};
    for (std::string_view comparison : sorvanta::three::kComparisons)
        texts.insert(std::string(comparison));
    const std::vector<std::string> tokens = {
        "{",     "}",           "[",  "]",     ":",  ",",          "true",
        "false", "null",        "-0", "1e999", "-1", "2147483648", "18446744073709551616",
        "0.5",   "\xEF\xBB\xBF"};

    std::printf("# Generated by sorvanta-scheme-dict (fuzz/scheme_dict.cpp); `make fuzz`\n"
                "# rewrites it. Field names, captions and choices in quotes as JSON\n"
                "# writes them, then box texts and JSON tokens.\n");
    for (const std::string& text : strings)
        PrintEntry("\"" + text + "\"");
    for (const std::string& text : texts)
        PrintEntry(text);
    for (const std::string& token : tokens)
        PrintEntry(token);
    return 0;
}
