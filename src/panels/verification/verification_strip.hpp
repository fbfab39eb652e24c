#pragma once

#include <QFrame>
#include <QMap>

class QButtonGroup;
class QLabel;

namespace sorvanta::ui {

class ColourButton;
class ControlRegistry;
class LineBox;
class TextBox;

// The column beside the mode panels: draw history, the verification of a
// number list against past draws, and the extraction of past numbers. It
// belongs to no mode; every mode shows it.
class VerificationStrip : public QFrame {
    Q_OBJECT
public:
    // `commands` is C_guolv_ks and `clearButtons` C_cls; the window runs
    // their presses.
    VerificationStrip(ControlRegistry& controls, QButtonGroup* commands, QButtonGroup* clearButtons,
                      QWidget* parent = nullptr);

    // What a mode switch resets: both boxes emptied, both counts "0", the
    // position selectors preset to the mode's last N positions.
    void set_mode_positions(int mode);

    TextBox* verifyBox;  // T_cs_ip 5
    TextBox* extractBox; // T_cs_ip 6
    LineBox* drawCount;  // T_cs_ip 4
    QLabel* L_zs[2];
    QLabel* resultLabels[4];
    QMap<int, ColourButton*> C_wz;

signals:
    // A press on one of the verify-position buttons 0..4 starts verification.
    void verifyPositionToggled();

private:
    ControlRegistry& controls_;
};

} // namespace sorvanta::ui
