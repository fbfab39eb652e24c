#include "shell/help_button.hpp"

#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"

#include <QButtonGroup>

namespace sorvanta::ui {

QPushButton* AddHelpButton(ControlRegistry& controls, QButtonGroup* helpButtons, int index,
                           QWidget* parent, const QString& caption) {
    auto* button = new FlatButton(caption, parent);
    controls.add(QStringLiteral("C_234_sm"), index, button);
    if (helpButtons)
        helpButtons->addButton(button, index);
    button->setFixedSize(button->minimumSizeHint() + QSize(6, 2));
    // Light blue: told apart from the condition buttons at a glance.
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(214, 234, 248));
    button->setPalette(palette);
    return button;
}

} // namespace sorvanta::ui
