#pragma once

#include "app/history_source.hpp"
#include "common/mode.hpp"
#include "engine4/candidate_set.hpp"
#include "history/draw_history.hpp"
#include "panels/mode_panel.hpp"
#include "panels/progress_sink.hpp"
#include "shell/control_registry.hpp"
#include "shell/help_topics.hpp"
#include "shell/panel_kit.hpp"

#include <QFrame>
#include <QList>
#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTimer;

namespace sorvanta::ui {

class ColourButton;
class ModeCommands;
class FourStarPanel;
class SchemeActions;
class AnalysisActions;
class VerificationCommands;
class SingleInstance;
class VerificationStrip;
class HistoryWindow;

// The one working window: three mode panels that overlap, the verification
// strip beside them, the progress frame, and the routing of every command
// press through one guard to the commands of the mode it belongs to. The
// controls are the state; the commands objects keep the tables of the last
// runs.
class Fmain : public QWidget, public ProgressSink {
    Q_OBJECT
public:
    explicit Fmain(QWidget* parent = nullptr);
    // Where the draw history comes from: the store's file, the source
    // address and its time limits.
    explicit Fmain(HistorySourceOptions history, QWidget* parent = nullptr);
    ~Fmain() override;

    ControlRegistry& controls() { return controls_; }
    // The panel of each mode, and the one in front.
    ModePanel& panel(Mode mode) const { return *modes_[Index(mode)].panel; }
    ModePanel& currentPanel() const { return panel(mode_); }
    FourStarPanel* fourStar() const { return fourStar_; }
    VerificationStrip* strip() const { return strip_; }
    const four::FourStarState& fourStarState() const;
    const history::HistoryState& historyState() const { return history_; }
    HistorySource* historySource() const { return historySource_; }
    HistoryWindow* historyWindow() const { return historyWindow_; }
    VerificationCommands* verificationCommands() const { return verificationCommands_; }
    SchemeActions* schemeActions() const { return schemeActions_; }
    AnalysisActions* analysisActions() const { return analysisActions_; }

    // Widths in twips: the mode's panel, then the strip, then a margin.
    static int panelWidth(Mode mode);
    static int windowWidthTwips(Mode mode);
    // The same for the mode of C_ding element `element`.
    static int windowWidthTwips(int element);

    void switchMode(Mode mode);
    void switchMode(int element); // C_ding element pressed
    Mode mode() const { return mode_; }
    int currentMode() const { return Index(mode_); } // the C_ding element that is green
    void RunFourStarCommand(int index);              // C_guolv_ks dispatcher

    // The progress frame, shown over the strip's column while a run lasts.
    void showProgress() override;
    void setProgress(double share) override;
    void hideProgress() override;

    // How the window ends the program after the close was confirmed; tests
    // replace it so the test process lives on.
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }
    QString ExitPageUrl;

    // The running-copy check of start-up; without one (tests, tools) every
    // window starts. A later copy's request brings this window to the front.
    void setSingleInstance(SingleInstance* instance);

    const HelpTopics& help() const { return help_; }
    // C_234_sm: the help topic or picture of button `index`.
    void ShowHelp(int index);

signals:
    // Emitted at each fixed point of a four-star run, after the bar is set.
    void progressShown(double share);
    void startupFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One mode: its C_ding button, its panel and the button groups the
    // panel's elements are in.
    struct ModeSlot {
        ColourButton* button = nullptr;
        ModePanel* panel = nullptr;
        PanelGroups groups;
    };

    // The constructor's steps, in their order.
    void buildFocusSink();
    void buildModeButtons();
    void buildButtonGroups();
    void buildModePanels();
    void buildStrip();
    void buildHistory(HistorySourceOptions options);
    void buildSchemeActions();
    void buildExportRouting();
    void buildProgressFrame();
    // The twips heights were drawn for a smaller font: a panel or the strip
    // grows to what its groups need, and the window with them.
    void fitHeights();
    void startStartupTimer();

    void runStartup();
    // Each help button shows the first line of its topic while the pointer
    // rests on it, once the store is loaded.
    void setHelpToolTips();
    // The draw-history tables and the omission grid belong to the
    // verification strip; start-up calls these at their places in its order.
    void createHistoryTables();
    void drawOmissionGrid();
    void RunCommandGuarded(QPushButton* button, int index, const std::function<void(int)>& run);
    // Presses of `group` run `run` through the guard.
    void routeGroup(QButtonGroup* group, const std::function<void(int)>& run);
    void placeForMode(Mode mode);
    // A run-time error inside a panel's command is shown, never let through.
    void runModeButton(ModeCommands& commands, void (ModeCommands::*what)(int), int index);
    void placeSchemeButtons(Mode mode);

    ControlRegistry controls_;
    std::array<ModeSlot, 3> modes_; // by Index(mode)
    Mode mode_ = Mode::Four;
    FourStarPanel* fourStar_ = nullptr;
    VerificationStrip* strip_ = nullptr;
    PanelGroups stripGroups_;
    QButtonGroup* C_234_sm_ = nullptr;
    QGroupBox* Frame_jindu_ = nullptr;
    QFrame* T_jindutiao_[2] = {nullptr, nullptr};
    QPushButton* Cf_ = nullptr;
    QTimer* Timer_load_ = nullptr;
    // The draw table the strip's commands and the source share.
    history::HistoryState history_;
    HistorySource* historySource_ = nullptr;
    HistoryWindow* historyWindow_ = nullptr;
    VerificationCommands* verificationCommands_ = nullptr;
    SchemeActions* schemeActions_ = nullptr;
    AnalysisActions* analysisActions_ = nullptr;
    // The top bar after the mode buttons, in its order; "载入方案" also
    // takes the scheme files dropped on the window.
    QList<QPushButton*> topBar_;
    QPushButton* loadSchemeButton_ = nullptr;
    HelpTopics help_;
    SingleInstance* instance_ = nullptr;
    bool commandRunning_ = false;
    int panelTop_ = 0;
    int panelHeight_ = 0;
    int stripHeight_ = 0;
    int windowHeight_ = 0;
    std::function<void()> quit_;
};

} // namespace sorvanta::ui
