// Clearing the four-star conditions: each C_cls button on its own group and
// nothing else, the select-all buttons, the guarded press, and the whole
// panel reset of "清空条件" with the result it empties.
#include "app/fmain.hpp"
#include "engine4/four_star_input.hpp"
#include "four_star_checks.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/verification/verification_strip.hpp"
#include "reset/condition_reset.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

// Every group away from its start, so each clear has something to undo.
FourStarInput everyGroupSet() {
    FourStarInput in = richInput();
    in.position_kill[2] = digits({5});
    in.banker_rows[2] = {digits({4, 6}), digits({1, 2})};
    in.banker_rows[3].digits = digits({7});
    return in;
}

// Texts of the controls that are not conditions but are cleared by codes.
struct SideTexts {
    QString listA, listB, result, resultCount;
    QString verify, verifyCount, extract, extractCount;
    bool operator==(const SideTexts&) const = default;
};

} // namespace

class TestReset : public FourStarWindowTest {
    Q_OBJECT

private:
    void clear(int code) const { click(QStringLiteral("C_cls_%1").arg(code)); }
    QString text(const QString& name) const {
        if (auto* box = window->findChild<QPlainTextEdit*>(name))
            return box->toPlainText();
        if (auto* line = window->findChild<QLineEdit*>(name))
            return line->text();
        return find<QLabel>(name)->text();
    }
    void setText(const QString& name, const QString& value) const {
        if (auto* box = window->findChild<QPlainTextEdit*>(name))
            box->setPlainText(value);
        else
            find<QLabel>(name)->setText(value);
    }
    SideTexts sideTexts() const {
        return {text("T_jj_0"),    text("T_jj_1"), text("T_jj_2"),    text("Ljiaoji_zhushu"),
                text("T_cs_ip_5"), text("L_zs_0"), text("T_cs_ip_6"), text("L_zs_1")};
    }
    void fillSideTexts() const {
        setText("T_jj_0", "1234 5678");
        setText("T_jj_1", "5678");
        setText("T_jj_2", "5678");
        setText("Ljiaoji_zhushu", "1");
        setText("T_cs_ip_5", "0123 4567");
        setText("L_zs_0", "2");
        setText("T_cs_ip_6", "01 02 03");
        setText("L_zs_1", "3");
    }
    QLabel* spliceCount(int box) const {
        return find<BaseNumberBox>(QStringLiteral("ucf_ssc23x1_%1").arg(box))->Lzhushu;
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup() { window.reset(); }

    void clearButtons();
    void groupCode_data();
    void groupCode();
    void codesOutsideTableChangeNothing();
    void pressIsGuarded();
    void pressIgnoredDuringShrink();
    void wholePanel();
    void wholePanelEmptiesSurvivorText();
    void wholePanelKeepsTheTable();
};

void TestReset::init() {
    startWindow();
}

void TestReset::clearButtons() {
    // One group for the whole array, ids the codes, captions by code.
    QButtonGroup* group = find<QPushButton>("C_cls_0")->group();
    QVERIFY(group);
    QCOMPARE(group->buttons().size(), 36);
    for (int code = 0; code <= 35; ++code) {
        auto* button = find<QPushButton>(QStringLiteral("C_cls_%1").arg(code));
        QCOMPARE(button->group(), group);
        QCOMPARE(group->id(button), code);
        const QString caption = code >= 13 && code <= 19   ? QStringLiteral("全")
                                : code == 34 || code == 35 ? QStringLiteral("全清")
                                                           : QStringLiteral("清");
        QCOMPARE(button->text(), caption);
    }
}

void TestReset::groupCode_data() {
    QTest::addColumn<int>("code");
    for (int code = 0; code <= 35; ++code)
        QTest::addRow("code %d", code) << code;
}

void TestReset::groupCode() {
    QFETCH(int, code);
    const FourStarInput before = everyGroupSet();
    panel->writeInput(before);
    fillSideTexts();
    spliceCount(0)->setText("2");
    spliceCount(9)->setText("1");
    SideTexts side = sideTexts();

    // The pages the buttons sit on are shown, as a player would have them.
    const int pageOf[36] = {4,  4,  4,  4,  99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                            99, 99, 99, 99, 99, 99, 5,  99, 5,  99, 99, 99, 99, 99, 99, 1,  6,  7};
    click(QStringLiteral("C_sst_0_%1").arg(pageOf[code]));
    clear(code);

    FourStarInput expected = before;
    const auto kind = [&](int k) -> four::CaptionSet& {
        four::CaptionSet* kinds[3] = {&expected.ratio_big_small, &expected.ratio_odd_even,
                                      &expected.ratio_prime_composite};
        return *kinds[k];
    };
    if (code <= 3)
        expected.position_kill[static_cast<std::size_t>(code)].reset();
    else if (code >= 9 && code <= 12)
        expected.banker_rows[static_cast<std::size_t>(code - 9)] = {};
    else if (code >= 13 && code <= 16)
        expected.banker_rows[static_cast<std::size_t>(code - 13)].digits.set();
    else if (code >= 17 && code <= 19)
        kind(code - 17) = {"0:4", "1:3", "2:2", "3:1", "4:0"};
    else if (code >= 20 && code <= 22)
        kind(code - 20).clear();
    switch (code) {
    case 4:
        expected.kill_sum_tails.reset();
        break;
    case 5:
        expected.kill_sums.clear();
        break;
    case 6:
        expected.kill_spans.reset();
        break;
    case 7:
        expected.kill_all_digits.reset();
        break;
    case 8:
        expected.kill_ac.reset();
        break;
    case 23:
        expected.special_shapes.clear();
        break;
    case 24:
        side.listA.clear();
        break;
    case 25:
        expected.pattern_big_small.clear();
        break;
    case 26:
        side.listB.clear();
        break;
    case 27:
        expected.pattern_odd_even.clear();
        break;
    case 28:
        side.verify.clear();
        side.verifyCount = "0";
        break;
    case 29:
        expected.pattern_prime_composite.clear();
        break;
    case 30:
        side.extract.clear();
        side.extractCount = "0";
        break;
    case 31:
        expected.pattern_route012.clear();
        break;
    case 32:
        expected.smallest_digits.reset();
        expected.largest_digits.reset();
        break;
    case 33:
        expected.junk_compounds.clear();
        expected.junk_compounds_tolerance = {};
        break;
    case 34:
        expected.two_star_splice = {};
        expected.two_star_splice_delete = false;
        expected.two_star_splice_tolerance = {};
        break;
    case 35:
        expected.three_star_splice = {};
        expected.three_star_splice_delete = false;
        expected.three_star_splice_tolerance = {};
        break;
    default:
        break;
    }
    COMPARE_INPUT(panel->readInput(), expected);
    QCOMPARE(sideTexts(), side);
    QCOMPARE(spliceCount(0)->text(), code == 34 ? QStringLiteral("0") : QStringLiteral("2"));
    QCOMPARE(spliceCount(9)->text(), code == 35 ? QStringLiteral("0") : QStringLiteral("1"));
    if (code == 34 || code == 35) {
        const int keep = code == 34 ? 0 : 2;
        QVERIFY(find<QRadioButton>(QStringLiteral("Option_sx_%1").arg(keep))->isChecked());
        QVERIFY(!find<QRadioButton>(QStringLiteral("Option_sx_%1").arg(keep + 1))->isChecked());
    }
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestReset::codesOutsideTableChangeNothing() {
    const FourStarInput before = everyGroupSet();
    panel->writeInput(before);
    fillSideTexts();
    const SideTexts side = sideTexts();
    for (int code : {-1, 36, 99, 1000})
        ResetConditionGroup(window->controls(), code);
    COMPARE_INPUT(panel->readInput(), before);
    QCOMPARE(sideTexts(), side);
}

void TestReset::pressIsGuarded() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    click("C_sst_0_5");
    setText("T_jj_0", "1234");
    auto* button = find<QPushButton>("C_cls_24");
    bool enabledWhileRunning = true;
    QWidget* focusWhileRunning = nullptr;
    connect(find<TextBox>("T_jj_0"), &QPlainTextEdit::textChanged, this, [&] {
        enabledWhileRunning = button->isEnabled();
        focusWhileRunning = QApplication::focusWidget();
    });
    find<TextBox>("T_jj_1")->setFocus();
    clear(24);
    QCOMPARE(text("T_jj_0"), QString());
    QVERIFY(!enabledWhileRunning);
    QCOMPARE(focusWhileRunning, find<QWidget>("Cf"));
    QVERIFY(button->isEnabled());
}

void TestReset::pressIgnoredDuringShrink() {
    // A clear pressed while a shrink lets the message loop turn would change
    // the panel under the run; it is ignored like any other command.
    click("C_sst_0_5");
    setText("T_jj_0", "1234");
    bool pressed = false;
    connect(window.get(), &Fmain::progressShown, this, [&](double share) {
        if (share != 0.5 || pressed)
            return;
        pressed = true;
        clear(24);
        clear(32);
    });
    click("C_max_4");
    press(0);
    QVERIFY(pressed);
    QCOMPARE(text("T_jj_0"), QStringLiteral("1234"));
    QCOMPARE(find<ColourButton>("C_max_4")->backColor(), Colour::On);
    clear(24);
    QCOMPARE(text("T_jj_0"), QString());
}

void TestReset::wholePanel() {
    panel->writeInput(everyGroupSet());
    fillSideTexts();
    spliceCount(3)->setText("4");
    spliceCount(7)->setText("4");
    for (int i = 0; i < 4; ++i)
        find<QLabel>(QStringLiteral("Label8_%1").arg(12 + i))
            ->setText(QStringLiteral("命中%1").arg(i));
    press(0);
    press(4); // inverted: the invert button turns red
    QCOMPARE(find<ColourButton>("C_guolv_ks_4")->backColor(), Colour::Red);
    find<LineBox>("T_duijiang_1")->setText("1234");
    MessageBox::clearShown();

    press(3);

    // Every condition off, every range 0 to 0, hints back in their boxes
    // (a hint is no input).
    FourStarInput expected;
    // "胆码计重" is no group of its own and the reset leaves it; with every
    // banker row empty it decides nothing.
    expected.banker_count_repeats = true;
    COMPARE_INPUT(panel->readInput(), expected);
    QCOMPARE(text("T_ding_0"), QString());
    for (int i = 0; i <= 5; ++i)
        QCOMPARE(find<QComboBox>(QStringLiteral("Com_rc_%1").arg(i))->currentText(),
                 QStringLiteral("0"));
    for (int i = 0; i <= 6; ++i)
        QCOMPARE(find<RangeControl>(QStringLiteral("ucf_rc_%1").arg(i))->text(), RangeText{});
    for (int i = 0; i <= 158; ++i)
        QCOMPARE(find<ColourButton>(QStringLiteral("C_bi_%1").arg(i))->backColor(), Colour::Off);
    for (int i = 0; i <= 17; ++i)
        QCOMPARE(find<ColourButton>(QStringLiteral("C_max_%1").arg(i))->backColor(), Colour::Off);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(find<QRadioButton>(QStringLiteral("Option_sx_%1").arg(i))->isChecked(),
                 i % 2 == 0);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(spliceCount(i)->text(), QStringLiteral("0"));

    // The intersection emptied; verification and extraction left alone,
    // and the verification not run.
    const SideTexts side = sideTexts();
    QCOMPARE(side.listA, QString());
    QCOMPARE(side.listB, QString());
    QCOMPARE(side.result, QString());
    QCOMPARE(side.resultCount, QStringLiteral("0"));
    QCOMPARE(side.verify, QStringLiteral("0123 4567"));
    QCOMPARE(side.verifyCount, QStringLiteral("2"));
    QCOMPARE(side.extract, QStringLiteral("01 02 03"));
    QCOMPARE(side.extractCount, QStringLiteral("3"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(find<QLabel>(QStringLiteral("Label8_%1").arg(12 + i))->text(),
                 QStringLiteral("命中%1").arg(i));

    // The result and the win check emptied, the invert button plain.
    QCOMPARE(find<QListWidget>("Li_out")->count(), 0);
    QCOMPARE(text("dadi_zhushu"), QStringLiteral("0"));
    QCOMPARE(find<ColourButton>("C_guolv_ks_4")->backColor(), Colour::LightGreen);
    QCOMPARE(text("T_duijiang_1"), QString());
    QCOMPARE(text("L_duijiang_news"), QStringLiteral("【中奖查询】"));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(find<QPushButton>("C_guolv_ks_3")->isEnabled());
}

void TestReset::wholePanelEmptiesSurvivorText() {
    // Neither the copy nor the win check may act on a result the list no
    // longer shows.
    press(0);
    QCOMPARE(window->fourStarState().SurvivorText.size(), std::size_t{10000 * 5 - 1});
    press(3);
    QVERIFY(window->fourStarState().SurvivorText.empty());

    QGuiApplication::clipboard()->setText(QStringLiteral("旧号码"));
    const int notices = Fts::shownCount();
    press(1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(Fts::shownCount(), notices + 1);

    auto* box = find<LineBox>("T_duijiang_1");
    box->setFocus();
    QTest::keyClicks(box, "1234");
    QCOMPARE(text("L_duijiang_news"), QStringLiteral("【挂挂挂挂】"));
}

void TestReset::wholePanelKeepsTheTable() {
    // The reset empties what is shown, not the last run's table: invert
    // still lists what that run excluded.
    panel->writeInput([] {
        FourStarInput in;
        in.kill_direct = "1234 0007";
        return in;
    }());
    press(0);
    QCOMPARE(text("dadi_zhushu"), QStringLiteral("9998"));
    press(3);
    press(4);
    QCOMPARE(text("dadi_zhushu"), QStringLiteral("2"));
    QCOMPARE(find<QListWidget>("Li_out")->item(0)->text(), QStringLiteral("0007 1234 "));
}

QTEST_MAIN(TestReset)
#include "test_reset.moc"
