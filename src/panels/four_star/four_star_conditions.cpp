// The four-star condition controls: which element holds which condition,
// how the toggles react to a click, and the bridge to FourStarInput.
#include "panels/four_star/four_star_panel.hpp"

#include "panels/four_star/four_star_bindings.hpp"

#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"
#include "engine4/splices.hpp"
#include "reset/condition_reset.hpp"
#include "shell/base_number_box.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/panel_kit.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta::ui {

namespace {

// Where the blocks of C_bi start: ratios, special shapes, the four pattern
// families, then the run and repeat buttons.
enum ShapeBlock : int {
    kRatioFirst = 0,
    kSpecialFirst = 15,
    kBigSmallFirst = 21,
    kOddEvenFirst = 37,
    kPrimeFirst = 53,
    kRouteFirst = 69,
    kRouteLast = 149,
    kRunRepeatFirst = 150,
    kRunRepeatLast = 158,
};
// C_max 0..8 are the smallest digits 0..8, 9..17 the largest 1..9.
enum ExtremeBlock : int { kLargestFirst = 9, kExtremeLast = 17 };

const char* const kRatioLabels[3] = {"大小比", "奇偶比", "质合比"};
const char* const kPositionLabels[4] = {"千位", "百位", "十位", "个位"};

// Where a route caption sits in its grid: the caption read as a base-3
// number, thousands digit first, so rows go by the first two positions.
int routeValue(const QString& caption) {
    int value = 0;
    for (QChar c : caption)
        value = value * 3 + (c.unicode() - u'0');
    return value;
}

QGridLayout* tightGrid(QWidget* parent = nullptr) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(parent ? 4 : 0, parent ? 2 : 0, parent ? 4 : 0, parent ? 4 : 0);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);
    return grid;
}

QLabel* label(const char* text, QWidget* parent) {
    return new QLabel(QString::fromUtf8(text), parent);
}

int chosenColour(int shapeIndex) {
    return shapeIndex < kSpecialFirst ? Colour::On : Colour::Yellow;
}

} // namespace

// The captions come from the engine's tables, in button order, so a button
// and the condition it stands for can never disagree.
QString FourStarPanel::shapeCaption(int index) {
    using four::PatternKind;
    if (index >= kRunRepeatFirst && index <= kRunRepeatLast)
        return FromUtf8(
            four::kRunRepeatCaptions[static_cast<std::size_t>(index - kRunRepeatFirst)]);
    if (index < kRatioFirst || index > kRouteLast)
        return {};
    if (index < kSpecialFirst)
        return FromUtf8(four::kRatioCaptions[static_cast<std::size_t>(index % 5)]);
    if (index < kBigSmallFirst)
        return FromUtf8(
            four::kSpecialShapeCaptions[static_cast<std::size_t>(index - kSpecialFirst)]);
    const struct {
        int first;
        PatternKind kind;
    } blocks[4] = {{kRouteFirst, PatternKind::Route012},
                   {kPrimeFirst, PatternKind::PrimeComposite},
                   {kOddEvenFirst, PatternKind::OddEven},
                   {kBigSmallFirst, PatternKind::BigSmall}};
    for (const auto& block : blocks)
        if (index >= block.first)
            return QString::fromStdString(four::PatternButtonCaptions(
                block.kind)[static_cast<std::size_t>(index - block.first)]);
    return {};
}

QString FourStarPanel::extremeCaption(int index) {
    if (index < 0 || index > kExtremeLast)
        return {};
    return QString::number(index < kLargestFirst ? index : index - kLargestFirst + 1);
}

QButtonGroup* FourStarPanel::makeArray(const QString& name) {
    auto* array = new QButtonGroup(this);
    array->setObjectName(name);
    array->setExclusive(false);
    return array;
}

QCheckBox* FourStarPanel::addCheck(QButtonGroup* array, int index, const QString& caption,
                                   QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    // A style sheet anywhere above a widget stops it inheriting the compact
    // font, so the sheet that tightens the boxes names the font too.
    box->setStyleSheet(
        QStringLiteral("QCheckBox { spacing: 1px; margin-right: 1px; font-size: %1pt; }")
            .arg(compact_.pointSizeF()));
    controls_.add(array->objectName(), index, box);
    array->addButton(box, index);
    return box;
}

ColourButton* FourStarPanel::addToggle(QButtonGroup* array, int index, const QString& caption,
                                       QWidget* parent) {
    auto* button = new ColourButton(caption, parent, Colour::Off);
    button->setAutoDefault(false);
    controls_.add(array->objectName(), index, button);
    array->addButton(button, index);
    return button;
}

// The caption says what the button does: 清, 全 or 全清.
QPushButton* FourStarPanel::addClear(int code, QWidget* parent) {
    return kit_.addClear(code, parent, ClearButtonCaption(code));
}

QComboBox* FourStarPanel::addConditionTolerance(int index, QWidget* parent) {
    QComboBox* box = MakeToleranceBox(parent);
    controls_.add(QStringLiteral("Com_rc"), index, box);
    conditionTolerance[static_cast<std::size_t>(index)] = box;
    return box;
}

void FourStarPanel::createToggleArrays() {
    C_bi = makeArray(QStringLiteral("C_bi"));
    connect(C_bi, &QButtonGroup::idClicked, this, [this](int index) {
        SetButtonColor_diandong(qobject_cast<ColourButton*>(C_bi->button(index)), 3,
                                chosenColour(index), Colour::Off);
    });
    C_max = makeArray(QStringLiteral("C_max"));
    connect(C_max, &QButtonGroup::idClicked, this, [this](int index) {
        if (focusSink_)
            focusSink_->setFocus();
        SetButtonColor_diandong(qobject_cast<ColourButton*>(C_max->button(index)), 3, Colour::On,
                                Colour::Off);
    });
}

QWidget* FourStarPanel::buildExtremesStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("extremesStrip"));
    strip->setFont(compact_);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(1);
    QList<ColourButton*> digits;
    for (int index = 0; index <= kExtremeLast; ++index) {
        if (index == 0 || index == kLargestFirst) {
            if (index != 0)
                row->addSpacing(10);
            row->addWidget(label(index == 0 ? "最小号" : "最大号", strip));
            row->addSpacing(3);
        }
        digits << addToggle(C_max, index, extremeCaption(index), strip);
        row->addWidget(digits.last());
    }
    FitButtons(digits);
    row->addSpacing(3);
    row->addWidget(addClear(32, strip));
    row->addSpacing(3);
    row->addWidget(kit_.addHelp(53, strip));
    row->addStretch(1);
    return strip;
}

QGroupBox* FourStarPanel::buildRunRepeat() {
    auto* box = new QGroupBox(QStringLiteral("杀连号重号"), conditionArea_);
    box->setObjectName(QStringLiteral("runRepeatGroup"));
    auto* grid = tightGrid(box);
    QList<ColourButton*> buttons;
    for (int index = kRunRepeatFirst; index <= kRunRepeatLast; ++index) {
        const int k = index - kRunRepeatFirst;
        buttons << addToggle(C_bi, index, shapeCaption(index), box);
        grid->addWidget(buttons.last(), k / 2, k % 2);
    }
    FitButtons(buttons);
    return box;
}

void FourStarPanel::buildSplicePage(int page, int firstBox, int boxCount, int firstOption,
                                    int rangeIndex, int longest, int clearCode) {
    QGroupBox* frame = pages[page];
    auto* h = new QHBoxLayout(frame);
    h->setContentsMargins(4, 2, 4, 4);
    h->setSpacing(4);
    for (int j = 0; j < boxCount; ++j) {
        const int index = firstBox + j;
        const char* pattern = boxCount == 6
                                  ? four::kTwoStarSplicePatterns[static_cast<std::size_t>(j)]
                                  : four::kThreeStarSplicePatterns[static_cast<std::size_t>(j)];
        auto* box = new BaseNumberBox(QString::fromUtf8(pattern), frame);
        controls_.add(QStringLiteral("ucf_ssc23x1"), index, box);
        ucf_ssc23x1[static_cast<std::size_t>(index)] = box;
        h->addWidget(box, 1);
    }

    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    // Keep and delete exclude each other within the page only.
    auto* pair = new QButtonGroup(frame);
    pair->setExclusive(true);
    for (int k = 0; k < 2; ++k) {
        auto* option =
            new QRadioButton(k == 0 ? QStringLiteral("保留") : QStringLiteral("删除"), frame);
        controls_.add(QStringLiteral("Option_sx"), firstOption + k, option);
        Option_sx[static_cast<std::size_t>(firstOption + k)] = option;
        pair->addButton(option, firstOption + k);
        option->setChecked(k == 0);
        side->addWidget(option, 0, Qt::AlignLeft);
    }
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(label("容错", frame));
    rangeRow->addWidget(kit_.addRange(rangeIndex, longest, frame));
    side->addLayout(rangeRow);
    side->addStretch(1);
    side->addWidget(addClear(clearCode, frame), 0, Qt::AlignRight);
    h->addLayout(side);
}

void FourStarPanel::buildTopConditionPages() {
    for (int i = 0; i < 7; ++i) {
        T_ding[i] = MakeTextBox(HintsOf(FourStarBindings(), QStringLiteral("T_ding"), i), nullptr);
        controls_.add(QStringLiteral("T_ding"), i, T_ding[i]);
    }
    auto toleranceRow = [this](int rangeIndex, QWidget* page) {
        auto* row = new QHBoxLayout;
        row->addWidget(label("容错", page));
        row->addWidget(kit_.addRange(rangeIndex, 20, page));
        row->addStretch(1);
        return row;
    };
    auto column = [this](const char* caption, int help, TextBox* box, QWidget* page) {
        auto* v = new QVBoxLayout;
        v->setSpacing(2);
        auto* header = new QHBoxLayout;
        header->setSpacing(4);
        header->addWidget(label(caption, page));
        header->addWidget(kit_.addHelp(help, page));
        header->addStretch(1);
        v->addLayout(header);
        box->setParent(page);
        v->addWidget(box, 1);
        return v;
    };

    QGroupBox* page = pages[0];
    auto* v0 = new QVBoxLayout(page);
    T_ding[0]->setParent(page);
    v0->addWidget(T_ding[0]);

    page = pages[1];
    auto* h1 = new QHBoxLayout(page);
    T_ding[1]->setParent(page);
    h1->addWidget(T_ding[1], 1);
    auto* side = new QVBoxLayout;
    QHBoxLayout* compounds = toleranceRow(2, page);
    compounds->insertWidget(compounds->count() - 1, addClear(33, page));
    side->addLayout(compounds);
    side->addStretch(1);
    h1->addLayout(side);

    const char* const captions[4] = {"杀两码组合", "必出两码组合", "杀3码组合", "必出3码组合"};
    for (int p = 2; p <= 3; ++p) {
        page = pages[p];
        const int kill = 2 * p - 2;
        auto* h = new QHBoxLayout(page);
        // Help 38 and 39 explain the two-digit pair, 36 and 37 the three-digit.
        const int help = p == 2 ? 38 : 36;
        QVBoxLayout* left = column(captions[kill - 2], help, T_ding[kill], page);
        left->addLayout(toleranceRow(p + 1, page));
        h->addLayout(left, 1);
        h->addLayout(column(captions[kill - 1], help + 1, T_ding[kill + 1], page), 1);
    }

    page = pages[4];
    auto* h4 = new QHBoxLayout(page);
    h4->addLayout(column("杀定位组合", 40, T_ding[6], page), 1);
    h4->addWidget(buildPositionKill(page));
}

QGroupBox* FourStarPanel::buildPositionKill(QWidget* parent) {
    auto* box = new QGroupBox(QStringLiteral("定位杀(打钩表示排除)-定位容错"), parent);
    box->setObjectName(QStringLiteral("positionKillGroup"));
    auto* grid = tightGrid(box);
    grid->setHorizontalSpacing(4);
    Check_hewei_sha1 = makeArray(QStringLiteral("Check_hewei_sha1"));
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(label(kPositionLabels[r], box), r, 0);
        for (int d = 0; d < 10; ++d)
            grid->addWidget(addCheck(Check_hewei_sha1, 10 * r + d, QString::number(d), box), r,
                            d + 1);
        grid->addWidget(addClear(r, box), r, 11);
    }
    auto* row = new QHBoxLayout;
    row->addWidget(label("定位容错", box));
    for (int i = 0; i < 2; ++i) {
        addConditionTolerance(i, box);
        if (i == 1)
            row->addWidget(label("至", box));
        row->addWidget(conditionTolerance[i]);
    }
    row->addStretch(1);
    grid->addLayout(row, 4, 0, 1, 12);
    return box;
}

QGroupBox* FourStarPanel::buildDigitKills() {
    auto* box = new QGroupBox(QStringLiteral("和,跨,胆[打钩表示排除]"), conditionArea_);
    box->setObjectName(QStringLiteral("digitKillGroup"));
    auto* grid = tightGrid(box);
    Check_hewei_sha = makeArray(QStringLiteral("Check_hewei_sha"));
    Check_kuadu_sha = makeArray(QStringLiteral("Check_kuadu_sha"));
    Check_tsm_sha = makeArray(QStringLiteral("Check_tsm_sha"));
    Check_ac_sha = makeArray(QStringLiteral("Check_ac_sha"));
    struct Row {
        const char* caption;
        QButtonGroup* array;
        int count;
        int captionOffset; // Check_ac_sha element e reads e + 1
        int clearCode;
    };
    const Row rows[4] = {{"杀和尾", Check_hewei_sha, 10, 0, 4},
                         {"杀跨度", Check_kuadu_sha, 10, 0, 6},
                         {"通杀码", Check_tsm_sha, 10, 0, 7},
                         {"杀AC值", Check_ac_sha, 6, 1, 8}};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(label(rows[r].caption, box), r, 0);
        for (int e = 0; e < rows[r].count; ++e)
            grid->addWidget(
                addCheck(rows[r].array, e, QString::number(e + rows[r].captionOffset), box), r,
                e + 1);
        grid->addWidget(addClear(rows[r].clearCode, box), r, 11);
    }
    grid->addWidget(label("杀和值", box), 4, 0);
    sumBox = MakeLineBox(HintsOf(FourStarBindings(), QStringLiteral("T_cs_ip"), 0), box);
    controls_.add(QStringLiteral("T_cs_ip"), 0, sumBox);
    sumBox->setCursorPosition(0);
    grid->addWidget(sumBox, 4, 1, 1, 10);
    grid->addWidget(addClear(5, box), 4, 11);
    return box;
}

QGroupBox* FourStarPanel::buildBankerGroups() {
    auto* box = new QGroupBox(QStringLiteral("胆组"), conditionArea_);
    box->setObjectName(QStringLiteral("bankerGroup"));
    auto* grid = tightGrid(box);
    C_danzu = makeArray(QStringLiteral("C_danzu"));
    C_danzu_gs = makeArray(QStringLiteral("C_danzu_gs"));
    QList<ColourButton*> buttons;
    grid->addWidget(label("胆码", box), 0, 1, 1, 10, Qt::AlignCenter);
    grid->addWidget(label("胆码开出个数", box), 0, 14, 1, 5, Qt::AlignCenter);
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("胆%1").arg(r + 1), box), r + 1, 0);
        for (int d = 0; d < 10; ++d) {
            buttons << addToggle(C_danzu, 10 * r + d, QString::number(d), box);
            grid->addWidget(buttons.last(), r + 1, d + 1);
        }
        grid->addWidget(addClear(9 + r, box), r + 1, 11);
        grid->addWidget(addClear(13 + r, box), r + 1, 12);
        for (int k = 0; k < 5; ++k) {
            buttons << addToggle(C_danzu_gs, 5 * r + k, QString::number(k), box);
            grid->addWidget(buttons.last(), r + 1, k + 14);
        }
    }
    grid->setColumnMinimumWidth(13, 4);
    FitButtons(buttons, 8, false);
    connect(C_danzu, &QButtonGroup::idClicked, this, [this](int index) {
        if (focusSink_)
            focusSink_->setFocus();
        SetButtonColor_diandong(qobject_cast<ColourButton*>(C_danzu->button(index)), 3, Colour::On,
                                Colour::Off);
    });
    connect(C_danzu_gs, &QButtonGroup::idClicked, this, &FourStarPanel::ChooseComeOutCount);

    auto* row = new QHBoxLayout;
    Check_dm_jchong = new QCheckBox(QStringLiteral("胆码计重"), box);
    controls_.addSingle(QStringLiteral("Check_dm_jchong"), Check_dm_jchong);
    row->addWidget(Check_dm_jchong);
    row->addStretch(1);
    row->addWidget(label("胆组容错", box));
    for (int i = 2; i < 4; ++i) {
        addConditionTolerance(i, box);
        if (i == 3)
            row->addWidget(label("至", box));
        row->addWidget(conditionTolerance[i]);
    }
    grid->addLayout(row, 5, 0, 1, 19);
    return box;
}

QGroupBox* FourStarPanel::buildShapeRatios() {
    auto* box = new QGroupBox(QStringLiteral("形态比"), conditionArea_);
    box->setObjectName(QStringLiteral("shapeRatioGroup"));
    auto* grid = tightGrid(box);
    QList<ColourButton*> buttons;
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(label(kRatioLabels[k], box), k, 0);
        for (int i = 0; i < 5; ++i) {
            const int index = kRatioFirst + 5 * k + i;
            buttons << addToggle(C_bi, index, shapeCaption(index), box);
            grid->addWidget(buttons.last(), k, i + 1);
        }
        grid->addWidget(addClear(17 + k, box), k, 6);
        grid->addWidget(addClear(20 + k, box), k, 7);
    }
    FitButtons(buttons);
    auto* row = new QHBoxLayout;
    row->addWidget(label("容错", box));
    row->addWidget(kit_.addRange(1, 3, box));
    row->addStretch(1);
    grid->addLayout(row, 3, 0, 1, 8);
    return box;
}

QGroupBox* FourStarPanel::buildSpecialShapes() {
    auto* box = new QGroupBox(QStringLiteral("杀特殊形态"), conditionArea_);
    box->setObjectName(QStringLiteral("specialShapeGroup"));
    auto* grid = tightGrid(box);
    QList<ColourButton*> buttons;
    for (int i = 0; i < 6; ++i) {
        const int index = kSpecialFirst + i;
        buttons << addToggle(C_bi, index, shapeCaption(index), box);
        grid->addWidget(buttons.last(), i / 2, i % 2);
    }
    FitButtons(buttons);
    grid->addWidget(addClear(23, box), 3, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setRowStretch(3, 1);
    return box;
}

QGroupBox* FourStarPanel::buildShapePatterns() {
    auto* box = new QGroupBox(QStringLiteral("杀大小、奇偶、质合形态"), conditionArea_);
    box->setObjectName(QStringLiteral("shapePatternGroup"));
    auto* grid = tightGrid(box);
    QList<ColourButton*> buttons;
    const int firsts[3] = {kBigSmallFirst, kOddEvenFirst, kPrimeFirst};
    for (int g = 0; g < 3; ++g) {
        for (int i = 0; i < 16; ++i) {
            const int index = firsts[g] + i;
            buttons << addToggle(C_bi, index, shapeCaption(index), box);
            grid->addWidget(buttons.last(), 3 * g + i / 8, i % 8);
        }
        QPushButton* clear = addClear(25 + 2 * g, box);
        static const char* const kinds[3] = {"大小", "奇偶", "质合"};
        clear->setAccessibleName(QStringLiteral("杀%1形态 清空").arg(QString::fromUtf8(kinds[g])));
        grid->addWidget(clear, 3 * g, 8, 2, 1, Qt::AlignCenter);
        if (g < 2)
            grid->setRowMinimumHeight(3 * g + 2, 2);
    }
    FitButtons(buttons, 4);
    return box;
}

QGroupBox* FourStarPanel::buildRoutePatterns() {
    auto* box = new QGroupBox(QStringLiteral("杀012路形态"), conditionArea_);
    box->setObjectName(QStringLiteral("routePatternGroup"));
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(4, 2, 4, 4);
    v->setSpacing(2);
    auto* grid = tightGrid();
    QList<ColourButton*> buttons;
    // Rows by the first two positions, columns by the last two.
    for (int index = kRouteFirst; index <= kRouteLast; ++index) {
        buttons << addToggle(C_bi, index, shapeCaption(index), box);
        const int value = routeValue(buttons.last()->text());
        grid->addWidget(buttons.last(), value / 9, value % 9);
    }
    FitButtons(buttons);
    v->addLayout(grid);
    auto* row = new QHBoxLayout;
    row->addWidget(label("杀形态容错", box));
    row->addWidget(kit_.addRange(0, 4, box));
    row->addWidget(kit_.addHelp(51, box));
    row->addStretch(1);
    row->addWidget(addClear(31, box));
    v->addLayout(row);
    return box;
}

QGroupBox* FourStarPanel::buildBaseSet() {
    auto* box = new QGroupBox(QStringLiteral("大底"), conditionArea_);
    box->setObjectName(QStringLiteral("baseSetGroup"));
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(4, 2, 4, 4);
    baseSetBox = MakeTextBox(HintsOf(FourStarBindings(), QStringLiteral("T_cs_ip"), 3), box);
    controls_.add(QStringLiteral("T_cs_ip"), 3, baseSetBox);
    v->addWidget(baseSetBox);
    return box;
}

void FourStarPanel::buildConditionArea() {
    auto* layout = new QHBoxLayout(conditionArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildDigitKills());
    left->addWidget(buildBankerGroups());
    auto* shapes = new QHBoxLayout;
    shapes->addWidget(buildShapeRatios());
    shapes->addWidget(buildSpecialShapes());
    left->addLayout(shapes);
    left->addStretch(1);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(buildShapePatterns());
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildRoutePatterns());
    auto* side = new QVBoxLayout;
    side->setSpacing(3);
    side->addWidget(buildBaseSet(), 1);
    side->addWidget(buildRunRepeat());
    bottom->addLayout(side, 1);
    right->addLayout(bottom);
    right->addStretch(1);
    layout->addLayout(right, 1);
}

void FourStarPanel::fillConditionToleranceLists() {
    const QStringList items = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3"), QStringLiteral("4")};
    for (QComboBox* box : conditionTolerance) {
        const QString shown = box->currentText();
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(-1);
        box->setEditText(shown);
    }
}

void FourStarPanel::ChooseComeOutCount(int index) {
    auto* button = qobject_cast<ColourButton*>(C_danzu_gs->button(index));
    if (!button)
        return;
    if (button->backColor() == Colour::On) {
        button->setBackColor(Colour::Off);
        return;
    }
    const int row = index / 5;
    const int count = index % 5;
    const int chosen = static_cast<int>(
        ReadColours(controls_, QStringLiteral("C_danzu"), 10 * row, 10, Colour::On).count());
    if (!Check_dm_jchong->isChecked() && count > chosen) {
        MessageBox::warning(this, QStringLiteral("错误提示"),
                            QStringLiteral("出胆个数不能大于选胆个数"));
        return;
    }
    button->setBackColor(Colour::On);
}

} // namespace sorvanta::ui
