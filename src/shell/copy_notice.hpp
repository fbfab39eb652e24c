#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace sorvanta::ui {

// The copy notice: a small green window that closes itself after 600 ms.
class Fts : public QDialog {
    Q_OBJECT
public:
    explicit Fts(QWidget* parent = nullptr);
    static int shownCount(); // how many notices have opened, for tests
    QLabel* Label1;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace sorvanta::ui
