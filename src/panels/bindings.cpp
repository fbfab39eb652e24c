#include "panels/bindings.hpp"

#include "shell/base_number_box.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/panel_kit.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace sorvanta::ui {

namespace {

int ColourAt(const ControlRegistry& c, const QString& array, int index) {
    const auto* b = c.at<ColourButton>(array, index);
    return b ? b->backColor() : Colour::Off;
}

bool IsChosen(int colour, int chosen) {
    return chosen == 0 ? colour != Colour::Off : colour == chosen;
}

// A box showing only one of its hints (blanks and line breaks around it
// aside) holds no input: a hint is never read, run or saved as data.
bool ShowsHint(const QString& text, const QStringList& hints) {
    const auto core = [](const QString& t) {
        qsizetype first = 0;
        qsizetype last = t.size();
        const auto blank = [](QChar c) {
            return c == u' ' || c == u'\r' || c == u'\n';
        };
        while (first < last && blank(t[first]))
            ++first;
        while (last > first && blank(t[last - 1]))
            --last;
        return QStringView(t).sliced(first, last - first);
    };
    if (core(text).isEmpty())
        return false;
    for (const QString& hint : hints)
        if (core(text) == core(hint))
            return true;
    return false;
}

} // namespace

std::string Indexed(const char* field, std::size_t i, const char* sub) {
    std::string name = std::string(field) + "[" + std::to_string(i) + "]";
    if (sub)
        name += std::string(".") + sub;
    return name;
}

std::string TopLevelField(const std::string& field) {
    return field.substr(0, field.find_first_of("[."));
}

std::string ReadText(const ControlRegistry& c, const QString& array, int index) {
    QWidget* w = c.require(array, index);
    QString text;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w))
        text = edit->toPlainText();
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        text = line->text();
    else if (auto* box = qobject_cast<BaseNumberBox*>(w))
        text = box->text();
    return ShowsHint(text, HintsOfBox(w)) ? std::string() : text.toStdString();
}

void WriteText(const ControlRegistry& c, const QString& array, int index, const std::string& text) {
    QWidget* w = c.require(array, index);
    const QStringList hints = HintsOfBox(w);
    const QString shown =
        text.empty() && !hints.isEmpty() ? hints.front() : QString::fromStdString(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        edit->setPlainText(shown);
    } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
        line->setText(shown);
        // A long hint reads from its start, not from where the text ends.
        line->setCursorPosition(0);
    } else if (auto* box = qobject_cast<BaseNumberBox*>(w)) {
        box->setText(shown);
    }
}

void ShowResetHint(const ControlRegistry& c, const QString& array, int index,
                   const QStringList& hints) {
    if (ReadText(c, array, index).empty())
        SetBoxText(c.require(array, index), hints.back());
}

RangeText ReadRange(const ControlRegistry& c, int index) {
    const auto* range = qobject_cast<RangeControl*>(c.require(QStringLiteral("ucf_rc"), index));
    return range ? range->text() : RangeText{};
}

void WriteRange(const ControlRegistry& c, int index, const RangeText& value) {
    if (auto* range = qobject_cast<RangeControl*>(c.require(QStringLiteral("ucf_rc"), index)))
        range->setText(value);
}

RangeText ReadListRange(const ControlRegistry& c, int lower, int upper) {
    const auto* low = qobject_cast<QComboBox*>(c.require(QStringLiteral("Com_rc"), lower));
    const auto* high = qobject_cast<QComboBox*>(c.require(QStringLiteral("Com_rc"), upper));
    if (!low || !high)
        return {};
    return {low->currentText().toStdString(), high->currentText().toStdString()};
}

void WriteListRange(const ControlRegistry& c, int lower, int upper, const RangeText& range) {
    auto* low = qobject_cast<QComboBox*>(c.require(QStringLiteral("Com_rc"), lower));
    auto* high = qobject_cast<QComboBox*>(c.require(QStringLiteral("Com_rc"), upper));
    if (!low || !high)
        return;
    low->setEditText(QString::fromStdString(range.lower));
    high->setEditText(QString::fromStdString(range.upper));
}

DigitSet ReadChecks(const ControlRegistry& c, const QString& array, int first, int count,
                    int offset) {
    DigitSet digits;
    for (int d = 0; d < count; ++d)
        if (d + offset < 10 && ReadChecked(c, array, first + d))
            digits.set(static_cast<std::size_t>(d + offset));
    return digits;
}

void WriteChecks(const ControlRegistry& c, const QString& array, int first, int count,
                 const DigitSet& digits, int offset) {
    for (int d = 0; d < count; ++d)
        WriteChecked(c, array, first + d,
                     d + offset < 10 && digits.test(static_cast<std::size_t>(d + offset)));
}

DigitSet ReadColours(const ControlRegistry& c, const QString& array, int first, int count,
                     int chosen, int offset) {
    DigitSet digits;
    for (int d = 0; d < count; ++d)
        if (d + offset < 10 && IsChosen(ColourAt(c, array, first + d), chosen))
            digits.set(static_cast<std::size_t>(d + offset));
    return digits;
}

void WriteColours(const ControlRegistry& c, const QString& array, int first, int count,
                  const DigitSet& digits, int chosen, int offset) {
    const int on = chosen == 0 ? Colour::On : chosen;
    for (int d = 0; d < count; ++d)
        if (auto* b = c.at<ColourButton>(array, first + d))
            b->setBackColor(d + offset < 10 && digits.test(static_cast<std::size_t>(d + offset))
                                ? on
                                : Colour::Off);
}

CaptionSet ReadCaptions(const ControlRegistry& c, const QString& array, int first, int last,
                        int chosen) {
    CaptionSet captions;
    for (int i = first; i <= last; ++i)
        if (const auto* b = c.at<ColourButton>(array, i); b && IsChosen(b->backColor(), chosen))
            captions.insert(b->text().toStdString());
    return captions;
}

void WriteCaptions(const ControlRegistry& c, const QString& array, int first, int last,
                   const CaptionSet& captions, int chosen) {
    for (int i = first; i <= last; ++i)
        if (auto* b = c.at<ColourButton>(array, i))
            b->setBackColor(captions.count(b->text().toStdString()) != 0 ? chosen : Colour::Off);
}

bool ReadChecked(const ControlRegistry& c, const QString& array, int index) {
    const auto* b = c.at<QAbstractButton>(array, index);
    return b && b->isChecked();
}

void WriteChecked(const ControlRegistry& c, const QString& array, int index, bool on) {
    if (auto* b = c.at<QAbstractButton>(array, index))
        b->setChecked(on);
}

} // namespace sorvanta::ui
