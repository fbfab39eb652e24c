// The two-star commands pressed in the window: shrink, copy, convert to
// group, invert and clear; each clear and select-all button on its own
// group and nothing else, including the three-star boxes codes 23 to 26
// empty.
#include "two_star_checks.hpp"

#include "reset/condition_reset.hpp"
#include "shell/control_registry.hpp"
#include "shell/mycode.hpp"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <functional>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

// The panel's toggle elements: [first, last] of one array.
struct Run {
    const char* array;
    int first;
    int last;
};
constexpr Run kToggles[] = {{"C_3x_chu", 132, 170}, {"C_3x_sha", 169, 263}};

// The three-star boxes that codes 23 to 26 empty, by code.
constexpr std::pair<int, int> kThreeStarBoxes[] = {{23, 0}, {24, 21}, {25, 3}, {26, 4}};

} // namespace

class TestTwoStarCommands : public TwoStarWindowTest {
    Q_OBJECT

private:
    // The three-star boxes, or stand-ins where that panel does not build
    // them: the clear codes reach them through the registry alone.
    QString threeStarText(int index) const {
        return qobject_cast<QPlainTextEdit*>(window->controls().widget("T_3x_ip", index))
            ->toPlainText();
    }
    void fillThreeStarBoxes() const {
        for (auto [code, index] : kThreeStarBoxes) {
            QWidget* box = window->controls().widget(QStringLiteral("T_3x_ip"), index);
            if (!box) {
                box = new TextBox(QString(), window.get());
                window->controls().add(QStringLiteral("T_3x_ip"), index, box);
            }
            qobject_cast<QPlainTextEdit*>(box)->setPlainText(QStringLiteral("123 456"));
        }
    }
    // Every toggle of the panel chosen, in the colour a click gives it.
    void chooseEveryToggle() const {
        for (const Run& run : kToggles)
            for (int i = run.first; i <= run.last; ++i)
                colourButton(run.array, i)
                    ->setBackColor(run.first == 132 ? Colour::On : Colour::Yellow);
    }
    // Elements that are grey now, as "array_index" names.
    QStringList greyElements() const {
        QStringList grey;
        for (const Run& run : kToggles)
            for (int i = run.first; i <= run.last; ++i)
                if (colourButton(run.array, i)->backColor() == Colour::Off)
                    grey << QStringLiteral("%1_%2").arg(run.array).arg(i);
        return grey;
    }
    static QStringList names(const char* array, int first, int last) {
        QStringList out;
        for (int i = first; i <= last; ++i)
            out << QStringLiteral("%1_%2").arg(array).arg(i);
        return out;
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { startWindow(); }
    void cleanup() { window.reset(); }

    void commands_data();
    void commands();
    void copyPutsTheResultOnTheClipboard();
    void clearCodes_data();
    void clearCodes();
    void selectAll_data();
    void selectAll();
    void clearConditions();
};

void TestTwoStarCommands::commands_data() {
    QTest::addColumn<std::function<void(TwoStarInput&)>>("set");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("expected");
    using Set = std::function<void(TwoStarInput&)>;
    auto row = [](const char* name, Set set, int command, const QString& expected) {
        QTest::newRow(name) << set << command << expected;
    };
    row(
        "no condition keeps all 100", [](TwoStarInput&) {}, 14, allTwoStarBut());
    // 55 fails the span kill, 05 fails nothing; the tolerance admits every
    // count, yet neither comes back.
    row(
        "kill list beats the total tolerance",
        [](TwoStarInput& in) {
            in.kill_spans = values({0});
            in.total_tolerance = {"0", "5"};
            in.kill_list = "05 55 x9";
        },
        14, allTwoStarBut({5, 55}));
    row(
        "kill list beats the base set",
        [](TwoStarInput& in) {
            in.base_set = "05 55 12";
            in.kill_list = "55";
        },
        14, QStringLiteral("05 12"));
    row(
        "tolerance 1 to 1 keeps what fails the one group",
        [](TwoStarInput& in) {
            in.position_kill[0] = values({5});
            in.total_tolerance = {"1", "1"};
        },
        14, QStringLiteral("50 51 52 53 54 55 56 57 58 59"));
    row(
        "group of both orderings once", [](TwoStarInput& in) { in.base_set = "50 05 44 21"; }, 16,
        QStringLiteral("05 12 44"));
    row(
        "invert lists what the run took out", [](TwoStarInput& in) { in.base_set = "00 01"; }, 18,
        allTwoStarBut({0, 1}));
    row(
        "invert with nothing taken out is empty", [](TwoStarInput&) {}, 18, QString());
    row(
        "nothing survives",
        [](TwoStarInput& in) {
            in.total_tolerance = {"2", "1"};
        },
        14, QString());
}

void TestTwoStarCommands::commands() {
    QFETCH(std::function<void(TwoStarInput&)>, set);
    QFETCH(int, command);
    QFETCH(QString, expected);
    const QString clipboard = QStringLiteral("untouched");
    QApplication::clipboard()->setText(clipboard);
    TwoStarInput in = twoStarStartInput();
    set(in);
    panel->writeInput(in);
    press(command);
    QCOMPARE(result(), expected);
    QCOMPARE(count(), QString::number(expected.split(u' ', Qt::SkipEmptyParts).size()));
    // Invert and group conversion ask nothing and copy nothing.
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
    QVERIFY(find<QPushButton>(QStringLiteral("C_2x3x_gn_%1").arg(command))->isEnabled());
}

void TestTwoStarCommands::copyPutsTheResultOnTheClipboard() {
    TwoStarInput in = twoStarStartInput();
    in.base_set = "07 70 99";
    panel->writeInput(in);
    press(14);
    const int notices = Fts::shownCount();
    press(15);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("07 70 99"));
    QCOMPARE(Fts::shownCount(), notices + 1);
}

void TestTwoStarCommands::clearCodes_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<int>("threeStarBox"); // -1: none
    // 23 to 26 have no box of this panel: the three-star boxes keep their
    // typing.
    for (auto [code, index] : kThreeStarBoxes)
        QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code)))
            << code << QStringList() << -1;
    const struct {
        int code;
        const char* array;
        int first;
        int last;
    } rows[] = {
        {27, "C_3x_sha", 179, 197}, {28, "C_3x_sha", 198, 207}, {29, "C_3x_sha", 208, 217},
        {30, "C_3x_sha", 218, 237}, {31, "C_3x_sha", 169, 178}, {32, "C_3x_sha", 238, 249},
        {33, "C_3x_sha", 250, 258}, {34, "C_3x_chu", 158, 170}, {35, "C_3x_chu", 145, 157},
        {36, "C_3x_chu", 132, 144},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(QStringLiteral("code %1").arg(row.code)))
            << row.code << names(row.array, row.first, row.last) << -1;
}

void TestTwoStarCommands::clearCodes() {
    QFETCH(int, code);
    QFETCH(QStringList, cleared);
    QFETCH(int, threeStarBox);
    fillThreeStarBoxes();
    chooseEveryToggle();
    // 23 to 26 sit beside their boxes on the three-star panel; where that
    // panel is not built, the code is run as the window would run it.
    const QString name = QStringLiteral("C_3x_cls_%1").arg(code);
    if (window->findChild<QAbstractButton*>(name))
        click(name);
    else
        ClearTwoStarGroup(window->controls(), code);
    QCOMPARE(greyElements(), cleared);
    for (auto [boxCode, index] : kThreeStarBoxes)
        QCOMPARE(threeStarText(index),
                 index == threeStarBox ? QString() : QStringLiteral("123 456"));
}

void TestTwoStarCommands::selectAll_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<int>("colour");
    QTest::newRow("banker row 1") << 9 << names("C_3x_chu", 132, 144) << Colour::On;
    QTest::newRow("banker row 2") << 10 << names("C_3x_chu", 145, 157) << Colour::On;
    QTest::newRow("banker row 3") << 11 << names("C_3x_chu", 158, 170) << Colour::On;
    QTest::newRow("compound exclusion") << 12 << names("C_3x_sha", 218, 237) << Colour::Yellow;
}

void TestTwoStarCommands::selectAll() {
    QFETCH(int, code);
    QFETCH(QStringList, chosen);
    QFETCH(int, colour);
    click(QStringLiteral("C_3x_all_%1").arg(code));
    QStringList coloured;
    for (const Run& run : kToggles)
        for (int i = run.first; i <= run.last; ++i)
            if (const int c = colourButton(run.array, i)->backColor(); c != Colour::Off) {
                QCOMPARE(c, colour);
                coloured << QStringLiteral("%1_%2").arg(run.array).arg(i);
            }
    QCOMPARE(coloured, chosen);
}

void TestTwoStarCommands::clearConditions() {
    fillThreeStarBoxes();
    panel->writeInput(twoStarRichInput());
    press(14);
    QVERIFY(!result().isEmpty());
    press(17);
    // 胆码计重 keeps its tick: with the banker rows empty it filters nothing.
    TwoStarInput expected = twoStarStartInput();
    expected.banker_count_repeats = true;
    COMPARE_INPUT(panel->readInput(), expected);
    QCOMPARE(result(), QString());
    QCOMPARE(count(), QStringLiteral("0"));
    for (auto [code, index] : kThreeStarBoxes)
        QCOMPARE(threeStarText(index), QStringLiteral("123 456"));
    QVERIFY(MessageBox::shown().isEmpty());
}

QTEST_MAIN(TestTwoStarCommands)
#include "test_two_star_commands.moc"
