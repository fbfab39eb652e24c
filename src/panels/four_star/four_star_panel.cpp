#include "panels/four_star/four_star_panel.hpp"

#include "engine4/pipeline.hpp"
#include "panels/export_button.hpp"
#include "shell/base_number_box.hpp"
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
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta::ui {

namespace {

// The pages lie on top of each other; which one shows is decided by
// visibility and stacking alone, as the page buttons set them.
class PageStack : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent*) override {
        for (QObject* child : children())
            if (auto* w = qobject_cast<QWidget*>(child))
                w->setGeometry(rect());
    }
};

QComboBox* toleranceBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    UseLineBox(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(2);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setEditText(QStringLiteral("0"));
    return box;
}

const char* const kPageCaptions[8] = {"杀直选号码", "杀垃圾复式", "杀2码/必出2码", "杀3码/必出3码",
                                      "定位杀号",   "交集",       "二星拼接四星",  "三星拼接四星"};

} // namespace

FourStarPanel::FourStarPanel(ControlRegistry& controls, QButtonGroup* commands,
                             QButtonGroup* clearButtons, QButtonGroup* helpButtons,
                             QWidget* focusSink, QWidget* parent)
    : QFrame(parent), controls_(controls), clearButtons_(clearButtons), helpButtons_(helpButtons),
      focusSink_(focusSink) {
    setFrameShape(QFrame::StyledPanel);
    // The three mode panels overlap; only the front one may be seen.
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    // Some 450 condition controls share the left side: a point smaller
    // keeps every caption whole. Set before the controls are built, since
    // the small buttons take their fixed sizes from it.
    compact_ = font();
    compact_.setPointSizeF(std::max(7.5, compact_.pointSizeF() - 1));
    // The condition groups of the upper panel take this space.
    conditionArea_ = new QWidget(this);
    conditionArea_->setObjectName(QStringLiteral("conditionArea"));
    conditionArea_->setFont(compact_);
    left->addWidget(conditionArea_, 1);
    createToggleArrays();
    left->addWidget(buildExtremesStrip());
    left->addWidget(buildPageArea());
    layout->addLayout(left, 1);
    layout->addWidget(buildResultArea(commands));
    buildTopConditionPages();
    buildIntersectionPage(commands);
    buildSplicePage(6, 0, 6, 0, 5, 6, 34);
    buildSplicePage(7, 6, 4, 2, 6, 4, 35);
    buildConditionArea();
    placeTitleHelp();
    // The pages take their twips height, or what the tallest of them needs
    // in the font it really has.
    int pageHeight = twips(2700);
    for (QGroupBox* page : pages)
        pageHeight = std::max(pageHeight, page->minimumSizeHint().height());
    findChild<QWidget*>(QStringLiteral("pageStack"))->setFixedHeight(pageHeight);
    watchPages();
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

QComboBox* FourStarPanel::makeToleranceBox(QWidget* parent) const {
    return toleranceBox(parent);
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

    auto* stack = new PageStack(area);
    stack->setObjectName(QStringLiteral("pageStack"));
    stack->setFixedHeight(twips(2700));
    for (int i = 0; i < 8; ++i) {
        auto* frame = new QGroupBox(QString::fromUtf8(kPageCaptions[i]), stack);
        controls_.add(QStringLiteral("Frame_ding"), i, frame);
        frame->setAutoFillBackground(true);
        frame->setVisible(i == 0);
        pages.insert(i, frame);
    }
    v->addWidget(stack);
    return area;
}

void FourStarPanel::buildIntersectionPage(QButtonGroup* commands) {
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
        auto* b = new QPushButton(QString::fromUtf8(tool.caption), page);
        b->setAutoDefault(false);
        controls_.add(QStringLiteral("C_guolv_ks"), tool.index, b);
        commands->addButton(b, tool.index);
        buttons->addWidget(b);
    }
    buttons->addWidget(AddExportButton(controls_, kExportBesideFourStar, 5, page));
    grid->addLayout(buttons, 0, 3, 2, 1);
}

QWidget* FourStarPanel::buildResultArea(QButtonGroup* commands) {
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("resultArea"));
    area->setFixedWidth(twips(3000));
    auto* v = new QVBoxLayout(area);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

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
    v->addWidget(Li_out, 1);

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
    countRow->addWidget(addHelp(54, area));
    v->addLayout(countRow);

    auto* toleranceRow = new QHBoxLayout;
    toleranceRow->addWidget(new QLabel(QStringLiteral("总容错"), area));
    totalLower = toleranceBox(area);
    totalUpper = toleranceBox(area);
    controls_.add(QStringLiteral("Com_rc"), 4, totalLower);
    controls_.add(QStringLiteral("Com_rc"), 5, totalUpper);
    toleranceRow->addWidget(totalLower);
    toleranceRow->addWidget(new QLabel(QStringLiteral("至"), area));
    toleranceRow->addWidget(totalUpper);
    toleranceRow->addStretch(1);
    v->addLayout(toleranceRow);

    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    auto addCommand = [&](int index, const QString& caption, int row, int column, int span) {
        QPushButton* b = index == 4 ? new ColourButton(caption, area, Colour::LightGreen)
                                    : new QPushButton(caption, area);
        b->setAutoDefault(false);
        controls_.add(QStringLiteral("C_guolv_ks"), index, b);
        commands->addButton(b, index);
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
    grid->addWidget(AddExportButton(controls_, kExportBesideFourStar, 1, area), 1, 1);
    addCommand(2, QStringLiteral("转为组选"), 2, 0, 1);
    addCommand(4, QStringLiteral("反选"), 2, 1, 1);
    addCommand(3, QStringLiteral("清空条件"), 3, 0, 2);
    invertButton = controls_.at<ColourButton>(QStringLiteral("C_guolv_ks"), 4);
    v->addLayout(grid);

    L_duijiang_news = new QLabel(QStringLiteral("【中奖查询】"), area);
    L_duijiang_news->setObjectName(QStringLiteral("L_duijiang_news"));
    winCheckBox = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_duijiang"), 1, winCheckBox);
    winCheckBox->setMaxLength(32);
    auto* winRow = new QHBoxLayout;
    winRow->addWidget(L_duijiang_news);
    winRow->addWidget(winCheckBox, 1);
    v->addLayout(winRow);

    // The banker calculator: four banker digits from the last draw.
    v->addWidget(new QLabel(QStringLiteral("输入上期四星号码"), area));
    auto* bankerRow = new QHBoxLayout;
    auto* lastDraw = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_cs_ip"), 1, lastDraw);
    lastDraw->setMaxLength(64);
    bankerRow->addWidget(lastDraw, 1);
    auto* bankers = new QPushButton(QStringLiteral("算胆"), area);
    bankers->setAutoDefault(false);
    controls_.add(QStringLiteral("C_guolv_ks"), 10, bankers);
    commands->addButton(bankers, 10);
    bankerRow->addWidget(bankers);
    v->addLayout(bankerRow);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(new QLabel(QStringLiteral("胆码"), area));
    auto* bankerDigits = new LineBox(QString(), area);
    controls_.add(QStringLiteral("T_cs_ip"), 2, bankerDigits);
    resultRow->addWidget(bankerDigits, 1);
    resultRow->addWidget(new QLabel(QStringLiteral("仅供参考"), area));
    v->addLayout(resultRow);
    return area;
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
    auto page = [&](int i) {
        return pages.value(i);
    };
    if (index == 99) {
        for (int i = 0; i < 8; ++i)
            pageButtons[i]->setBackColor(Colour::Off);
        page(6)->hide();
        page(7)->hide();
        pageButtons[99]->setBackColor(Colour::LightGreen);
        page(0)->show();
        page(0)->raise();
    } else if (index >= 0 && index <= 5) {
        pageButtons[99]->setBackColor(Colour::Off);
        for (int i = 0; i < 8; ++i) {
            page(i)->hide();
            pageButtons[i]->setBackColor(Colour::Off);
        }
        page(index)->show();
        pageButtons[index]->setBackColor(Colour::LightGreen);
        page(index)->raise();
    } else if (index == 6 || index == 7) {
        pageButtons[99]->setBackColor(Colour::Off);
        for (int i = 0; i < 8; ++i)
            pageButtons[i]->setBackColor(Colour::Off);
        pageButtons[index]->setBackColor(Colour::LightGreen);
        page(index)->show();
        page(index)->raise();
    }
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

} // namespace sorvanta::ui
