// Schemes in the window: saved and loaded panels of every mode, refused
// files that leave everything as it was, loaded schemes that shrink exactly
// as sorvanta-cli does, drops, number exports and the scheme backtest.
#include "input_checks.hpp"
#include "window_test.hpp"

#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "app/scheme_actions.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "panels/verification/verification_strip.hpp"
#include "scheme/scheme.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/file_dialogs.hpp"
#include "shell/message_box.hpp"
#include "shell/text_boxes.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>

#include <functional>
#include <random>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

QByteArray Envelope(const char* mode, const char* conditions, int version = 1) {
    return QStringLiteral(
               R"({"format":"sorvanta-scheme","version":%1,"mode":"%2","conditions":%3})")
        .arg(version)
        .arg(QString::fromLatin1(mode), QString::fromUtf8(conditions))
        .toUtf8();
}

// One scheme a mode, each with several groups on and a result that is
// neither empty nor everything.
const char* const kFourStar = R"({"kill_sums":"00 01 02 03 33 34 35 36","kill_spans":"019",
    "banker_rows":[{"digits":"1357","counts":"123"}],"ratio_big_small":["0:4","4:0"],
    "special_shapes":["上山"],"total_tolerance":["0","1"]})";
const char* const kThreeStar = R"({"kill_group":"112 233","kill_spans":"09","bankers":"58",
    "kill_sums":[0,1,2,25,26,27],"pair_sums":{"exclude_sum":["","3 13",""]},
    "special_exclusions":["豹子"],"total_tolerance":["0","1"]})";
const char* const kTwoStar = R"({"kill_spans":"0","kill_sums":[0,18],"position_kill":["13","8"],
    "shapes":{"odd_even":["单双"]},"total_tolerance":["0","1"],
    "base_set":"00 05 13 21 34 55 67 76 89 98 12 31 47 80 45 64 15 35 04"})";

struct Cli {
    int status = -1;
    QString out;
    QString err;
};

Cli RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(SORVANTA_CLI), args);
    Cli result;
    if (!cli.waitForStarted() || !cli.waitForFinished(30000))
        return result;
    result.status = cli.exitCode();
    result.out = QString::fromUtf8(cli.readAllStandardOutput());
    result.err = QString::fromUtf8(cli.readAllStandardError()).trimmed();
    return result;
}

// Draws made up for the backtest, out of order as files often are.
const char* const kDraws = "20260301-003 1 2 3 4 5\n"
                           "20260301-001 90817\n"
                           "20260301-002 55555\n"
                           "20260301-004 13579\n"
                           "20260301-005 02468\n"
                           "20260301-006 97531\n"
                           "20260301-007 11234\n"
                           "20260301-008 40404\n"
                           "20260301-009 98765\n"
                           "20260301-010 24680\n"
                           "20260301-011 31415\n"
                           "20260301-012 27182\n"
                           "20260301-013 16180\n"
                           "20260301-014 00000\n";

// What the dialog shows, written the way `sorvanta-cli backtest` prints it.
QString DialogAsText(const BacktestDialog& dialog) {
    QString text = QStringLiteral("bets %1\ndraws %2 hits %3\nlongest hits %4 longest misses %5\n")
                       .arg(dialog.bets->text(), dialog.draws->text(), dialog.hits->text(),
                            dialog.longestHits->text(), dialog.longestMisses->text());
    QTableWidget* table = dialog.groups;
    table->sortItems(0, Qt::AscendingOrder);
    for (int row = 0; row < table->rowCount(); ++row)
        text += table->item(row, 1)->text() + u'\t' + table->item(row, 2)->text() + u'\n';
    return text;
}

template <class Input> QStringList InputDifferences(const Input& a, const scheme::Scheme& b) {
    if (const auto* other = std::get_if<Input>(&b.input))
        return differences(a, *other);
    return {QStringLiteral("(another mode)")};
}

QStringList SchemeDifferences(const scheme::Scheme& a, const scheme::Scheme& b) {
    return std::visit([&](const auto& input) { return InputDifferences(input, b); }, a.input);
}

// A panel away from its start at random, the way a player could leave it:
// condition buttons and check boxes clicked, option buttons chosen, boxes
// and lists given texts, position-match rules added.
void Randomize(QWidget* panel, std::mt19937& random) {
    auto chance = [&](double p) {
        return std::bernoulli_distribution(p)(random);
    };
    auto pick = [&](const QStringList& from) {
        return from[std::uniform_int_distribution<int>(0, int(from.size()) - 1)(random)];
    };
    const QStringList pieces = {
        QStringLiteral("12"), QStringLiteral("345"), QStringLiteral("0"), QStringLiteral("6789"),
        QStringLiteral(" "),  QStringLiteral("\n"),  QStringLiteral("*"), QStringLiteral(","),
        QStringLiteral("大"), QStringLiteral("="),   QStringLiteral("-"), QStringLiteral("09")};
    auto text = [&] {
        QString t;
        for (int n = std::uniform_int_distribution<int>(0, 8)(random); n > 0; --n)
            t += pick(pieces);
        return t;
    };
    for (QButtonGroup* array : panel->findChildren<QButtonGroup*>())
        for (QAbstractButton* button : array->buttons())
            if (chance(0.2))
                button->click();
    for (QCheckBox* check : panel->findChildren<QCheckBox*>())
        if (chance(0.5))
            check->click();
    for (QRadioButton* option : panel->findChildren<QRadioButton*>())
        if (chance(0.4))
            option->click();
    for (QComboBox* list : panel->findChildren<QComboBox*>()) {
        if (list->isEditable())
            list->setEditText(pick({"0", "1", "2", "3", "5", "2a", "-1", ""}));
        else if (list->count() > 0)
            list->setCurrentIndex(std::uniform_int_distribution<int>(0, list->count() - 1)(random));
    }
    for (QPlainTextEdit* box : panel->findChildren<QPlainTextEdit*>())
        if (!box->isReadOnly() && chance(0.6))
            box->setPlainText(text());
    for (QLineEdit* box : panel->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(box->parentWidget()) && !box->isReadOnly() && chance(0.6))
            box->setText(text());
    for (QListWidget* rules : panel->findChildren<QListWidget*>(QStringLiteral("L_3xwz_pp")))
        for (int n = std::uniform_int_distribution<int>(0, 2)(random); n > 0; --n)
            rules->addItem(pick({"百大于个", "十等于十", "个小于百"}));
    // Some clicks are answered with a box ("出胆个数不能大于选胆个数").
    MessageBox::clearShown();
}

} // namespace

class TestSchemes : public WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString& name) const { return dir->filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return path(name);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(not there)");
    }

    template <class Panel> Panel* panelOf(int mode) const {
        return window->controls().at<Panel>(QStringLiteral("Pic_di"), mode);
    }
    // Every panel's conditions, whichever mode is in front.
    std::array<scheme::Scheme, 3> allPanels() const {
        return {scheme::Scheme(panelOf<TwoStarPanel>(0)->readInput()),
                scheme::Scheme(panelOf<ThreeStarPanel>(1)->readInput()),
                scheme::Scheme(window->fourStar()->readInput())};
    }
    QWidget* panel(int mode) const {
        return window->controls().widget(QStringLiteral("Pic_di"), mode);
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    void save(const QString& file) const {
        FileDialogs::setNextPath(file);
        click(QStringLiteral("saveScheme"));
    }
    void load(const QString& file) const {
        FileDialogs::setNextPath(file);
        click(QStringLiteral("loadScheme"));
    }
    // "开始缩水" of the mode and what its "复制号码" would copy.
    QString shrink(int mode) const {
        static const char* const start[3] = {"C_2x3x_gn_14", "C_2x3x_gn_0", "C_guolv_ks_0"};
        click(QString::fromLatin1(start[mode]));
        if (mode == 2)
            return QString::fromStdString(window->fourStarState().SurvivorText);
        if (mode == 1)
            return panelOf<ThreeStarPanel>(1)->resultText();
        return panelOf<TwoStarPanel>(0)->resultText();
    }
    MessageBox::Shown lastBox() const {
        return MessageBox::shown().isEmpty() ? MessageBox::Shown{MessageBox::Information, {}, {}}
                                             : MessageBox::shown().last();
    }
    BacktestDialog* openBacktest() const {
        click(QStringLiteral("schemeBacktest"));
        return window->schemeActions()->backtestDialog();
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        FileDialogs::setTestMode(true);
    }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        FileDialogs::clearAsked();
        MessageBox::clearShown();
        HistorySourceOptions options;
        options.storePath = path(QStringLiteral("draws.sqlite")).toStdString();
        options.baseAddress = QString();
        options.keepAddress = false;
        window = std::make_unique<Fmain>(options);
        QSignalSpy started(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(started.count() == 1 || started.wait(5000));
        waitForRanges(window->fourStar());
        waitForRanges(panelOf<ThreeStarPanel>(1));
        waitForRanges(panelOf<TwoStarPanel>(0));
        for (BaseNumberBox* box : window->fourStar()->findChildren<BaseNumberBox*>())
            QTRY_VERIFY(!box->Lwz->text().isEmpty());
    }

    void cleanup() { window.reset(); }

    // Whatever state a panel is in, saving and loading gives it back, also
    // from another mode; the file is the scheme the command-line tool runs.
    void saveThenLoadGivesThePanelBack_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<unsigned>("seed");
        for (int mode : {0, 1, 2})
            for (unsigned seed : {1u, 2u, 3u, 4u})
                QTest::addRow("mode %d seed %u", mode, seed) << mode << seed;
    }
    void saveThenLoadGivesThePanelBack() {
        QFETCH(int, mode);
        QFETCH(unsigned, seed);
        window->switchMode(mode);
        std::mt19937 random(seed);
        Randomize(panel(mode), random);
        QTest::qWait(30); // boxes that settle after a change
        const scheme::Scheme before = window->schemeActions()->currentScheme();

        const QString file = dir->filePath(QStringLiteral("sub/saved.json"));
        QDir().mkpath(QFileInfo(file).path());
        save(file);
        QCOMPARE(FileDialogs::asked().last().kind, FileDialogs::Save);
        QCOMPARE(read(file), QByteArray::fromStdString(scheme::WriteScheme(before)));

        static const char* const clearAll[3] = {"C_2x3x_gn_17", "C_2x3x_gn_4", "C_guolv_ks_3"};
        find<QAbstractButton>(QString::fromLatin1(clearAll[mode]))->click();
        QVERIFY2(!SchemeDifferences(before, window->schemeActions()->currentScheme()).isEmpty(),
                 "the random state was the cleared one");
        window->switchMode((mode + 1) % 3);
        load(file);
        // The load dialog opens where the scheme was saved.
        QCOMPARE(FileDialogs::asked().last().folder, QFileInfo(file).absolutePath());
        QCOMPARE(window->currentMode(), mode);
        QTest::qWait(30);
        const QStringList diff =
            SchemeDifferences(before, window->schemeActions()->currentScheme());
        QVERIFY2(diff.isEmpty(), qPrintable(diff.join(QStringLiteral(", "))));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    // A file that cannot be used is refused in one box saying in Chinese what
    // is wrong and where, a condition by its caption; the command-line tool
    // refuses it too. No panel and not the mode change. A row for every kind
    // of refusal the reader has.
    void refusedSchemesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("words");
        const auto row = [](const char* name, const QByteArray& bytes, const char* words) {
            QTest::newRow(name) << bytes << QString::fromUtf8(words);
        };
        const QByteArray deep =
            QByteArray(R"({"kill_sums":)") + QByteArray(70, '[') + QByteArray(70, ']') + "}";
        const QByteArray longText =
            QByteArray(R"({"kill_direct":")") + QByteArray(1000001, '1') + "\"}";
        row("invalid JSON", R"({"format":"sorvanta-scheme","version":1,)",
            "方案文件不是有效的JSON（第1行第41列）");
        row("NUL byte", QByteArray("{\"a\":\0}", 7), "方案文件不是有效的JSON（第6个字节是空字符）");
        row("too deep", Envelope("four", deep), "方案文件的嵌套超过64层");
        row("field twice", R"({"format":"sorvanta-scheme","format":"x"})",
            "方案文件中「format」出现了两次");
        row("integer too large",
            Envelope("four", R"({"total_tolerance":[1,99999999999999999999]})"),
            "方案文件中「conditions.total_tolerance[1]"
            "」的整数太大（写成文本才会像输入框那样读取）");
        row("number out of range", Envelope("four", R"({"total_tolerance":[1,1e999]})"),
            "方案文件中「conditions.total_tolerance[1]」的数字超出范围");
        row("unknown condition", Envelope("four", R"({"kill_foo":1})"),
            "未知的条件「kill_foo」（四星方案）");
        row("line break in a name", Envelope("four", "{\"a\\nb\":1}"),
            "未知的条件「a\\nb」（四星方案）");
        row("unknown in a group", Envelope("three", R"({"pair_sums":{"foo":[]}})"),
            "「两码和差」中没有「foo」这一项");
        row("unknown in a banker row", Envelope("two", R"({"banker_rows":[{"x":"1"}]})"),
            "「胆组」第1项中没有「x」这一项");
        row("unknown at the top",
            R"({"format":"sorvanta-scheme","version":1,"mode":"two","extra":1})",
            "方案文件中有未知的项「extra」");
        row("missing mode", R"({"format":"sorvanta-scheme","version":1})",
            "方案文件缺少玩法（mode）");
        row("newer version", Envelope("four", "{}", 2), "不支持的方案版本（version应为1）");
        row("unknown mode", Envelope("five", "{}"), "未知的玩法（mode应为two、three或four）");
        row("unknown choice", Envelope("four", R"({"two_star_splice_mode":"both"})"),
            "「二星拼接的保留/删除」应为keep或delete");
        row("digits as a number", Envelope("four", R"({"kill_spans":5})"),
            "「杀跨度」应为数字串，实际为数字");
        row("not an object", "[]", "方案文件应为对象，实际为数组");
        row("sums as a text", Envelope("three", R"({"kill_sums":"12"})"),
            "「杀指定和值」应为整数的数组，实际为文本");
        row("nested path", Envelope("three", R"({"pair_sums":{"keep_sum":["1",2,""]}})"),
            "「两码和差·和保留」第2项应为文本，实际为数字");
        row("fractional bound", Envelope("four", R"({"total_tolerance":["1",2.5]})"),
            "「总容错」的上限应为文本或整数，实际为小数");
        row("rows short", Envelope("three", R"({"position_kill":["1","2"]})"),
            "「定位杀」应有3项，实际为2项");
        row("too many rows", Envelope("two", R"({"banker_rows":[{},{},{},{}]})"),
            "「胆组」最多3行，实际为4行");
        row("text too long", Envelope("four", longText),
            "「杀直选号码」超过1000000个字符（共1000001个）");
        row("not a digit", Envelope("four", R"({"kill_spans":"1a"})"), "「杀跨度」中的“a”不是数字");
        row("digit off the row", Envelope("four", R"({"kill_ac":"7"})"),
            "「杀AC值」中的7不在1到6之间");
        row("no such button", Envelope("four", R"({"special_shapes":["M形"]})"),
            "「杀特殊形态」第1项中没有“M形”这个按钮");
        row("sum off the row", Envelope("two", R"({"kill_sums":[19]})"),
            "「杀和值」第1项中的19不在0到18之间");
    }
    void refusedSchemesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, words);
        std::mt19937 random(7);
        Randomize(panel(2), random);
        QTest::qWait(30);
        const auto before = allPanels();
        const QString file = write(QStringLiteral("bad.json"), bytes);

        load(file);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().title, QStringLiteral("错误提示"));
        QCOMPARE(lastBox().text, words);
        QCOMPARE(window->currentMode(), 2);
        const auto after = allPanels();
        for (int mode = 0; mode < 3; ++mode)
            QVERIFY(SchemeDifferences(before[mode], after[mode]).isEmpty());
        const Cli cli = RunCli({QStringLiteral("shrink"), file});
        QCOMPARE(cli.status, 2);
        QVERIFY2(cli.err.startsWith(QStringLiteral("sorvanta-cli: %1: ").arg(file)),
                 qPrintable(cli.err));
    }

    // Files that cannot be read or written: one 错误提示 box saying why, no
    // panel changed, no half file left.
    void fileProblemsAreReported() {
        const auto before = allPanels();
        const QString fifo = path(QStringLiteral("pipe.json"));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
        const struct {
            void (TestSchemes::*run)(const QString&) const;
            QString file;
            QString text;
        } cases[] = {
            {&TestSchemes::load,
             write(QStringLiteral("large.json"), QByteArray(16 * 1024 * 1024 + 1, ' ')),
             QStringLiteral("大于16 MiB")},
            {&TestSchemes::load, path(QStringLiteral("missing.json")),
             QStringLiteral("找不到文件")},
            {&TestSchemes::load, dir->path(), QStringLiteral("是一个文件夹")},
            {&TestSchemes::save, path(QStringLiteral("no/folder/a.json")),
             QStringLiteral("无法保存文件")},
            {&TestSchemes::save, dir->path(), QStringLiteral("无法保存文件")},
            {&TestSchemes::load, fifo, QStringLiteral("不是普通文件")},
            {&TestSchemes::save, fifo, QStringLiteral("不是普通文件")},
        };
        for (const auto& c : cases) {
            MessageBox::clearShown();
            (this->*c.run)(c.file);
            QCOMPARE(MessageBox::shown().size(), 1);
            QCOMPARE(lastBox().title, QStringLiteral("错误提示"));
            QVERIFY2(lastBox().text.contains(c.text), qPrintable(lastBox().text));
        }
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("no"))));
        QVERIFY(!QFileInfo(fifo).isFile());
        const auto after = allPanels();
        for (int mode = 0; mode < 3; ++mode)
            QVERIFY(SchemeDifferences(before[mode], after[mode]).isEmpty());
    }

    // Loaded from a file, from another mode, and shrunk: the list the
    // command-line tool prints for the same file.
    void loadedSchemeShrinksAsTheCli_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two") << 0 << Envelope("two", kTwoStar);
        QTest::newRow("three") << 1 << Envelope("three", kThreeStar);
        QTest::newRow("four") << 2 << Envelope("four", kFourStar);
    }
    void loadedSchemeShrinksAsTheCli() {
        QFETCH(int, mode);
        QFETCH(QByteArray, bytes);
        const QString file = write(QStringLiteral("scheme.json"), bytes);
        window->switchMode((mode + 2) % 3);
        load(file);
        QCOMPARE(window->currentMode(), mode);
        const QString shown = shrink(mode);
        const Cli cli = RunCli({QStringLiteral("shrink"), file});
        QCOMPARE(cli.status, 0);
        QCOMPARE(shown, cli.out.trimmed());
        const qsizetype count = shown.split(u' ', Qt::SkipEmptyParts).size();
        QVERIFY(count > 0 && count < Candidates(*ModeFromIndex(mode)));
    }

    // A scheme file dropped anywhere on the window loads, a text box
    // included; on the draw list it stays a draw file.
    void droppedSchemeLoads_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("loads");
        QTest::newRow("window") << QStringLiteral("Fmain") << true;
        QTest::newRow("text box") << QStringLiteral("T_ding_0") << true;
        QTest::newRow("draw list") << QStringLiteral("List1") << false;
    }
    void droppedSchemeLoads() {
        QFETCH(QString, target);
        QFETCH(bool, loads);
        const QString file = write(QStringLiteral("dropped.JSON"), Envelope("three", kThreeStar));
        QWidget* widget = target == QLatin1String("Fmain") ? window.get() : find<QWidget>(target);
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
            widget = area->viewport();
        const QString boxBefore = find<TextBox>(QStringLiteral("T_ding_0"))->text();

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        mime.setText(file);
        const QPoint at = widget->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &drop);
        QVERIFY(drop.isAccepted());
        QTest::qWait(50);

        const scheme::Scheme expected =
            scheme::ParseScheme(Envelope("three", kThreeStar).toStdString());
        QCOMPARE(window->currentMode(), loads ? 1 : 2);
        QCOMPARE(SchemeDifferences(expected, allPanels()[1]).isEmpty(), loads);
        QCOMPARE(find<TextBox>(QStringLiteral("T_ding_0"))->text(), boxBefore);
    }

    // Every "导出号码" writes exactly what the "复制号码" beside it copies,
    // and an empty list is not written at all.
    void exportWritesTheCopiedText() {
        const QString draws = write(QStringLiteral("draws.txt"), kDraws);
        const struct {
            const char* name;
            int mode;
            std::function<void()> fill;
            const char* copy;
            const char* exportButton;
        } rows[] = {
            {"four-star result", 2,
             [&] {
                 load(write(QStringLiteral("4.json"), Envelope("four", kFourStar)));
                 shrink(2);
             },
             "C_guolv_ks_1", "exportNumbers_1"},
            {"four-star tools", 2,
             [&] {
                 find<TextBox>(QStringLiteral("T_jj_0"))->setText(QStringLiteral("1234 5678 0001"));
                 find<TextBox>(QStringLiteral("T_jj_1"))->setText(QStringLiteral("5678 9999"));
                 find<QAbstractButton>(QStringLiteral("C_guolv_ks_7"))->click();
             },
             "C_guolv_ks_5", "exportNumbers_5"},
            {"three-star result", 1,
             [&] {
                 load(write(QStringLiteral("3.json"), Envelope("three", kThreeStar)));
                 shrink(1);
             },
             "C_2x3x_gn_1", "exportNumbers23_1"},
            {"three-star tools", 1,
             [&] {
                 panelOf<ThreeStarPanel>(1)->setBoxText(10, QStringLiteral("123 456"));
                 panelOf<ThreeStarPanel>(1)->setBoxText(11, QStringLiteral("456 789"));
                 find<QAbstractButton>(QStringLiteral("C_2x3x_gn_8"))->click();
             },
             "C_2x3x_gn_11", "exportNumbers23_11"},
            {"two-star result", 0,
             [&] {
                 load(write(QStringLiteral("2.json"), Envelope("two", kTwoStar)));
                 shrink(0);
             },
             "C_2x3x_gn_15", "exportNumbers23_15"},
            {"extraction", 2,
             [&] {
                 window->historySource()->importFile(draws);
                 QVERIFY(window->historySource()->waitForImports());
                 find<QAbstractButton>(QStringLiteral("C_guolv_ks_13"))->click();
             },
             "C_guolv_ks_14", "exportNumbers_14"},
        };
        for (const auto& row : rows) {
            const QString name = QString::fromLatin1(row.name);
            window->switchMode(row.mode);
            MessageBox::clearShown();
            // Before the list is made, there is nothing to export.
            find<QAbstractButton>(QString::fromLatin1(row.exportButton))->click();
            QVERIFY2(lastBox().text == QStringLiteral("没有可导出的号码"), qPrintable(name));
            MessageBox::clearShown();
            row.fill();
            find<QAbstractButton>(QString::fromLatin1(row.copy))->click();
            const QString copied = QGuiApplication::clipboard()->text();
            QVERIFY2(copied.size() > 4, qPrintable(name));
            const QString file = path(name + QStringLiteral(".txt"));
            FileDialogs::setNextPath(file);
            find<QAbstractButton>(QString::fromLatin1(row.exportButton))->click();
            QVERIFY2(read(file) == copied.toUtf8(), qPrintable(name));
            QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(name));
        }
    }

    // The dialog's figures are the command-line tool's for the same scheme
    // and draws, for every mode and for positions chosen in the dialog.
    void backtestShowsTheCliFigures_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("positions");
        QTest::newRow("two") << 0 << Envelope("two", kTwoStar) << QString();
        QTest::newRow("three") << 1 << Envelope("three", kThreeStar) << QString();
        QTest::newRow("three 万千百")
            << 1 << Envelope("three", kThreeStar) << QStringLiteral("万千百");
        QTest::newRow("four") << 2 << Envelope("four", kFourStar) << QString();
        QTest::newRow("four 万百十个")
            << 2 << Envelope("four", kFourStar) << QStringLiteral("万百十个");
    }
    void backtestShowsTheCliFigures() {
        QFETCH(int, mode);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, positions);
        const QString draws = write(QStringLiteral("draws.txt"), kDraws);
        window->historySource()->importFile(draws);
        QVERIFY(window->historySource()->waitForImports());
        const QString file = write(QStringLiteral("scheme.json"), bytes);
        load(file);
        QCOMPARE(window->currentMode(), mode);
        BacktestDialog* dialog = openBacktest();
        QVERIFY(dialog && dialog->isVisible());
        if (!positions.isEmpty())
            for (int k = 0; k < 5; ++k)
                if (dialog->positionButtons[k]->isOn() !=
                    positions.contains(
                        QString::fromUtf8(history::kPositionNames[k].data(),
                                          qsizetype(history::kPositionNames[k].size()))))
                    dialog->positionButtons[k]->click();
        QCOMPARE(dialog->pages->currentIndex(), 0);

        QStringList args = {QStringLiteral("backtest"), file, QStringLiteral("--draws"), draws};
        if (!positions.isEmpty())
            args << QStringLiteral("--positions") << positions;
        const Cli cli = RunCli(args);
        QCOMPARE(cli.status, 0);
        QCOMPARE(DialogAsText(*dialog), cli.out);
        QCOMPARE(dialog->strip->outcomes().size(), std::size_t{14});
        QCOMPARE(dialog->strip->outcomes().front().period, std::string("20260301-014"));

        // The counts sort as numbers, not as texts.
        dialog->groups->sortItems(2, Qt::DescendingOrder);
        for (int row = 1; row < dialog->groups->rowCount(); ++row)
            QVERIFY(dialog->groups->item(row - 1, 2)->text().toInt() >=
                    dialog->groups->item(row, 2)->text().toInt());
    }

    // No stored draw: the dialog says so and offers the strip's import,
    // after which it runs; positions that do not count the mode's digits are
    // named instead of run.
    void backtestWithoutDrawsOffersTheImport() {
        BacktestDialog* dialog = openBacktest();
        QCOMPARE(dialog->pages->currentIndex(), 1);
        QVERIFY2(dialog->message->text().contains(QStringLiteral("还没有开奖数据")),
                 qPrintable(dialog->message->text()));
        QVERIFY(dialog->importButton->isVisible());
        QVERIFY(!dialog->result());

        FileDialogs::setNextPath(write(QStringLiteral("draws.txt"), kDraws));
        QTest::mouseClick(dialog->importButton, Qt::LeftButton);
        QTRY_COMPARE(dialog->pages->currentIndex(), 0);
        QCOMPARE(dialog->draws->text(), QStringLiteral("14"));
        QCOMPARE(FileDialogs::asked().last().title, QStringLiteral("导入开奖"));

        dialog->positionButtons[4]->click();
        QCOMPARE(dialog->pages->currentIndex(), 1);
        QCOMPARE(dialog->message->text(), QStringLiteral("四星要选4个号码位置，现在选了3个。"));
        QVERIFY(!dialog->importButton->isVisible());
        dialog->positionButtons[0]->click();
        QCOMPARE(dialog->pages->currentIndex(), 0);
        QVERIFY(dialog->result());
    }
};

QTEST_MAIN(TestSchemes)
#include "test_schemes.moc"
