#include "shell/panel_kit.hpp"

#include "shell/clear_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/help_button.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QPushButton>
#include <QStackedLayout>
#include <QStackedWidget>

namespace sorvanta::ui {

PanelKit::PanelKit(ControlRegistry& controls, const PanelGroups& groups, const PanelArrays& arrays)
    : controls_(controls), groups_(groups), arrays_(arrays) {}

RangeControl* PanelKit::addRange(int index, int longest, QWidget* parent) const {
    auto* range = new RangeControl(longest, parent);
    controls_.add(QStringLiteral("ucf_rc"), index, range);
    return range;
}

QPushButton* PanelKit::addClear(int code, QWidget* parent, const QString& caption) const {
    return AddClearButton(controls_, groups_.clear, code, caption, parent, arrays_.clear);
}

QPushButton* PanelKit::addSelectAll(int code, QWidget* parent) const {
    return AddClearButton(controls_, groups_.selectAll, code, QStringLiteral("全"), parent,
                          arrays_.selectAll);
}

QPushButton* PanelKit::addHelp(int index, QWidget* parent, const QString& caption) const {
    return AddHelpButton(controls_, groups_.help, index, parent, caption);
}

QPushButton* PanelKit::addCommand(int index, const QString& caption, QWidget* parent) const {
    auto* button = new QPushButton(caption, parent);
    joinCommands(button, index);
    return button;
}

void PanelKit::joinCommands(QPushButton* button, int index) const {
    button->setAutoDefault(false);
    controls_.add(arrays_.commands, index, button);
    if (groups_.commands)
        groups_.commands->addButton(button, index);
}

QPushButton* PanelKit::addExport(int copyIndex, QWidget* parent) const {
    auto* button = new QPushButton(QStringLiteral("导出号码"), parent);
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("把号码保存为文本文件，号码之间以空格隔开"));
    controls_.add(arrays_.exports, copyIndex, button);
    if (groups_.exports)
        groups_.exports->addButton(button, copyIndex);
    return button;
}

QStackedWidget* MakePageStack(QWidget* parent, bool overlay) {
    auto* stack = new QStackedWidget(parent);
    stack->setObjectName(QStringLiteral("pageStack"));
    if (overlay)
        static_cast<QStackedLayout*>(stack->layout())->setStackingMode(QStackedLayout::StackAll);
    return stack;
}

TextBox* MakeTextBox(const QStringList& hints, QWidget* parent) {
    auto* box = new TextBox(hints.value(0), parent);
    if (!hints.isEmpty())
        box->setHints(hints);
    return box;
}

LineBox* MakeLineBox(const QStringList& hints, QWidget* parent) {
    auto* box = new LineBox(hints.value(0), parent);
    if (!hints.isEmpty())
        box->setHints(hints);
    return box;
}

QStringList HintsOfBox(const QWidget* box) {
    if (const auto* text = qobject_cast<const TextBox*>(box))
        return text->hints();
    if (const auto* line = qobject_cast<const LineBox*>(box))
        return line->hints();
    return {};
}

QComboBox* MakeToleranceBox(QWidget* parent, const QString& start) {
    auto* box = new QComboBox(parent);
    UseLineBox(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(2);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (!start.isEmpty())
        box->setEditText(start);
    return box;
}

} // namespace sorvanta::ui
