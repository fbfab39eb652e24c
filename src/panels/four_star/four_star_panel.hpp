#pragma once

#include "engine4/four_star_input.hpp"

#include <QFont>
#include <QFrame>
#include <QList>
#include <QMap>

#include <array>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace sorvanta::ui {

class BaseNumberBox;
class ColourButton;
class ControlRegistry;
class LineBox;
class RangeControl;
class TextBox;

// The four-star panel (Pic_di 2): its condition pages, the result list and
// the commands that act on the four-star result. It knows which control
// holds which condition; the engine never sees a widget.
class FourStarPanel : public QFrame {
    Q_OBJECT
public:
    // `commands` is C_guolv_ks, `clearButtons` C_cls and `helpButtons`
    // C_234_sm: the window runs their presses, the panel only places its
    // elements in them.
    FourStarPanel(ControlRegistry& controls, QButtonGroup* commands, QButtonGroup* clearButtons,
                  QButtonGroup* helpButtons, QWidget* focusSink, QWidget* parent = nullptr);

    four::FourStarInput readInput() const;
    void writeInput(const four::FourStarInput& input);

    // The page buttons C_sst_0: 0..7 a page, 99 the main page.
    void switchPage(int index);
    // Marks each page button whose page holds a condition in force, so a
    // hidden page that still filters is seen.
    void refreshPageMarks();

    // The write side of the bridge: the result list, four numbers a line,
    // and its count.
    void showRows(const std::vector<int>& rows);
    void fillTotalToleranceLists();
    // Com_rc 0..3 (position-kill and banker-row tolerance) offer 0 to 4.
    void fillConditionToleranceLists();

    // A press on come-out count button 5·r + k of the banker rows.
    void ChooseComeOutCount(int index);

    QListWidget* Li_out;
    QLabel* dadi_zhushu;
    QComboBox* totalLower; // Com_rc 4
    QComboBox* totalUpper; // Com_rc 5
    LineBox* winCheckBox;  // T_duijiang 1
    QLabel* L_duijiang_news;
    ColourButton* invertButton; // C_guolv_ks 4

    QMap<int, ColourButton*> pageButtons; // C_sst_0
    QMap<int, QGroupBox*> pages;          // Frame_ding 0..7

    // Condition controls; each array's group has the element indexes as ids.
    std::array<TextBox*, 7> T_ding{};
    QMap<int, RangeControl*> ucf_rc;                // 0..4 live on this panel's conditions
    std::array<QComboBox*, 4> conditionTolerance{}; // Com_rc 0..3
    LineBox* sumBox = nullptr;                      // T_cs_ip 0
    TextBox* baseSetBox = nullptr;                  // T_cs_ip 3
    QCheckBox* Check_dm_jchong = nullptr;
    QButtonGroup* Check_hewei_sha1 = nullptr; // position kill, 10·row + digit
    QButtonGroup* Check_hewei_sha = nullptr;  // sum tails
    QButtonGroup* Check_kuadu_sha = nullptr;  // spans
    QButtonGroup* Check_tsm_sha = nullptr;    // kill-all digits
    QButtonGroup* Check_ac_sha = nullptr;     // AC values, element e is e + 1
    QButtonGroup* C_danzu = nullptr;          // banker digits, 10·row + digit
    QButtonGroup* C_danzu_gs = nullptr;       // come-out counts, 5·row + count
    // Shape buttons; a click toggles green (0..14) or yellow (from 15) and
    // grey; the run and repeat buttons (150..158) belong in it as well.
    QButtonGroup* C_bi = nullptr;
    // Smallest digits 0..8 (captions "0".."8"), largest 9..17 ("1".."9").
    QButtonGroup* C_max = nullptr;
    // Splice boxes: 0..5 two-star (page 6), 6..9 three-star (page 7).
    std::array<BaseNumberBox*, 10> ucf_ssc23x1{};
    // 保留 / 删除 of the two-star (0, 1) and three-star (2, 3) splices.
    std::array<QRadioButton*, 4> Option_sx{};

    // The intersection page: lists A and B, the result and its count.
    std::array<TextBox*, 3> T_jj{};
    QLabel* Ljiaoji_zhushu = nullptr;

    // The caption of C_bi element i (0..158); the empty text outside.
    static QString shapeCaption(int index);
    // The caption of C_max element i (0..17).
    static QString extremeCaption(int index);

private:
    QWidget* buildResultArea(QButtonGroup* commands);
    void watchPages();
    void copySelectedRows();
    QWidget* buildPageArea();
    void buildTopConditionPages();
    void buildConditionArea();
    QGroupBox* buildPositionKill(QWidget* parent);
    QGroupBox* buildDigitKills();
    QGroupBox* buildBankerGroups();
    QGroupBox* buildShapeRatios();
    QGroupBox* buildSpecialShapes();
    QGroupBox* buildShapePatterns();
    QGroupBox* buildRoutePatterns();
    QGroupBox* buildBaseSet();
    void createToggleArrays();
    QWidget* buildExtremesStrip();
    QGroupBox* buildRunRepeat();
    void buildIntersectionPage(QButtonGroup* commands);
    void buildSplicePage(int page, int firstBox, int boxCount, int firstOption, int rangeIndex,
                         int longest, int clearCode);
    QPushButton* addClear(int code, QWidget* parent);
    QPushButton* addHelp(int index, QWidget* parent,
                         const QString& caption = QStringLiteral("说明"));
    // Help buttons on the title line of a group or page.
    void addTitleHelp(QGroupBox* box, const QList<int>& indexes);
    void placeTitleHelp();
    QButtonGroup* makeArray(const QString& name);
    QCheckBox* addCheck(QButtonGroup* array, int index, const QString& caption, QWidget* parent);
    ColourButton* addToggle(QButtonGroup* array, int index, const QString& caption,
                            QWidget* parent);
    RangeControl* addRange(int index, int longest, QWidget* parent);
    QComboBox* makeToleranceBox(QWidget* parent) const;

    ControlRegistry& controls_;
    QButtonGroup* clearButtons_;
    QButtonGroup* helpButtons_;
    QWidget* conditionArea_ = nullptr;
    QFont compact_;
    QWidget* focusSink_;
};

} // namespace sorvanta::ui
