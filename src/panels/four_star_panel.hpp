#pragma once

#include "engine4/four_star_input.hpp"

#include <QFrame>
#include <QMap>

#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace sorvanta::ui {

class ColourButton;
class ControlRegistry;
class LineBox;

// The four-star panel (Pic_di 2): its condition pages, the result list and
// the commands that act on the four-star result. It knows which control
// holds which condition; the engine never sees a widget.
class FourStarPanel : public QFrame {
    Q_OBJECT
public:
    FourStarPanel(ControlRegistry& controls, QButtonGroup* commands, QWidget* focusSink,
                  QWidget* parent = nullptr);

    four::FourStarInput readInput() const;
    void writeInput(const four::FourStarInput& input);

    // The page buttons C_sst_0: 0..7 a page, 99 the main page.
    void switchPage(int index);

    // The result list and count (ShowSurvivors' steps 1 to 4).
    void showRows(const std::vector<int>& rows);
    void fillTotalToleranceLists();

    QListWidget* Li_out;
    QLabel* dadi_zhushu;
    QComboBox* totalLower; // Com_rc 4
    QComboBox* totalUpper; // Com_rc 5
    LineBox* winCheckBox;  // T_duijiang 1
    QLabel* L_duijiang_news;
    ColourButton* invertButton; // C_guolv_ks 4

    QMap<int, ColourButton*> pageButtons; // C_sst_0
    QMap<int, QGroupBox*> pages;          // Frame_ding 0..7

private:
    QWidget* buildResultArea(QButtonGroup* commands);
    QWidget* buildPageArea();

    ControlRegistry& controls_;
    QWidget* conditionArea_ = nullptr;
    QWidget* focusSink_;
};

} // namespace sorvanta::ui
