#include "app/fmain.hpp"

#include "app/analysis_actions.hpp"
#include "app/data_source_dialog.hpp"
#include "app/scheme_actions.hpp"
#include "app/single_instance.hpp"
#include "app/startup.hpp"
#include "panels/export_button.hpp"
#include "panels/four_star/four_star_commands.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/mode_commands.hpp"
#include "panels/verification/history_window.hpp"
#include "panels/verification/verification_commands.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/accessible_names.hpp"
#include "shell/colour_button.hpp"
#include "shell/description_window.hpp"
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
constexpr int kPanelX = 30;
constexpr int kPanelY = 390;
constexpr int kPanelHeight = 9255;
constexpr int kStripY = 90;
constexpr int kStripWidth = 3195;
constexpr int kStripHeight = 10245;
constexpr int kMargin = 100;
constexpr int kWindowHeight = kStripY + kStripHeight + kMargin;
constexpr int kProgressWidth = 4890;
constexpr int kProgressHeight = 540;
constexpr int kTrackHeight = 270;
} // namespace

int Fmain::panelWidth(int mode) {
    // Two-star's panel needs 7395; the top bar above it holds the mode
    // buttons and five more, which in a CJK font need the rest.
    static constexpr int widths[3] = {9000, 12250, 14450};
    return widths[qBound(0, mode, 2)];
}

int Fmain::windowWidthTwips(int mode) {
    return panelWidth(mode) + kMargin + kStripWidth + kMargin;
}

Fmain::Fmain(QWidget* parent) : Fmain(HistorySourceOptions{}, parent) {}

Fmain::Fmain(HistorySourceOptions history, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Sorvanta"));
    setObjectName(QStringLiteral("Fmain"));

    // Focus goes here before every command, so no box is left mid-edit; it
    // must be visible to take focus, hence placed outside the window's area.
    Cf_ = new QPushButton(QStringLiteral("C1"), this);
    Cf_->setObjectName(QStringLiteral("Cf"));
    Cf_->setGeometry(-200, -200, 40, 20);
    Cf_->setAutoDefault(false);

    const char* const modeCaptions[3] = {"二星缩水", "三星缩水", "四星缩水"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new ColourButton(QString::fromUtf8(modeCaptions[i]), this,
                                   i == 2 ? Colour::On : Colour::Off);
        controls_.add(QStringLiteral("C_ding"), i, b);
        b->setGeometry(twipsRect(i * 1410, 0, 1400, 360));
        // A CJK caption is taller than the twips allow at some sizes.
        b->resize(b->width(), qMax(b->height(), b->minimumSizeHint().height() + 4));
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        connect(b, &QPushButton::clicked, this, [this, i] { switchMode(i); });
        C_ding_.insert(i, b);
    }

    C_guolv_ks_ = new QButtonGroup(this);
    C_guolv_ks_->setExclusive(false);
    connect(C_guolv_ks_, &QButtonGroup::idClicked, this, [this](int index) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_guolv_ks_->button(index)), index,
                          [this](int i) { RunFourStarCommand(i); });
    });

    C_cls_ = new QButtonGroup(this);
    C_cls_->setExclusive(false);
    connect(C_cls_, &QButtonGroup::idClicked, this, [this](int code) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_cls_->button(code)), code,
                          [this](int c) { fourStarCommands_->runClear(c); });
    });

    // The two- and three-star arrays: one group each for the whole window,
    // whose ids are the element indexes the panels give their buttons.
    for (QButtonGroup** group : {&C_2x3x_gn_, &C_3x_cls_, &C_3x_all_, &C_234_sm_}) {
        *group = new QButtonGroup(this);
        (*group)->setExclusive(false);
    }
    connect(C_2x3x_gn_, &QButtonGroup::idClicked, this, [this](int index) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_2x3x_gn_->button(index)), index,
                          [this](int i) { RunTwoThreeStarCommand(i); });
    });
    connect(C_234_sm_, &QButtonGroup::idClicked, this, [this](int index) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_234_sm_->button(index)), index,
                          [this](int i) { ShowHelp(i); });
    });
    // The clear and select-all codes of both panels share one numbering:
    // three-star's are C_3x_cls 0..22 (and 37, 38) and C_3x_all 0..8.
    connect(C_3x_cls_, &QButtonGroup::idClicked, this, [this](int code) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_3x_cls_->button(code)), code, [this](int c) {
            runModeButton(c <= 22 || c >= 37 ? threeStarCommands_ : twoStarCommands_,
                          &ModeCommands::runClear, c);
        });
    });
    connect(C_3x_all_, &QButtonGroup::idClicked, this, [this](int code) {
        RunCommandGuarded(qobject_cast<QPushButton*>(C_3x_all_->button(code)), code, [this](int c) {
            runModeButton(c <= 8 ? threeStarCommands_ : twoStarCommands_,
                          &ModeCommands::runSelectAll, c);
        });
    });
    buildTwoStarMode();
    buildThreeStarMode();
    fourStar_ = new FourStarPanel(controls_, C_guolv_ks_, C_cls_, C_234_sm_, Cf_, this);
    controls_.add(QStringLiteral("Pic_di"), 2, fourStar_);
    fourStar_->setGeometry(twipsRect(kPanelX, kPanelY, panelWidth(2), kPanelHeight));
    Pic_di_.insert(2, fourStar_);
    fourStar_->raise();
    fourStarCommands_ = new FourStarCommands(*fourStar_, controls_, *this, this);
    fourStarCommands_->setVerificationRunner([this] { RunFourStarCommand(12); });

    strip_ = new VerificationStrip(controls_, C_guolv_ks_, C_cls_, C_234_sm_, this);
    strip_->setObjectName(QStringLiteral("verificationStrip"));
    connect(strip_, &VerificationStrip::verifyPositionToggled, this, [this] {
        RunCommandGuarded(controls_.at<QPushButton>(QStringLiteral("C_guolv_ks"), 12), 12,
                          [this](int i) { RunFourStarCommand(i); });
    });

    buildHistory(std::move(history));
    buildSchemeActions();

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

    // The twips heights were drawn for a smaller font: a panel or the strip
    // grows to what its groups need, and the window with them.
    panelTop_ = qMax(twips(kPanelY), C_ding_[0]->geometry().bottom() + 3);
    panelHeight_ = twips(kPanelHeight);
    for (QFrame* panel : Pic_di_)
        panelHeight_ = qMax(panelHeight_, panel->minimumSizeHint().height());
    const int stripHeight = std::max({twips(kStripHeight), strip_->minimumSizeHint().height(),
                                      panelTop_ + panelHeight_ - twips(kStripY)});
    stripHeight_ = stripHeight;
    windowHeight_ = qMax(twips(kWindowHeight), twips(kStripY) + stripHeight + twips(kMargin));
    for (auto it = Pic_di_.begin(); it != Pic_di_.end(); ++it)
        it.value()->setGeometry(twips(kPanelX), panelTop_, twips(panelWidth(it.key())),
                                panelHeight_);
    // Until start-up places the window for its mode, lay out four-star.
    placeForMode(2);
    NameControls(this);

    quit_ = [] {
        QCoreApplication::exit(0);
    };

    Timer_load_ = new QTimer(this);
    Timer_load_->setObjectName(QStringLiteral("Timer_load"));
    Timer_load_->setInterval(30);
    Timer_load_->setSingleShot(true);
    connect(Timer_load_, &QTimer::timeout, this, &Fmain::runStartup);
    Timer_load_->start();
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

void Fmain::buildHistory(HistorySourceOptions options) {
    verificationCommands_ = new VerificationCommands(*strip_, controls_, history_, this);
    historySource_ = new HistorySource(history_, controls_, std::move(options), this);
    connect(historySource_, &HistorySource::statusChanged, strip_, &VerificationStrip::setStatus);
    connect(historySource_, &HistorySource::countdownChanged, strip_,
            &VerificationStrip::setCountdown);
    connect(historySource_, &HistorySource::historyChanged, verificationCommands_,
            &VerificationCommands::historyRefilled);
    connect(strip_, &VerificationStrip::lotteryPressed, historySource_,
            &HistorySource::SelectLottery);
    connect(strip_, &VerificationStrip::lineChosen, historySource_,
            [this](int) { historySource_->SelectDataLine(); });
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
        QStringList lines;
        for (int i = 0; i < strip_->List1->count(); ++i)
            lines << strip_->List1->item(i)->text();
        historyWindow_->showLines(lines);
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

void Fmain::buildSchemeActions() {
    schemeActions_ = new SchemeActions(*this);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        void (SchemeActions::*run)();
    } buttons[] = {
        {&saveSchemeButton_, "saveScheme", "保存方案", &SchemeActions::saveScheme},
        {&loadSchemeButton_, "loadScheme", "载入方案", &SchemeActions::loadScheme},
        {&backtestButton_, "schemeBacktest", "方案回测", &SchemeActions::showBacktest},
    };
    for (const auto& b : buttons) {
        // Flat like the mode buttons beside them, and as small: in two-star
        // mode all three fit between the mode buttons and the strip.
        auto* button = new FlatButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        // The inner function holds the actions, not the window: a nested
        // lambda reaching members through a captured `this` trips the vptr
        // sanitizer of the compilers we build with.
        connect(button, &QPushButton::clicked, this,
                [this, button, actions = schemeActions_, run = b.run] {
                    RunCommandGuarded(button, 0, [actions, run](int) { (actions->*run)(); });
                });
        *b.button = button;
    }
    // What a player looks at before shrinking, beside the backtest.
    analysisActions_ = new AnalysisActions(*this, *schemeActions_);
    const struct {
        QPushButton** button;
        const char* name;
        const char* caption;
        void (AnalysisActions::*run)();
    } looks[] = {
        {&statsButton_, "conditionStats", "条件统计", &AnalysisActions::showStats},
        {&trendButton_, "trendChart", "走势图", &AnalysisActions::showTrend},
    };
    for (const auto& b : looks) {
        auto* button = new FlatButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, button, actions = analysisActions_, run = b.run] {
                    RunCommandGuarded(button, 0, [actions, run](int) { (actions->*run)(); });
                });
        *b.button = button;
    }
    // A dropped file counts as a press of "载入方案", so it waits for no
    // command and no command waits for it.
    connect(schemeActions_, &SchemeActions::schemeDropped, this, [this](const QString& path) {
        RunCommandGuarded(loadSchemeButton_, 0,
                          [this, path](int) { schemeActions_->loadSchemeFile(path); });
    });

    for (const bool twoThreeStar : {false, true}) {
        auto* group = new QButtonGroup(this);
        group->setExclusive(false);
        const QMap<int, QWidget*> exports =
            controls_.array(twoThreeStar ? kExportBesideTwoThreeStar : kExportBesideFourStar);
        for (auto it = exports.begin(); it != exports.end(); ++it)
            group->addButton(qobject_cast<QPushButton*>(it.value()), it.key());
        connect(group, &QButtonGroup::idClicked, this, [this, group, twoThreeStar](int index) {
            RunCommandGuarded(qobject_cast<QPushButton*>(group->button(index)), index,
                              [this, twoThreeStar](int i) {
                                  schemeActions_->exportNumbers(copiedNumbers(twoThreeStar, i));
                              });
        });
    }
}

QString Fmain::copiedNumbers(bool twoThreeStar, int index) const {
    if (twoThreeStar) {
        const ModeCommands* commands = index <= 13 ? threeStarCommands_ : twoStarCommands_;
        return commands ? commands->copiedNumbers(index) : QString();
    }
    return index <= 9 ? fourStarCommands_->copiedNumbers(index)
                      : verificationCommands_->copiedNumbers(index);
}

void Fmain::placeSchemeButtons(int mode) {
    // After the mode buttons, as far as the panel of the narrowest mode
    // reaches: the strip begins there.
    const int top = C_ding_[0]->y();
    const int height = C_ding_[0]->height();
    const int end = twips(panelWidth(mode) + kMargin) - 4;
    const int gap = twips(30);
    int x = C_ding_[2]->geometry().right() + 1 + twips(60);
    const int share = (end - x - 4 * gap) / 5;
    for (QPushButton* button :
         {saveSchemeButton_, loadSchemeButton_, backtestButton_, statsButton_, trendButton_}) {
        const int width = qMax(button->minimumSizeHint().width(), qMin(twips(1200), share));
        button->setGeometry(x, top, width, height);
        x += width + gap;
    }
}

const four::FourStarState& Fmain::fourStarState() const {
    return fourStarCommands_->state();
}

int Fmain::currentMode() const {
    for (auto it = C_ding_.begin(); it != C_ding_.end(); ++it)
        if (it.value()->backColor() == Colour::On)
            return it.key();
    return -1;
}

void Fmain::switchMode(int mode) {
    if (mode < 0 || mode > 2)
        return;
    set_button_color(controls_, QStringLiteral("C_ding"), 0, 2, Colour::Off);
    // Only the panel in front is ever seen; the others are hidden as well, so
    // no edge of a wider panel shows in the gap beside a narrower one.
    for (auto it = Pic_di_.begin(); it != Pic_di_.end(); ++it)
        it.value()->setVisible(it.key() == mode);
    Pic_di_[mode]->raise();
    C_ding_[mode]->setBackColor(Colour::On);
    placeForMode(mode);
    strip_->set_mode_positions(mode);
}

void Fmain::placeForMode(int mode) {
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
    if (index >= 0 && index <= 9)
        fourStarCommands_->run(index);
    else if (index >= 10 && index <= 14)
        verificationCommands_->run(index);
}

void Fmain::RunTwoThreeStarCommand(int index) {
    runModeButton(index <= 13 ? threeStarCommands_ : twoStarCommands_, &ModeCommands::run, index);
}

void Fmain::runModeButton(ModeCommands* commands, void (ModeCommands::*what)(int), int index) {
    if (!commands)
        return;
    try {
        (commands->*what)(index);
    } catch (const std::exception& error) {
        MessageBox::information(this, QStringLiteral("温馨提示"), QString::fromUtf8(error.what()));
    }
}

void Fmain::runStartup() {
    StartupParts parts;
    parts.timer = Timer_load_;
    parts.controls = &controls_;
    parts.fourStar = fourStar_;
    parts.fourStarCommands = fourStarCommands_;
    parts.help = &help_;
    parts.threeStar = threeStarCommands_;
    parts.twoStar = twoStarCommands_;
    parts.instance = instance_;
    parts.messageParent = this;
    parts.createHistoryTables = [this] {
        createHistoryTables();
    };
    parts.switchMode = [this](int mode) {
        switchMode(mode);
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

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
            it.value()->setToolTip(help_.summary(FromView(target.name)));
        else if (target.shows == HelpShows::Picture)
            it.value()->setToolTip(PictureToolTip(target.name));
    }
}

void Fmain::ShowHelp(int index) {
    const HelpButtonTarget target = HelpButtonTargetOf(index);
    const QString name = FromView(target.name);
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
