#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;

// "导出号码" beside a "复制号码": it saves to a text file exactly what that
// copy button puts on the clipboard. Its element index is the copy button's,
// in one of two arrays after the copy button's own: beside C_guolv_ks
// elements, or beside C_2x3x_gn elements. The window collects them and
// routes their presses through its guard.
inline const QString kExportBesideFourStar = QStringLiteral("exportNumbers");
inline const QString kExportBesideTwoThreeStar = QStringLiteral("exportNumbers23");

QPushButton* AddExportButton(ControlRegistry& controls, const QString& array, int copyIndex,
                             QWidget* parent);

} // namespace sorvanta::ui
