// The three-star main page: the groups of digit, count and caption buttons.
// Every toggle is made in one loop over the block table, captioned from the
// engine's toggle table, so a button and the condition it stands for can
// never disagree; the sections take their buttons by field.
#include "panels/three_star/three_star_panel.hpp"

#include "engine23/three_star_captions.hpp"
#include "reset/three_star_blocks.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/mycode.hpp"
#include "shell/panel_kit.hpp"
#include "shell/range_control.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

namespace sorvanta::ui {

namespace {

QLabel* label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

const char* const kPositionLabels[3] = {"百位", "十位", "个位"};

} // namespace

void ThreeStarPanel::createToggles() {
    C_3x_sha = new QButtonGroup(this);
    C_3x_chu = new QButtonGroup(this);
    for (QButtonGroup* array : {C_3x_sha, C_3x_chu})
        array->setExclusive(false);
    C_3x_sha->setObjectName(FromUtf8(kExcludeButtons));
    C_3x_chu->setObjectName(FromUtf8(kKeepButtons));
    for (const ButtonBlock& block : kThreeStarBlocks) {
        QButtonGroup* array = block.array == kExcludeButtons ? C_3x_sha : C_3x_chu;
        const three::Captions captions = three::ToggleOf(block.field).captions;
        for (std::size_t i = 0; i < captions.size(); ++i) {
            const int index = block.first + static_cast<int>(i);
            auto* button = new ColourButton(FromUtf8(captions[i]), this, Colour::Off);
            button->setFont(compact_);
            controls_.add(array->objectName(), index, button);
            array->addButton(button, index);
        }
    }
    const struct {
        QButtonGroup* array;
        int chosen;
    } arrays[2] = {{C_3x_sha, Colour::Yellow}, {C_3x_chu, Colour::On}};
    for (const auto& a : arrays)
        connect(a.array, &QButtonGroup::idClicked, this, [this, a](int index) {
            if (focusSink_)
                focusSink_->setFocus();
            SetButtonColor_diandong(qobject_cast<ColourButton*>(a.array->button(index)), 3,
                                    a.chosen, Colour::Off);
        });
}

QList<ColourButton*> ThreeStarPanel::toggles(std::string_view field) const {
    const ButtonBlock& block = BlockOf(field);
    const QButtonGroup* array = block.array == kExcludeButtons ? C_3x_sha : C_3x_chu;
    QList<ColourButton*> out;
    for (int i = block.first; i <= LastOf(block); ++i)
        out << static_cast<ColourButton*>(array->button(i));
    return out;
}

void ThreeStarPanel::buildMainPage() {
    QFrame* page = pages[0];
    auto* h = new QHBoxLayout(page);
    h->setContentsMargins(3, 3, 3, 3);
    h->setSpacing(4);
    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildDigitKills(page));
    left->addWidget(buildSums(page));
    left->addWidget(buildExcludeCompound(page));
    left->addWidget(buildPositionKill(page));
    left->addWidget(buildExtremes(page));
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(buildBankerGroups(page));
    right->addWidget(buildKillShapes(page));
    auto* pair = new QHBoxLayout;
    pair->setSpacing(3);
    pair->addWidget(buildKeepCounts(page));
    pair->addWidget(buildSpecialExclusions(page));
    right->addLayout(pair);
    for (const ButtonBlock& block : kThreeStarBlocks)
        if (block.frame)
            right->addWidget(buildOwnFrame(block, page));
    right->addStretch(1);
    h->addLayout(left);
    h->addLayout(right);
}

QWidget* ThreeStarPanel::buildDigitKills(QWidget* page) {
    auto* grid = new QGridLayout;
    const struct {
        const char* caption;
        const char* field;
    } rows[3] = {{"杀和尾", "kill_sum_tails"}, {"杀跨度", "kill_spans"}, {"胆  码", "bankers"}};
    QList<ColourButton*> all;
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(label(rows[r].caption, page), r, 0);
        const QList<ColourButton*> row = toggles(rows[r].field);
        for (int d = 0; d < 10; ++d)
            grid->addWidget(row[d], r, d + 1);
        all << row;
        grid->addWidget(kit_.addClear(r, page), r, 11);
    }
    FitButtons(all, 8, false);
    // 至少出胆个数: one option is always on.
    auto* options = new QHBoxLayout;
    options->setSpacing(2);
    options->addWidget(label("至少出胆个数", page));
    auto* exclusive = new QButtonGroup(page);
    for (int k = 0; k < 3; ++k) {
        auto* option = new QRadioButton(FromUtf8(three::kBankersAtLeastCaptions[k]), page);
        controls_.add(QStringLiteral("Op_3x_danma_chu"), k, option);
        exclusive->addButton(option, k);
        Op_3x_danma_chu[static_cast<std::size_t>(k)] = option;
        options->addWidget(option);
    }
    Op_3x_danma_chu[0]->setChecked(true);
    options->addStretch(1);
    grid->addLayout(options, 3, 0, 1, 12);
    grid->addWidget(label("(重复号码算一胆)", page), 4, 0, 1, 12);
    return titled(QStringLiteral("杀和尾、杀跨度、胆码"), 22, page, grid);
}

QGridLayout* ThreeStarPanel::toggleGrid(std::string_view field, int columns) const {
    auto* grid = new QGridLayout;
    const QList<ColourButton*> buttons = toggles(field);
    for (int i = 0; i < buttons.size(); ++i)
        grid->addWidget(buttons[i], i / columns, i % columns);
    FitButtons(buttons, 6, false);
    return grid;
}

QWidget* ThreeStarPanel::buildSums(QWidget* page) {
    QGridLayout* grid = toggleGrid("kill_sums", 10);
    grid->addWidget(kit_.addClear(3, page), 2, 9);
    return titled(QStringLiteral("杀指定和值"), -1, page, grid);
}

QGridLayout* ThreeStarPanel::digitRows(QWidget* page, const char* field, int firstClear,
                                       int firstAll) {
    auto* grid = new QGridLayout;
    QList<ColourButton*> all;
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(label(kPositionLabels[r], page), r, 0);
        const QList<ColourButton*> row =
            toggles(std::string(field) + "[" + std::to_string(r) + "]");
        for (int d = 0; d < 10; ++d)
            grid->addWidget(row[d], r, d + 1);
        all << row;
        grid->addWidget(kit_.addClear(firstClear + r, page), r, 11);
        if (firstAll >= 0)
            grid->addWidget(kit_.addSelectAll(firstAll + r, page), r, 12);
    }
    FitButtons(all, 8, false);
    return grid;
}

QWidget* ThreeStarPanel::buildExcludeCompound(QWidget* page) {
    return titled(QStringLiteral("排除复式（三行都选才生效）"), 23, page,
                  digitRows(page, "exclude_compound", 4, 0));
}

QWidget* ThreeStarPanel::buildPositionKill(QWidget* page) {
    QGridLayout* grid = digitRows(page, "position_kill", 7, -1);
    auto* tolerance = new QHBoxLayout;
    tolerance->setSpacing(2);
    tolerance->addWidget(label("容错", page));
    for (int i = 0; i < 2; ++i) {
        QComboBox* list = addList(i, page, true);
        for (std::string_view item : three::kPositionKillToleranceItems)
            list->addItem(FromUtf8(item));
        list->setCurrentIndex(-1);
        list->setEditText(QStringLiteral("0"));
        if (i == 1)
            tolerance->addWidget(label("至", page));
        tolerance->addWidget(list);
    }
    tolerance->addStretch(1);
    grid->addLayout(tolerance, 3, 0, 1, 12);
    return titled(QStringLiteral("定位杀"), 24, page, grid);
}

QWidget* ThreeStarPanel::buildExtremes(QWidget* page) {
    auto* grid = new QGridLayout;
    grid->addWidget(label("最大号码", page), 0, 0);
    grid->addWidget(addBox(1, page, false), 0, 1);
    grid->addWidget(label("最小号码", page), 0, 2);
    grid->addWidget(addBox(2, page, false), 0, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->addWidget(kit_.addClear(18, page), 0, 4);
    return titled(QStringLiteral("最大最小号码（填允许的数字）"), 28, page, grid);
}

QWidget* ThreeStarPanel::buildBankerGroups(QWidget* page) {
    auto* grid = new QGridLayout;
    grid->addWidget(label("胆码", page), 0, 1, 1, 10, Qt::AlignCenter);
    grid->addWidget(label("胆码开出个数", page), 0, 14, 1, 4, Qt::AlignCenter);
    QList<ColourButton*> all;
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("胆%1").arg(r + 1), page), r + 1, 0);
        const std::string bankerRow = "banker_rows[" + std::to_string(r) + "]";
        const QList<ColourButton*> digits = toggles(bankerRow + ".digits");
        for (int d = 0; d < 10; ++d)
            grid->addWidget(digits[d], r + 1, d + 1);
        grid->addWidget(kit_.addClear(10 + r, page), r + 1, 11);
        grid->addWidget(kit_.addSelectAll(3 + r, page), r + 1, 12);
        const QList<ColourButton*> counts = toggles(bankerRow + ".counts");
        for (int k = 0; k < 4; ++k)
            grid->addWidget(counts[k], r + 1, 14 + k);
        all << digits << counts;
    }
    grid->setColumnMinimumWidth(13, 4);
    FitButtons(all, 8, false);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    bankerRepeats = new QCheckBox(QStringLiteral("胆码计重"), page);
    controls_.add(QStringLiteral("Check_2x3x"), 0, bankerRepeats);
    row->addWidget(bankerRepeats);
    row->addStretch(1);
    row->addWidget(label("胆组容错", page));
    row->addWidget(kit_.addRange(17, 4, page));
    grid->addLayout(row, 5, 0, 1, 18);
    return titled(QStringLiteral("胆组"), 25, page, grid);
}

QWidget* ThreeStarPanel::buildKillShapes(QWidget* page) {
    auto* grid = new QGridLayout;
    const char* const families[3] = {"kill_shapes.big_small", "kill_shapes.odd_even",
                                     "kill_shapes.prime_composite"};
    QList<ColourButton*> all;
    for (int family = 0; family < 3; ++family) {
        const QList<ColourButton*> row = toggles(families[family]);
        for (int i = 0; i < row.size(); ++i)
            grid->addWidget(row[i], family, i);
        all << row;
    }
    FitButtons(all, 4, false);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(label("质12357 合04689", page));
    row->addStretch(1);
    row->addWidget(label("容错", page));
    row->addWidget(kit_.addRange(7, 3, page));
    row->addWidget(kit_.addClear(14, page));
    grid->addLayout(row, 3, 0, 1, 8);
    return titled(QStringLiteral("杀形态"), 27, page, grid);
}

QWidget* ThreeStarPanel::buildKeepCounts(QWidget* page) {
    auto* grid = new QGridLayout;
    const char* const captions[3] = {"保留大号个数", "保留奇号个数", "保留质号个数"};
    const char* const families[3] = {"keep_counts.big", "keep_counts.odd", "keep_counts.prime"};
    QList<ColourButton*> all;
    for (int family = 0; family < 3; ++family) {
        grid->addWidget(label(captions[family], page), family, 0);
        const QList<ColourButton*> row = toggles(families[family]);
        for (int k = 0; k < row.size(); ++k)
            grid->addWidget(row[k], family, k + 1);
        all << row;
    }
    FitButtons(all, 8, false);
    grid->addWidget(kit_.addClear(15, page), 3, 4, Qt::AlignRight);
    return titled(QStringLiteral("保留个数"), 29, page, grid);
}

QWidget* ThreeStarPanel::buildSpecialExclusions(QWidget* page) {
    QGridLayout* grid = toggleGrid("special_exclusions", 5);
    grid->addWidget(kit_.addClear(16, page), 2, 4, Qt::AlignRight);
    return titled(QStringLiteral("特别排除"), 32, page, grid);
}

QWidget* ThreeStarPanel::buildOwnFrame(const ButtonBlock& block, QWidget* page) {
    const OwnFrame& frame = *block.frame;
    QGridLayout* grid = toggleGrid(block.field, frame.columns);
    grid->addWidget(kit_.addClear(block.clear, page), (SizeOf(block) - 1) / frame.columns,
                    frame.columns);
    return titled(FromUtf8(frame.title), frame.help, page, grid);
}

} // namespace sorvanta::ui
