#pragma once

#include "app/history_source.hpp"
#include "engine4/candidate_set.hpp"
#include "history/draw_history.hpp"
#include "panels/progress_sink.hpp"
#include "shell/control_registry.hpp"
#include "shell/help_topics.hpp"

#include <QFrame>
#include <QMap>
#include <QWidget>

#include <functional>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTimer;

namespace sorvanta::ui {

class ColourButton;
class FourStarCommands;
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
    FourStarPanel* fourStar() const { return fourStar_; }
    VerificationStrip* strip() const { return strip_; }
    FourStarCommands* fourStarCommands() const { return fourStarCommands_; }
    const four::FourStarState& fourStarState() const;
    const history::HistoryState& historyState() const { return history_; }
    HistorySource* historySource() const { return historySource_; }
    HistoryWindow* historyWindow() const { return historyWindow_; }
    VerificationCommands* verificationCommands() const { return verificationCommands_; }
    SchemeActions* schemeActions() const { return schemeActions_; }
    AnalysisActions* analysisActions() const { return analysisActions_; }

    // Widths in twips: the mode's panel, then the strip, then a margin.
    static int panelWidth(int mode);
    static int windowWidthTwips(int mode);

    void switchMode(int mode);          // C_ding element pressed
    int currentMode() const;            // the mode whose button is green
    void RunFourStarCommand(int index); // C_guolv_ks dispatcher

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
    void runStartup();
    // Each help button shows the first line of its topic while the pointer
    // rests on it, once the store is loaded.
    void setHelpToolTips();
    // The draw-history tables and the omission grid belong to the
    // verification strip; start-up calls these at their places in its order.
    void createHistoryTables();
    void drawOmissionGrid();
    void RunCommandGuarded(QPushButton* button, int index, const std::function<void(int)>& run);
    void placeForMode(int mode);
    // The two- and three-star modes, each built in its own file
    // (app/two_star_mode.cpp, app/three_star_mode.cpp): the panel as Pic_di
    // element 0 or 1, and the commands the window routes to it.
    void buildTwoStarMode();
    void buildThreeStarMode();
    // C_2x3x_gn 0..13 belong to three-star, 14..18 to two-star; a run-time
    // error inside one is shown, never let through.
    void RunTwoThreeStarCommand(int index);
    void runModeButton(ModeCommands* commands, void (ModeCommands::*what)(int), int index);
    // The scheme buttons of the top bar and every "导出号码" of the panels.
    void buildSchemeActions();
    void placeSchemeButtons(int mode);
    // What copy button `index` of C_guolv_ks (`twoThreeStar` false) or of
    // C_2x3x_gn copies, for the "导出号码" beside it.
    QString copiedNumbers(bool twoThreeStar, int index) const;

    ControlRegistry controls_;
    FourStarCommands* fourStarCommands_ = nullptr;
    QMap<int, ColourButton*> C_ding_;
    QMap<int, QFrame*> Pic_di_;
    FourStarPanel* fourStar_ = nullptr;
    VerificationStrip* strip_ = nullptr;
    QGroupBox* Frame_jindu_ = nullptr;
    QFrame* T_jindutiao_[2] = {nullptr, nullptr};
    QPushButton* Cf_ = nullptr;
    QTimer* Timer_load_ = nullptr;
    QButtonGroup* C_guolv_ks_ = nullptr;
    QButtonGroup* C_cls_ = nullptr;
    QButtonGroup* C_2x3x_gn_ = nullptr;
    QButtonGroup* C_234_sm_ = nullptr;
    QButtonGroup* C_3x_cls_ = nullptr;
    QButtonGroup* C_3x_all_ = nullptr;
    // The draw table the strip's commands and the source share.
    history::HistoryState history_;
    HistorySource* historySource_ = nullptr;
    HistoryWindow* historyWindow_ = nullptr;
    VerificationCommands* verificationCommands_ = nullptr;
    void buildHistory(HistorySourceOptions options);
    ModeCommands* twoStarCommands_ = nullptr;
    ModeCommands* threeStarCommands_ = nullptr;
    SchemeActions* schemeActions_ = nullptr;
    QPushButton* saveSchemeButton_ = nullptr;
    QPushButton* loadSchemeButton_ = nullptr;
    QPushButton* backtestButton_ = nullptr;
    AnalysisActions* analysisActions_ = nullptr;
    QPushButton* statsButton_ = nullptr;
    QPushButton* trendButton_ = nullptr;
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
