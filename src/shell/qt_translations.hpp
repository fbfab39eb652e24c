#pragma once

class QCoreApplication;

namespace sorvanta::ui {

// Qt's own texts (the file dialog, a drop-down's menu, a dialog's standard
// buttons) in Simplified Chinese, as every text of this tool is, whatever
// the desktop's locale. False when Qt's translation is not installed; Qt
// then speaks English and nothing else changes.
bool InstallQtChinese(QCoreApplication& app);

} // namespace sorvanta::ui
