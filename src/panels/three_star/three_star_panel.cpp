// The three-star panel's frame: the page tabs and pages, the column beside
// them with the lists, the result and the commands, the page marks and the
// bridge to ThreeStarInput.
#include "panels/three_star/three_star_panel.hpp"

#include "panels/three_star/three_star_bindings.hpp"

#include "engine23/star_text.hpp"
#include "engine23/three_star_captions.hpp"
#include "engine23/three_star_commands.hpp"
#include "engine23/three_star_pipeline.hpp"
#include "panels/three_star/three_star_command_ids.hpp"
#include "panels/three_star/three_star_commands.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/either_or_switch.hpp"
#include "shell/from_utf8.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta::ui {

namespace {

const char* const kPageCaptions[ThreeStarPanel::kPageCount] = {
    "三星主界面", "杀垃圾复式", "杀2码组合", "必出2码组合", "交集工具", "定位杀2码",
    "定位2码",    "其它",       "位置匹配",  "定位胆",      "断组"};

// Which page shows a condition group; the kill lists sit beside the pages.
int PageOf(three::ThreeStarGroupId id) {
    using Id = three::ThreeStarGroupId;
    switch (id) {
    case Id::KillDirect:
    case Id::KillGroup:
        return -1;
    case Id::JunkCompounds:
        return 1;
    case Id::KillPairs:
        return 2;
    case Id::RequirePairs:
        return 3;
    case Id::PositionKillPairs:
        return 5;
    case Id::PositionRequirePairs:
        return 6;
    case Id::PairSums:
    case Id::AnyTwoTailsAndDiffs:
        return 7;
    case Id::PositionMatch:
        return 8;
    case Id::PositionalBankers:
        return 9;
    case Id::BrokenGroups:
        return 10;
    default:
        return 0;
    }
}

} // namespace

ThreeStarPanel::ThreeStarPanel(ControlRegistry& controls, const PanelGroups& groups,
                               QWidget* focusSink, QWidget* parent)
    : ThreeStarFrame(controls, parent), controls_(controls),
      kit_(controls, groups, TwoThreeStarArrays()), focusSink_(focusSink), compact_(compactFont()) {

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(buildTabs());
    auto* body = new QHBoxLayout;
    body->setSpacing(6);
    createToggles();
    body->addWidget(buildPageStack(), 1);
    body->addWidget(buildSideColumn());
    layout->addLayout(body, 1);

    markTimer_ = new QTimer(this);
    markTimer_->setSingleShot(true);
    markTimer_->setInterval(0);
    connect(markTimer_, &QTimer::timeout, this, &ThreeStarPanel::refreshPageMarks);
    watchConditions();
    switchPage(0);
    commands_ = new ThreeStarCommands(*this, controls_, this);
    setCommands(commands_);
}

QWidget* ThreeStarPanel::buildTabs() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pageTabs"));
    strip->setFont(compact_);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < kPageCount; ++i) {
        auto* tab = new ColourButton(QString::fromUtf8(kPageCaptions[i]), strip, Colour::Off);
        controls_.add(QStringLiteral("C_3x_ding"), i, tab);
        // A tab opens its page: said so, apart from the page's own box.
        tab->setAccessibleName(QStringLiteral("打开%1页").arg(tab->text()));
        tab->setMinimumHeight(tab->minimumSizeHint().height() + 4);
        connect(tab, &QPushButton::clicked, this, [this, i] { switchPage(i); });
        pageTabs.insert(i, tab);
        row->addWidget(tab);
    }
    row->addStretch(1);
    return strip;
}

QWidget* ThreeStarPanel::buildPageStack() {
    QStackedWidget* stack = pageStack_ = MakePageStack(this);
    stack->setFont(compact_);
    for (int i = 0; i < kPageCount; ++i) {
        auto* page = new QFrame(stack);
        page->setFrameShape(QFrame::StyledPanel);
        page->setAutoFillBackground(true);
        controls_.add(QStringLiteral("C_3x_nei"), i, page);
        page->setAccessibleName(QString::fromUtf8(kPageCaptions[i]));
        stack->addWidget(page);
        pages.insert(i, page);
    }
    buildMainPage();
    buildListPage(1, 7, "杀垃圾复式（每行一注：百位*十位*个位，如 123456*2345678*1234567）", 13, 8,
                  20, 37);
    buildListPage(2, 8, "杀2码组合（两位一组，空格隔开）", 14, 9, 20, 38);
    buildListPage(3, 9, "必出2码组合（号码至少含其中一组）", 15, -1, 0, -1);
    buildIntersectionPage();
    buildPairBoxesPage(5, 13, "【杀】", 17, 10);
    buildPairBoxesPage(6, 16, "【定】", 18, -1);
    buildOtherPage();
    buildPositionMatchPage();
    buildPositionalBankersPage();
    buildBrokenGroupsPage();
    // The stack is as tall as its tallest page needs in the font it has.
    int height = 0;
    for (QFrame* page : pages)
        height = std::max(height, page->minimumSizeHint().height());
    stack->setMinimumHeight(height);
    int width = 0;
    for (QFrame* page : pages)
        width = std::max(width, page->minimumSizeHint().width());
    stack->setMinimumWidth(width);
    return stack;
}

// Beside the pages: the lists that always show, the result, the commands
// and the win check.
QWidget* ThreeStarPanel::buildSideColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("sideColumn"));
    column->setFixedWidth(twips(2700));
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(buildAlwaysShownLists(column));
    v->addLayout(buildResultHeader(column));
    resultBox = new QPlainTextEdit(column);
    controls_.add(QStringLiteral("T_dd"), 0, resultBox);
    // The box shows what the commands left; copy and the win check read it,
    // so it is not edited by hand.
    resultBox->setReadOnly(true);
    resultBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    resultBox->setMinimumHeight(twips(1200));
    v->addWidget(resultBox, 1);
    v->addLayout(buildCommandGrid(column));
    v->addLayout(buildWinCheck(column));
    return column;
}

// The kill lists, the must-keep list, the base set and the total tolerance:
// a caption with its help button over each box.
QWidget* ThreeStarPanel::buildAlwaysShownLists(QWidget* column) {
    auto* lists = new QWidget(column);
    lists->setFont(compact_);
    auto* lv = new QVBoxLayout(lists);
    lv->setContentsMargins(0, 0, 0, 0);
    lv->setSpacing(1);
    auto header = [&](const char* caption, int help, QWidget* extra = nullptr) {
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        row->addWidget(new QLabel(QString::fromUtf8(caption), lists));
        if (extra)
            row->addWidget(extra);
        row->addStretch(1);
        row->addWidget(kit_.addHelp(help, lists));
        lv->addLayout(row);
    };
    const struct {
        int box;
        const char* caption;
        int help;
    } boxes[3] = {{0, "杀直选号码", 10}, {21, "杀组选号码", 12}, {4, "必有直选号", 26}};
    for (const auto& b : boxes) {
        header(b.caption, b.help);
        lv->addWidget(addBox(b.box, lists, true));
    }
    baseSetSwitch = new EitherOrSwitch(lists);
    controls_.add(QStringLiteral("dd_2x1"), 0, baseSetSwitch);
    header("大底号码", 31, baseSetSwitch);
    lv->addWidget(addBox(3, lists, true));
    for (int box : {0, 21, 4, 3})
        T_3x_ip[box]->setMinimumHeight(twips(540));

    header("总容错", 33);
    auto* total = new QHBoxLayout;
    total->addWidget(kit_.addRange(11, 50, lists));
    total->addStretch(1);
    lv->addLayout(total);
    return lists;
}

QLayout* ThreeStarPanel::buildResultHeader(QWidget* column) {
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(QStringLiteral("结果框"), column));
    resultRow->addStretch(1);
    resultRow->addWidget(new QLabel(QStringLiteral("注数："), column));
    resultCount = new QLabel(QStringLiteral("0"), column);
    controls_.add(QStringLiteral("Lzhushu"), 0, resultCount);
    QFont bold = resultCount->font();
    bold.setBold(true);
    resultCount->setFont(bold);
    QPalette red = resultCount->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    resultCount->setPalette(red);
    resultRow->addWidget(resultCount);
    return resultRow;
}

QLayout* ThreeStarPanel::buildCommandGrid(QWidget* column) {
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    QPushButton* start = addCommand(0, column);
    start->setMinimumHeight(twips(480));
    QFont big = start->font();
    big.setBold(true);
    start->setFont(big);
    grid->addWidget(start, 0, 0, 1, 2);
    grid->addWidget(addCommand(1, column), 1, 0);
    grid->addWidget(kit_.addExport(1, column), 1, 1);
    grid->addWidget(addCommand(2, column), 2, 0);
    grid->addWidget(addCommand(3, column), 2, 1);
    grid->addWidget(addCommand(4, column), 3, 0, 1, 2);
    return grid;
}

QLayout* ThreeStarPanel::buildWinCheck(QWidget* column) {
    auto* winRow = new QHBoxLayout;
    winCheckAnswer = new QLabel(QStringLiteral("【中奖查询】"), column);
    controls_.add(QStringLiteral("Lduijiang"), 0, winCheckAnswer);
    winCheckBox = new LineBox(QString(), column);
    controls_.add(QStringLiteral("T_duijiang"), 0, winCheckBox);
    winCheckBox->setMaxLength(32);
    connect(winCheckBox, &QLineEdit::textChanged, this, &ThreeStarPanel::winCheckTyped);
    winRow->addWidget(winCheckAnswer);
    winRow->addWidget(winCheckBox, 1);
    return winRow;
}

void ThreeStarPanel::watchConditions() {
    // The timer is the context, not the panel: while the panel is being
    // destroyed its children still signal, and must not reach it.
    QTimer* timer = markTimer_;
    auto later = [timer] {
        timer->start();
    };
    for (QButtonGroup* array : {C_3x_sha, C_3x_chu})
        for (QAbstractButton* b : array->buttons())
            connect(static_cast<ColourButton*>(b), &ColourButton::backColorChanged, timer, later);
    for (QWidget* box : T_3x_ip) {
        if (auto* text = qobject_cast<QPlainTextEdit*>(box))
            connect(text, &QPlainTextEdit::textChanged, timer, later);
        else if (auto* line = qobject_cast<QLineEdit*>(box))
            connect(line, &QLineEdit::textChanged, timer, later);
    }
    for (LineBox* box : T_lm_he)
        connect(box, &QLineEdit::textChanged, timer, later);
    QAbstractItemModel* rules = L_3xwz_pp->model();
    connect(rules, &QAbstractItemModel::rowsInserted, timer, later);
    connect(rules, &QAbstractItemModel::rowsRemoved, timer, later);
    connect(rules, &QAbstractItemModel::modelReset, timer, later);
}

void ThreeStarPanel::refreshPageMarks() {
    // A page is marked exactly when one of its groups would take a column
    // in a run now: the engine's own test of "in use", not a guess here.
    const three::ThreeStarInput input = readInput();
    std::array<bool, kPageCount> active{};
    for (const three::ThreeStarGroup& group : three::kThreeStarGroups) {
        const int page = PageOf(group.id);
        if (page < 0 || active[static_cast<std::size_t>(page)])
            continue;
        active[static_cast<std::size_t>(page)] = group.in_use(input);
    }
    for (int i = 0; i < kPageCount; ++i)
        pageTabs[i]->setMarked(active[static_cast<std::size_t>(i)]);
}

void ThreeStarPanel::switchPage(int page) {
    if (page < 0 || page >= kPageCount)
        return;
    if (focusSink_)
        focusSink_->setFocus();
    for (int i = 0; i < kPageCount; ++i)
        pageTabs[i]->setBackColor(Colour::Off);
    pageTabs[page]->setBackColor(Colour::On);
    pageStack_->setCurrentWidget(pages[page]);
}

bool ThreeStarPanel::pageHolds(int page, const QWidget* widget) const {
    const QFrame* frame = pages.value(page);
    return frame && frame->isAncestorOf(widget);
}

int ThreeStarPanel::currentPage() const {
    for (auto it = pageTabs.begin(); it != pageTabs.end(); ++it)
        if (it.value()->backColor() == Colour::On)
            return it.key();
    return -1;
}

QString ThreeStarPanel::boxHint(int index) {
    return boxHints(index).value(0);
}

QStringList ThreeStarPanel::boxHints(int index) {
    // The banker tool's answer box is no condition: it starts saying that
    // nothing is worked out yet, and a new answer replaces that.
    if (index == 6)
        return {FromUtf8(three::kBankersNotWorkedOut)};
    return HintsOf(ThreeStarBindings(), QStringLiteral("T_3x_ip"), index);
}

QString ThreeStarPanel::boxText(int index) const {
    QWidget* box = T_3x_ip.value(index);
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        return text->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return {};
}

void ThreeStarPanel::setBoxText(int index, const QString& text) {
    SetBoxText(T_3x_ip.value(index), text);
}

// ---- small builders ---------------------------------------------------------

QWidget* ThreeStarPanel::addBox(int index, QWidget* parent, bool multiLine) {
    const QStringList hints = boxHints(index);
    QWidget* box =
        multiLine ? static_cast<QWidget*>(MakeTextBox(hints, parent)) : MakeLineBox(hints, parent);
    controls_.add(QStringLiteral("T_3x_ip"), index, box);
    T_3x_ip.insert(index, box);
    return box;
}

QPushButton* ThreeStarPanel::addCommand(int index, QWidget* parent) {
    QString caption;
    for (const CommandCaption& c : kThreeStarCommandCaptions)
        if (static_cast<int>(c.command) == index)
            caption = FromUtf8(c.caption);
    return kit_.addCommand(index, caption, parent);
}

QComboBox* ThreeStarPanel::addList(int index, QWidget* parent, bool editable) {
    QComboBox* list = editable ? MakeToleranceBox(parent, QString()) : new QComboBox(parent);
    controls_.add(QStringLiteral("Cb_rc"), index, list);
    Cb_rc[static_cast<std::size_t>(index)] = list;
    return list;
}

QWidget* ThreeStarPanel::titled(const QString& title, int help, QWidget* parent,
                                QGridLayout* body) {
    // A framed group whose caption row carries its help button, so the
    // button costs no column of the group's own.
    auto* box = new QFrame(parent);
    box->setFrameShape(QFrame::StyledPanel);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(3, 1, 3, 3);
    v->setSpacing(1);
    auto* header = new QHBoxLayout;
    header->setSpacing(3);
    auto* caption = new QLabel(title, box);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    header->addWidget(caption);
    header->addStretch(1);
    if (help >= 0)
        header->addWidget(kit_.addHelp(help, box));
    v->addLayout(header);
    body->setContentsMargins(0, 0, 0, 0);
    body->setHorizontalSpacing(1);
    body->setVerticalSpacing(1);
    v->addLayout(body);
    return box;
}

void ThreeStarPanel::clearConditions() {
    writeClearedInput(three::ClearedThreeStarInput(readInput()));
}

void ThreeStarPanel::showResult(const QString& numbers, int count) {
    resultBox->setPlainText(numbers);
    resultCount->setText(QString::number(count));
}

QString ThreeStarPanel::resultText() const {
    return resultBox->toPlainText();
}

QString ThreeStarPanel::winCheckText() const {
    return winCheckBox->text();
}

void ThreeStarPanel::setWinCheckAnswer(const QString& answer) {
    winCheckAnswer->setText(answer);
}

void ThreeStarPanel::clearWinCheck() {
    winCheckBox->clear();
}

void ThreeStarPanel::setIntersectionCount(int count) {
    intersectionCount->setText(QString::number(count));
}

QString ThreeStarPanel::matchRulePart(int part) const {
    const QComboBox* list = Cb_rc[static_cast<std::size_t>(qBound(2, part, 4))];
    return list->currentText();
}

QStringList ThreeStarPanel::matchRules() const {
    QStringList rules;
    for (int i = 0; i < L_3xwz_pp->count(); ++i)
        rules << L_3xwz_pp->item(i)->text();
    return rules;
}

std::vector<bool> ThreeStarPanel::chosenMatchRules() const {
    std::vector<bool> chosen;
    for (int i = 0; i < L_3xwz_pp->count(); ++i)
        chosen.push_back(L_3xwz_pp->item(i)->isSelected());
    return chosen;
}

void ThreeStarPanel::setMatchRules(const QStringList& rules) {
    L_3xwz_pp->clear();
    for (const QString& rule : rules)
        L_3xwz_pp->addItem(rule);
}

void ThreeStarPanel::addMatchRule(const QString& rule) {
    L_3xwz_pp->addItem(rule);
}

} // namespace sorvanta::ui
