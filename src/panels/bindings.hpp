#pragma once

// The bridge between a panel's controls and its input value, as a table: one
// row binds one field (by its scheme name) to the controls that hold it, so a
// panel's readInput()/writeInput() are two loops and a field is named once
// on this side.

#include "common/allowed_counts.hpp"

#include <QString>
#include <QStringList>

#include <bitset>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace sorvanta::ui {

class ControlRegistry;

// Both sides take the input as a target they may reach into, so one
// member accessor serves the read and the write; WriteAll hands the write
// side a copy, and the input written from is never changed.
template <class Input> struct Binding {
    std::string field; // the scheme field it holds ("banker_rows[2].digits")
    std::function<void(const ControlRegistry&, Input&)> read;
    std::function<void(const ControlRegistry&, Input&)> write;
    // A text row's box, and the hints it shows when it holds no input: the
    // first is its starting text and what an empty field puts back, the
    // last what a reset puts back. The panel gives its box these; no other
    // place decides which box shows which hint.
    QString array = {};
    int index = -1;
    QStringList hints = {};
};

template <class Input> using Bindings = std::vector<Binding<Input>>;

// The hints of box `index` of `array`, as its text row names them; none for
// a box no row binds.
template <class Input>
QStringList HintsOf(const Bindings<Input>& rows, const QString& array, int index) {
    for (const Binding<Input>& row : rows)
        if (row.index == index && row.array == array)
            return row.hints;
    return {};
}

template <class Input> Input ReadAll(const Bindings<Input>& rows, const ControlRegistry& controls) {
    Input in;
    for (const Binding<Input>& row : rows)
        row.read(controls, in);
    return in;
}

template <class Input>
void WriteAll(const Bindings<Input>& rows, const ControlRegistry& controls, Input in) {
    for (const Binding<Input>& row : rows)
        row.write(controls, in);
}

void ShowResetHint(const ControlRegistry& c, const QString& array, int index,
                   const QStringList& hints);

// `in` written as the whole-panel clear leaves the panel: a box whose field
// is empty shows the hint a reset puts back (its row's last), not its
// starting text.
template <class Input>
void WriteAllAsReset(const Bindings<Input>& rows, const ControlRegistry& controls, Input in) {
    WriteAll(rows, controls, in);
    for (const Binding<Input>& row : rows)
        if (row.hints.size() > 1)
            ShowResetHint(controls, row.array, row.index, row.hints);
}

// The scheme's top-level field of a binding ("banker_rows" for
// "banker_rows[2].digits").
std::string TopLevelField(const std::string& field);

// A member of the input as the binding rows take it: F<&In::kill_sums>().
template <auto Member> auto F() {
    return [](auto& in) -> auto& {
        return in.*Member;
    };
}

// The name of an element of an array field ("banker_rows[2]"), or of a field
// inside it ("banker_rows[2].digits").
std::string Indexed(const char* field, std::size_t i, const char* sub = nullptr);

// ---- the control kinds, each read and written by one pair of functions -----
using DigitSet = std::bitset<10>;
using CaptionSet = std::set<std::string>;

// A text box, line box or base-number box, as typed; a box that shows only
// its hint reads as empty, and writing empty puts its hint back.
std::string ReadText(const ControlRegistry& c, const QString& array, int index);
void WriteText(const ControlRegistry& c, const QString& array, int index, const std::string& text);
// A range control (ucf_rc).
RangeText ReadRange(const ControlRegistry& c, int index);
void WriteRange(const ControlRegistry& c, int index, const RangeText& range);
// Two editable lists (Com_rc lower, upper).
RangeText ReadListRange(const ControlRegistry& c, int lower, int upper);
void WriteListRange(const ControlRegistry& c, int lower, int upper, const RangeText& range);
// Check boxes first..first+count-1 as digits offset..offset+count-1.
DigitSet ReadChecks(const ControlRegistry& c, const QString& array, int first, int count,
                    int offset = 0);
void WriteChecks(const ControlRegistry& c, const QString& array, int first, int count,
                 const DigitSet& digits, int offset = 0);
// Colour buttons as digits: chosen is `chosen`, or any colour but grey when
// `chosen` is 0 (whoever set it).
DigitSet ReadColours(const ControlRegistry& c, const QString& array, int first, int count,
                     int chosen, int offset = 0);
void WriteColours(const ControlRegistry& c, const QString& array, int first, int count,
                  const DigitSet& digits, int chosen, int offset = 0);
// Colour buttons as the captions of the chosen ones.
CaptionSet ReadCaptions(const ControlRegistry& c, const QString& array, int first, int last,
                        int chosen);
void WriteCaptions(const ControlRegistry& c, const QString& array, int first, int last,
                   const CaptionSet& captions, int chosen);
// A check box or option button.
bool ReadChecked(const ControlRegistry& c, const QString& array, int index);
void WriteChecked(const ControlRegistry& c, const QString& array, int index, bool on);

// ---- rows ------------------------------------------------------------------
template <class Input, class T> using Member = std::function<T&(Input&)>;

template <class Input, class Get>
Binding<Input> TextRow(std::string field, Get get, const char* array, int index,
                       QStringList hints = {}) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadText(c, QString::fromLatin1(array), index);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteText(c, QString::fromLatin1(array), index, get(in));
            },
            QString::fromLatin1(array),
            index,
            std::move(hints)};
}

template <class Input, class Get> Binding<Input> RangeRow(std::string field, Get get, int index) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) { get(in) = ReadRange(c, index); },
            [=](const ControlRegistry& c, Input& in) {
                WriteRange(c, index, get(in));
            }};
}

template <class Input, class Get>
Binding<Input> ListRangeRow(std::string field, Get get, int lower, int upper) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) { get(in) = ReadListRange(c, lower, upper); },
            [=](const ControlRegistry& c, Input& in) {
                WriteListRange(c, lower, upper, get(in));
            }};
}

template <class Input, class Get>
Binding<Input> CheckRow(std::string field, Get get, const char* array, int first, int count,
                        int offset = 0) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadChecks(c, QString::fromLatin1(array), first, count, offset);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteChecks(c, QString::fromLatin1(array), first, count, get(in), offset);
            }};
}

template <class Input, class Get>
Binding<Input> ColourRow(std::string field, Get get, const char* array, int first, int count,
                         int chosen, int offset = 0) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadColours(c, QString::fromLatin1(array), first, count, chosen, offset);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteColours(c, QString::fromLatin1(array), first, count, get(in), chosen, offset);
            }};
}

template <class Input, class Get>
Binding<Input> CaptionRow(std::string field, Get get, const char* array, int first, int last,
                          int chosen) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadCaptions(c, QString::fromLatin1(array), first, last, chosen);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteCaptions(c, QString::fromLatin1(array), first, last, get(in), chosen);
            }};
}

template <class Input, class Get>
Binding<Input> CheckedRow(std::string field, Get get, const char* array, int index = 0) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadChecked(c, QString::fromLatin1(array), index);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteChecked(c, QString::fromLatin1(array), index, get(in));
            }};
}

// Two option buttons of which `on` holds the field's true.
template <class Input, class Get>
Binding<Input> OptionRow(std::string field, Get get, const char* array, int off, int on) {
    return {std::move(field),
            [=](const ControlRegistry& c, Input& in) {
                get(in) = ReadChecked(c, QString::fromLatin1(array), on);
            },
            [=](const ControlRegistry& c, Input& in) {
                WriteChecked(c, QString::fromLatin1(array), get(in) ? on : off, true);
            }};
}

} // namespace sorvanta::ui
