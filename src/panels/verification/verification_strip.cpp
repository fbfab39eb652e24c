#include "panels/verification/verification_strip.hpp"

#include "common/mode.hpp"
#include "history/draw_history.hpp"
#include "history/extraction.hpp"
#include "history/omission.hpp"
#include "reset/condition_reset.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/file_dialogs.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/picture_box.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <optional>

namespace sorvanta::ui {

namespace {

const char* const kPositions[5] = {"万", "千", "百", "十", "个"};

constexpr int kSilver = 12632256;
constexpr int kBlack = 0;
constexpr int kBlue = 16711680;
constexpr int kGrey = 8421504;
constexpr int kRed = 255;

// A draw digit stays away from one position with chance 9/10, from all five
// with (9/10)^5. An omission is "unusually long" once a run that long would
// happen by chance less than one time in twenty.
int UnusualOmission(double missChance) {
    return static_cast<int>(std::ceil(std::log(0.05) / std::log(missChance)));
}
const int kUnusualAtPosition = UnusualOmission(0.9);
const int kUnusualAnywhere = UnusualOmission(std::pow(0.9, 5));

// One line of text that never widens the narrow strip: what does not fit is
// cut with an ellipsis, and the whole text is in the tooltip.
class StatusLine : public QLabel {
public:
    explicit StatusLine(QWidget* parent) : QLabel(parent) {}
    QSize minimumSizeHint() const override {
        const QFontMetrics fm(font());
        return {fm.averageCharWidth() * 4, fm.height()};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, width());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
};

// Pic 16 keeps the last figures so a resize can draw them again: the
// picture's canvas follows its size, and what was drawn at another size
// would be misplaced.
class OmissionPicture : public PictureBox {
public:
    explicit OmissionPicture(QWidget* parent) : PictureBox(parent) {}
    std::optional<history::OmissionFigures> figures;
    std::function<void()> redraw;
    // Twelve rows of 9-point text: the headings and every figure readable.
    QSize minimumSizeHint() const override {
        QFont f = font();
        f.setPointSizeF(9);
        const int row = QFontMetrics(f).height();
        return {twips(2400), 12 * row - row / 4};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override {
        PictureBox::resizeEvent(event);
        if (redraw)
            redraw();
    }
};

bool HasLocalFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return false;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            return true;
    return false;
}

} // namespace

DrawList::DrawList(QWidget* parent) : QListWidget(parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void DrawList::dragEnterEvent(QDragEnterEvent* event) {
    if (HasLocalFile(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DrawList::dragMoveEvent(QDragMoveEvent* event) {
    if (HasLocalFile(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void DrawList::dropEvent(QDropEvent* event) {
    if (!HasLocalFile(event->mimeData())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // One import per drop: several files would each replace the last's
    // summary before the player could read it.
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            emit fileDropped(url.toLocalFile());
            return;
        }
}

VerificationStrip::VerificationStrip(ControlRegistry& controls, const PanelGroups& groups,
                                     QWidget* parent)
    : QFrame(parent), controls_(controls),
      kit_(controls, groups,
           {QStringLiteral("C_guolv_ks"), QStringLiteral("C_cls"), QString(),
            kExportBesideFourStar}) {
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    v->setSpacing(4);
    v->addWidget(buildHistoryArea(), 1);
    v->addWidget(buildVerifyGroup());
    v->addWidget(buildExtractGroup());

    chooseFile_ = [this] {
        return FileDialogs::openFile(
            this, QStringLiteral("导入开奖"),
            QStringLiteral("开奖数据 (*.txt *.csv *.htm *.html);;所有文件 (*)"),
            QStringLiteral("draws"));
    };
    DrawOmissionGrid();
}

// Five position buttons, 万 to 个; a press on one of the first row (the
// verification's) runs the verification again.
QLayout* VerificationStrip::positionRow(QWidget* owner, int first) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (int k = 0; k < 5; ++k) {
        const int index = first + k;
        auto* b = new ColourButton(QString::fromUtf8(kPositions[k]), owner,
                                   (k == 0) ? Colour::Off : Colour::On);
        b->setFixedWidth(twips(540));
        controls_.add(QStringLiteral("C_wz"), index, b);
        C_wz.insert(index, b);
        connect(b, &QPushButton::clicked, this, [this, b, index] {
            SetButtonColor_diandong(b, 3, Colour::On, Colour::Off);
            if (index < 5)
                emit verifyPositionToggled();
        });
        row->addWidget(b);
    }
    row->addStretch(1);
    return row;
}

QLayout* VerificationStrip::captionRow(QWidget* owner, const QString& caption, int help) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(caption, owner), 1);
    row->addWidget(kit_.addHelp(help, owner));
    return row;
}

// The list to verify, its positions, its count and the four figures.
QWidget* VerificationStrip::buildVerifyGroup() {
    auto* verify = new QGroupBox(this);
    verify->setObjectName(QStringLiteral("verifyGroup"));
    auto* vv = new QVBoxLayout(verify);
    vv->setContentsMargins(4, 4, 4, 4);
    vv->setSpacing(3);
    vv->addLayout(captionRow(verify, QStringLiteral("选择要验证的号码位置"), 56));
    vv->addLayout(positionRow(verify, 0));
    verifyBox = new TextBox(QString(), verify);
    controls_.add(QStringLiteral("T_cs_ip"), 5, verifyBox);
    verifyBox->setFixedHeight(twips(1000));
    // The right button brings the reminder instead of the edit menu.
    verifyBox->setContextMenuPolicy(Qt::NoContextMenu);
    verifyBox->viewport()->installEventFilter(this);
    vv->addWidget(verifyBox);
    auto* verifyButtons = new QHBoxLayout;
    verifyButtons->addWidget(kit_.addCommand(11, QStringLiteral("粘贴"), verify));
    verifyButtons->addWidget(kit_.addCommand(12, QStringLiteral("开始验证"), verify));
    vv->addLayout(verifyButtons);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("注数="), verify));
    L_zs[0] = new QLabel(QStringLiteral("0"), verify);
    controls_.add(QStringLiteral("L_zs"), 0, L_zs[0]);
    countRow->addWidget(L_zs[0], 1);
    countRow->addWidget(kit_.addClear(28, verify, ClearButtonCaption(28)));
    vv->addLayout(countRow);
    for (int i = 0; i < 4; ++i) {
        resultLabels[i] =
            new QLabel(QString::fromStdString(history::kBacktestPlaceholders[i]), verify);
        controls_.add(QStringLiteral("Label8"), 12 + i, resultLabels[i]);
        vv->addWidget(resultLabels[i]);
    }
    return verify;
}

// The positions and the number of past draws to extract, the commands, the
// count and the numbers.
QWidget* VerificationStrip::buildExtractGroup() {
    auto* extract = new QGroupBox(this);
    extract->setObjectName(QStringLiteral("extractGroup"));
    auto* ev = new QVBoxLayout(extract);
    ev->setContentsMargins(4, 4, 4, 4);
    ev->setSpacing(3);
    ev->addLayout(captionRow(extract, QStringLiteral("选择号码位置"), 57));
    ev->addLayout(positionRow(extract, 5));
    auto* drawRow = new QHBoxLayout;
    drawRow->addWidget(new QLabel(QStringLiteral("提取最近"), extract));
    drawCount = new LineBox(QStringLiteral("50"), extract);
    controls_.add(QStringLiteral("T_cs_ip"), 4, drawCount);
    drawCount->setFixedWidth(qMax(twips(600), drawCount->minimumSizeHint().width()));
    drawRow->addWidget(drawCount);
    drawRow->addWidget(new QLabel(QStringLiteral("期号码"), extract));
    drawRow->addStretch(1);
    ev->addLayout(drawRow);
    auto* extractButtons = new QHBoxLayout;
    extractButtons->addWidget(kit_.addCommand(13, QStringLiteral("开始提取"), extract));
    extractButtons->addWidget(kit_.addCommand(14, QStringLiteral("复制号码"), extract));
    ev->addLayout(extractButtons);
    auto* extractCount = new QHBoxLayout;
    extractCount->addWidget(new QLabel(QStringLiteral("注数"), extract));
    L_zs[1] = new QLabel(QStringLiteral("0"), extract);
    controls_.add(QStringLiteral("L_zs"), 1, L_zs[1]);
    extractCount->addWidget(L_zs[1], 1);
    // Under "复制号码": the row above has no room for a third button.
    extractCount->addWidget(kit_.addExport(14, extract));
    extractCount->addWidget(kit_.addClear(30, extract, ClearButtonCaption(30)));
    ev->addLayout(extractCount);
    extractBox = new TextBox(QString(), extract);
    controls_.add(QStringLiteral("T_cs_ip"), 6, extractBox);
    extractBox->setFixedHeight(twips(1100));
    ev->addWidget(extractBox);
    return extract;
}

// The lottery and line choice, the collection, the draw list and the
// omission grid.
QWidget* VerificationStrip::buildHistoryArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("historyArea"));
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    v->addLayout(buildLotteryRow(area));
    v->addLayout(buildLineRow(area));
    v->addLayout(buildCollectionRow(area));

    status = new StatusLine(area);
    status->setObjectName(QStringLiteral("sourceStatus"));
    v->addWidget(status);

    List1 = new DrawList(area);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    List1->setMinimumHeight(twips(1200));
    connect(List1, &DrawList::fileDropped, this, &VerificationStrip::fileDropped);
    v->addWidget(List1, 1);
    v->addWidget(buildOmissionPicture(area));
    return area;
}

QLayout* VerificationStrip::buildLotteryRow(QWidget* area) {
    auto* lotteries = new QHBoxLayout;
    lotteries->setSpacing(2);
    lotteries->addWidget(new QLabel(QStringLiteral("切换彩种"), area));
    for (history::Lottery lottery : history::kLotteries) {
        const int element = static_cast<int>(lottery);
        auto* b =
            new ColourButton(QString::fromUtf8(history::LotteryName(lottery).data()), area,
                             lottery == history::Lottery::Chongqing ? Colour::On : Colour::Off);
        controls_.add(QStringLiteral("C_xl"), element, b);
        C_xl.insert(element, b);
        connect(b, &QPushButton::clicked, this, [this, element] { chooseLottery(element); });
        lotteries->addWidget(b, 1);
    }
    return lotteries;
}

QLayout* VerificationStrip::buildLineRow(QWidget* area) {
    auto* lines = new QHBoxLayout;
    lines->setSpacing(4);
    auto* lineGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        Option_xl[i] = new QRadioButton(QStringLiteral("线路%1").arg(i + 1), area);
        controls_.add(QStringLiteral("Option_xl"), i, Option_xl[i]);
        lineGroup->addButton(Option_xl[i], i);
        lines->addWidget(Option_xl[i]);
    }
    Option_xl[0]->setChecked(true);
    connect(lineGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            emit lineChosen(line());
    });
    lines->addStretch(1);
    // List1 shows a few draws in the narrow strip; this opens them all in a
    // window the player can make as large as the screen.
    historyButton = new FlatButton(QStringLiteral("展开"), area);
    historyButton->setObjectName(QStringLiteral("historyWindowButton"));
    historyButton->setToolTip(QStringLiteral("在可调大小的窗口中查看开奖列表，右键可删除某一期"));
    historyButton->setFixedSize(historyButton->minimumSizeHint() + QSize(8, 6));
    connect(historyButton, &QPushButton::clicked, this, &VerificationStrip::historyWindowRequested);
    lines->addWidget(historyButton);
    lines->addWidget(kit_.addHelp(55, area));
    return lines;
}

QLayout* VerificationStrip::buildCollectionRow(QWidget* area) {
    auto* collect = new QHBoxLayout;
    collect->setSpacing(2);
    collect->addWidget(new QLabel(QStringLiteral("采集倒"), area));
    countdown = new QLabel(QStringLiteral("--"), area);
    countdown->setObjectName(QStringLiteral("collectionCountdown"));
    countdown->setAlignment(Qt::AlignCenter);
    countdown->setMinimumWidth(
        QFontMetrics(countdown->font()).horizontalAdvance(QStringLiteral("000")) + 4);
    countdown->setStyleSheet(QStringLiteral("color: #c00000;"));
    collect->addWidget(countdown);
    collect->addWidget(new QLabel(QStringLiteral("计时"), area));
    collect->addStretch(1);
    // Flat buttons just wide enough for their captions: the strip is narrow.
    importButton = new FlatButton(QStringLiteral("导入开奖"), area);
    importButton->setObjectName(QStringLiteral("importDraws"));
    sourceButton = new FlatButton(QStringLiteral("数据源"), area);
    sourceButton->setObjectName(QStringLiteral("dataSource"));
    for (QPushButton* b : {importButton, sourceButton}) {
        b->setFixedSize(b->minimumSizeHint() + QSize(8, 6));
        collect->addWidget(b);
    }
    connect(importButton, &QPushButton::clicked, this, &VerificationStrip::importRequested);
    connect(sourceButton, &QPushButton::clicked, this, &VerificationStrip::dataSourceRequested);
    return collect;
}

QWidget* VerificationStrip::buildOmissionPicture(QWidget* area) {
    auto* picture = new OmissionPicture(area);
    Pic = picture;
    controls_.add(QStringLiteral("Pic"), 16, Pic);
    Pic->setScale(QRectF(0, 0, 12, 12));
    Pic->setToolTip(QStringLiteral("各位置0到9的当前遗漏期数，红色为遗漏异常偏长；"
                                   "最后一栏为号码在任一位置的当前遗漏"));
    picture->redraw = [this, picture] {
        if (picture->figures)
            FillOmissionGrid(*picture->figures);
        else
            DrawOmissionGrid();
    };
    // The help button sits in the picture's empty top-right corner.
    auto* pictureHelp = kit_.addHelp(58, Pic);
    auto* corner = new QHBoxLayout(Pic);
    corner->setContentsMargins(0, 1, 1, 0);
    corner->addStretch(1);
    corner->addWidget(pictureHelp, 0, Qt::AlignTop);
    return Pic;
}

// A press on a lottery that is not chosen yet chooses it; the extraction
// read the other lottery's draws and goes.
void VerificationStrip::chooseLottery(int element) {
    const std::optional<history::Lottery> chosen = history::LotteryFromButton(element);
    ColourButton* button = C_xl.value(element);
    if (!chosen || !button || button->backColor() != Colour::Off)
        return;
    set_button_color(controls_, QStringLiteral("C_xl"), 2, 4, Colour::Off);
    button->setBackColor(Colour::On);
    EmptyBox(extractBox);
    SetBoxText(L_zs[1], QStringLiteral("0"));
    emit lotteryChosen(*chosen);
}

history::Lottery VerificationStrip::lottery() const {
    for (history::Lottery lottery : history::kLotteries) {
        const ColourButton* button = C_xl.value(static_cast<int>(lottery));
        if (button && button->backColor() != Colour::Off)
            return lottery;
    }
    return history::Lottery::Chongqing;
}

history::DataLine VerificationStrip::line() const {
    return Option_xl[1]->isChecked() ? history::DataLine::Two : history::DataLine::One;
}

QString VerificationStrip::verifyText() const {
    return verifyBox->text();
}

void VerificationStrip::clearVerification() {
    verifyBox->clear();
    L_zs[0]->setText(QStringLiteral("0"));
}

void VerificationStrip::showVerification(const QString& numbers, int count,
                                         const std::array<bool, 5>& positions) {
    Send_to_text(numbers, verifyBox);
    L_zs[0]->setText(QString::number(count));
    for (int k = 0; k < 5; ++k)
        C_wz[k]->setBackColor(positions[static_cast<std::size_t>(k)] ? Colour::On : Colour::Off);
}

void VerificationStrip::showBacktestCaptions(const history::BacktestCaptions& captions) {
    for (std::size_t i = 0; i < captions.size(); ++i)
        resultLabels[i]->setText(QString::fromStdString(captions[i]));
}

QString VerificationStrip::extractedText() const {
    return extractBox->text();
}

QString VerificationStrip::drawCountText() const {
    return drawCount->text();
}

void VerificationStrip::setDrawCountText(const QString& text) {
    drawCount->setText(text);
}

void VerificationStrip::clearExtraction() {
    extractBox->clear();
    L_zs[1]->setText(QStringLiteral("0"));
}

void VerificationStrip::showExtraction(const QString& numbers, int count) {
    Send_to_text(numbers, extractBox);
    L_zs[1]->setText(QString::number(count));
}

QStringList VerificationStrip::drawListLines() const {
    QStringList lines;
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    return lines;
}

bool VerificationStrip::inDrawList(const QWidget* widget) const {
    return widget == List1 || List1->isAncestorOf(widget);
}

void VerificationStrip::requestImport() {
    importButton->click();
}

void VerificationStrip::set_mode_positions(Mode mode) {
    verifyBox->clear();
    extractBox->clear();
    L_zs[0]->setText(QStringLiteral("0"));
    L_zs[1]->setText(QStringLiteral("0"));
    set_button_color(controls_, QStringLiteral("C_wz"), 0, 9, Colour::Off);
    const std::array<bool, 10> selected = history::ModePositions(mode);
    for (int k = 0; k <= 9; ++k)
        if (selected[static_cast<std::size_t>(k)])
            C_wz[k]->setBackColor(Colour::On);
}

std::array<int, 5> VerificationStrip::positionColours(int group) const {
    std::array<int, 5> colours{};
    const int first = group == 2 ? 5 : 0;
    for (int k = 0; k < 5; ++k)
        colours[static_cast<std::size_t>(k)] = C_wz.value(first + k)->backColor();
    return colours;
}

void VerificationStrip::ShowDrawHistory(const history::HistoryState& state) {
    const std::vector<std::string> lines = history::HistoryListLines(state);
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items << QString::fromStdString(line);
    // Hidden while it fills, so 5001 lines cost one layout, not 5001.
    List1->setUpdatesEnabled(false);
    List1->hide();
    List1->clear();
    List1->addItems(items);
    List1->show();
    List1->setUpdatesEnabled(true);
    emit historyShown(items);
}

void VerificationStrip::DrawOmissionGrid() {
    Pic->clear();
    for (int y = 2; y <= 11; ++y)
        pic_line(Pic, 0, y, 12, y, 1, kSilver);
    for (int x = 1; x <= 11; ++x)
        pic_line(Pic, x, 2, x, 12, 1, kSilver);
    for (int x : {2, 4, 6, 8})
        pic_line(Pic, x, 2, x, 12, 1, kBlack);
    pic_wrid(Pic, 3.8, 0.1, QStringLiteral("遗漏统计"), 9, kBlue);
    const char* const headings[5] = {"万位", "千位", "百位", "十位", "个位"};
    for (int p = 0; p < 5; ++p)
        pic_wrid(Pic, 0.5 + 2 * p, 1.1, QString::fromUtf8(headings[p]), 9, kBlue);
    // The last strip holds each digit's omission at any position; its
    // three-character heading shrinks where two units are narrower.
    const QString anywhere = QStringLiteral("任一位");
    const double room = Pic->width() / 6.0 - 2;
    QFont font = Pic->font();
    double points = 9;
    for (; points > 5; points -= 0.5) {
        font.setPointSizeF(points);
        if (QFontMetricsF(font).horizontalAdvance(anywhere) <= room)
            break;
    }
    pic_wrid(Pic, 10.05, 1.1, anywhere, points, kBlue);
}

void VerificationStrip::FillOmissionGrid(const history::OmissionFigures& figures) {
    auto* picture = static_cast<OmissionPicture*>(Pic);
    picture->figures = figures;
    DrawOmissionGrid();
    const std::vector<history::OmissionCell> cells = history::OmissionGridCells(figures);
    if (cells.empty())
        return;
    const double unitWidth = Pic->width() / 12.0;
    const double unitHeight = Pic->height() / 12.0;
    if (unitWidth < 2 || unitHeight < 2)
        return;
    QFont base = Pic->font();
    for (const history::OmissionCell& cell : cells) {
        const QString text = QString::fromStdString(cell.text);
        const bool digitColumn = cell.column % 2 == 0;
        int colour = digitColumn ? kGrey : kBlack;
        if (!digitColumn) {
            const int value = text.toInt();
            const int unusual = cell.column == 11 ? kUnusualAnywhere : kUnusualAtPosition;
            if (value >= unusual)
                colour = kRed;
        }
        // The largest size up to 9 points at which the figure fits its cell:
        // omissions of several hundred draws still read as numbers.
        double points = 9;
        for (; points > 4; points -= 0.5) {
            base.setPointSizeF(points);
            const QFontMetricsF fm(base);
            if (fm.horizontalAdvance(text) <= unitWidth - 1 && fm.height() <= unitHeight + 1)
                break;
        }
        base.setPointSizeF(points);
        const QFontMetricsF fm(base);
        const double x = cell.column + (unitWidth - fm.horizontalAdvance(text)) / 2 / unitWidth;
        const double y = cell.row + 2 + (unitHeight - fm.height()) / 2 / unitHeight;
        pic_wrid(Pic, x, y, text, points, colour);
    }
}

void VerificationStrip::setStatus(const QString& text) {
    status->setText(text);
    status->setToolTip(text);
}

void VerificationStrip::setCountdown(const QString& text) {
    countdown->setText(text.isEmpty() ? QStringLiteral("--") : text);
}

QString VerificationStrip::chooseFile() {
    return chooseFile_ ? chooseFile_() : QString();
}

bool VerificationStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verifyBox->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        MessageBox::information(this, QStringLiteral("温馨提示"),
                                QStringLiteral("请点击本方框旁边的【说明】，\n看完说明再使用"));
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace sorvanta::ui
