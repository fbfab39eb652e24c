// The two-star condition controls: every element where its index says with
// the caption of its engine table, what a click puts into the panel's input
// (digit rows run both ways, so a button counts as its caption), the
// writeInput/readInput mirror, the toggles and emptying the list boxes.
#include "two_star_checks.hpp"

#include "panels/two_star/two_star_bindings.hpp"
#include "scheme/two_star_fields.hpp"

#include <QCheckBox>

#include <functional>
#include <set>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

class TestTwoStarPanel : public TwoStarWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { startWindow(); }
    void cleanup() { window.reset(); }

    void startState();
    void captions_data();
    void captions();
    void clicksReadAsCaptions_data();
    void clicksReadAsCaptions();
    void toggleTwiceIsOff();
    void roundTrip();
    void bindingsNameTheSchemeFields();
    void doubleClickEmptiesListBox();
    void garbageNeverStopsTheShrink();
};

void TestTwoStarPanel::startState() {
    COMPARE_INPUT(panel->readInput(), twoStarStartInput());
    QCOMPARE(find<TextBox>(QStringLiteral("T_3x_ip_23"))->text(), kKillListHint);
    QCOMPARE(find<TextBox>(QStringLiteral("T_3x_ip_22"))->text(), kTwoStarBaseHint);
    QCOMPARE(result(), QString());
    QCOMPARE(count(), QStringLiteral("0"));
    const std::pair<int, int> longest[] = {{12, 3}, {13, 2}, {14, 4}, {15, 5}, {16, 5}};
    for (auto [index, most] : longest) {
        auto* range = find<RangeControl>(QStringLiteral("ucf_rc_%1").arg(index));
        QCOMPARE(range->a_mydata_long(), most);
        QCOMPARE(range->lowerBox()->count(), most + 1);
        QCOMPARE(range->text(), RangeText{});
    }
    for (int i = 169; i <= 263; ++i)
        QCOMPARE(colourButton("C_3x_sha", i)->backColor(), Colour::Off);
    for (int i = 132; i <= 170; ++i)
        QCOMPARE(colourButton("C_3x_chu", i)->backColor(), Colour::Off);
    auto* repeats = find<QCheckBox>(QStringLiteral("Check_2x3x_1"));
    QCOMPARE(repeats->text(), QStringLiteral("胆码计重"));
    QVERIFY(!repeats->isChecked());
    const char* const commands[5] = {"开始缩水", "复制号码", "转为组选", "清空条件", "反选"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(find<QPushButton>(QStringLiteral("C_2x3x_gn_%1").arg(14 + i))->text(),
                 QString::fromUtf8(commands[i]));
    for (int code = 27; code <= 36; ++code)
        QCOMPARE(find<QPushButton>(QStringLiteral("C_3x_cls_%1").arg(code))->text(),
                 QStringLiteral("清"));
    for (int code = 9; code <= 12; ++code)
        QCOMPARE(find<QPushButton>(QStringLiteral("C_3x_all_%1").arg(code))->text(),
                 QStringLiteral("全"));
    for (int help = 0; help <= 9; ++help)
        QCOMPARE(find<QPushButton>(QStringLiteral("C_234_sm_%1").arg(help))->text(),
                 QStringLiteral("说明"));
}

// Samples at each block's ends, where an off-by-one would show.
void TestTwoStarPanel::captions_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    const struct {
        const char* array;
        int index;
        const char* caption;
    } rows[] = {
        {"C_3x_chu", 132, "0"},       {"C_3x_chu", 141, "9"},       {"C_3x_chu", 142, "0"},
        {"C_3x_chu", 144, "2"},       {"C_3x_chu", 145, "2"},       {"C_3x_chu", 147, "0"},
        {"C_3x_chu", 148, "9"},       {"C_3x_chu", 157, "0"},       {"C_3x_chu", 158, "2"},
        {"C_3x_chu", 160, "0"},       {"C_3x_chu", 161, "9"},       {"C_3x_chu", 170, "0"},
        {"C_3x_sha", 169, "9"},       {"C_3x_sha", 178, "0"},       {"C_3x_sha", 179, "18"},
        {"C_3x_sha", 197, "0"},       {"C_3x_sha", 198, "9"},       {"C_3x_sha", 217, "0"},
        {"C_3x_sha", 218, "0"},       {"C_3x_sha", 237, "9"},       {"C_3x_sha", 238, "大大"},
        {"C_3x_sha", 241, "小小"},    {"C_3x_sha", 242, "单单"},    {"C_3x_sha", 249, "合合"},
        {"C_3x_sha", 250, "00"},      {"C_3x_sha", 258, "22"},      {"C_3x_sha", 259, "杀对子"},
        {"C_3x_sha", 262, "杀十>个"}, {"C_3x_sha", 263, "杀十<个"},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(QStringLiteral("%1_%2").arg(row.array).arg(row.index)))
            << QString::fromLatin1(row.array) << row.index << QString::fromUtf8(row.caption);
}

void TestTwoStarPanel::captions() {
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QString, caption);
    QCOMPARE(colourButton(array, index)->text(), caption);
    QCOMPARE(array == QLatin1String("C_3x_sha") ? TwoStarPanel::excludeCaption(index)
                                                : TwoStarPanel::bankerCaption(index),
             caption);
}

void TestTwoStarPanel::clicksReadAsCaptions_data() {
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("colour");
    QTest::addColumn<std::function<void(TwoStarInput&)>>("expect");
    using Expect = std::function<void(TwoStarInput&)>;
    auto row = [](const char* name, const char* array, int index, int colour, Expect expect) {
        QTest::newRow(name) << QString::fromLatin1(array) << index << colour << expect;
    };
    row("banker row 1 digit 0", "C_3x_chu", 132, Colour::On,
        [](TwoStarInput& in) { in.banker_rows[0].digits = values({0}); });
    row("banker row 1 count 2", "C_3x_chu", 144, Colour::On,
        [](TwoStarInput& in) { in.banker_rows[0].counts = values({2}); });
    row("banker row 2 count 2", "C_3x_chu", 145, Colour::On,
        [](TwoStarInput& in) { in.banker_rows[1].counts = values({2}); });
    row("banker row 2 digit 9", "C_3x_chu", 148, Colour::On,
        [](TwoStarInput& in) { in.banker_rows[1].digits = values({9}); });
    row("banker row 3 digit 0", "C_3x_chu", 170, Colour::On,
        [](TwoStarInput& in) { in.banker_rows[2].digits = values({0}); });
    row("span 9", "C_3x_sha", 169, Colour::Yellow,
        [](TwoStarInput& in) { in.kill_spans = values({9}); });
    row("sum 18", "C_3x_sha", 179, Colour::Yellow,
        [](TwoStarInput& in) { in.kill_sums = values<19>({18}); });
    row("sum 0", "C_3x_sha", 197, Colour::Yellow,
        [](TwoStarInput& in) { in.kill_sums = values<19>({0}); });
    row("tens kill 9", "C_3x_sha", 198, Colour::Yellow,
        [](TwoStarInput& in) { in.position_kill[0] = values({9}); });
    row("units kill 0", "C_3x_sha", 217, Colour::Yellow,
        [](TwoStarInput& in) { in.position_kill[1] = values({0}); });
    row("compound units 9", "C_3x_sha", 237, Colour::Yellow,
        [](TwoStarInput& in) { in.compound_exclusion[1] = values({9}); });
    row("shape 小大", "C_3x_sha", 240, Colour::Yellow,
        [](TwoStarInput& in) { in.shapes.big_small = {"小大"}; });
    row("route 21", "C_3x_sha", 257, Colour::Yellow,
        [](TwoStarInput& in) { in.shapes.route012 = {"21"}; });
    row("special 杀连号", "C_3x_sha", 260, Colour::Yellow,
        [](TwoStarInput& in) { in.special_shapes = {"杀连号"}; });
}

void TestTwoStarPanel::clicksReadAsCaptions() {
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(int, colour);
    QFETCH(std::function<void(TwoStarInput&)>, expect);
    QTest::mouseClick(colourButton(array, index), Qt::LeftButton);
    QCOMPARE(colourButton(array, index)->backColor(), colour);
    TwoStarInput expected = twoStarStartInput();
    expect(expected);
    COMPARE_INPUT(panel->readInput(), expected);
}

void TestTwoStarPanel::toggleTwiceIsOff() {
    for (auto [array, index] : {std::pair{"C_3x_sha", 203}, std::pair{"C_3x_chu", 150}}) {
        ColourButton* b = colourButton(array, index);
        QTest::mouseClick(b, Qt::LeftButton);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(b->backColor(), Colour::Off);
    }
    COMPARE_INPUT(panel->readInput(), twoStarStartInput());
}

void TestTwoStarPanel::roundTrip() {
    panel->writeInput(twoStarRichInput());
    COMPARE_INPUT(panel->readInput(), twoStarRichInput());
    // Buttons show the colour a click gives them.
    QCOMPARE(colourButton("C_3x_chu", 135)->backColor(), Colour::On);     // banker digit 3
    QCOMPARE(colourButton("C_3x_sha", 169)->backColor(), Colour::Yellow); // span 9
    panel->writeInput(twoStarStartInput());
    COMPARE_INPUT(panel->readInput(), twoStarStartInput());
}

void TestTwoStarPanel::bindingsNameTheSchemeFields() {
    std::set<std::string> bound, saved;
    for (const auto& row : TwoStarBindings())
        bound.insert(TopLevelField(row.field));
    for (const auto& field : scheme::TwoStarFields())
        saved.insert(field.name);
    QCOMPARE(bound, saved);
}

void TestTwoStarPanel::doubleClickEmptiesListBox() {
    for (TextBox* box : {find<TextBox>(QStringLiteral("T_3x_ip_23")),
                         find<TextBox>(QStringLiteral("T_3x_ip_22"))}) {
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        QCOMPARE(box->text(), QString());
    }
}

// Whatever is typed into the boxes and the ranges, a shrink runs and shows
// a list of two-digit numbers with its count.
void TestTwoStarPanel::garbageNeverStopsTheShrink() {
    TwoStarInput in = twoStarRichInput();
    in.kill_list = "０５ 5555 \t-1 ７ 大底";
    in.base_set = std::string(5000, '9') + " 00 0 1e2";
    in.banker_tolerance = {"abc", "99999999999999999999"};
    in.total_tolerance = {"-5", "1e9"};
    panel->writeInput(in);
    press(14);
    const QStringList numbers = result().split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(count(), QString::number(numbers.size()));
    for (const QString& n : numbers)
        QCOMPARE(n.size(), 2);
    QVERIFY(MessageBox::shown().isEmpty());
}

QTEST_MAIN(TestTwoStarPanel)
#include "test_two_star_panel.moc"
