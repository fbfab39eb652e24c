#include "reset/clear_table.hpp"

#include "shell/base_number_box.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/panel_kit.hpp"
#include "shell/range_control.hpp"

#include <QAbstractButton>

namespace sorvanta::ui {

namespace {

void Apply(const ClearRow& row, QWidget* widget) {
    switch (row.becomes) {
    case Becomes::Grey:
    case Becomes::Green:
    case Becomes::Yellow:
        if (auto* button = qobject_cast<ColourButton*>(widget))
            button->setBackColor(row.becomes == Becomes::Grey    ? Colour::Off
                                 : row.becomes == Becomes::Green ? Colour::On
                                                                 : Colour::Yellow);
        break;
    case Becomes::Unchecked:
        if (auto* box = qobject_cast<QAbstractButton*>(widget))
            box->setChecked(false);
        break;
    case Becomes::Checked:
        if (auto* option = qobject_cast<QAbstractButton*>(widget))
            option->setChecked(true);
        break;
    case Becomes::Empty:
        EmptyBox(widget);
        break;
    case Becomes::Text:
        SetBoxText(widget, QString::fromUtf8(row.text ? row.text : ""));
        break;
    case Becomes::Hint:
        // The hints come from the binding row of the box's field.
        SetBoxText(widget, HintsOfBox(widget).value(HintsOfBox(widget).size() - 1));
        break;
    case Becomes::RangeZero:
        if (auto* range = qobject_cast<RangeControl*>(widget))
            range->a_huanyuan(0, 0);
        break;
    case Becomes::SpliceBoxesEmpty:
        if (auto* box = qobject_cast<BaseNumberBox*>(widget))
            box->a_cls_all();
        break;
    }
}

} // namespace

void RunClearRows(const ControlRegistry& controls, std::span<const ClearRow> rows) {
    for (const ClearRow& row : rows) {
        const auto elements = controls.array(QString::fromLatin1(row.array));
        for (auto it = elements.lowerBound(row.first); it != elements.end() && it.key() <= row.last;
             ++it)
            Apply(row, it.value());
    }
}

void RunClearCode(const ControlRegistry& controls, std::span<const ClearRow> table, int code) {
    for (const ClearRow& row : table)
        if (row.code == code)
            RunClearRows(controls, std::span<const ClearRow>(&row, 1));
}

} // namespace sorvanta::ui
