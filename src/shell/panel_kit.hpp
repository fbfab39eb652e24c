#pragma once

// What every condition panel builds with: the window's button groups its
// elements join, the adders for the small buttons and range controls beside
// its groups, the page stack, the tolerance list and the one rule that fits
// a block of toggle buttons to its captions.

#include <QFontMetrics>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;
class LineBox;
class RangeControl;
class TextBox;

// The window's button groups a panel puts its elements in; the window runs
// their presses through its guard. A group a panel has none of stays null.
struct PanelGroups {
    QButtonGroup* commands = nullptr;  // its C_guolv_ks or C_2x3x_gn elements
    QButtonGroup* clear = nullptr;     // its C_cls or C_3x_cls elements
    QButtonGroup* selectAll = nullptr; // its C_3x_all elements
    QButtonGroup* exports = nullptr;   // its "导出号码" buttons, by copy index
    QButtonGroup* help = nullptr;      // C_234_sm, shared by the whole window
};

// The arrays of the "导出号码" buttons, each beside a "复制号码": element
// index is the copy button's, in one array beside C_guolv_ks elements and
// one beside C_2x3x_gn elements.
inline const QString kExportBesideFourStar = QStringLiteral("exportNumbers");
inline const QString kExportBesideTwoThreeStar = QStringLiteral("exportNumbers23");

// The arrays a panel's small buttons are registered under.
struct PanelArrays {
    QString commands;  // "C_guolv_ks" or "C_2x3x_gn"
    QString clear;     // "C_cls" or "C_3x_cls"
    QString selectAll; // "C_3x_all"; empty where the panel has none
    QString exports;   // the "导出号码" array beside the panel's copy buttons
};

// The arrays of the two- and three-star panels, which share them.
inline PanelArrays TwoThreeStarArrays() {
    return {QStringLiteral("C_2x3x_gn"), QStringLiteral("C_3x_cls"), QStringLiteral("C_3x_all"),
            kExportBesideTwoThreeStar};
}

// Registers and groups a panel's small buttons and ranges; each adder
// returns the control for the caller to place.
class PanelKit {
public:
    PanelKit(ControlRegistry& controls, const PanelGroups& groups, const PanelArrays& arrays);

    ControlRegistry& controls() const { return controls_; }
    const PanelGroups& groups() const { return groups_; }

    // ucf_rc `index`, its list up to `longest`.
    RangeControl* addRange(int index, int longest, QWidget* parent) const;
    QPushButton* addClear(int code, QWidget* parent,
                          const QString& caption = QStringLiteral("清")) const;
    QPushButton* addSelectAll(int code, QWidget* parent) const;
    QPushButton* addHelp(int index, QWidget* parent,
                         const QString& caption = QStringLiteral("说明")) const;
    // A command button of the panel's command array.
    QPushButton* addCommand(int index, const QString& caption, QWidget* parent) const;
    // Joins a button made elsewhere (a colour button) to the command array.
    void joinCommands(QPushButton* button, int index) const;
    // "导出号码" beside copy button `copyIndex`: it saves exactly what that
    // button puts on the clipboard.
    QPushButton* addExport(int copyIndex, QWidget* parent) const;

private:
    ControlRegistry& controls_;
    PanelGroups groups_;
    PanelArrays arrays_;
};

// Pages on one spot, one in front. With `overlay` every page keeps the
// visibility it is given and the current one is only raised, so a page can
// lie over another that stays shown beneath it; otherwise only the current
// page shows.
QStackedWidget* MakePageStack(QWidget* parent, bool overlay = false);

// A condition box showing the first of `hints` (the hints its binding row
// names) and knowing them all as no input.
TextBox* MakeTextBox(const QStringList& hints, QWidget* parent);
LineBox* MakeLineBox(const QStringList& hints, QWidget* parent);

// The hints a text or line box was given; none for any other control.
QStringList HintsOfBox(const QWidget* box);

// An editable list of tolerance counts (0 to N), two characters wide,
// showing `start` with nothing chosen.
QComboBox* MakeToleranceBox(QWidget* parent, const QString& start = QStringLiteral("0"));

// Fits a block of small buttons to its captions: every button as wide as
// the widest caption plus `padding`, one line of text high; `square` keeps
// one-digit buttons at least as wide as they are high, so rows line up in
// columns.
template <class Button>
void FitButtons(const QList<Button*>& buttons, int padding = 6, bool square = true) {
    if (buttons.isEmpty())
        return;
    const QFontMetrics fm(buttons.first()->font());
    const int height = fm.height() + 4;
    int width = 0;
    for (const Button* b : buttons)
        width = std::max(width, fm.horizontalAdvance(b->text()) + padding);
    for (Button* b : buttons)
        b->setFixedSize(square ? std::max(width, height) : width, height);
}

} // namespace sorvanta::ui
