#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;

namespace sorvanta::ui {

class HistorySource;

// "数据源": the base address the draws are collected from. It is opened
// without a modal loop of its own and hands the address to the source when
// the player confirms it; an address the source refuses keeps it open.
class DataSourceDialog : public QDialog {
    Q_OBJECT
public:
    DataSourceDialog(HistorySource& source, QWidget* parent);

    // Puts a button (the help on addresses) beside the dialog's buttons.
    void addFooterButton(QWidget* button);

    QLineEdit* address;
    QLabel* problem;

private:
    void confirm();

    HistorySource& source_;
    QHBoxLayout* footer_;
};

} // namespace sorvanta::ui
