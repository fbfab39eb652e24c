#include "panels/export_button.hpp"

#include "shell/control_registry.hpp"

#include <QPushButton>

namespace sorvanta::ui {

QPushButton* AddExportButton(ControlRegistry& controls, const QString& array, int copyIndex,
                             QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("导出号码"), parent);
    button->setAutoDefault(false);
    button->setToolTip(QStringLiteral("把号码保存为文本文件，号码之间以空格隔开"));
    controls.add(array, copyIndex, button);
    return button;
}

} // namespace sorvanta::ui
