#include "panels/four_star/four_star_panel.hpp"

#include "engine4/pipeline.hpp"
#include "panels/four_star/four_star_commands.hpp"
#include "shell/base_number_box.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta::ui {

namespace {

const char* const kPageCaptions[8] = {"杀直选号码", "杀垃圾复式", "杀2码/必出2码", "杀3码/必出3码",
                                      "定位杀号",   "交集",       "二星拼接四星",  "三星拼接四星"};

} // namespace

FourStarPanel::FourStarPanel(ControlRegistry& controls, const PanelGroups& groups,
                             QButtonGroup* stripCommands, ProgressSink& progress,
                             QWidget* focusSink, QWidget* parent)
    : FourStarFrame(controls, parent), controls_(controls),
      kit_(controls, groups,
           {QStringLiteral("C_guolv_ks"), QStringLiteral("C_cls"), QString(),
            kExportBesideFourStar}),
      stripCommands_(stripCommands), compact_(compactFont()), focusSink_(focusSink) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    // The condition groups of the upper panel take this space.
    conditionArea_ = new QWidget(this);
    conditionArea_->setObjectName(QStringLiteral("conditionArea"));
    conditionArea_->setFont(compact_);
    left->addWidget(conditionArea_, 1);
    createToggleArrays();
    left->addWidget(buildExtremesStrip());
    left->addWidget(buildPageArea());
    layout->addLayout(left, 1);
    layout->addWidget(buildResultArea());
    buildTopConditionPages();
    buildIntersectionPage();
    buildSplicePage(6, 0, 6, 0, 5, 6, 34);
    buildSplicePage(7, 6, 4, 2, 6, 4, 35);
    buildConditionArea();
    placeTitleHelp();
    // The pages take their twips height, or what the tallest of them needs
    // in the font it really has.
    int pageHeight = twips(2700);
    for (QGroupBox* page : pages)
        pageHeight = std::max(pageHeight, page->minimumSizeHint().height());
    pageStack_->setFixedHeight(pageHeight);
    watchPages();
    commands_ = new FourStarCommands(*this, controls_, progress, this);
    setCommands(commands_);
}

namespace {

bool HoldsDigit(const QString& text) {
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            return true;
    return false;
}

} // namespace

void FourStarPanel::watchPages() {
    for (TextBox* box : T_ding)
        connect(box, &QPlainTextEdit::textChanged, this, &FourStarPanel::refreshPageMarks);
    for (BaseNumberBox* box : ucf_ssc23x1)
        connect(box->T_dd, &QPlainTextEdit::textChanged, this, &FourStarPanel::refreshPageMarks);
    for (QAbstractButton* check : Check_hewei_sha1->buttons())
        connect(check, &QAbstractButton::toggled, this, &FourStarPanel::refreshPageMarks);
}

void FourStarPanel::refreshPageMarks() {
    // A box counts when it holds a digit: hints hold none, and a box with
    // only other characters never filters.
    auto anyBox = [&](int first, int last) {
        for (int i = first; i <= last; ++i)
            if (HoldsDigit(T_ding[static_cast<std::size_t>(i)]->text()))
                return true;
        return false;
    };
    auto anySplice = [&](int first, int last) {
        for (int i = first; i <= last; ++i)
            if (HoldsDigit(ucf_ssc23x1[static_cast<std::size_t>(i)]->text()))
                return true;
        return false;
    };
    bool positions = false;
    for (const QAbstractButton* check : Check_hewei_sha1->buttons())
        positions = positions || check->isChecked();
    const bool active[8] = {
        anyBox(0, 0), anyBox(1, 1),    anyBox(2, 3),   anyBox(4, 5), anyBox(6, 6) || positions,
        false,        anySplice(0, 5), anySplice(6, 9)};
    for (int i = 0; i < 8; ++i)
        pageButtons[i]->setMarked(active[i]);
}

void FourStarPanel::copySelectedRows() {
    QStringList numbers;
    for (int row = 0; row < Li_out->count(); ++row)
        if (QListWidgetItem* item = Li_out->item(row); item->isSelected())
            numbers << item->text().split(u' ', Qt::SkipEmptyParts);
    if (!numbers.isEmpty())
        data_cp(numbers.join(u' '), this);
}

QWidget* FourStarPanel::buildPageArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("pageArea"));
    area->setFont(compact_);
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto addPageButton = [&](int index, const QString& caption) {
        auto* b = new ColourButton(caption, area, Colour::Off);
        controls_.add(QStringLiteral("C_sst_0"), index, b);
        // A page button opens its page: said so, apart from the page's box.
        b->setAccessibleName(QStringLiteral("打开%1页").arg(caption));
        pageButtons.insert(index, b);
        connect(b, &QPushButton::clicked, this, [this, index] { switchPage(index); });
        buttons->addWidget(b);
    };
    addPageButton(99, QStringLiteral("四星主界面"));
    for (int i = 0; i < 8; ++i)
        addPageButton(i, QString::fromUtf8(kPageCaptions[i]));
    v->addLayout(buttons);

    // The splice pages lie over whatever page was open, which stays shown
    // beneath them.
    pageStack_ = MakePageStack(area, true);
    pageStack_->setFixedHeight(twips(2700));
    for (int i = 0; i < 8; ++i) {
        auto* frame = new QGroupBox(QString::fromUtf8(kPageCaptions[i]), pageStack_);
        controls_.add(QStringLiteral("Frame_ding"), i, frame);
        frame->setAutoFillBackground(true);
        frame->setVisible(i == 0);
        pageStack_->addWidget(frame);
        pages.insert(i, frame);
    }
    v->addWidget(pageStack_);
    return area;
}

void FourStarPanel::buildIntersectionPage() {
    QGroupBox* page = pages[5];
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    // A header over each list: its name with its clear button, and over the
    // result its count.
    auto header = [&](const QString& caption, QWidget* extra) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(new QLabel(caption, page));
        row->addWidget(extra);
        row->addStretch(1);
        return row;
    };
    for (int i = 0; i < 3; ++i) {
        T_jj[static_cast<std::size_t>(i)] = new TextBox(QString(), page);
        controls_.add(QStringLiteral("T_jj"), i, T_jj[static_cast<std::size_t>(i)]);
        grid->addWidget(T_jj[static_cast<std::size_t>(i)], 1, i);
        grid->setColumnStretch(i, 1);
    }
    grid->addLayout(header(QStringLiteral("大底A"), addClear(24, page)), 0, 0);
    grid->addLayout(header(QStringLiteral("大底B"), addClear(26, page)), 0, 1);
    Ljiaoji_zhushu = new QLabel(QStringLiteral("0"), page);
    Ljiaoji_zhushu->setObjectName(QStringLiteral("Ljiaoji_zhushu"));
    Ljiaoji_zhushu->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    grid->addLayout(header(QStringLiteral("结果注数"), Ljiaoji_zhushu), 0, 2);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    const struct {
        int index;
        const char* caption;
    } tools[5] = {{6, "A.B交集"}, {7, "A.B并集"}, {8, "A排除B"}, {9, "B排除A"}, {5, "复制号码"}};
    for (const auto& tool : tools) {
        if (tool.index == 5)
            buttons->addStretch(1);
        buttons->addWidget(kit_.addCommand(tool.index, QString::fromUtf8(tool.caption), page));
    }
    buttons->addWidget(kit_.addExport(5, page));
    grid->addLayout(buttons, 0, 3, 2, 1);
}

// The column right of the conditions: the result list, its count, the total
// tolerance, the commands, the win check and the banker calculator.
QWidget* FourStarPanel::buildResultArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("resultArea"));
    area->setFixedWidth(twips(3000));
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);
    v->addWidget(buildResultList(area), 1);
    buildCountRow(area, v);
    buildTotalToleranceRow(area, v);
    buildCommandGrid(area, v);
    buildWinCheck(area, v);
    buildBankerCalculator(area, v);
    return area;
}

QListWidget* FourStarPanel::buildResultList(QWidget* area) {
    Li_out = new QListWidget(area);
    Li_out->setObjectName(QStringLiteral("Li_out"));
    Li_out->setUniformItemSizes(true);
    Li_out->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Li_out->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Ctrl+C copies the chosen rows as one list, the way "复制号码" copies
    // the whole result.
    auto* copy = new QShortcut(QKeySequence::Copy, Li_out);
    copy->setContext(Qt::WidgetShortcut);
    connect(copy, &QShortcut::activated, this, &FourStarPanel::copySelectedRows);
    return Li_out;
}

void FourStarPanel::buildCountRow(QWidget* area, QVBoxLayout* column) {
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("最后注数："), area));
    dadi_zhushu = new QLabel(QStringLiteral("0"), area);
    dadi_zhushu->setObjectName(QStringLiteral("dadi_zhushu"));
    QFont bold = dadi_zhushu->font();
    bold.setBold(true);
    dadi_zhushu->setFont(bold);
    dadi_zhushu->setStyleSheet(QStringLiteral("color: #c00000;"));
    countRow->addWidget(dadi_zhushu, 1);
    // The total tolerance's help, on the line above it: its own row has no
    // room beside the two lists.
    countRow->addWidget(kit_.addHelp(54, area));
    column->addLayout(countRow);
}

void FourStarPanel::buildTotalToleranceRow(QWidget* area, QVBoxLayout* column) {
    auto* toleranceRow = new QHBoxLayout;
    toleranceRow->addWidget(new QLabel(QStringLiteral("总容错"), area));
    totalLower = MakeToleranceBox(area);
    totalUpper = MakeToleranceBox(area);
    controls_.add(QStringLiteral("Com_rc"), 4, totalLower);
    controls_.add(QStringLiteral("Com_rc"), 5, totalUpper);
    toleranceRow->addWidget(totalLower);
    toleranceRow->addWidget(new QLabel(QStringLiteral("至"), area));
    toleranceRow->addWidget(totalUpper);
    toleranceRow->addStretch(1);
    column->addLayout(toleranceRow);
}

void FourStarPanel::buildCommandGrid(QWidget* area, QVBoxLayout* column) {
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    auto addCommand = [&](int index, const QString& caption, int row, int column, int span) {
        QPushButton* b = nullptr;
        if (index == 4) {
            invertButton = new ColourButton(caption, area, Colour::LightGreen);
            kit_.joinCommands(invertButton, index);
            b = invertButton;
        } else {
            b = kit_.addCommand(index, caption, area);
        }
        grid->addWidget(b, row, column, 1, span);
        return b;
    };
    QPushButton* start = addCommand(0, QStringLiteral("开始缩水"), 0, 0, 2);
    start->setMinimumHeight(twips(540));
    QFont big = start->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 1);
    start->setFont(big);
    addCommand(1, QStringLiteral("复制号码"), 1, 0, 1);
    grid->addWidget(kit_.addExport(1, area), 1, 1);
    addCommand(2, QStringLiteral("转为组选"), 2, 0, 1);
    addCommand(4, QStringLiteral("反选"), 2, 1, 1);
    addCommand(3, QStringLiteral("清空条件"), 3, 0, 2);
    column->addLayout(grid);
}

void FourStarPanel::buildWinCheck(QWidget* area, QVBoxLayout* column) {
    L_duijiang_news = new QLabel(QStringLiteral("【中奖查询】"), area);
    L_duijiang_news->setObjectName(QStringLiteral("L_duijiang_news"));
    winCheckBox = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_duijiang"), 1, winCheckBox);
    winCheckBox->setMaxLength(32);
    connect(winCheckBox, &QLineEdit::textChanged, this, &FourStarPanel::winCheckTyped);
    auto* winRow = new QHBoxLayout;
    winRow->addWidget(L_duijiang_news);
    winRow->addWidget(winCheckBox, 1);
    column->addLayout(winRow);
}

// Four banker digits from the last draw; its button is a command of the
// verification strip.
void FourStarPanel::buildBankerCalculator(QWidget* area, QVBoxLayout* column) {
    column->addWidget(new QLabel(QStringLiteral("输入上期四星号码"), area));
    auto* bankerRow = new QHBoxLayout;
    lastDrawBox = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_cs_ip"), 1, lastDrawBox);
    lastDrawBox->setMaxLength(64);
    bankerRow->addWidget(lastDrawBox, 1);
    auto* bankers = new QPushButton(QStringLiteral("算胆"), area);
    bankers->setAutoDefault(false);
    controls_.add(QStringLiteral("C_guolv_ks"), 10, bankers);
    if (stripCommands_)
        stripCommands_->addButton(bankers, 10);
    bankerRow->addWidget(bankers);
    column->addLayout(bankerRow);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(QStringLiteral("胆码"), area));
    bankerDigitsBox = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_cs_ip"), 2, bankerDigitsBox);
    resultRow->addWidget(bankerDigitsBox, 1);
    resultRow->addWidget(new QLabel(QStringLiteral("仅供参考"), area));
    column->addLayout(resultRow);
}

void FourStarPanel::fillTotalToleranceLists() {
    QStringList items;
    for (int i = 0; i <= 12; ++i)
        items << QString::number(i);
    for (QComboBox* box : {totalLower, totalUpper}) {
        const QString text = box->currentText();
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(-1);
        box->setEditText(text);
    }
}

void FourStarPanel::switchPage(int index) {
    if (focusSink_)
        focusSink_->setFocus();
    // A top page hides every other page; a splice page lies over whatever
    // is shown; the main page takes the splices away and shows page 0.
    auto bringToFront = [&](int i) {
        pageStack_->setCurrentWidget(pages[i]);
        pages[i]->show();
        pages[i]->raise();
    };
    if (index == 99) {
        for (int i = 0; i < 8; ++i)
            pageButtons[i]->setBackColor(Colour::Off);
        pages[6]->hide();
        pages[7]->hide();
        pageButtons[99]->setBackColor(Colour::LightGreen);
        bringToFront(0);
    } else if (index >= 0 && index <= 7) {
        pageButtons[99]->setBackColor(Colour::Off);
        for (int i = 0; i < 8; ++i) {
            if (index <= 5)
                pages[i]->hide();
            pageButtons[i]->setBackColor(Colour::Off);
        }
        pageButtons[index]->setBackColor(Colour::LightGreen);
        bringToFront(index);
    }
}

void FourStarPanel::openFirstPage() {
    pageButtons[0]->setBackColor(Colour::LightGreen);
    pageButtons[0]->click();
}

void FourStarPanel::showRows(const std::vector<int>& rows) {
    Li_out->setUpdatesEnabled(false);
    Li_out->hide();
    Li_out->clear();
    QCoreApplication::processEvents();
    QStringList lines;
    const std::vector<std::string> entries = four::FourPerLine(rows);
    lines.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries)
        lines << QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size()));
    Li_out->addItems(lines);
    Li_out->show();
    Li_out->setUpdatesEnabled(true);
    dadi_zhushu->setText(QString::number(rows.size()));
}

void FourStarPanel::showResult(const QString& numbers, int count) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(count));
    for (const QString& number : numbers.split(u' ', Qt::SkipEmptyParts))
        rows.push_back(number.toInt());
    commands_->listRows(rows);
}

void FourStarPanel::clearResult() {
    commands_->clearResult();
}

void FourStarPanel::emptyRows() {
    Li_out->clear();
    dadi_zhushu->setText(QStringLiteral("0"));
}

void FourStarPanel::setWinCheckAnswer(const QString& answer) {
    L_duijiang_news->setText(answer);
}

void FourStarPanel::clearWinCheck() {
    winCheckBox->clear();
    L_duijiang_news->setText(QStringLiteral("【中奖查询】"));
}

void FourStarPanel::setInverted(bool inverted) {
    invertButton->setBackColor(inverted ? Colour::Red : Colour::LightGreen);
}

QString FourStarPanel::intersectionList(int list) const {
    return T_jj[static_cast<std::size_t>(qBound(0, list, 2))]->text();
}

void FourStarPanel::clearIntersectionResult() {
    T_jj[2]->clear();
    setIntersectionCount(0);
}

void FourStarPanel::setIntersectionCount(int count) {
    Ljiaoji_zhushu->setText(QString::number(count));
}

void FourStarPanel::showIntersection(const QString& a, const QString& b, const QString& result,
                                     int count) {
    Send_to_text(a, T_jj[0]);
    Send_to_text(b, T_jj[1]);
    Send_to_text(result, T_jj[2]);
    setIntersectionCount(count);
}

void FourStarPanel::clearBankerCalculator() {
    EmptyBox(lastDrawBox);
    EmptyBox(bankerDigitsBox);
}

} // namespace sorvanta::ui
