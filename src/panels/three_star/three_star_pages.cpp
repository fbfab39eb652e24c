// The three-star pages behind the tabs 1 to 10: the typed lists, the
// intersection tool, the positional pairs, the other tools, position match,
// positional bankers and broken groups.
#include "panels/three_star/three_star_panel.hpp"

#include "panels/three_star/three_star_bindings.hpp"

#include "engine23/three_star_captions.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/panel_kit.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

namespace sorvanta::ui {

namespace {

QLabel* label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QVBoxLayout* pageLayout(QWidget* page) {
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 3, 4, 4);
    v->setSpacing(3);
    return v;
}

const char* const kPairNames[3] = {"百十", "百个", "十个"};

} // namespace

void ThreeStarPanel::buildListPage(int page, int box, const char* title, int help, int range,
                                   int longest, int clearCode) {
    QFrame* frame = pages[page];
    QVBoxLayout* v = pageLayout(frame);
    auto* header = new QHBoxLayout;
    header->setSpacing(3);
    header->addWidget(label(title, frame));
    header->addStretch(1);
    if (range >= 0) {
        header->addWidget(label("容错", frame));
        header->addWidget(kit_.addRange(range, longest, frame));
    }
    if (clearCode >= 0)
        header->addWidget(kit_.addClear(clearCode, frame));
    header->addWidget(kit_.addHelp(help, frame));
    v->addLayout(header);
    v->addWidget(addBox(box, frame, true), 1);
}

void ThreeStarPanel::buildIntersectionPage() {
    QFrame* frame = pages[4];
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(4, 3, 4, 4);
    grid->setSpacing(3);
    auto header = [&](const char* caption, QWidget* extra) {
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        row->addWidget(label(caption, frame));
        row->addWidget(extra);
        row->addStretch(1);
        return row;
    };
    grid->addLayout(header("三星大底A", kit_.addClear(19, frame)), 0, 0);
    grid->addLayout(header("三星大底B", kit_.addClear(20, frame)), 0, 1);
    intersectionCount = new QLabel(QStringLiteral("0"), frame);
    controls_.add(QStringLiteral("Lzhushu"), 2, intersectionCount);
    QPalette red = intersectionCount->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    intersectionCount->setPalette(red);
    grid->addLayout(header("结果注数", intersectionCount), 0, 2);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(addBox(10 + i, frame, true), 1, i);
        grid->setColumnStretch(i, 1);
    }
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(3);
    buttons->addWidget(kit_.addHelp(16, frame), 0, Qt::AlignRight);
    for (int index = 7; index <= 11; ++index) {
        if (index == 11)
            buttons->addStretch(1);
        buttons->addWidget(addCommand(index, frame));
    }
    buttons->addWidget(kit_.addExport(11, frame));
    grid->addLayout(buttons, 0, 3, 2, 1);
}

void ThreeStarPanel::buildPairBoxesPage(int page, int firstBox, const char* prefix, int help,
                                        int range) {
    QFrame* frame = pages[page];
    QVBoxLayout* v = pageLayout(frame);
    auto* header = new QHBoxLayout;
    header->setSpacing(3);
    header->addWidget(
        label(page == 5 ? "每格填两位数（前一位、后一位），空格隔开，号码的这两位是其中之一即排除"
                        : "每格填两位数，空格隔开，号码的这两位必须是其中之一",
              frame));
    header->addStretch(1);
    if (range >= 0) {
        header->addWidget(label("容错", frame));
        header->addWidget(kit_.addRange(range, 3, frame));
    }
    header->addWidget(kit_.addHelp(help, frame));
    v->addLayout(header);
    auto* columns = new QGridLayout;
    columns->setSpacing(3);
    for (int j = 0; j < 3; ++j) {
        columns->addWidget(
            new QLabel(QString::fromUtf8(prefix) + QString::fromUtf8(kPairNames[j]), frame), 0, j);
        columns->addWidget(addBox(firstBox + j, frame, true), 1, j);
        columns->setColumnStretch(j, 1);
    }
    columns->setRowStretch(1, 1);
    v->addLayout(columns, 1);
}

void ThreeStarPanel::buildOtherPage() {
    QFrame* frame = pages[7];
    QVBoxLayout* v = pageLayout(frame);

    auto* sums = new QGridLayout;
    for (int j = 0; j < 3; ++j)
        sums->addWidget(label(kPairNames[j], frame), 0, j + 1, Qt::AlignCenter);
    const char* const rows[5] = {"两码和保留：", "两码和排除：", "两码差保留：", "两码差排除：",
                                 "两码合排除："};
    for (int r = 0; r < 5; ++r) {
        sums->addWidget(label(rows[r], frame), r + 1, 0);
        for (int j = 0; j < 3; ++j) {
            const int index = 3 * r + j;
            LineBox* box =
                MakeLineBox(HintsOf(ThreeStarBindings(), QStringLiteral("T_lm_he"), index), frame);
            controls_.add(QStringLiteral("T_lm_he"), index, box);
            T_lm_he[static_cast<std::size_t>(index)] = box;
            sums->addWidget(box, r + 1, j + 1);
        }
    }
    for (int j = 1; j <= 3; ++j)
        sums->setColumnStretch(j, 1);
    v->addWidget(
        titled(QStringLiteral("两码和差（百十、百个、十个两位的和与差）"), 19, frame, sums));

    auto* anyTwo = new QGridLayout;
    const char* const anyRows[2] = {"任意两码合保留", "任意两码差保留"};
    QList<ColourButton*> all;
    for (int r = 0; r < 2; ++r) {
        anyTwo->addWidget(label(anyRows[r], frame), r, 0);
        const QList<ColourButton*> row = toggles(r == 0 ? "any_two_sum_tails" : "any_two_diffs");
        for (int d = 0; d < 10; ++d)
            anyTwo->addWidget(row[d], r, d + 1);
        all << row;
    }
    FitButtons(all, 8, true);
    anyTwo->addWidget(kit_.addClear(22, frame), 0, 11);
    anyTwo->addWidget(kit_.addSelectAll(8, frame), 1, 11);
    anyTwo->setColumnStretch(12, 1);
    v->addWidget(titled(QStringLiteral("任意两码合差保留"), -1, frame, anyTwo));

    auto* tools = new QHBoxLayout;
    tools->setSpacing(4);
    auto* bankers = new QGridLayout;
    bankers->addWidget(label("输入上期三星奖号", frame), 0, 0);
    bankers->addWidget(addBox(5, frame, false), 0, 1);
    bankers->addWidget(addCommand(5, frame), 0, 2);
    bankers->addWidget(label("胆码", frame), 1, 0);
    bankers->addWidget(addBox(6, frame, false), 1, 1);
    bankers->setRowStretch(2, 1);
    tools->addWidget(titled(QStringLiteral("算胆"), -1, frame, bankers), 1);
    auto* notes = new QGridLayout;
    QWidget* scratch = addBox(20, frame, true);
    scratch->setToolTip(QStringLiteral("草稿：记下号码，不参与缩水，清空条件时保留"));
    notes->addWidget(scratch, 0, 0);
    tools->addWidget(titled(QStringLiteral("草稿框（不参与缩水）"), -1, frame, notes), 1);
    v->addLayout(tools, 1);
}

void ThreeStarPanel::buildPositionMatchPage() {
    QFrame* frame = pages[8];
    QVBoxLayout* v = pageLayout(frame);
    auto* rule = new QHBoxLayout;
    rule->setSpacing(3);
    const struct {
        int index;
        std::span<const std::string_view> items;
        std::string_view shown;
    } lists[3] = {{2, three::kPositionLetters, three::kDefaultMatchLeft},
                  {3, three::kComparisons, three::kDefaultMatchComparison},
                  {4, three::kPositionLetters, three::kDefaultMatchRight}};
    for (const auto& l : lists) {
        QComboBox* list = addList(l.index, frame, false);
        for (std::string_view item : l.items)
            list->addItem(FromUtf8(item));
        list->setCurrentIndex(list->findText(FromUtf8(l.shown)));
        rule->addWidget(list);
    }
    rule->addWidget(addCommand(12, frame));
    rule->addStretch(1);
    v->addLayout(rule);
    v->addWidget(label("输入此条件表示号码将", frame));
    v->addWidget(label("从此条件的范围内开出", frame));
    v->addWidget(label("（多条规则之间满足一条即可）", frame));
    L_3xwz_pp = new QListWidget(frame);
    controls_.addSingle(QStringLiteral("L_3xwz_pp"), L_3xwz_pp);
    L_3xwz_pp->setSelectionMode(QAbstractItemView::ExtendedSelection);
    v->addWidget(L_3xwz_pp, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(addCommand(13, frame));
    bottom->addStretch(1);
    v->addLayout(bottom);
}

void ThreeStarPanel::buildPositionalBankersPage() {
    QFrame* frame = pages[9];
    QVBoxLayout* v = pageLayout(frame);
    auto* grid = new QGridLayout;
    const char* const positions[3] = {"百位", "十位", "个位"};
    const char* const rows[3] = {"positional_bankers.hundreds", "positional_bankers.tens",
                                 "positional_bankers.units"};
    QList<ColourButton*> all;
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(label(positions[r], frame), r, 0);
        const QList<ColourButton*> row = toggles(rows[r]);
        for (int d = 0; d < 10; ++d)
            grid->addWidget(row[d], r, d + 1);
        all << row;
    }
    grid->addWidget(label("出几个", frame), 3, 0);
    const QList<ColourButton*> counts = toggles("positional_bankers.counts");
    for (int k = 0; k < 4; ++k)
        grid->addWidget(counts[k], 3, k + 1);
    all << counts;
    FitButtons(all, 8, true);
    grid->addWidget(kit_.addClear(21, frame), 0, 11);
    grid->addWidget(kit_.addSelectAll(7, frame), 1, 11);
    grid->setColumnStretch(12, 1);
    v->addWidget(titled(QStringLiteral("定位胆（不选出几个时，出1至3个都算对）"), 20, frame, grid));
    v->addStretch(1);
}

void ThreeStarPanel::buildBrokenGroupsPage() {
    QFrame* frame = pages[10];
    QVBoxLayout* v = pageLayout(frame);
    auto* header = new QHBoxLayout;
    header->addWidget(
        label("断组（每行一条，组与组用-隔开，=后是出几组，如 123-2354-6875=12）", frame));
    header->addStretch(1);
    header->addWidget(kit_.addHelp(21, frame));
    v->addLayout(header);
    v->addWidget(addBox(19, frame, true), 1);
}

} // namespace sorvanta::ui
