#include "shell/fmain.hpp"

#include "engine4/group_conversion.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/set_operations.hpp"
#include "history/win_check.hpp"
#include "panels/four_star_panel.hpp"
#include "panels/verification_strip.hpp"
#include "reset/condition_reset.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

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
constexpr int kTrackWidth = 4590;
constexpr int kTrackHeight = 270;
} // namespace

int Fmain::panelWidth(int mode) {
    static constexpr int widths[3] = {7395, 12250, 14450};
    return widths[qBound(0, mode, 2)];
}

int Fmain::windowWidthTwips(int mode) {
    return panelWidth(mode) + kMargin + kStripWidth + kMargin;
}

Fmain::Fmain(QWidget* parent) : QWidget(parent) {
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
                          [this](int c) { ResetConditionGroup(*this, c); });
    });

    for (int i = 0; i < 2; ++i) {
        auto* panel = new QFrame(this);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setAutoFillBackground(true);
        controls_.add(QStringLiteral("Pic_di"), i, panel);
        panel->setGeometry(twipsRect(kPanelX, kPanelY, panelWidth(i), kPanelHeight));
        Pic_di_.insert(i, panel);
    }
    fourStar_ = new FourStarPanel(controls_, C_guolv_ks_, C_cls_, Cf_, this);
    controls_.add(QStringLiteral("Pic_di"), 2, fourStar_);
    fourStar_->setGeometry(twipsRect(kPanelX, kPanelY, panelWidth(2), kPanelHeight));
    Pic_di_.insert(2, fourStar_);
    fourStar_->raise();
    connect(fourStar_->winCheckBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        fourStar_->L_duijiang_news->setText(
            QString::fromStdString(history::CheckWin(text.toStdString(), state_.SurvivorText, 4)));
    });

    strip_ = new VerificationStrip(controls_, C_guolv_ks_, C_cls_, this);
    strip_->setObjectName(QStringLiteral("verificationStrip"));
    connect(strip_, &VerificationStrip::verifyPositionToggled, this, [this] {
        RunCommandGuarded(controls_.at<QPushButton>(QStringLiteral("C_guolv_ks"), 12), 12,
                          [this](int i) { RunFourStarCommand(i); });
    });

    Frame_jindu_ = new QGroupBox(QStringLiteral("正在过滤中，请稍等。。。"), this);
    Frame_jindu_->setObjectName(QStringLiteral("Frame_jindu"));
    Frame_jindu_->setAutoFillBackground(true);
    Frame_jindu_->resize(twipsSize(kProgressWidth, kProgressHeight + 240));
    for (int i = 0; i < 2; ++i) {
        T_jindutiao_[i] = new QFrame(Frame_jindu_);
        controls_.add(QStringLiteral("T_jindutiao"), i, T_jindutiao_[i]);
        T_jindutiao_[i]->setAutoFillBackground(true);
        QPalette pal = T_jindutiao_[i]->palette();
        pal.setColor(QPalette::Window, i == 0 ? Qt::white : Qt::red);
        T_jindutiao_[i]->setPalette(pal);
        T_jindutiao_[i]->setGeometry(twipsRect(150, 330, kTrackWidth, kTrackHeight));
    }
    T_jindutiao_[0]->setFrameShape(QFrame::Box);
    Frame_jindu_->hide();

    setFixedSize(twips(windowWidthTwips(2)), twips(kWindowHeight));
    // Until start-up places the window for its mode, lay out four-star.
    strip_->setGeometry(twipsRect(panelWidth(2) + kMargin, kStripY, kStripWidth, kStripHeight));
    Frame_jindu_->move(twips(windowWidthTwips(2) - kProgressWidth - kMargin), twips(3300));

    quit_ = [] {
        QCoreApplication::exit(0);
    };

    Timer_load_ = new QTimer(this);
    Timer_load_->setObjectName(QStringLiteral("Timer_load"));
    Timer_load_->setInterval(30);
    Timer_load_->setSingleShot(true);
    connect(Timer_load_, &QTimer::timeout, this, &Fmain::startup);
    Timer_load_->start();
}

Fmain::~Fmain() = default;

void Fmain::startup() {
    Timer_load_->stop();
    fourStar_->pageButtons[0]->setBackColor(Colour::LightGreen);
    fourStar_->switchPage(0);
    switchMode(2);
    fourStar_->fillTotalToleranceLists();
    fourStar_->fillConditionToleranceLists();
    four::InitCandidateSet(state_);
    emit startupFinished();
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
    set_button_color(QStringLiteral("C_ding"), 0, 2, Colour::Off);
    // Only the panel in front is ever seen; the others are hidden as well, so
    // no edge of a wider panel shows in the gap beside a narrower one.
    for (auto it = Pic_di_.begin(); it != Pic_di_.end(); ++it)
        it.value()->setVisible(it.key() == mode);
    Pic_di_[mode]->raise();
    C_ding_[mode]->setBackColor(Colour::On);
    // The strip follows the panel, so the window is the panel, the strip
    // and their margins, and nothing of it is hidden off the edge.
    const int width = windowWidthTwips(mode);
    strip_->setGeometry(twipsRect(panelWidth(mode) + kMargin, kStripY, kStripWidth, kStripHeight));
    // The wider panels behind the current one reach under the strip; it
    // must stay on top of them, and the progress frame on top of all.
    strip_->raise();
    Frame_jindu_->move(twips(width - kProgressWidth - kMargin), twips(3300));
    Frame_jindu_->raise();
    setFixedSize(twips(width), twips(kWindowHeight));
    strip_->set_mode_positions(mode);
}

void Fmain::set_button_color(const QString& name, int ks, int js, int colour) {
    sorvanta::ui::set_button_color(controls_, name, ks, js, colour);
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
    switch (index) {
    case 0:
        runShrink();
        break;
    case 1:
        data_cp(QString::fromStdString(state_.SurvivorText), this);
        break;
    case 2:
        runShrink();
        convertToGroup();
        Frame_jindu_->hide();
        break;
    case 3:
        ResetConditionPanel(*this);
        // The three-star win check and the banker calculator go with it,
        // where their panels are built.
        EmptyBox(controls_.widget(QStringLiteral("T_duijiang"), 0));
        EmptyBox(controls_.widget(QStringLiteral("T_cs_ip"), 1));
        EmptyBox(controls_.widget(QStringLiteral("T_cs_ip"), 2));
        break;
    case 4:
        InvertResult();
        break;
    case 5:
        data_cp(fourStar_->T_jj[2]->text(), this);
        break;
    case 6:
        combineSets("jiao");
        break;
    case 7:
        combineSets("bing");
        break;
    case 8:
        combineSets("a_b");
        break;
    case 9:
        combineSets("b_a");
        break;
    default:
        // The remaining commands come with their own tools.
        break;
    }
}

void Fmain::setProgress(double share) {
    const int track = T_jindutiao_[0]->width();
    T_jindutiao_[1]->resize(qMax(0, static_cast<int>(track * share)), T_jindutiao_[1]->height());
    emit progressShown(share);
}

void Fmain::runShrink() {
    fourStar_->invertButton->setBackColor(Colour::LightGreen);
    fourStar_->winCheckBox->clear();
    fourStar_->L_duijiang_news->setText(QStringLiteral("【中奖查询】"));

    const four::FourStarInput input = fourStar_->readInput();
    four::RunShrinkPipeline(input, state_, [this](double share) {
        if (share < 0.01) {
            Frame_jindu_->show();
            Frame_jindu_->raise();
        }
        setProgress(share);
        QCoreApplication::processEvents();
    });
    ShowSurvivors();
    Frame_jindu_->hide();
}

// The list, the count and the survivor text always show the same rows: the
// survivors of the last tally (excluded 0) or, inverted, its complement (1).
void Fmain::listRows(int excluded) {
    const std::vector<int> rows = four::CollectRows(state_.candidates, excluded);
    fourStar_->showRows(rows);
    state_.SurvivorText = four::JoinNumbers(rows);
}

void Fmain::ShowSurvivors() {
    listRows(0);
    QCoreApplication::processEvents();
}

void Fmain::convertToGroup() {
    const four::GroupList groups = four::ConvertToGroup(state_.SurvivorText);
    fourStar_->showRows(groups.groups);
    QCoreApplication::processEvents();
    state_.SurvivorText = groups.text;
}

void Fmain::clearFourStarResult() {
    fourStar_->Li_out->clear();
    fourStar_->dadi_zhushu->setText(QStringLiteral("0"));
    state_.SurvivorText.clear();
}

void Fmain::combineSets(const char* code) {
    const std::optional<four::SetOperation> operation = four::SetOperationFromCode(code);
    if (!operation)
        return;
    const auto& boxes = fourStar_->T_jj;
    boxes[2]->clear();
    fourStar_->Ljiaoji_zhushu->setText(QStringLiteral("0"));
    const four::CombinedSets combined = four::CombineSets(
        boxes[0]->text().toStdString(), boxes[1]->text().toStdString(), *operation);
    Send_to_text(QString::fromStdString(combined.a), boxes[0]);
    Send_to_text(QString::fromStdString(combined.b), boxes[1]);
    Send_to_text(QString::fromStdString(combined.result), boxes[2]);
    fourStar_->Ljiaoji_zhushu->setText(QString::number(combined.count));
}

void Fmain::InvertResult() {
    MessageBox::information(this, QStringLiteral("温馨提示"),
                            QStringLiteral("反选成功。\n注意，组选号码不能反选，只能反选直选号码"));
    listRows(1);
    fourStar_->invertButton->setBackColor(Colour::Red);
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
