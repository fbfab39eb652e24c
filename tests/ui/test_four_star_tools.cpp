// The four-star tools and the lower-right conditions through the window:
// smallest/largest digit buttons, the splice boxes and their paste, the
// win check, the intersection page, conversion to group, and shrinks that
// use the run, repeat, extreme-digit and splice conditions.
#include "app/fmain.hpp"
#include "engine4/four_star_input.hpp"
#include "four_star_checks.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

class TestFourStarTools : public FourStarWindowTest {
    Q_OBJECT

private:
    QString count() const { return find<QLabel>("dadi_zhushu")->text(); }
    BaseNumberBox* spliceBox(int index) const {
        return find<BaseNumberBox>(QStringLiteral("ucf_ssc23x1_%1").arg(index));
    }
    void typeList(int index, const QString& text) const {
        type(find<TextBox>(QStringLiteral("T_jj_%1").arg(index)), text);
    }
    // As a player does: open the page, double-click the box empty, type.
    void typeSplice(int index, const QString& text) const {
        click(QStringLiteral("C_sst_0_%1").arg(index < 6 ? 6 : 7));
        TextBox* box = spliceBox(index)->T_dd;
        QTest::mouseDClick(box->viewport(), Qt::LeftButton);
        keyText(box, text);
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup() { window.reset(); }

    void extremeDigitToggles();
    void spliceOptionsPairUp();
    void pasteIntoSpliceBox_data();
    void pasteIntoSpliceBox();
    void pasteOverflowKeepsList();
    void digitTableOfABox();
    void winCheck();
    void winCheckOnEmptyResult();
    void intersection_data();
    void intersection();
    void intersectionCopy();
    void convertToGroup_data();
    void convertToGroup();
    void shrinkWithLowerRightConditions_data();
    void shrinkWithLowerRightConditions();
};

void TestFourStarTools::init() {
    startWindow();
}

void TestFourStarTools::extremeDigitToggles() {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* smallest3 = find<ColourButton>("C_max_3");
    click("C_max_3");
    QCOMPARE(smallest3->backColor(), Colour::On);
    QCOMPARE(QApplication::focusWidget(), find<QWidget>("Cf"));
    QCOMPARE(panel->readInput().smallest_digits, digits({3}));
    click("C_max_3");
    QCOMPARE(smallest3->backColor(), Colour::Off);

    // Any colour but grey counts as chosen; a click turns it green.
    find<ColourButton>("C_max_17")->setBackColor(Colour::Yellow);
    QCOMPARE(panel->readInput().largest_digits, digits({9}));
    click("C_max_17");
    QCOMPARE(find<ColourButton>("C_max_17")->backColor(), Colour::On);
    QCOMPARE(panel->readInput().largest_digits, digits({9}));
    QCOMPARE(panel->readInput().smallest_digits, four::DigitSet());
}

void TestFourStarTools::spliceOptionsPairUp() {
    click("C_sst_0_6");
    click("Option_sx_1");
    QVERIFY(!find<QRadioButton>("Option_sx_0")->isChecked());
    QVERIFY(find<QRadioButton>("Option_sx_1")->isChecked());
    // The three-star pair is another choice.
    QVERIFY(find<QRadioButton>("Option_sx_2")->isChecked());
    click("C_sst_0_7");
    click("Option_sx_3");
    QVERIFY(find<QRadioButton>("Option_sx_1")->isChecked());
    QVERIFY(!find<QRadioButton>("Option_sx_2")->isChecked());
    const four::FourStarInput in = panel->readInput();
    QVERIFY(in.two_star_splice_delete && in.three_star_splice_delete);
}

void TestFourStarTools::pasteIntoSpliceBox_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("accepted");
    QTest::newRow("two digits") << 0 << "12,345 67;8"
                                << "12 67"
                                << "2";
    QTest::newRow("three digits") << 6 << "12,345 67;8"
                                  << "345"
                                  << "1";
    QTest::newRow("repeats stay, lines and wide digits separate")
        << 5 << "  05\r\n05；5 005 ０８ 99\t"
        << "05 05 99"
        << "3";
    QTest::newRow("empty clipboard") << 3 << ""
                                     << ""
                                     << "0";
    QTest::newRow("nothing of the right width") << 9 << "12 3456 七八九"
                                                << ""
                                                << "0";
}

void TestFourStarTools::pasteIntoSpliceBox() {
    QFETCH(int, box);
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    QFETCH(QString, accepted);
    typeSplice(box, "11 22 333");
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::mouseClick(spliceBox(box)->C_zt, Qt::LeftButton);
    QCOMPARE(spliceBox(box)->text(), shown);
    QCOMPARE(spliceBox(box)->Lzhushu->text(), accepted);
    const four::FourStarInput in = panel->readInput();
    const std::string read = box < 6 ? in.two_star_splice[static_cast<std::size_t>(box)]
                                     : in.three_star_splice[static_cast<std::size_t>(box - 6)];
    QCOMPARE(QString::fromStdString(read), shown);
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestFourStarTools::pasteOverflowKeepsList() {
    QGuiApplication::clipboard()->setText(QStringLiteral("11 22"));
    QTest::mouseClick(spliceBox(2)->C_zt, Qt::LeftButton);
    QCOMPARE(spliceBox(2)->Lzhushu->text(), QStringLiteral("2"));

    QString many;
    many.reserve(100001 * 3);
    for (int i = 0; i < 100001; ++i)
        many += QStringLiteral("%1 ").arg(i % 100, 2, 10, QLatin1Char('0'));
    QGuiApplication::clipboard()->setText(many);
    QTest::mouseClick(spliceBox(2)->C_zt, Qt::LeftButton);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("错误"));
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("大底输入错误"));
    QCOMPARE(spliceBox(2)->text(), QStringLiteral("11 22"));
    QCOMPARE(spliceBox(2)->Lzhushu->text(), QStringLiteral("2"));
}

void TestFourStarTools::digitTableOfABox() {
    typeSplice(5, "05 5 123 88");
    const BaseNumberTable two = spliceBox(5)->a_get_data();
    QVERIFY(two.InUse());
    QCOMPARE(int(two.at(0, 5, 0)), 1);
    QCOMPARE(int(two.at(8, 8, 0)), 1);
    QCOMPARE(int(two.at(1, 2, 3)), 0);

    BaseNumberBox wrong(QStringLiteral("千百十个"));
    wrong.setText(QStringLiteral("1234"));
    QVERIFY(!wrong.a_get_data().InUse());
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().text, QStringLiteral("大底框号码有错误:千百十个"));
}

void TestFourStarTools::winCheck() {
    panel->writeInput([] {
        four::FourStarInput in;
        in.kill_direct = "1234";
        return in;
    }());
    press(0);
    QCOMPARE(count(), QStringLiteral("9999"));
    auto* box = find<LineBox>("T_duijiang_1");
    auto* answer = find<QLabel>("L_duijiang_news");
    box->setFocus();
    const QString waiting = QStringLiteral("【中奖查询】");
    for (const char* key : {"1", "2", "3"}) {
        QTest::keyClicks(box, key);
        QCOMPARE(answer->text(), waiting);
    }
    QTest::keyClicks(box, "5");
    QCOMPARE(answer->text(), QStringLiteral("【中中中中】"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(answer->text(), waiting);
    QTest::keyClicks(box, "4");
    QCOMPARE(answer->text(), QStringLiteral("【挂挂挂挂】"));

    // Blanks around the number do not count; a blank inside is no number.
    QTest::mouseDClick(box, Qt::LeftButton);
    QCOMPARE(answer->text(), waiting);
    QTest::keyClicks(box, " 1235 ");
    QCOMPARE(answer->text(), QStringLiteral("【中中中中】"));
    QTest::mouseDClick(box, Qt::LeftButton);
    QTest::keyClicks(box, "5 12");
    QCOMPARE(answer->text(), QStringLiteral("【挂挂挂挂】"));

    // A new shrink empties the box and puts the question back.
    press(0);
    QCOMPARE(box->text(), QString());
    QCOMPARE(answer->text(), waiting);
}

void TestFourStarTools::winCheckOnEmptyResult() {
    for (auto [name, text] : {std::pair{"Com_rc_4", "1"}, {"Com_rc_5", "0"}})
        find<QComboBox>(name)->setEditText(text);
    press(0);
    QCOMPARE(count(), QStringLiteral("0"));
    auto* box = find<LineBox>("T_duijiang_1");
    for (const char* typed : {"0000", "9999", "1234"}) {
        box->setText(typed);
        QCOMPARE(find<QLabel>("L_duijiang_news")->text(), QStringLiteral("【挂挂挂挂】"));
    }
}

void TestFourStarTools::intersection_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("aShown"); // box A after the command
    const QString a = QStringLiteral("1234 5678 1234");
    const QString b = QStringLiteral("5678 9999");
    QTest::newRow("intersection") << a << b << 6 << "5678"
                                  << "1" << a;
    QTest::newRow("union") << a << b << 7 << "1234 5678 9999"
                           << "3" << a;
    QTest::newRow("A without B") << a << b << 8 << "1234"
                                 << "1" << a;
    QTest::newRow("B without A") << a << b << 9 << "9999"
                                 << "1" << a;
    QTest::newRow("other separators, five digits ignored") << "1234,5678;\n0001 12345"
                                                           << "" << 7 << "0001 1234 5678"
                                                           << "3"
                                                           << "1234 5678 0001 12345";
    QTest::newRow("empty A, intersection") << "" << b << 6 << ""
                                           << "0"
                                           << "";
    QTest::newRow("empty A, union") << "" << b << 7 << "5678 9999"
                                    << "2"
                                    << "";
    QTest::newRow("both empty") << ""
                                << "" << 7 << ""
                                << "0"
                                << "";
    QTest::newRow("text only") << "大底A，没有号码"
                               << "九九九九" << 7 << ""
                               << "0"
                               << "";
}

void TestFourStarTools::intersection() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, command);
    QFETCH(QString, result);
    QFETCH(QString, count);
    QFETCH(QString, aShown);
    click("C_sst_0_5");
    typeList(0, a);
    typeList(1, b);
    typeList(2, QStringLiteral("old result"));
    find<QLabel>("Ljiaoji_zhushu")->setText(QStringLiteral("7"));
    press(command);
    QCOMPARE(find<TextBox>("T_jj_0")->text(), aShown);
    QCOMPARE(find<TextBox>("T_jj_2")->text(), result);
    QCOMPARE(find<QLabel>("Ljiaoji_zhushu")->text(), count);
    QVERIFY(find<QPushButton>(QStringLiteral("C_guolv_ks_%1").arg(command))->isEnabled());
    // The shrink result is not touched.
    QCOMPARE(this->count(), QStringLiteral("0"));
}

void TestFourStarTools::intersectionCopy() {
    click("C_sst_0_5");
    typeList(0, QStringLiteral("1234 5678 1234"));
    typeList(1, QStringLiteral("5678 9999"));
    press(7);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    const int notices = Fts::shownCount();
    press(5);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234 5678 9999"));
    QCOMPARE(Fts::shownCount(), notices + 1);
}

void TestFourStarTools::convertToGroup_data() {
    QTest::addColumn<QString>("baseSet");
    QTest::addColumn<QString>("totalLower");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("firstLine");
    QTest::newRow("no condition") << ""
                                  << "0"
                                  << "715"
                                  << "0000 0001 0002 0003 ";
    QTest::newRow("1234 and 4321") << "1234 4321"
                                   << "0"
                                   << "1"
                                   << "1234 ";
    QTest::newRow("only 0000") << "0000"
                               << "0"
                               << "1"
                               << "0000 ";
    QTest::newRow("2130 0312 1023 and 9990") << "2130 0312 1023 9990"
                                             << "0"
                                             << "2"
                                             << "0123 0999 ";
    QTest::newRow("no survivor") << ""
                                 << "1"
                                 << "0"
                                 << "";
}

void TestFourStarTools::convertToGroup() {
    QFETCH(QString, baseSet);
    QFETCH(QString, totalLower);
    QFETCH(QString, count);
    QFETCH(QString, firstLine);
    four::FourStarInput in;
    in.base_set = baseSet.toStdString();
    in.total_tolerance = {totalLower.toStdString(), "0"};
    panel->writeInput(in);
    press(2);
    QCOMPARE(this->count(), count);
    auto* list = find<QListWidget>("Li_out");
    QCOMPARE(list->count(), (count.toInt() + 3) / 4);
    if (list->count() > 0)
        QCOMPARE(list->item(0)->text(), firstLine);
    QVERIFY(find<QWidget>("Frame_jindu")->isHidden());
    QVERIFY(find<QPushButton>("C_guolv_ks_2")->isEnabled());
    // The survivor text holds the groups now, each once, digits ascending.
    const QString text = QString::fromStdString(window->fourStarState().SurvivorText);
    const QStringList groups = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QCOMPARE(groups.size(), count.toInt());
    QVERIFY(text.startsWith(firstLine.trimmed()));
    for (const QString& group : groups) {
        QString sorted = group;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(group, sorted);
    }
    // The copy takes the groups.
    press(1);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestFourStarTools::shrinkWithLowerRightConditions_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("count");
    QTest::newRow("**十个 88, keep") << 0 << "100";
    QTest::newRow("**十个 88, delete") << 1 << "9900";
    QTest::newRow("千百** 56 and **十个 88, tolerance 0 to 0") << 2 << "1";
    QTest::newRow("千百** 56 and **十个 88, tolerance 0 to 1") << 3 << "199";
    QTest::newRow("*百十个 888, keep") << 4 << "10";
    QTest::newRow("*百十个 888 pasted, delete") << 5 << "9990";
    QTest::newRow("4连 excluded") << 6 << "9760";
    QTest::newRow("AAAA excluded") << 7 << "9990";
    QTest::newRow("smallest 2, largest 6") << 8 << "194";
    QTest::newRow("largest 9 only") << 9 << "3439";
    QTest::newRow("splice cleared again") << 10 << "10000";
}

void TestFourStarTools::shrinkWithLowerRightConditions() {
    QFETCH(int, which);
    QFETCH(QString, count);
    switch (which) {
    case 0:
        typeSplice(5, "88");
        break;
    case 1:
        typeSplice(5, "88");
        click("Option_sx_1");
        break;
    case 2:
    case 3:
        typeSplice(0, "56");
        typeSplice(5, "88");
        if (which == 3)
            typeRange(5, "0", "1");
        break;
    case 4:
        typeSplice(9, "888");
        break;
    case 5:
        click("C_sst_0_7");
        QGuiApplication::clipboard()->setText(QStringLiteral("888"));
        QTest::mouseClick(spliceBox(9)->C_zt, Qt::LeftButton);
        click("Option_sx_3");
        break;
    case 6:
        click("C_bi_153");
        break;
    case 7:
        click("C_bi_154");
        break;
    case 8:
        click("C_max_2");
        click("C_max_14");
        break;
    case 9:
        click("C_max_17");
        break;
    case 10:
        typeSplice(0, "56");
        typeSplice(7, "123");
        click("C_cls_34");
        click("C_cls_35");
        break;
    default:
        break;
    }
    press(0);
    QCOMPARE(this->count(), count);
}

QTEST_MAIN(TestFourStarTools)
#include "test_four_star_tools.moc"
