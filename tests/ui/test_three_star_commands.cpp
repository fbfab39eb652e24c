// The three-star commands as a player meets them: their results in the box
// and the count, the messages, the clipboard, the tools and the win check.
#include "three_star_checks.hpp"

#include "engine23/three_star_commands.hpp"
#include "shell/colour_button.hpp"
#include "shell/text_boxes.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace sorvanta;
using namespace sorvanta::test;
using namespace sorvanta::ui;

namespace {
const QString kReminder = QStringLiteral("温馨提示|");
}

class TestThreeStarCommands : public ThreeStarWindowTest {
    Q_OBJECT

    QString result() const { return panel->resultText(); }
    QString count() const { return find<QLabel>(QStringLiteral("Lzhushu_0"))->text(); }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    void load(const ThreeStarInput& in) const { panel->writeInput(in); }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        startWindow();
        QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    }
    void cleanup() { window.reset(); }

    void shrinkWithoutConditionKeepsEveryNumber() {
        press(0);
        QCOMPARE(count(), QStringLiteral("1000"));
        QVERIFY(result().startsWith(QStringLiteral("000 001 002 ")));
        QVERIFY(result().endsWith(QStringLiteral(" 999")));
        press(1);
        QCOMPARE(clipboard(), result());
    }

    void invertIsRefusedWhenNothingOrEverythingIsKept_data() {
        QTest::addColumn<QString>("baseSet");
        QTest::addColumn<QString>("shownCount");
        QTest::newRow("no condition") << QString() << QStringLiteral("1000");
        QTest::newRow("base set without a number") << QStringLiteral("12 34") << "0";
    }
    void invertIsRefusedWhenNothingOrEverythingIsKept() {
        QFETCH(QString, baseSet);
        QFETCH(QString, shownCount);
        ThreeStarInput in;
        in.base_set = baseSet.toStdString();
        load(in);
        press(2);
        QCOMPARE(shownTexts(), QStringList{kReminder + QStringLiteral("请先缩水后再反选")});
        QCOMPARE(count(), shownCount);
        QCOMPARE(clipboard(), QStringLiteral("untouched"));
    }

    void invertListsAndCopiesTheExcluded() {
        ThreeStarInput in;
        in.kill_direct = "123 45 6789";
        load(in);
        press(2);
        QCOMPARE(result(), QStringLiteral("123"));
        QCOMPARE(count(), QStringLiteral("1"));
        QCOMPARE(clipboard(), QStringLiteral("123"));
        QCOMPARE(shownTexts(),
                 QStringList{kReminder + QString::fromUtf8(three::kInvertCopiedText.data())});
    }

    void convertToGroupListsEachGroupOnce() {
        ThreeStarInput in;
        in.base_set = "123 321 122";
        load(in);
        press(3);
        QCOMPARE(result(), QStringLiteral("122 123"));
        QCOMPARE(count(), QStringLiteral("2"));
    }

    void bankerSuggestion_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<QString>("bankers");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("sum 22") << "5 8 9"
                                << "589"
                                << "03578" << QStringList();
        QTest::newRow("two digits")
            << "58"
            << "58"
            << "未计算" << QStringList{kReminder + QStringLiteral("输入必须是三位数字")};
        QTest::newRow("letters only")
            << "abc"
            << ""
            << "未计算" << QStringList{kReminder + QStringLiteral("输入必须是三位数字")};
    }
    void bankerSuggestion() {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QFETCH(QString, bankers);
        QFETCH(QStringList, messages);
        panel->setBoxText(5, typed);
        press(5);
        QCOMPARE(panel->boxText(5), cleaned);
        QCOMPARE(panel->boxText(6), bankers);
        QCOMPARE(shownTexts(), messages);
    }

    void intersectionTool_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("expected");
        QTest::newRow("AB交集") << 7 << "456";
        QTest::newRow("AB并集") << 8 << "123 456 789";
        QTest::newRow("A排除B") << 9 << "123";
        QTest::newRow("B排除A") << 10 << "789";
    }
    void intersectionTool() {
        QFETCH(int, command);
        QFETCH(QString, expected);
        panel->setBoxText(10, QStringLiteral("123,456 12"));
        panel->setBoxText(11, QStringLiteral("456\n789"));
        press(command);
        QCOMPARE(panel->boxText(12), expected);
        QCOMPARE(find<QLabel>(QStringLiteral("Lzhushu_2"))->text(),
                 QString::number(expected.split(u' ').size()));
        press(11);
        QCOMPARE(clipboard(), expected);
        // Neither box holding a number leaves the result empty.
        panel->setBoxText(10, QString());
        panel->setBoxText(11, QStringLiteral("12"));
        press(command);
        QCOMPARE(panel->boxText(12), QString());
        QCOMPARE(find<QLabel>(QStringLiteral("Lzhushu_2"))->text(), QStringLiteral("0"));
    }

    void positionMatchRulesAreAddedAndDeleted() {
        press(12); // the lists start at 百 大于 个
        list(3)->setCurrentIndex(list(3)->findText(QStringLiteral("等于")));
        press(12);
        QListWidget* rules = find<QListWidget>(QStringLiteral("L_3xwz_pp"));
        QCOMPARE(rules->count(), 2);
        QCOMPARE(rules->item(0)->text(), QStringLiteral("百大于个"));
        QCOMPARE(rules->item(1)->text(), QStringLiteral("百等于个"));
        press(0);
        // h > u or h = u: 10·(1 + 2 + ... + 10) numbers.
        QCOMPARE(count(), QStringLiteral("550"));
        QTRY_VERIFY(tab(8)->isMarked());
        rules->item(0)->setSelected(true);
        press(13);
        QCOMPARE(rules->count(), 1);
        QCOMPARE(rules->item(0)->text(), QStringLiteral("百等于个"));
        // Nothing selected: nothing goes.
        press(13);
        QCOMPARE(rules->count(), 1);
    }

    void clearAllPutsThePanelBack() {
        ThreeStarInput rich = threeStarRichInput();
        load(rich);
        panel->setBoxText(20, QStringLiteral("备忘 123"));
        panel->setBoxText(10, QStringLiteral("123"));
        panel->setBoxText(5, QStringLiteral("589"));
        press(5);
        press(0);
        find<LineBox>(QStringLiteral("T_duijiang_0"))->setText(QStringLiteral("123"));
        list(2)->setCurrentIndex(1);
        press(4);
        COMPARE_INPUT(panel->readInput(), three::ClearedThreeStarInput(rich));
        for (int box = 0; box <= 21; ++box)
            if (box != 20)
                QCOMPARE(panel->boxText(box), ThreeStarPanel::boxHint(box));
        QCOMPARE(panel->boxText(20), QStringLiteral("备忘 123"));
        QCOMPARE(find<LineBox>(QStringLiteral("T_lm_he_14"))->text(), QStringLiteral("用空格隔开"));
        QCOMPARE(list(2)->currentText(), QStringLiteral("百"));
        QCOMPARE(result(), QString());
        QCOMPARE(count(), QStringLiteral("0"));
        QCOMPARE(find<LineBox>(QStringLiteral("T_duijiang_0"))->text(), QString());
        QCOMPARE(find<QLabel>(QStringLiteral("Lduijiang_0"))->text(),
                 QStringLiteral("【中奖查询】"));
        for (int page = 0; page < ThreeStarPanel::kPageCount; ++page)
            QTRY_VERIFY(!tab(page)->isMarked());
    }

    void winCheckAnswersAsTheBoxChanges_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("hit") << "456"
                             << "【中中中】";
        QTest::newRow("blanks around") << " 123 "
                                       << "【中中中】";
        QTest::newRow("miss") << "789"
                              << "【挂挂挂】";
        QTest::newRow("part of a number") << "23 "
                                          << "【中奖查询】";
        QTest::newRow("too long") << "1234"
                                  << "【中奖查询】";
    }
    void winCheckAnswersAsTheBoxChanges() {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        ThreeStarInput in;
        in.base_set = "123 456";
        load(in);
        press(0);
        QTest::keyClicks(find<LineBox>(QStringLiteral("T_duijiang_0")), typed);
        QCOMPARE(find<QLabel>(QStringLiteral("Lduijiang_0"))->text(), answer);
        // A new run empties the box and the answer with it.
        press(0);
        QCOMPARE(find<LineBox>(QStringLiteral("T_duijiang_0"))->text(), QString());
        QCOMPARE(find<QLabel>(QStringLiteral("Lduijiang_0"))->text(),
                 QStringLiteral("【中奖查询】"));
    }
};

QTEST_MAIN(TestThreeStarCommands)
#include "test_three_star_commands.moc"
