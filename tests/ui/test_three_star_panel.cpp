// The three-star panel's controls: the bridge to ThreeStarInput, the page
// tabs and their marks, the toggles, the either-or switch, and the clear and
// select-all buttons.
#include "three_star_checks.hpp"

#include "panels/three_star/three_star_bindings.hpp"
#include "scheme/three_star_fields.hpp"
#include "shell/colour_button.hpp"
#include "shell/either_or_switch.hpp"
#include "shell/text_boxes.hpp"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <functional>
#include <set>

using namespace sorvanta;
using namespace sorvanta::test;
using namespace sorvanta::ui;

Q_DECLARE_METATYPE(std::function<void(sorvanta::three::ThreeStarInput&)>)

namespace {

using Change = std::function<void(ThreeStarInput&)>;

ThreeStarInput applied(ThreeStarInput in, const Change& change) {
    change(in);
    return in;
}

} // namespace

class TestThreeStarPanel : public ThreeStarWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { startWindow(); }
    void cleanup() { window.reset(); }

    void bindingsNameEverySchemeField() {
        std::set<std::string> bound;
        for (const auto& row : ThreeStarBindings())
            bound.insert(TopLevelField(row.field));
        std::set<std::string> scheme;
        for (const auto& field : scheme::ThreeStarFields())
            scheme.insert(field.name);
        QCOMPARE(bound, scheme);
    }

    void writeThenReadGivesTheInputBack_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("every field set") << 0;
        QTest::newRow("every field off") << 1;
        QTest::newRow("no bankers option on") << 2;
    }
    void writeThenReadGivesTheInputBack() {
        QFETCH(int, which);
        ThreeStarInput in = which == 1 ? ThreeStarInput{} : threeStarRichInput();
        if (which == 2)
            in.bankers_at_least = 0;
        panel->writeInput(in);
        COMPARE_INPUT(panel->readInput(), in);
        // After writing the off state over a full panel, nothing is left.
        panel->writeInput(ThreeStarInput{});
        COMPARE_INPUT(panel->readInput(), ThreeStarInput{});
    }

    void startsWithItsHintsAndDefaults() {
        for (int i = 0; i <= 21; ++i)
            QCOMPARE(panel->boxText(i), ThreeStarPanel::boxHint(i));
        QCOMPARE(find<LineBox>(QStringLiteral("T_lm_he_0"))->text(), QStringLiteral("用空格隔开"));
        QVERIFY(find<QRadioButton>(QStringLiteral("Op_3x_danma_chu_0"))->isChecked());
        QCOMPARE(list(0)->currentText(), QStringLiteral("0"));
        QCOMPARE(list(2)->currentText(), QStringLiteral("百"));
        QCOMPARE(list(3)->currentText(), QStringLiteral("大于"));
        QCOMPARE(list(4)->currentText(), QStringLiteral("个"));
        QCOMPARE(list(3)->count(), 6);
        QCOMPARE(list(1)->count(), 4);
        QCOMPARE(find<QLabel>(QStringLiteral("Lduijiang_0"))->text(),
                 QStringLiteral("【中奖查询】"));
        // Hints read as no input: the untouched panel is the off state.
        COMPARE_INPUT(panel->readInput(), ThreeStarInput{});
    }

    void togglesFlipBetweenTheirColourAndGrey_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("chosen");
        QTest::newRow("kill sum tail") << "C_3x_sha_3" << Colour::Yellow;
        QTest::newRow("012 route") << "C_3x_sha_168" << Colour::Yellow;
        QTest::newRow("banker") << "C_3x_chu_6" << Colour::On;
        QTest::newRow("any-two difference") << "C_3x_chu_131" << Colour::On;
    }
    void togglesFlipBetweenTheirColourAndGrey() {
        QFETCH(QString, button);
        QFETCH(int, chosen);
        auto* b = find<ColourButton>(button);
        click(button);
        QCOMPARE(b->backColor(), chosen);
        click(button);
        QCOMPARE(b->backColor(), Colour::Off);
        COMPARE_INPUT(panel->readInput(), ThreeStarInput{});
    }

    void descendingRowsReadByCaption() {
        // 定位胆 and 任意两码 rows run "9" down to "0": element 78 is digit 9.
        click(QStringLiteral("C_3x_chu_78"));
        click(QStringLiteral("C_3x_chu_121"));
        click(QStringLiteral("C_3x_chu_108"));
        const ThreeStarInput in = panel->readInput();
        QCOMPARE(in.positional_bankers.hundreds, digits({9}));
        QCOMPARE(in.any_two_sum_tails, digits({0}));
        QCOMPARE(in.positional_bankers.counts, digits({3}));
    }

    void pageTabsShowOnePage_data() {
        QTest::addColumn<int>("page");
        for (int page = 0; page < ThreeStarPanel::kPageCount; ++page)
            QTest::newRow(qPrintable(QString::number(page))) << page;
    }
    void pageTabsShowOnePage() {
        QFETCH(int, page);
        QCOMPARE(panel->currentPage(), 0);
        click(QStringLiteral("C_3x_ding_%1").arg(page));
        for (int i = 0; i < ThreeStarPanel::kPageCount; ++i) {
            QCOMPARE(find<QFrame>(QStringLiteral("C_3x_nei_%1").arg(i))->isVisible(), i == page);
            QCOMPARE(tab(i)->backColor(), i == page ? Colour::On : Colour::Off);
        }
    }

    void tabsMarkPagesHoldingAConditionInForce_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<Change>("change");
        QTest::newRow("junk compounds")
            << 1 << Change([](ThreeStarInput& in) { in.junk_compounds = "1*2*3"; });
        QTest::newRow("kill pairs")
            << 2 << Change([](ThreeStarInput& in) { in.kill_pairs = "12"; });
        QTest::newRow("position require pairs")
            << 6 << Change([](ThreeStarInput& in) { in.position_require_pairs[2] = "98"; });
        QTest::newRow("pair sums")
            << 7 << Change([](ThreeStarInput& in) { in.pair_sums.exclude_sum_tail[1] = "7"; });
        QTest::newRow("position match")
            << 8 << Change([](ThreeStarInput& in) { in.position_match = {"百大于个"}; });
        QTest::newRow("positional bankers")
            << 9 << Change([](ThreeStarInput& in) { in.positional_bankers.units = digits({4}); });
        QTest::newRow("broken groups")
            << 10 << Change([](ThreeStarInput& in) { in.broken_groups = "12-34=1"; });
        QTest::newRow("main page shapes")
            << 0 << Change([](ThreeStarInput& in) { in.kill_shapes.big_small = {"小小小"}; });
    }
    void tabsMarkPagesHoldingAConditionInForce() {
        QFETCH(int, page);
        QFETCH(Change, change);
        panel->writeInput(applied(ThreeStarInput{}, change));
        QTRY_VERIFY(tab(page)->isMarked());
        for (int i = 0; i < ThreeStarPanel::kPageCount; ++i)
            if (i != page)
                QVERIFY2(!tab(i)->isMarked(), qPrintable(QString::number(i)));
        panel->writeInput(ThreeStarInput{});
        QTRY_VERIFY(!tab(page)->isMarked());
    }

    void tabIsNotMarkedForTextThatFiltersNothing() {
        // An exclude-compound needs all three rows; one row alone is off.
        panel->writeInput(applied(ThreeStarInput{}, [](ThreeStarInput& in) {
            in.exclude_compound[0] = digits({1});
            in.kill_pairs = "1";
        }));
        QTest::qWait(20);
        QVERIFY(!tab(0)->isMarked());
        QVERIFY(!tab(2)->isMarked());
    }

    void eitherOrSwitchReportsTheChoice() {
        auto* sw = find<EitherOrSwitch>(QStringLiteral("dd_2x1_0"));
        QCOMPARE(sw->kaiguan(), 0);
        QTest::mouseClick(sw->Label1[1], Qt::LeftButton);
        QCOMPARE(sw->kaiguan(), 1);
        QVERIFY(panel->readInput().base_set_group);
        QTest::mouseClick(sw->Option1[0], Qt::LeftButton);
        QCOMPARE(sw->kaiguan(), 0);
        sw->setKaiguan(-1);
        QVERIFY(!sw->Option1[0]->isChecked() && !sw->Option1[1]->isChecked());
        QCOMPARE(sw->kaiguan(), 0);
        // The four parts sit in one row from the left, in their order.
        QVERIFY(sw->Option1[0]->x() < sw->Label1[0]->x());
        QVERIFY(sw->Label1[0]->x() < sw->Option1[1]->x());
        QVERIFY(sw->Option1[1]->x() < sw->Label1[1]->x());
    }

    void clearCodesPutTheirGroupBack_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Change>("expected");
        const auto row = [](int code, Change change) {
            QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code))) << code << change;
        };
        row(0, [](ThreeStarInput& in) { in.kill_sum_tails.reset(); });
        row(1, [](ThreeStarInput& in) { in.kill_spans.reset(); });
        row(2, [](ThreeStarInput& in) {
            in.bankers.reset();
            in.bankers_at_least = 1;
        });
        row(3, [](ThreeStarInput& in) { in.kill_sums.reset(); });
        for (int r = 0; r < 3; ++r) {
            row(4 + r, [r](ThreeStarInput& in) { in.exclude_compound[r].reset(); });
            row(7 + r, [r](ThreeStarInput& in) { in.position_kill[r].reset(); });
        }
        for (int r = 0; r < 4; ++r)
            row(10 + r, [r](ThreeStarInput& in) { in.banker_rows[r] = {}; });
        row(14, [](ThreeStarInput& in) { in.kill_shapes = {}; });
        row(15, [](ThreeStarInput& in) { in.keep_counts = {}; });
        row(16, [](ThreeStarInput& in) { in.special_exclusions.clear(); });
        row(17, [](ThreeStarInput& in) { in.exclude_routes.clear(); });
        row(18, [](ThreeStarInput& in) {
            in.largest_digits.clear();
            in.smallest_digits.clear();
        });
        row(21, [](ThreeStarInput& in) { in.positional_bankers = {}; });
        // The 任意两码合差保留 rows only: the 两码和差 boxes above stay.
        row(22, [](ThreeStarInput& in) {
            in.any_two_sum_tails.reset();
            in.any_two_diffs.reset();
        });
        // The 杀垃圾复式 and 杀2码组合 pages: their box and its range.
        row(37, [](ThreeStarInput& in) {
            in.junk_compounds = ThreeStarInput{}.junk_compounds;
            in.junk_compounds_tolerance = ThreeStarInput{}.junk_compounds_tolerance;
        });
        row(38, [](ThreeStarInput& in) {
            in.kill_pairs = ThreeStarInput{}.kill_pairs;
            in.kill_pairs_tolerance = ThreeStarInput{}.kill_pairs_tolerance;
        });
        // 19 and 20 empty the intersection boxes only.
        for (int code : {19, 20})
            row(code, [](ThreeStarInput&) {});
    }
    void clearCodesPutTheirGroupBack() {
        QFETCH(int, code);
        QFETCH(Change, expected);
        const ThreeStarInput rich = threeStarRichInput();
        panel->writeInput(rich);
        click(QStringLiteral("C_3x_cls_%1").arg(code));
        COMPARE_INPUT(panel->readInput(), applied(rich, expected));
    }

    // The count goes with the result: an empty result never counts 1.
    void intersectionClearsEmptyTheirBoxAndTheResult() {
        for (int box : {10, 11, 12})
            panel->setBoxText(box, QStringLiteral("123"));
        find<QLabel>(QStringLiteral("Lzhushu_2"))->setText(QStringLiteral("1"));
        click(QStringLiteral("C_3x_cls_19"));
        QCOMPARE(QStringList({panel->boxText(10), panel->boxText(11), panel->boxText(12)}),
                 QStringList({QString(), QStringLiteral("123"), QString()}));
        QCOMPARE(find<QLabel>(QStringLiteral("Lzhushu_2"))->text(), QStringLiteral("0"));
        panel->setBoxText(12, QStringLiteral("456"));
        find<QLabel>(QStringLiteral("Lzhushu_2"))->setText(QStringLiteral("1"));
        click(QStringLiteral("C_3x_cls_20"));
        QVERIFY(panel->boxText(11).isEmpty() && panel->boxText(12).isEmpty());
        QCOMPARE(find<QLabel>(QStringLiteral("Lzhushu_2"))->text(), QStringLiteral("0"));
    }

    void bankerClearChoosesOneEvenAfterThree() {
        QTest::mouseClick(find<QRadioButton>(QStringLiteral("Op_3x_danma_chu_2")), Qt::LeftButton);
        QCOMPARE(panel->readInput().bankers_at_least, 3);
        click(QStringLiteral("C_3x_cls_2"));
        QVERIFY(find<QRadioButton>(QStringLiteral("Op_3x_danma_chu_0"))->isChecked());
    }

    void selectAllCodesChooseTheirGroup_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<Change>("expected");
        const star::DigitSet all = digits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        const star::DigitSet counts = digits({0, 1, 2, 3});
        const auto row = [](int code, Change change) {
            QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code))) << code << change;
        };
        for (int r = 0; r < 3; ++r)
            row(r, [=](ThreeStarInput& in) { in.exclude_compound[r] = all; });
        for (int r = 0; r < 4; ++r)
            row(3 + r, [=](ThreeStarInput& in) { in.banker_rows[r] = {all, counts}; });
        row(7, [=](ThreeStarInput& in) { in.positional_bankers = {all, all, all, counts}; });
        row(8, [=](ThreeStarInput& in) {
            in.any_two_sum_tails = all;
            in.any_two_diffs = all;
        });
    }
    void selectAllCodesChooseTheirGroup() {
        QFETCH(int, code);
        QFETCH(Change, expected);
        click(QStringLiteral("C_3x_all_%1").arg(code));
        COMPARE_INPUT(panel->readInput(), applied(ThreeStarInput{}, expected));
        // Exclude buttons turn yellow, keep buttons green.
        const int first = code <= 2 ? 48 + 10 * code : -1;
        if (first >= 0)
            QCOMPARE(find<ColourButton>(QStringLiteral("C_3x_sha_%1").arg(first))->backColor(),
                     Colour::Yellow);
    }

    void helpButtonsOfTheThreeStarPanel() {
        // 10 to 33 without 11, every one on this panel.
        for (int index = 10; index <= 33; ++index) {
            QWidget* help = window->controls().widget(QStringLiteral("C_234_sm"), index);
            QCOMPARE(help != nullptr, index != 11);
            if (help)
                QVERIFY(panel->isAncestorOf(help));
        }
    }
};

QTEST_MAIN(TestThreeStarPanel)
#include "test_three_star_panel.moc"
