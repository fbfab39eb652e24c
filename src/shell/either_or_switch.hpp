#pragma once

#include <QWidget>

#include <array>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace sorvanta::ui {

// The either-or switch (erxuanyi): "直选" or "组选", reported as 0 or 1. Two
// option buttons, each followed by its caption label, in one row without
// gaps; a click on a caption chooses its option too.
class EitherOrSwitch : public QWidget {
    Q_OBJECT
public:
    explicit EitherOrSwitch(QWidget* parent = nullptr);

    // 0 when "直选" is on, 1 when "组选" is on, 0 when neither is.
    int kaiguan() const;
    // Turns option `choice` (0 or 1) on; any other value turns both off.
    void setKaiguan(int choice);

    std::array<QRadioButton*, 2> Option1{};
    std::array<QLabel*, 2> Label1{};

signals:
    void switched(int choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QButtonGroup* options_;
};

} // namespace sorvanta::ui
