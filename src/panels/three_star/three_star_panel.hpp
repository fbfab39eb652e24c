#pragma once

#include "engine23/three_star_input.hpp"
#include "panels/mode_panel.hpp"
#include "panels/three_star/three_star_bindings.hpp"
#include "shell/panel_kit.hpp"

#include <QFont>
#include <QFrame>
#include <QMap>

#include <array>
#include <string_view>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLayout;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace sorvanta::ui {

struct ButtonBlock;
class ColourButton;
class ControlRegistry;
class EitherOrSwitch;
class FlatButton;
class LineBox;
class RangeControl;
class ThreeStarCommands;
class TextBox;

// The three-star panel (Pic_di 1): eleven condition pages behind their tabs,
// and beside them the lists that always show (kill lists, base set,
// must-keep), the total tolerance, the result and its commands. It knows
// which control holds which condition; the engine never sees a widget.
using ThreeStarFrame = ModeFrame<three::ThreeStarInput, Mode::Three, &ThreeStarBindings>;

class ThreeStarPanel : public ThreeStarFrame {
    Q_OBJECT
public:
    // `groups` are the window's: the panel's C_2x3x_gn, C_3x_cls and
    // C_3x_all elements and exports, and C_234_sm. The window runs their
    // presses through the panel's commands.
    ThreeStarPanel(ControlRegistry& controls, const PanelGroups& groups, QWidget* focusSink,
                   QWidget* parent = nullptr);

    // Every condition off, as the engine clears an input: the boxes show
    // their hints again; the 直选/组选 switch and 胆码计重 stay.
    void clearConditions();
    // The result box T_dd 0 and its count Lzhushu 0.
    void showResult(const QString& numbers, int count) override;

    static constexpr int kPageCount = 11;
    // The tab C_3x_ding element `page`: only that page shows, its tab green.
    void switchPage(int page);
    int currentPage() const;
    // The page C_3x_nei element `page` holds `widget` (at any depth).
    bool pageHolds(int page, const QWidget* widget) const;
    // Marks each tab whose page holds a condition in force, so a hidden
    // page that still filters is seen.
    void refreshPageMarks();

    // The text of T_3x_ip element `index` and its hint (Tag), whatever kind
    // of box it is.
    QString boxText(int index) const;
    void setBoxText(int index, const QString& text);
    static QString boxHint(int index);
    static QStringList boxHints(int index);

    QString resultText() const;
    // The win check (T_duijiang 0) and its answer (Lduijiang 0).
    QString winCheckText() const;
    void setWinCheckAnswer(const QString& answer);
    void clearWinCheck();
    // The intersection page's count (Lzhushu 2).
    void setIntersectionCount(int count);
    // The position-match rule being put together: Cb_rc 2, 3 and 4.
    QString matchRulePart(int part) const;
    // The rule list L_3xwz_pp: its lines, which of them are chosen, and a
    // new content.
    QStringList matchRules() const;
    std::vector<bool> chosenMatchRules() const;
    void setMatchRules(const QStringList& rules);
    void addMatchRule(const QString& rule);

signals:
    // The text of the win check box changed.
    void winCheckTyped(const QString& text);

private:
    // three_star_panel.cpp: tabs, pages, the column beside them.
    QWidget* buildTabs();
    QWidget* buildPageStack();
    QWidget* buildSideColumn();
    QWidget* buildAlwaysShownLists(QWidget* column);
    QLayout* buildResultHeader(QWidget* column);
    QLayout* buildCommandGrid(QWidget* column);
    QLayout* buildWinCheck(QWidget* column);
    void watchConditions();
    // three_star_main_page.cpp: the digit-button groups of page 0.
    void createToggles();
    void buildMainPage();
    QWidget* buildDigitKills(QWidget* page);
    QWidget* buildSums(QWidget* page);
    // A field's toggle block, `columns` to a row, fitted.
    QGridLayout* toggleGrid(std::string_view field, int columns) const;
    QGridLayout* digitRows(QWidget* page, const char* field, int firstClear, int firstAll);
    QWidget* buildExcludeCompound(QWidget* page);
    QWidget* buildPositionKill(QWidget* page);
    QWidget* buildBankerGroups(QWidget* page);
    QWidget* buildKillShapes(QWidget* page);
    QWidget* buildKeepCounts(QWidget* page);
    QWidget* buildSpecialExclusions(QWidget* page);
    // A block standing in a frame of its own (the block table says which).
    QWidget* buildOwnFrame(const ButtonBlock& block, QWidget* page);
    QWidget* buildExtremes(QWidget* page);
    // three_star_pages.cpp: pages 1..10.
    void buildListPage(int page, int box, const char* title, int help, int range, int longest,
                       int clearCode);
    void buildIntersectionPage();
    void buildPairBoxesPage(int page, int firstBox, const char* prefix, int help, int range);
    void buildOtherPage();
    void buildPositionMatchPage();
    void buildPositionalBankersPage();
    void buildBrokenGroupsPage();

    // Small builders shared by the files.
    QList<ColourButton*> toggles(std::string_view field) const; // a block, by its field
    QWidget* addBox(int index, QWidget* parent, bool multiLine);
    QPushButton* addCommand(int index, QWidget* parent);
    QComboBox* addList(int index, QWidget* parent, bool editable);
    QWidget* titled(const QString& title, int help, QWidget* parent, QGridLayout* body);

    ControlRegistry& controls_;
    PanelKit kit_;
    QWidget* focusSink_;
    QFont compact_;
    QTimer* markTimer_ = nullptr;
    ThreeStarCommands* commands_ = nullptr;

    QMap<int, QWidget*> T_3x_ip;        // 0..21: TextBox or LineBox
    std::array<LineBox*, 15> T_lm_he{}; // 两码和差
    QButtonGroup* C_3x_sha = nullptr;   // exclude toggles 0..168 (yellow)
    QButtonGroup* C_3x_chu = nullptr;   // keep and banker toggles 0..131 (green)
    std::array<QRadioButton*, 3> Op_3x_danma_chu{};
    QCheckBox* bankerRepeats = nullptr;      // Check_2x3x 0
    EitherOrSwitch* baseSetSwitch = nullptr; // dd_2x1 0
    QMap<int, ColourButton*> pageTabs;       // C_3x_ding 0..10
    QMap<int, QFrame*> pages;                // C_3x_nei 0..10
    QStackedWidget* pageStack_ = nullptr;
    // The position-match rules, and the one being put together in Cb_rc
    // 2..4 (0 and 1 are 定位杀's tolerance).
    QListWidget* L_3xwz_pp = nullptr;
    std::array<QComboBox*, 5> Cb_rc{};
    QPlainTextEdit* resultBox = nullptr; // T_dd 0
    QLabel* resultCount = nullptr;       // Lzhushu 0
    QLabel* intersectionCount = nullptr; // Lzhushu 2
    LineBox* winCheckBox = nullptr;      // T_duijiang 0
    QLabel* winCheckAnswer = nullptr;    // Lduijiang 0
};

} // namespace sorvanta::ui
