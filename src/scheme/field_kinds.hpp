#pragma once

// The kinds of scheme field, each a reader and a writer over one member of a
// mode's panel input. A mode's field table is a list of these; the envelope
// loops over it, so a field is written down once.

#include "common/allowed_counts.hpp"
#include "common/limits.hpp"
#include "scheme/json_values.hpp"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace sorvanta::scheme {

template <class Input> struct Field {
    std::string name;
    std::function<void(const json&, const std::string& path, Input&)> read;
    // Returns null for the field's off state, which a saved scheme leaves out.
    std::function<json(const Input&)> write;
    // The panel's caption of the condition, for a refusal worded for a player.
    std::string caption = {};
};

// A field with the caption its panel gives it.
template <class Input> Field<Input> Named(const char* caption, Field<Input> field) {
    field.caption = caption;
    return field;
}

template <class Input> using FieldTable = std::vector<Field<Input>>;

template <class Input> Field<Input> Text(const char* name, std::string Input::*member) {
    return {name,
            [member](const json& v, const std::string& p, Input& in) {
                in.*member = RequireText(v, p);
            },
            [member](const Input& in) {
                return (in.*member).empty() ? json() : json(in.*member);
            }};
}

template <class Input> Field<Input> Range(const char* name, RangeText Input::*member) {
    return {
        name,
        [member](const json& v, const std::string& p, Input& in) { ReadRange(v, p, in.*member); },
        [member](const Input& in) {
            const RangeText& range = in.*member;
            return range == RangeText{} ? json() : json{range.lower, range.upper};
        }};
}

template <class Input>
Field<Input> Digits(const char* name, std::bitset<10> Input::*member, int low, int high) {
    return {name,
            [member, low, high](const json& v, const std::string& p, Input& in) {
                in.*member = ReadDigits(v, p, low, high);
            },
            [member](const Input& in) {
                return (in.*member).none() ? json() : WriteDigits(in.*member);
            }};
}

// One digit string per row, exactly N rows (千 百 十 个, 百 十 个, 十 个).
template <class Input, std::size_t N>
Field<Input> DigitRows(const char* name, std::array<std::bitset<10>, N> Input::*member,
                       const char* rowNames) {
    return {name,
            [member, rowNames](const json& v, const std::string& p, Input& in) {
                const std::string count = N == 4 ? "four" : N == 3 ? "three" : "two";
                if (!v.is_array())
                    FailType(p, "an array of " + count + " digit strings", v, ValueKind::DigitRows,
                             N);
                if (v.size() != N)
                    Fail(p,
                         "expected " + count + " rows (" + rowNames + "), found " +
                             std::to_string(v.size()),
                         SchemeFault::WrongCount,
                         SchemeFaultDetail::Numbers(N, static_cast<long long>(v.size())));
                for (std::size_t r = 0; r < N; ++r)
                    (in.*member)[r] = ReadDigits(v[r], p + "[" + std::to_string(r) + "]", 0, 9);
            },
            [member](const Input& in) {
                json rows = json::array();
                bool any = false;
                for (const auto& row : in.*member) {
                    rows.push_back(WriteDigits(row));
                    any = any || row.any();
                }
                return any ? rows : json();
            }};
}

template <class Input>
Field<Input> Captions(const char* name, std::set<std::string> Input::*member, CaptionGroup group) {
    auto shared = std::make_shared<const CaptionGroup>(std::move(group));
    return {name,
            [member, shared](const json& v, const std::string& p, Input& in) {
                in.*member = ReadCaptions(v, p, *shared);
            },
            [member, shared](const Input& in) {
                return (in.*member).empty() ? json() : WriteCaptions(in.*member, *shared);
            }};
}

template <class Input> Field<Input> Flag(const char* name, bool Input::*member) {
    return {name,
            [member](const json& v, const std::string& p, Input& in) {
                if (!v.is_boolean())
                    FailType(p, "true or false", v, ValueKind::Boolean);
                in.*member = v.template get<bool>();
            },
            [member](const Input& in) {
                return in.*member ? json(true) : json();
            }};
}

// One of a few named values; the first is the panel's starting state and is
// left out when saved.
template <class Input, class T>
Field<Input> Choice(const char* name, T Input::*member,
                    std::vector<std::pair<std::string, T>> values) {
    auto shared = std::make_shared<const std::vector<std::pair<std::string, T>>>(std::move(values));
    return {name,
            [member, shared](const json& v, const std::string& p, Input& in) {
                for (const auto& [text, value] : *shared)
                    if (v.is_string() && v.template get_ref<const std::string&>() == text) {
                        in.*member = value;
                        return;
                    }
                std::string expected;
                SchemeFaultDetail detail;
                for (std::size_t i = 0; i < shared->size(); ++i) {
                    expected += (i == 0                    ? ""
                                 : i + 1 == shared->size() ? " or "
                                                           : ", ") +
                                Quoted((*shared)[i].first);
                    detail.options.push_back((*shared)[i].first);
                }
                Fail(p, "expected " + expected, SchemeFault::WrongValue, std::move(detail));
            },
            [member, shared](const Input& in) {
                if (in.*member == shared->front().second)
                    return json();
                for (const auto& [text, value] : *shared)
                    if (in.*member == value)
                        return json(text);
                return json();
            }};
}

template <class Input, std::size_t N>
Field<Input> Texts(const char* name, std::array<std::string, N> Input::*member, const char* names) {
    return {name,
            [member, names](const json& v, const std::string& p, Input& in) {
                if (!v.is_array())
                    FailType(p, "an array of " + std::to_string(N) + " texts", v, ValueKind::Texts,
                             N);
                if (v.size() != N)
                    Fail(p,
                         "expected " + std::to_string(N) + " texts (" + names + "), found " +
                             std::to_string(v.size()),
                         SchemeFault::WrongCount,
                         SchemeFaultDetail::Numbers(N, static_cast<long long>(v.size())));
                for (std::size_t i = 0; i < N; ++i) {
                    const std::string at = p + "[" + std::to_string(i) + "]";
                    (in.*member)[i] = RequireText(v[i], at);
                }
            },
            [member](const Input& in) {
                const auto& texts = in.*member;
                const bool any = std::any_of(texts.begin(), texts.end(),
                                             [](const std::string& t) { return !t.empty(); });
                return any ? json(texts) : json();
            }};
}

// Banker rows {"digits", "counts"}: at most N rows, rows keep their places.
// (`most` spells N out for the message: "four".)
template <class Input, class Row, std::size_t N>
Field<Input> BankerRows(const char* name, std::array<Row, N> Input::*member, int highestCount,
                        const char* most) {
    auto readRow = [highestCount](const json& value, const std::string& path) {
        if (!value.is_object())
            FailType(path, "an object {\"digits\", \"counts\"}", value, ValueKind::BankerRow);
        Row row;
        for (const auto& [key, field] : value.items()) {
            if (key == "digits")
                row.digits = ReadDigits(field, path + ".digits", 0, 9);
            else if (key == "counts")
                row.counts = ReadDigits(field, path + ".counts", 0, highestCount);
            else
                Fail(path + "." + key, "unknown field; a banker row has \"digits\" and \"counts\"",
                     SchemeFault::UnknownField, SchemeFaultDetail::Unknown(ShownName(key)));
        }
        return row;
    };
    return {name,
            [member, readRow, most](const json& v, const std::string& p, Input& in) {
                if (!v.is_array())
                    FailType(p, "an array of banker rows", v, ValueKind::BankerRows);
                if (v.size() > N)
                    Fail(p,
                         std::string("expected at most ") + most + " rows, found " +
                             std::to_string(v.size()),
                         SchemeFault::TooMany,
                         SchemeFaultDetail::Numbers(N, static_cast<long long>(v.size())));
                for (std::size_t r = 0; r < v.size(); ++r)
                    (in.*member)[r] = readRow(v[r], p + "[" + std::to_string(r) + "]");
            },
            [member](const Input& in) {
                // An empty row before a used one is written as {}, empty rows
                // after the last used one are left out.
                const auto& rows = in.*member;
                std::size_t used = 0;
                for (std::size_t r = 0; r < N; ++r)
                    if (rows[r] != Row{})
                        used = r + 1;
                if (used == 0)
                    return json();
                json out = json::array();
                for (std::size_t r = 0; r < used; ++r) {
                    json row = json::object();
                    if (rows[r].digits.any())
                        row["digits"] = WriteDigits(rows[r].digits);
                    if (rows[r].counts.any())
                        row["counts"] = WriteDigits(rows[r].counts);
                    out.push_back(std::move(row));
                }
                return out;
            }};
}

// A set of whole numbers low..high, as an array of integers ([3, 12, 27]).
template <class Input, std::size_t N>
Field<Input> Integers(const char* name, std::bitset<N> Input::*member, int low, int high) {
    return {name,
            [member, low, high](const json& v, const std::string& p, Input& in) {
                if (!v.is_array())
                    FailType(p, "an array of integers", v, ValueKind::Integers);
                std::bitset<N> chosen;
                // A list may repeat its numbers millions of times: the path of
                // an entry is written only when it is refused.
                std::size_t i = 0;
                for (const json& item : v) {
                    const auto at = [&] {
                        return p + "[" + std::to_string(i) + "]";
                    };
                    if (!item.is_number_integer())
                        FailType(at(), "an integer", item, ValueKind::Integer);
                    const long long n = item.is_number_unsigned()
                                            ? static_cast<long long>(std::min<unsigned long long>(
                                                  item.template get<unsigned long long>(), 1000000))
                                            : item.template get<long long>();
                    if (n < low || n > high)
                        Fail(at(),
                             std::to_string(n) + " is not one of " + std::to_string(low) + " to " +
                                 std::to_string(high),
                             SchemeFault::IntegerOutOfRange,
                             SchemeFaultDetail::Refused(std::to_string(n), low, high));
                    chosen.set(static_cast<std::size_t>(n));
                    ++i;
                }
                in.*member = chosen;
            },
            [member](const Input& in) {
                if ((in.*member).none())
                    return json();
                json out = json::array();
                for (std::size_t n = 0; n < N; ++n)
                    if ((in.*member).test(n))
                        out.push_back(n);
                return out;
            }};
}

// Texts in a list of any length (the position-match rules).
template <class Input>
Field<Input> TextList(const char* name, std::vector<std::string> Input::*member) {
    return {name,
            [member](const json& v, const std::string& p, Input& in) {
                if (!v.is_array())
                    FailType(p, "an array of texts", v, ValueKind::TextList);
                std::vector<std::string> texts;
                texts.reserve(v.size());
                // Only a rule that may be refused has its path written.
                for (std::size_t i = 0; i < v.size(); ++i) {
                    if (v[i].is_string() &&
                        v[i].template get_ref<const std::string&>().size() <= kMaxTextCharacters)
                        texts.push_back(v[i].template get_ref<const std::string&>());
                    else
                        texts.push_back(RequireText(v[i], p + "[" + std::to_string(i) + "]"));
                }
                in.*member = std::move(texts);
            },
            [member](const Input& in) {
                return (in.*member).empty() ? json() : json(in.*member);
            }};
}

// Every key of an object through its field; an unknown key is an error
// naming where it stands (`mode`: the mode's name at the top of conditions).
template <class Input>
void ReadFieldsAt(const FieldTable<Input>& fields, const json& object, const std::string& prefix,
                  const std::string& unknown, const std::string& mode, Input& input) {
    for (const auto& item : object.items()) {
        // Not a structured binding: clang before 16 cannot capture one.
        const std::string& key = item.key();
        auto it = std::find_if(fields.begin(), fields.end(),
                               [&](const Field<Input>& f) { return f.name == key; });
        if (it == fields.end())
            Fail(prefix + ShownName(key), unknown, SchemeFault::UnknownField,
                 SchemeFaultDetail::Unknown(ShownName(key), mode));
        try {
            it->read(item.value(), prefix + key, input);
        } catch (SchemeError& error) {
            error.addCaption(prefix + key, it->caption);
            throw;
        }
    }
}

// A nested group of fields ({"keep_sum": [...], ...}) with a table of its
// own; its paths read "conditions.pair_sums.keep_sum[1]".
template <class Input, class Sub>
Field<Input> Object(const char* name, Sub Input::*member, FieldTable<Sub> fields) {
    auto shared = std::make_shared<const FieldTable<Sub>>(std::move(fields));
    return {name,
            [member, shared](const json& v, const std::string& p, Input& in) {
                if (!v.is_object())
                    FailType(p, "an object", v, ValueKind::Object);
                std::string names;
                for (const Field<Sub>& f : *shared)
                    names += (names.empty() ? "" : ", ") + Quoted(f.name);
                ReadFieldsAt(*shared, v, p + ".", "unknown field; expected one of " + names, "",
                             in.*member);
            },
            [member, shared](const Input& in) {
                json out = json::object();
                for (const Field<Sub>& f : *shared)
                    if (json value = f.write(in.*member); !value.is_null())
                        out[f.name] = std::move(value);
                return out.empty() ? json() : out;
            }};
}

// Every key of `conditions` through its field; an unknown key is an error.
template <class Input>
void ReadFields(const FieldTable<Input>& fields, const json& conditions, std::string_view mode,
                Input& input) {
    ReadFieldsAt(fields, conditions, "conditions.",
                 "unknown field for mode \"" + std::string(mode) + "\"", std::string(mode), input);
}

template <class Input> json WriteFields(const FieldTable<Input>& fields, const Input& input) {
    json conditions = json::object();
    for (const Field<Input>& field : fields)
        if (json value = field.write(input); !value.is_null())
            conditions[field.name] = std::move(value);
    return conditions;
}

} // namespace sorvanta::scheme
