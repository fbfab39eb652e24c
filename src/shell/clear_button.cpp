#include "shell/clear_button.hpp"

#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace sorvanta::ui {

QPushButton* AddClearButton(ControlRegistry& controls, QButtonGroup* group, int code,
                            const QString& caption, QWidget* parent, const QString& array) {
    auto* button = new FlatButton(caption, parent);
    controls.add(array, code, button);
    if (group)
        group->addButton(button, code);
    // As small as the caption allows: most sit at the ends of button rows.
    // The size follows the font the button really gets, so a CJK font
    // larger than the C locale's never cuts the caption.
    button->setFixedSize(button->minimumSizeHint() + QSize(4, 2));
    return button;
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
        edit->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(box))
        label->setText(text);
    else if (auto* list = qobject_cast<QComboBox*>(box); list && list->isEditable())
        list->setEditText(text);
    else if (list)
        // A drop-down list without an edit field shows a text by choosing it.
        list->setCurrentIndex(list->findText(text));
}

} // namespace sorvanta::ui
