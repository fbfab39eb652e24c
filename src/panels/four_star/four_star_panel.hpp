#pragma once

#include "engine4/four_star_input.hpp"
#include "panels/four_star/four_star_bindings.hpp"
#include "panels/mode_panel.hpp"
#include "shell/panel_kit.hpp"

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
class QLayout;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace sorvanta::ui {

class BaseNumberBox;
class ColourButton;
class ControlRegistry;
class FourStarCommands;
class ProgressSink;
class LineBox;
class RangeControl;
class TextBox;

// The four-star panel (Pic_di 2): its condition pages, the result list and
// the commands that act on the four-star result. It knows which control
// holds which condition; the engine never sees a widget.
using FourStarFrame = ModeFrame<four::FourStarInput, Mode::Four, &FourStarBindings>;

class FourStarPanel : public FourStarFrame {
    Q_OBJECT
public:
    // `groups` are the window's: its C_guolv_ks and C_cls elements and
    // exports of this panel, and C_234_sm; `stripCommands` takes the banker
    // calculator's button, a command of the verification strip. The panel
    // makes its commands, which report progress to `progress`.
    FourStarPanel(ControlRegistry& controls, const PanelGroups& groups, QButtonGroup* stripCommands,
                  ProgressSink& progress, QWidget* focusSink, QWidget* parent = nullptr);

    // The result list, four numbers a line, and its count. Through the
    // commands, so what 复制号码 copies and the win check reads is always
    // what the list shows.
    void showResult(const QString& numbers, int count) override;
    void clearResult() override;
    FourStarCommands& fourStarCommands() const { return *commands_; }

    // The page buttons C_sst_0: 0..7 a page, 99 the main page.
    void switchPage(int index);
    // Start-up's first page: its button marked, then pressed.
    void openFirstPage();
    // Marks each page button whose page holds a condition in force, so a
    // hidden page that still filters is seen.
    void refreshPageMarks();

    // The list and count alone; the commands keep the survivor text beside.
    void showRows(const std::vector<int>& rows);
    void emptyRows();
    void fillTotalToleranceLists();
    // Com_rc 0..3 (position-kill and banker-row tolerance) offer 0 to 4.
    void fillConditionToleranceLists();

    // A press on come-out count button 5·r + k of the banker rows.
    void ChooseComeOutCount(int index);

    // The win check (T_duijiang 1) and its answer beside it.
    void setWinCheckAnswer(const QString& answer);
    void clearWinCheck();
    // The invert button's plain (light green) or inverted (red) state.
    void setInverted(bool inverted);
    // The intersection page: lists A and B, the result and its count.
    QString intersectionList(int list) const; // 0 A, 1 B, 2 the result
    void showIntersection(const QString& a, const QString& b, const QString& result, int count);
    void clearIntersectionResult();
    void setIntersectionCount(int count);
    // The banker calculator: the last draw typed and the digits worked out.
    void clearBankerCalculator();

    // The caption of C_bi element i (0..158); the empty text outside.
    static QString shapeCaption(int index);
    // The caption of C_max element i (0..17).
    static QString extremeCaption(int index);

signals:
    // The text of the win check box changed.
    void winCheckTyped(const QString& text);

private:
    QWidget* buildResultArea();
    QListWidget* buildResultList(QWidget* area);
    // Each adds its rows to `column`, the result area's layout.
    void buildCountRow(QWidget* area, QVBoxLayout* column);
    void buildTotalToleranceRow(QWidget* area, QVBoxLayout* column);
    void buildCommandGrid(QWidget* area, QVBoxLayout* column);
    void buildWinCheck(QWidget* area, QVBoxLayout* column);
    void buildBankerCalculator(QWidget* area, QVBoxLayout* column);
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
    void buildIntersectionPage();
    void buildSplicePage(int page, int firstBox, int boxCount, int firstOption, int rangeIndex,
                         int longest, int clearCode);
    QPushButton* addClear(int code, QWidget* parent);
    // Help buttons on the title line of a group or page.
    void addTitleHelp(QGroupBox* box, const QList<int>& indexes);
    void placeTitleHelp();
    QButtonGroup* makeArray(const QString& name);
    QCheckBox* addCheck(QButtonGroup* array, int index, const QString& caption, QWidget* parent);
    ColourButton* addToggle(QButtonGroup* array, int index, const QString& caption,
                            QWidget* parent);
    QComboBox* addConditionTolerance(int index, QWidget* parent);

    ControlRegistry& controls_;
    PanelKit kit_;
    QButtonGroup* stripCommands_;
    QWidget* conditionArea_ = nullptr;
    QFont compact_;
    QWidget* focusSink_;
    FourStarCommands* commands_ = nullptr;

    QListWidget* Li_out = nullptr;
    QLabel* dadi_zhushu = nullptr;
    QComboBox* totalLower = nullptr; // Com_rc 4
    QComboBox* totalUpper = nullptr; // Com_rc 5
    LineBox* winCheckBox = nullptr;  // T_duijiang 1
    QLabel* L_duijiang_news = nullptr;
    ColourButton* invertButton = nullptr; // C_guolv_ks 4
    LineBox* lastDrawBox = nullptr;       // T_cs_ip 1
    LineBox* bankerDigitsBox = nullptr;   // T_cs_ip 2

    QMap<int, ColourButton*> pageButtons; // C_sst_0
    QMap<int, QGroupBox*> pages;          // Frame_ding 0..7
    QStackedWidget* pageStack_ = nullptr;

    // Condition controls; each array's group has the element indexes as ids.
    std::array<TextBox*, 7> T_ding{};
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
};

} // namespace sorvanta::ui
