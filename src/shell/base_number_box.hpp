#pragma once

#include "common/base_number_table.hpp"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace sorvanta::ui {

class TextBox;

// A box of two- or three-digit base numbers (大底) for a fixed set of the
// positions 千百十个, e.g. "千*十*". The pattern says which positions it
// covers and so how long its numbers are.
class BaseNumberBox : public QWidget {
    Q_OBJECT
public:
    explicit BaseNumberBox(const QString& pattern = QStringLiteral("千百**"),
                           QWidget* parent = nullptr);

    QString a_mydata_wz() const { return pattern_; }
    void set_a_mydata_wz(const QString& pattern);

    void a_cls_all();
    void paste(); // the "粘" button
    // The box's numbers as a digit table; entry (10,10,10) says it is in use.
    BaseNumberTable a_get_data(int unused = 0);

    // The width of the numbers the box takes: the covered positions of the
    // label's pattern, 2 or 3 (2 when the pattern says otherwise).
    int numberWidth() const;
    QString text() const;
    void setText(const QString& text);

    QLabel* Lwz;
    TextBox* T_dd;
    QLabel* Lzhushu;
    QPushButton* C_zt;
    QPushButton* C_cls;
    QTimer* Timersx;

private:
    void layoutNow();
    QString shownPattern() const;

    QString pattern_;
};

} // namespace sorvanta::ui
