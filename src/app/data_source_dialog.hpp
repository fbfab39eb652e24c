#pragma once

#include <QDialog>

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

    QLineEdit* address;
    QLabel* problem;

private:
    void confirm();

    HistorySource& source_;
};

} // namespace sorvanta::ui
