#include "panels/two_star/two_star_panel.hpp"

#include "panels/two_star/two_star_bindings.hpp"

#include "panels/two_star/two_star_commands.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/mycode.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace sorvanta::ui {

namespace {

using Captions = std::span<const std::string_view>;

// Where each block of the panel's toggle arrays starts. A block's captions
// are the engine's table for it, in element order: the engine reads a
// button by its caption, so the two can never disagree.
constexpr int kBankerRow1Digits = 132;
constexpr int kBankerRow1Counts = 142;
constexpr int kBankerRow2Counts = 145;
constexpr int kBankerRow2Digits = 148;
constexpr int kBankerRow3Counts = 158;
constexpr int kBankerRow3Digits = 161;

constexpr int kKillSpanFirst = 169;
constexpr int kKillSumFirst = 179;
constexpr int kPositionKillFirst = 198; // tens; units from 208
constexpr int kCompoundFirst = 218;     // tens; units from 228
constexpr int kBigSmallFirst = 238;
constexpr int kOddEvenFirst = 242;
constexpr int kPrimeFirst = 246;
constexpr int kRouteFirst = 250;
constexpr int kSpecialFirst = 259;

struct Block {
    int first;
    Captions captions;
};

constexpr std::array<int, 3> kBankerDigitFirsts = {kBankerRow1Digits, kBankerRow2Digits,
                                                   kBankerRow3Digits};
constexpr std::array<int, 3> kBankerCountFirsts = {kBankerRow1Counts, kBankerRow2Counts,
                                                   kBankerRow3Counts};
// Clear and fill codes of banker rows 1 to 3 (clearing runs bottom up).
constexpr std::array<int, 3> kBankerClearCodes = {36, 35, 34};
constexpr std::array<int, 3> kBankerFillCodes = {9, 10, 11};

const std::array<Block, 6>& BankerBlocks() {
    static const std::array<Block, 6> blocks = {{
        {kBankerRow1Digits, two::kBankerDigitCaptions[0]},
        {kBankerRow1Counts, two::kBankerCountCaptions[0]},
        {kBankerRow2Counts, two::kBankerCountCaptions[1]},
        {kBankerRow2Digits, two::kBankerDigitCaptions[1]},
        {kBankerRow3Counts, two::kBankerCountCaptions[2]},
        {kBankerRow3Digits, two::kBankerDigitCaptions[2]},
    }};
    return blocks;
}

const std::array<Block, 11>& ExcludeBlocks() {
    static const std::array<Block, 11> blocks = {{
        {kKillSpanFirst, two::kKillSpanCaptions},
        {kKillSumFirst, two::kKillSumCaptions},
        {kPositionKillFirst, two::kPositionKillCaptions[0]},
        {kPositionKillFirst + 10, two::kPositionKillCaptions[1]},
        {kCompoundFirst, two::kCompoundExclusionCaptions[0]},
        {kCompoundFirst + 10, two::kCompoundExclusionCaptions[1]},
        {kBigSmallFirst, two::kBigSmallCaptions},
        {kOddEvenFirst, two::kOddEvenCaptions},
        {kPrimeFirst, two::kPrimeCompositeCaptions},
        {kRouteFirst, two::kRoute012Captions},
        {kSpecialFirst, two::kSpecialShapeCaptions},
    }};
    return blocks;
}

template <std::size_t N> QString CaptionIn(const std::array<Block, N>& blocks, int index) {
    for (const Block& block : blocks) {
        const int k = index - block.first;
        if (k >= 0 && k < static_cast<int>(block.captions.size())) {
            const std::string_view caption = block.captions[static_cast<std::size_t>(k)];
            return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        }
    }
    return {};
}

QGridLayout* TightGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);
    return grid;
}

// Whatever width a group gets beyond its buttons goes to an empty last
// column, so the rows stay together on the left.
void KeepLeft(QGridLayout* grid) {
    grid->setColumnStretch(grid->columnCount(), 1);
}

QLabel* Label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

} // namespace

QString TwoStarPanel::excludeCaption(int index) {
    return CaptionIn(ExcludeBlocks(), index);
}

QString TwoStarPanel::bankerCaption(int index) {
    return CaptionIn(BankerBlocks(), index);
}

TwoStarPanel::TwoStarPanel(ControlRegistry& controls, const PanelGroups& groups, QWidget* focusSink,
                           QWidget* parent)
    : TwoStarFrame(controls, parent), controls_(controls),
      kit_(controls, groups, TwoThreeStarArrays()), focusSink_(focusSink), compact_(compactFont()) {
    // The whole narrow panel takes the compact font, not only its groups.
    setFont(compact_);

    C_3x_sha = new QButtonGroup(this);
    C_3x_sha->setObjectName(QStringLiteral("C_3x_sha"));
    C_3x_sha->setExclusive(false);
    connect(C_3x_sha, &QButtonGroup::idClicked, this, [this](int index) {
        moveFocusAway();
        SetButtonColor_diandong(qobject_cast<ColourButton*>(C_3x_sha->button(index)), 3,
                                Colour::Yellow, Colour::Off);
    });
    C_3x_chu = new QButtonGroup(this);
    C_3x_chu->setObjectName(QStringLiteral("C_3x_chu"));
    C_3x_chu->setExclusive(false);
    connect(C_3x_chu, &QButtonGroup::idClicked, this, [this](int index) {
        moveFocusAway();
        SetButtonColor_diandong(qobject_cast<ColourButton*>(C_3x_chu->button(index)), 3, Colour::On,
                                Colour::Off);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    // The digit-row groups down the left, the two list boxes beside them as
    // tall as that column; the special shapes and the result take the
    // panel's whole width below.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(4);
    auto* conditions = new QVBoxLayout;
    conditions->setSpacing(3);
    conditions->addWidget(buildBankerGroups());
    conditions->addWidget(buildSpanAndSum());
    conditions->addWidget(buildPositionKill());
    conditions->addWidget(buildCompoundExclusion());
    conditions->addWidget(buildShapes());
    conditions->addStretch(1);
    middle->addLayout(conditions);
    middle->addWidget(buildListBoxes(), 1);
    layout->addLayout(middle, 1);
    layout->addWidget(buildSpecialShapes());
    layout->addWidget(buildResultArea());
    commands_ = new TwoStarCommands(*this, controls_, this);
    setCommands(commands_);
}

void TwoStarPanel::moveFocusAway() const {
    if (focusSink_)
        focusSink_->setFocus();
}

QGroupBox* TwoStarPanel::makeGroup(const char* title) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    return box;
}

QList<ColourButton*> TwoStarPanel::addToggles(QButtonGroup* array, int first, int count,
                                              QWidget* parent) {
    QList<ColourButton*> buttons;
    for (int index = first; index < first + count; ++index) {
        auto* button = new ColourButton(
            array == C_3x_sha ? excludeCaption(index) : bankerCaption(index), parent, Colour::Off);
        controls_.add(array->objectName(), index, button);
        array->addButton(button, index);
        buttons << button;
    }
    return buttons;
}

void TwoStarPanel::placeByValue(QGridLayout* grid, int row, int firstColumn,
                                const QList<ColourButton*>& buttons, int lowest) const {
    for (ColourButton* button : buttons)
        grid->addWidget(button, row, firstColumn + button->text().toInt() - lowest);
}

QGroupBox* TwoStarPanel::buildBankerGroups() {
    QGroupBox* box = makeGroup("胆组");
    box->setObjectName(QStringLiteral("twoStarBankerGroup"));
    auto* grid = TightGrid(box);
    grid->addWidget(Label("胆码", box), 0, 1, 1, 10, Qt::AlignCenter);
    grid->addWidget(Label("胆码开出个数", box), 0, 12, 1, 5, Qt::AlignCenter);
    QList<ColourButton*> all;
    for (int r = 0; r < 3; ++r) {
        const auto row = static_cast<std::size_t>(r);
        grid->addWidget(new QLabel(QStringLiteral("胆%1").arg(r + 1), box), r + 1, 0);
        const QList<ColourButton*> digits = addToggles(C_3x_chu, kBankerDigitFirsts[row], 10, box);
        placeByValue(grid, r + 1, 1, digits);
        const QList<ColourButton*> counts = addToggles(C_3x_chu, kBankerCountFirsts[row], 3, box);
        placeByValue(grid, r + 1, 12, counts);
        grid->addWidget(kit_.addClear(kBankerClearCodes[row], box), r + 1, 15);
        grid->addWidget(kit_.addSelectAll(kBankerFillCodes[row], box), r + 1, 16);
        all << digits << counts;
    }
    FitButtons(all, 6, true);
    grid->setColumnMinimumWidth(11, 5);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(3);
    Check_2x3x = new QCheckBox(FromUtf8(two::kBankerRepeatsCaption), box);
    controls_.add(QStringLiteral("Check_2x3x"), 1, Check_2x3x);
    bottom->addWidget(Check_2x3x);
    bottom->addStretch(1);
    bottom->addWidget(Label("胆组容错", box));
    bottom->addWidget(kit_.addRange(12, 3, box));
    bottom->addWidget(kit_.addHelp(0, box));
    grid->addLayout(bottom, 4, 0, 1, 17);
    KeepLeft(grid);
    return box;
}

QGroupBox* TwoStarPanel::buildSpecialShapes() {
    QGroupBox* box = makeGroup("特殊形态");
    box->setObjectName(QStringLiteral("twoStarSpecialShapeGroup"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(4, 2, 4, 4);
    row->setSpacing(1);
    const QList<ColourButton*> buttons = addToggles(C_3x_sha, kSpecialFirst, 5, box);
    for (ColourButton* button : buttons)
        row->addWidget(button);
    // "杀十>个" and its kind are the widest captions of the panel: they keep
    // a margin inside their frames.
    FitButtons(buttons, 7);
    row->addSpacing(10);
    row->addWidget(Label("容错", box));
    row->addSpacing(3);
    row->addWidget(kit_.addRange(15, 5, box));
    row->addStretch(1);
    row->addWidget(kit_.addHelp(6, box));
    return box;
}

QGroupBox* TwoStarPanel::buildSpanAndSum() {
    QGroupBox* box = makeGroup("杀跨度、杀和值");
    box->setObjectName(QStringLiteral("twoStarSpanSumGroup"));
    auto* grid = TightGrid(box);
    grid->addWidget(Label("杀跨度", box), 0, 0);
    const QList<ColourButton*> spans = addToggles(C_3x_sha, kKillSpanFirst, 10, box);
    placeByValue(grid, 0, 1, spans);
    grid->addWidget(kit_.addClear(31, box), 0, 11);
    grid->addWidget(kit_.addHelp(1, box), 0, 12);

    // Sums 0 to 9 on one row, 10 to 18 under them, so a tail d and d + 10
    // sit one above the other.
    grid->addWidget(Label("杀和值", box), 1, 0);
    const QList<ColourButton*> sums = addToggles(C_3x_sha, kKillSumFirst, 19, box);
    QList<ColourButton*> low, high;
    for (ColourButton* b : sums)
        (b->text().toInt() < 10 ? low : high) << b;
    placeByValue(grid, 1, 1, low);
    placeByValue(grid, 2, 1, high, 10);
    grid->addWidget(kit_.addClear(27, box), 1, 11);
    grid->addWidget(kit_.addHelp(2, box), 1, 12);
    QList<ColourButton*> all = spans;
    all << sums;
    FitButtons(all, 6, true);
    KeepLeft(grid);
    return box;
}

QGroupBox* TwoStarPanel::buildPositionKill() {
    QGroupBox* box = makeGroup("定位杀");
    box->setObjectName(QStringLiteral("twoStarPositionKillGroup"));
    auto* grid = TightGrid(box);
    QList<ColourButton*> all;
    const char* const rows[2] = {"十位", "个位"};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(Label(rows[r], box), r, 0);
        const QList<ColourButton*> digits =
            addToggles(C_3x_sha, kPositionKillFirst + 10 * r, 10, box);
        placeByValue(grid, r, 1, digits);
        grid->addWidget(kit_.addClear(28 + r, box), r, 11);
        all << digits;
    }
    FitButtons(all, 6, true);
    grid->addWidget(kit_.addHelp(3, box), 0, 12);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(Label("容错", box));
    row->addWidget(kit_.addRange(13, 2, box));
    row->addStretch(1);
    grid->addLayout(row, 2, 0, 1, 13);
    KeepLeft(grid);
    return box;
}

QGroupBox* TwoStarPanel::buildCompoundExclusion() {
    QGroupBox* box = makeGroup("复式排除");
    box->setObjectName(QStringLiteral("twoStarCompoundGroup"));
    auto* grid = TightGrid(box);
    QList<ColourButton*> all;
    const char* const rows[2] = {"复式排除(十位)", "复式排除(个位)"};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(Label(rows[r], box), r, 0);
        const QList<ColourButton*> digits = addToggles(C_3x_sha, kCompoundFirst + 10 * r, 10, box);
        placeByValue(grid, r, 1, digits);
        all << digits;
    }
    FitButtons(all, 6, true);
    grid->addWidget(kit_.addClear(30, box), 0, 11);
    grid->addWidget(kit_.addSelectAll(12, box), 1, 11);
    grid->addWidget(kit_.addHelp(4, box), 0, 12);
    KeepLeft(grid);
    return box;
}

QGroupBox* TwoStarPanel::buildShapes() {
    QGroupBox* box = makeGroup("杀形态、杀012路");
    box->setObjectName(QStringLiteral("twoStarShapeGroup"));
    auto* grid = TightGrid(box);
    QList<ColourButton*> pairs;
    const int firsts[3] = {kBigSmallFirst, kOddEvenFirst, kPrimeFirst};
    for (int f = 0; f < 3; ++f) {
        const QList<ColourButton*> buttons = addToggles(C_3x_sha, firsts[f], 4, box);
        for (int k = 0; k < buttons.size(); ++k)
            grid->addWidget(buttons[k], f, k);
        pairs << buttons;
    }
    FitButtons(pairs, 6, true);
    QPushButton* clearShapes = kit_.addClear(32, box);
    clearShapes->setAccessibleName(QStringLiteral("杀形态 清空"));
    grid->addWidget(clearShapes, 0, 4);
    grid->setColumnMinimumWidth(5, 8);
    // Route pairs by tens route (rows) and units route (columns).
    const QList<ColourButton*> routes = addToggles(C_3x_sha, kRouteFirst, 9, box);
    for (int k = 0; k < routes.size(); ++k)
        grid->addWidget(routes[k], k / 3, 6 + k % 3);
    FitButtons(routes, 6, true);
    QPushButton* clearRoutes = kit_.addClear(33, box);
    clearRoutes->setAccessibleName(QStringLiteral("杀012路 清空"));
    grid->addWidget(clearRoutes, 0, 9);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(Label("容错", box));
    row->addWidget(kit_.addRange(14, 4, box));
    row->addStretch(1);
    row->addWidget(kit_.addHelp(5, box));
    grid->addLayout(row, 3, 0, 1, 10);
    KeepLeft(grid);
    return box;
}

QWidget* TwoStarPanel::buildResultArea() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("twoStarResultArea"));
    auto* h = new QHBoxLayout(area);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);

    auto* result = new QVBoxLayout;
    result->setSpacing(2);
    auto* header = new QHBoxLayout;
    header->addWidget(Label("结果框", area));
    header->addStretch(1);
    header->addWidget(Label("注数", area));
    Lzhushu = new QLabel(QStringLiteral("0"), area);
    controls_.add(QStringLiteral("Lzhushu"), 1, Lzhushu);
    QFont bold = Lzhushu->font();
    bold.setBold(true);
    Lzhushu->setFont(bold);
    Lzhushu->setStyleSheet(QStringLiteral("color: #c00000;"));
    header->addWidget(Lzhushu);
    result->addLayout(header);
    T_dd = new TextBox(QString(), area);
    controls_.add(QStringLiteral("T_dd"), 1, T_dd);
    // The result is the engine's; the player copies it, never edits it.
    T_dd->setReadOnly(true);
    result->addWidget(T_dd, 1);
    h->addLayout(result, 1);

    h->addLayout(buildCommandColumn(area));
    return area;
}

// The total tolerance over the commands.
QLayout* TwoStarPanel::buildCommandColumn(QWidget* area) {
    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    auto* tolerance = new QHBoxLayout;
    tolerance->setSpacing(3);
    tolerance->addWidget(Label("总容错", area));
    tolerance->addWidget(kit_.addRange(16, 5, area));
    tolerance->addStretch(1);
    tolerance->addWidget(kit_.addHelp(9, area));
    side->addLayout(tolerance);

    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    auto addCommand = [&](int index, const char* caption, int row, int column, int span) {
        QPushButton* b = kit_.addCommand(index, QString::fromUtf8(caption), area);
        grid->addWidget(b, row, column, 1, span);
        return b;
    };
    QPushButton* start = addCommand(14, "开始缩水", 0, 0, 2);
    QFont big = start->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() + 1);
    start->setFont(big);
    addCommand(15, "复制号码", 1, 0, 1);
    grid->addWidget(kit_.addExport(15, area), 1, 1);
    addCommand(16, "转为组选", 2, 0, 1);
    addCommand(18, "反选", 2, 1, 1);
    addCommand(17, "清空条件", 3, 0, 2);
    side->addLayout(grid);
    side->addStretch(1);
    return side;
}

// The two list boxes, one above the other beside the conditions, as tall
// as the column lets them be: a base set can be long.
QWidget* TwoStarPanel::buildListBoxes() {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("twoStarListArea"));
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    auto header = [&](const char* caption, int help) {
        auto* row = new QHBoxLayout;
        row->addWidget(Label(caption, area));
        row->addStretch(1);
        row->addWidget(kit_.addHelp(help, area));
        return row;
    };
    const QString array = QStringLiteral("T_3x_ip");
    killListBox = MakeTextBox(HintsOf(TwoStarBindings(), array, 23), area);
    controls_.add(array, 23, killListBox);
    baseSetBox = MakeTextBox(HintsOf(TwoStarBindings(), array, 22), area);
    controls_.add(array, 22, baseSetBox);
    for (TextBox* box : {killListBox, baseSetBox})
        box->setMinimumHeight(QFontMetrics(box->font()).lineSpacing() * 3 + 8);
    v->addLayout(header("杀直选号码", 8));
    v->addWidget(killListBox, 1);
    v->addSpacing(3);
    v->addLayout(header("大底号码", 7));
    v->addWidget(baseSetBox, 1);
    return area;
}

void TwoStarPanel::showResult(const QString& numbers, int count) {
    T_dd->setPlainText(numbers);
    Lzhushu->setText(QString::number(count));
}

QString TwoStarPanel::resultText() const {
    return T_dd->toPlainText();
}

} // namespace sorvanta::ui
