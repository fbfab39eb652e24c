#pragma once

#include "engine23/two_star_input.hpp"
#include "panels/mode_panel.hpp"
#include "panels/two_star/two_star_bindings.hpp"
#include "shell/panel_kit.hpp"

#include <QFont>
#include <QFrame>
#include <QList>
#include <QMap>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;

namespace sorvanta::ui {

class ColourButton;
class ControlRegistry;
class RangeControl;
class TextBox;
class TwoStarCommands;

// The two-star panel (Pic_di 0): its condition groups, the two list boxes,
// the result box and the commands. It knows which control holds which
// condition; the engine never sees a widget.
using TwoStarFrame = ModeFrame<two::TwoStarInput, Mode::Two, &TwoStarBindings>;

class TwoStarPanel : public TwoStarFrame {
    Q_OBJECT
public:
    // `groups` are the window's: the panel's C_2x3x_gn, C_3x_cls and
    // C_3x_all elements and exports, and C_234_sm.
    TwoStarPanel(ControlRegistry& controls, const PanelGroups& groups, QWidget* focusSink,
                 QWidget* parent = nullptr);

    // The result box T_dd 1 and its count Lzhushu 1.
    void showResult(const QString& numbers, int count) override;

    QString resultText() const;
    // Before a command or a toggle: no box is left mid-edit.
    void moveFocusAway() const;

    // The captions of the panel's elements, from the engine's tables; the
    // empty text outside the panel's range.
    static QString excludeCaption(int index); // C_3x_sha
    static QString bankerCaption(int index);  // C_3x_chu

private:
    QGroupBox* buildBankerGroups();
    QGroupBox* buildSpecialShapes();
    QGroupBox* buildSpanAndSum();
    QGroupBox* buildPositionKill();
    QGroupBox* buildCompoundExclusion();
    QGroupBox* buildShapes();
    QWidget* buildResultArea();
    QLayout* buildCommandColumn(QWidget* area);
    QWidget* buildListBoxes();
    QGroupBox* makeGroup(const char* title);
    // Buttons first.. of one array, captioned from the engine's tables.
    QList<ColourButton*> addToggles(QButtonGroup* array, int first, int count, QWidget* parent);
    // One row of digit (or sum) buttons, each placed by the value it reads,
    // so every row on the panel runs 0 upwards whatever its element order.
    void placeByValue(QGridLayout* grid, int row, int firstColumn,
                      const QList<ColourButton*>& buttons, int lowest = 0) const;

    ControlRegistry& controls_;
    PanelKit kit_;
    QWidget* focusSink_;
    QFont compact_;
    TwoStarCommands* commands_ = nullptr;

    TextBox* T_dd = nullptr;         // T_dd 1
    QLabel* Lzhushu = nullptr;       // Lzhushu 1
    TextBox* killListBox = nullptr;  // T_3x_ip 23
    TextBox* baseSetBox = nullptr;   // T_3x_ip 22
    QCheckBox* Check_2x3x = nullptr; // element 1, 胆码计重
    // The panel's elements of the toggle arrays; ids are element indexes.
    QButtonGroup* C_3x_sha = nullptr; // 169..263, yellow when chosen
    QButtonGroup* C_3x_chu = nullptr; // 132..170, green when chosen
};

} // namespace sorvanta::ui
