#include "app/fmain.hpp"

#include "app/analysis_actions.hpp"
#include "app/backtest_dialog.hpp"
#include "app/data_source_dialog.hpp"
#include "app/scheme_actions.hpp"
#include "app/single_instance.hpp"
#include "app/startup.hpp"
#include "panels/four_star/four_star_commands.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/mode_commands.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "panels/verification/history_window.hpp"
#include "panels/verification/verification_commands.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/accessible_names.hpp"
#include "shell/colour_button.hpp"
#include "shell/description_window.hpp"
#include "shell/from_utf8.hpp"
#include "shell/help_button.hpp"
#include "shell/help_index.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/twips.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <exception>

namespace sorvanta::ui {

namespace {
// Where the parts sit, in twips: the mode panels, the strip beside them, the
// margin around both, and the progress frame with its track.
constexpr int kPanelX = 30, kPanelY = 390, kPanelHeight = 9255;
constexpr int kStripY = 90, kStripWidth = 3195, kStripHeight = 10245;
constexpr int kMargin = 100;
constexpr int kWindowHeight = kStripY + kStripHeight + kMargin;
constexpr int kProgressWidth = 4890, kProgressHeight = 540, kTrackHeight = 270;
} // namespace

int Fmain::panelWidth(Mode mode) {
    // Two-star's panel needs 7395; the top bar above it holds the mode
    // buttons and five more, which in a CJK font need the rest.
    static constexpr int widths[3] = {9000, 12250, 14450};
    return widths[Index(mode)];
}

int Fmain::windowWidthTwips(Mode mode) {
    return panelWidth(mode) + kMargin + kStripWidth + kMargin;
}

int Fmain::windowWidthTwips(int element) {
    return windowWidthTwips(ModeFromIndex(element).value_or(Mode::Four));
}

Fmain::Fmain(QWidget* parent) : Fmain(HistorySourceOptions{}, parent) {}

Fmain::Fmain(HistorySourceOptions history, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Sorvanta"));
    setObjectName(QStringLiteral("Fmain"));
    buildFocusSink();
    buildModeButtons();
    buildButtonGroups();
    buildModePanels();
    buildStrip();
    buildHistory(std::move(history));
    buildSchemeActions();
    buildExportRouting();
    buildProgressFrame();
    fitHeights();
    // Until start-up places the window for its mode, lay out four-star.
    placeForMode(Mode::Four);
    NameControls(this);
    quit_ = [] {
        QCoreApplication::exit(0);
    };
    startStartupTimer();
}

Fmain::~Fmain() {
    // The draw table is a member and goes before the children: nothing that
    // writes to it or reads it may outlive it.
    delete analysisActions_;
    analysisActions_ = nullptr;
    delete schemeActions_;
    schemeActions_ = nullptr;
    delete historySource_;
    historySource_ = nullptr;
    strip_->disconnect();
}

void Fmain::buildFocusSink() {
    // Focus goes here before every command, so no box is left mid-edit; it
    // must be visible to take focus, hence placed outside the window's area.
    Cf_ = new QPushButton(QStringLiteral("C1"), this);
    Cf_->setObjectName(QStringLiteral("Cf"));
    Cf_->setGeometry(-200, -200, 40, 20);
    Cf_->setAutoDefault(false);
}

void Fmain::buildModeButtons() {
    for (Mode mode : kModes) {
        const int i = Index(mode);
        auto* b = new ColourButton(ModeName(mode) + QStringLiteral("缩水"), this,
                                   mode == Mode::Four ? Colour::On : Colour::Off);
        controls_.add(QStringLiteral("C_ding"), i, b);
        b->setGeometry(twipsRect(i * 1410, 0, 1400, 360));
        // A CJK caption is taller than the twips allow at some sizes.
        b->resize(b->width(), qMax(b->height(), b->minimumSizeHint().height() + 4));
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        connect(b, &QPushButton::clicked, this, [this, mode] { switchMode(mode); });
        modes_[i].button = b;
    }
}

void Fmain::routeGroup(QButtonGroup* group, const std::function<void(int)>& run) {
    connect(group, &QButtonGroup::idClicked, this, [this, group, run](int index) {
        RunCommandGuarded(qobject_cast<QPushButton*>(group->button(index)), index, run);
    });
}

// Each mode's panel puts its command, clear, select-all and export buttons
// in groups of its own, so a press reaches that mode's commands whatever
// its element index; the help buttons of the whole window share one group.
void Fmain::buildButtonGroups() {
    auto makeGroup = [this] {
        auto* group = new QButtonGroup(this);
        group->setExclusive(false);
        return group;
    };
    C_234_sm_ = makeGroup();
    routeGroup(C_234_sm_, [this](int i) { ShowHelp(i); });
    for (Mode mode : kModes) {
        ModeSlot& slot = modes_[Index(mode)];
        slot.groups = {makeGroup(), makeGroup(), mode == Mode::Four ? nullptr : makeGroup(),
                       makeGroup(), C_234_sm_};
        const PanelGroups& groups = slot.groups;
        routeGroup(groups.commands, [this, mode](int i) {
            runModeButton(panel(mode).commands(), &ModeCommands::run, i);
        });
        routeGroup(groups.clear, [this, mode](int c) {
            runModeButton(panel(mode).commands(), &ModeCommands::runClear, c);
        });
        if (groups.selectAll)
            routeGroup(groups.selectAll, [this, mode](int c) {
                runModeButton(panel(mode).commands(), &ModeCommands::runSelectAll, c);
            });
    }
    // The strip's commands; its clear buttons are four-star clear codes.
    stripGroups_ = {makeGroup(), modes_[Index(Mode::Four)].groups.clear, nullptr, makeGroup(),
                    C_234_sm_};
    routeGroup(stripGroups_.commands, [this](int i) { RunFourStarCommand(i); });
}

// The two- and three-star panels first: four-star lies on top of them.
void Fmain::buildModePanels() {
    for (Mode mode : kModes) {
        ModeSlot& slot = modes_[Index(mode)];
        switch (mode) {
        case Mode::Two:
            slot.panel = new TwoStarPanel(controls_, slot.groups, Cf_, this);
            break;
        case Mode::Three:
            slot.panel = new ThreeStarPanel(controls_, slot.groups, Cf_, this);
            break;
        case Mode::Four:
            slot.panel = fourStar_ =
                new FourStarPanel(controls_, slot.groups, stripGroups_.commands, *this, Cf_, this);
            break;
        }
        controls_.add(QStringLiteral("Pic_di"), Index(mode), slot.panel->frame());
        slot.panel->frame()->setGeometry(
            twipsRect(kPanelX, kPanelY, panelWidth(mode), kPanelHeight));
    }
    fourStar_->raise();
    fourStar_->fourStarCommands().setVerificationRunner([this] { RunFourStarCommand(12); });
}

void Fmain::buildStrip() {
    strip_ = new VerificationStrip(controls_, stripGroups_, this);
    strip_->setObjectName(QStringLiteral("verificationStrip"));
    connect(strip_, &VerificationStrip::verifyPositionToggled, this, [this] {
        RunCommandGuarded(controls_.at<QPushButton>(QStringLiteral("C_guolv_ks"), 12), 12,
                          [this](int i) { RunFourStarCommand(i); });
    });
}

void Fmain::buildHistory(HistorySourceOptions options) {
    verificationCommands_ = new VerificationCommands(*strip_, controls_, history_, this);
    historySource_ =
        new HistorySource(history_, strip_->lottery(), strip_->line(), std::move(options), this);
    connect(historySource_, &HistorySource::statusChanged, strip_, &VerificationStrip::setStatus);
    connect(historySource_, &HistorySource::countdownChanged, strip_,
            &VerificationStrip::setCountdown);
    connect(historySource_, &HistorySource::historyChanged, verificationCommands_,
            &VerificationCommands::historyRefilled);
    connect(strip_, &VerificationStrip::lotteryChosen, historySource_,
            &HistorySource::SelectLottery);
    connect(strip_, &VerificationStrip::lineChosen, historySource_, &HistorySource::SelectDataLine);
    connect(strip_, &VerificationStrip::fileDropped, historySource_, &HistorySource::importFile);
    connect(strip_, &VerificationStrip::importRequested, this, [this] {
        const QString path = strip_->chooseFile();
        if (!path.isEmpty())
            historySource_->importFile(path);
    });
    connect(strip_, &VerificationStrip::historyWindowRequested, this, [this] {
        if (!historyWindow_) {
            historyWindow_ = new HistoryWindow(history_, this);
            historyWindow_->addFooterButton(
                AddHelpButton(controls_, C_234_sm_, 62, historyWindow_));
            NameControls(historyWindow_);
            connect(strip_, &VerificationStrip::historyShown, historyWindow_,
                    &HistoryWindow::showLines);
            connect(historyWindow_, &HistoryWindow::deleteRequested, historySource_,
                    &HistorySource::deleteDraw);
        }
        historyWindow_->showLines(strip_->drawListLines());
        historyWindow_->show();
        historyWindow_->raise();
        historyWindow_->activateWindow();
    });
    connect(strip_, &VerificationStrip::dataSourceRequested, this, [this] {
        auto* dialog = new DataSourceDialog(*historySource_, this);
        dialog->addFooterButton(AddHelpButton(controls_, C_234_sm_, 63, dialog));
        NameControls(dialog);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
}

// Shown over the strip's column while a four-star run lasts.
void Fmain::buildProgressFrame() {
    Frame_jindu_ = new QGroupBox(QStringLiteral("正在过滤中，请稍等。。。"), this);
    Frame_jindu_->setObjectName(QStringLiteral("Frame_jindu"));
    Frame_jindu_->setAutoFillBackground(true);
    // As wide as the strip's column, so it never covers the result list.
    Frame_jindu_->resize(twips(qMin(kProgressWidth, kStripWidth)),
                         qMax(twips(kProgressHeight),
                              Frame_jindu_->minimumSizeHint().height() + twips(kTrackHeight)));
    for (int i = 0; i < 2; ++i) {
        T_jindutiao_[i] = new QFrame(Frame_jindu_);
        controls_.add(QStringLiteral("T_jindutiao"), i, T_jindutiao_[i]);
        T_jindutiao_[i]->setAutoFillBackground(true);
        QPalette pal = T_jindutiao_[i]->palette();
        pal.setColor(QPalette::Window, i == 0 ? Qt::white : Qt::red);
        T_jindutiao_[i]->setPalette(pal);
        T_jindutiao_[i]->setGeometry(twips(75), Frame_jindu_->height() - twips(kTrackHeight) - 6,
                                     Frame_jindu_->width() - twips(150), twips(kTrackHeight));
    }
    T_jindutiao_[0]->setFrameShape(QFrame::Box);
    Frame_jindu_->hide();
}

void Fmain::fitHeights() {
    panelTop_ = qMax(twips(kPanelY), modes_[0].button->geometry().bottom() + 3);
    panelHeight_ = twips(kPanelHeight);
    for (const ModeSlot& slot : modes_)
        panelHeight_ = qMax(panelHeight_, slot.panel->frame()->minimumSizeHint().height());
    stripHeight_ = std::max({twips(kStripHeight), strip_->minimumSizeHint().height(),
                             panelTop_ + panelHeight_ - twips(kStripY)});
    windowHeight_ = qMax(twips(kWindowHeight), twips(kStripY) + stripHeight_ + twips(kMargin));
    for (const ModeSlot& slot : modes_)
        slot.panel->frame()->setGeometry(twips(kPanelX), panelTop_,
                                         twips(panelWidth(slot.panel->mode())), panelHeight_);
}

void Fmain::startStartupTimer() {
    Timer_load_ = new QTimer(this);
    Timer_load_->setObjectName(QStringLiteral("Timer_load"));
    Timer_load_->setInterval(30);
    Timer_load_->setSingleShot(true);
    connect(Timer_load_, &QTimer::timeout, this, &Fmain::runStartup);
    Timer_load_->start();
}

void Fmain::buildSchemeActions() {
    schemeActions_ = new SchemeActions(*this);
    // What a player looks at before shrinking, beside the backtest.
    analysisActions_ = new AnalysisActions(*this, *schemeActions_);
    // The inner function holds the actions, not the window: a nested lambda
    // reaching members through a captured `this` trips the vptr sanitizer
    // of the compilers we build with.
    SchemeActions* schemes = schemeActions_;
    AnalysisActions* analysis = analysisActions_;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> run;
    } buttons[] = {
        {"saveScheme", "保存方案",
         [schemes] {
             schemes->saveScheme();
         }},
        {"loadScheme", "载入方案",
         [schemes] {
             schemes->loadScheme();
         }},
        {"schemeBacktest", "方案回测",
         [schemes] {
             schemes->showBacktest();
         }},
        {"conditionStats", "条件统计",
         [analysis] {
             analysis->showStats();
         }},
        {"trendChart", "走势图",
         [analysis] {
             analysis->showTrend();
         }},
    };
    for (const auto& b : buttons) {
        // Flat like the mode buttons beside them, and as small: in two-star
        // mode all five fit between the mode buttons and the strip.
        auto* button = new FlatButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, button, run = b.run] {
            RunCommandGuarded(button, 0, [run](int) { run(); });
        });
        topBar_ << button;
    }
    loadSchemeButton_ = topBar_[1];
    // A dropped file counts as a press of "载入方案", so it waits for no
    // command and no command waits for it.
    connect(schemeActions_, &SchemeActions::schemeDropped, this, [this](const QString& path) {
        RunCommandGuarded(loadSchemeButton_, 0,
                          [this, path](int) { schemeActions_->loadSchemeFile(path); });
    });
}

// Every "导出号码" saves what the copy button beside it copies: the panel's
// own or the strip's.
void Fmain::buildExportRouting() {
    for (Mode mode : kModes)
        routeGroup(modes_[Index(mode)].groups.exports, [this, mode](int i) {
            schemeActions_->exportNumbers(panel(mode).copiedNumbers(i));
        });
    routeGroup(stripGroups_.exports, [this](int i) {
        schemeActions_->exportNumbers(verificationCommands_->copiedNumbers(i));
    });
}

void Fmain::placeSchemeButtons(Mode mode) {
    // After the mode buttons, as far as the panel in front reaches: the
    // strip begins there.
    const ColourButton* first = modes_[Index(Mode::Two)].button;
    const int top = first->y();
    const int height = first->height();
    const int end = twips(panelWidth(mode) + kMargin) - 4;
    const int gap = twips(30);
    int x = modes_[Index(Mode::Four)].button->geometry().right() + 1 + twips(60);
    const int share = (end - x - 4 * gap) / 5;
    for (QPushButton* button : topBar_) {
        const int width = qMax(button->minimumSizeHint().width(), qMin(twips(1200), share));
        button->setGeometry(x, top, width, height);
        x += width + gap;
    }
}

const four::FourStarState& Fmain::fourStarState() const {
    return fourStar_->fourStarCommands().state();
}

void Fmain::switchMode(int element) {
    if (const std::optional<Mode> mode = ModeFromIndex(element))
        switchMode(*mode);
}

void Fmain::switchMode(Mode mode) {
    mode_ = mode;
    set_button_color(controls_, QStringLiteral("C_ding"), 0, 2, Colour::Off);
    // Only the panel in front is ever seen; the others are hidden as well, so
    // no edge of a wider panel shows in the gap beside a narrower one.
    for (const ModeSlot& slot : modes_)
        slot.panel->frame()->setVisible(slot.panel->mode() == mode);
    panel(mode).frame()->raise();
    modes_[Index(mode)].button->setBackColor(Colour::On);
    placeForMode(mode);
    strip_->set_mode_positions(mode);
}

void Fmain::placeForMode(Mode mode) {
    // The strip follows the panel, so the window is the panel, the strip
    // and their margins, and nothing of it is hidden off the edge.
    const int width = windowWidthTwips(mode);
    const int stripX = twips(panelWidth(mode) + kMargin);
    strip_->setGeometry(stripX, twips(kStripY), twips(kStripWidth), stripHeight_);
    // The wider panels behind the current one reach under the strip; it
    // must stay on top of them, and the progress frame on top of all.
    strip_->raise();
    placeSchemeButtons(mode);
    Frame_jindu_->move(stripX, twips(3300));
    Frame_jindu_->raise();
    setFixedSize(twips(width), windowHeight_);
}

void Fmain::RunCommandGuarded(QPushButton* button, int index, const std::function<void(int)>& run) {
    // A command that lets the message loop run must not see a second command
    // act on its half-built state: while one runs, other presses are ignored.
    if (commandRunning_ || !button)
        return;
    commandRunning_ = true;
    Cf_->setFocus();
    button->setEnabled(false);
    run(index);
    button->setEnabled(true);
    commandRunning_ = false;
}

void Fmain::RunFourStarCommand(int index) {
    // The C_guolv_ks elements belong to the four-star panel or the strip;
    // the group a button is in says whose command it is.
    const auto* button = controls_.at<QAbstractButton>(QStringLiteral("C_guolv_ks"), index);
    if (!button)
        return;
    if (button->group() == stripGroups_.commands)
        verificationCommands_->run(index);
    else
        panel(Mode::Four).commands().run(index);
}

void Fmain::runModeButton(ModeCommands& commands, void (ModeCommands::*what)(int), int index) {
    try {
        (commands.*what)(index);
    } catch (const std::exception& error) {
        MessageBox::information(this, QStringLiteral("温馨提示"), QString::fromUtf8(error.what()));
    }
}

void Fmain::runStartup() {
    StartupParts parts;
    parts.timer = Timer_load_;
    parts.controls = &controls_;
    parts.fourStar = fourStar_;
    parts.fourStarCommands = &panel(Mode::Four).commands();
    parts.help = &help_;
    parts.threeStar = &panel(Mode::Three).commands();
    parts.twoStar = &panel(Mode::Two).commands();
    parts.instance = instance_;
    parts.messageParent = this;
    parts.createHistoryTables = [this] {
        createHistoryTables();
    };
    parts.switchMode = [this](int element) {
        switchMode(element);
    };
    parts.helpLoaded = [this] {
        setHelpToolTips();
    };
    parts.drawOmissionGrid = [this] {
        drawOmissionGrid();
    };
    parts.quit = [this] {
        if (quit_)
            quit_();
    };
    parts.startHistory = [this] {
        // The draws stored before fill the table and its grid at once; the
        // first collection from the network follows.
        if (historySource_)
            historySource_->start();
    };
    RunStartup(parts);
    emit startupFinished();
}

void Fmain::createHistoryTables() {
    // The draw table lives as long as the window; a fresh start holds none.
    history_ = history::HistoryState{};
}

void Fmain::drawOmissionGrid() {
    strip_->DrawOmissionGrid();
}

void Fmain::setSingleInstance(SingleInstance* instance) {
    instance_ = instance;
    if (!instance)
        return;
    connect(instance, &SingleInstance::activationRequested, this, [this] {
        // window(): inside the scrolling frame of a small screen, that
        // frame is what the desktop shows.
        QWidget* top = window();
        if (top->isMinimized())
            top->showNormal();
        top->raise();
        top->activateWindow();
    });
}

namespace {

QString PictureToolTip(std::string_view picture) {
    return picture == kBankerPicture ? QStringLiteral("胆码与胆组容错的图解说明")
                                     : QStringLiteral("线路、彩种切换和遗漏表的图解说明");
}

} // namespace

void Fmain::setHelpToolTips() {
    const QMap<int, QWidget*> buttons = controls_.array(QStringLiteral("C_234_sm"));
    for (auto it = buttons.begin(); it != buttons.end(); ++it) {
        const HelpButtonTarget target = HelpButtonTargetOf(it.key());
        if (target.shows == HelpShows::Topic)
            it.value()->setToolTip(help_.summary(FromUtf8(target.name)));
        else if (target.shows == HelpShows::Picture)
            it.value()->setToolTip(PictureToolTip(target.name));
    }
}

void Fmain::ShowHelp(int index) {
    const HelpButtonTarget target = HelpButtonTargetOf(index);
    const QString name = FromUtf8(target.name);
    switch (target.shows) {
    case HelpShows::Topic:
        MessageBox::information(this, help_.title(name), help_.topic(name));
        break;
    case HelpShows::Picture:
        ShowPictureResource(this, name);
        break;
    case HelpShows::Nothing:
        break;
    }
}

void Fmain::showProgress() {
    Frame_jindu_->show();
    Frame_jindu_->raise();
}

void Fmain::setProgress(double share) {
    const int track = T_jindutiao_[0]->width();
    T_jindutiao_[1]->resize(qMax(0, static_cast<int>(track * share)), T_jindutiao_[1]->height());
    emit progressShown(share);
}

void Fmain::hideProgress() {
    Frame_jindu_->hide();
}

void Fmain::closeEvent(QCloseEvent* event) {
    if (MessageBox::question(this, QStringLiteral("关闭确认"),
                             QStringLiteral("是否要关闭软件？")) != MessageBox::Yes) {
        event->ignore();
        return;
    }
    op_url(ExitPageUrl, this);
    event->accept();
    if (quit_)
        quit_();
}

} // namespace sorvanta::ui
