// A scheme loaded into the four-star panel and shrunk in the window gives
// exactly the list sorvanta-cli prints for the same file: the window and the
// headless tool run one engine on one input.
#include "app/fmain.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "scheme/scheme.hpp"
#include "shell/message_box.hpp"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

// Each scheme switches on many groups at once, with tolerances wide enough
// that the result is neither empty nor everything.
const char* const kSchemes[] = {
    R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":{
        "kill_direct":"1234,5678 0000","junk_compounds":"0123*45*6*789\r\n1*2*3*4",
        "junk_compounds_tolerance":["0","1"],"kill_pairs":"12 34 56","kill_pairs_tolerance":["0","1"],
        "require_pairs":"\n双击清空\n","kill_triples":"123 789","kill_triples_tolerance":[0,0],
        "kill_patterns":"1*** **9*","position_kill":["0","1","","9"],
        "position_kill_tolerance":["0","1"],"kill_sum_tails":"05","kill_sums":"00 36 18",
        "kill_spans":"0","kill_all_digits":"","kill_ac":"1",
        "banker_rows":[{"digits":"123","counts":"12"},{"digits":"789","counts":"012"}],
        "banker_count_repeats":true,"banker_tolerance":["0","1"],
        "ratio_big_small":["0:4","4:0"],"ratio_odd_even":["1:3"],"ratio_tolerance":["0","1"],
        "special_shapes":["上山","下山"],"pattern_big_small":["大大大大"],
        "pattern_route012":["0000","1201"],"pattern_tolerance":["0","1"],
        "total_tolerance":["0","2"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":{
        "run_repeat":["4连","AAAA","AABB"],"smallest_digits":"0123","largest_digits":"6789",
        "two_star_splice":["12 34 56 78 90 13","","","","","00 11 22 33 44 55 66"],
        "two_star_splice_tolerance":["0","1"],"two_star_splice_mode":"keep",
        "three_star_splice":["","123 456 789 012","",""],"three_star_splice_mode":"delete",
        "three_star_splice_tolerance":["0","0"],"total_tolerance":["0","1"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":{
        "base_set":"0012 0123 1234 2345 3456 4567 5678 6789 7890 8901 9012 1111",
        "kill_spans":"9","total_tolerance":["0","0"]}})",
};

} // namespace

class TestSchemeParity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    void windowAndCliAgree_data() {
        QTest::addColumn<QString>("scheme");
        int i = 0;
        for (const char* scheme : kSchemes)
            QTest::newRow(QByteArray::number(i++).constData()) << QString::fromUtf8(scheme);
    }

    void windowAndCliAgree() {
        QFETCH(QString, scheme);

        QProcess cli;
        cli.start(QStringLiteral(SORVANTA_CLI), {QStringLiteral("shrink"), QStringLiteral("-")});
        QVERIFY(cli.waitForStarted());
        cli.write(scheme.toUtf8());
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QString printed = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();

        Fmain window;
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));
        // Range controls settle 10 ms after they are built; load after that.
        QTest::qWait(30);
        window.fourStar()->writeInput(scheme::ParseScheme(scheme.toStdString()).four());
        QTest::mouseClick(window.controls().at<QPushButton>(QStringLiteral("C_guolv_ks"), 0),
                          Qt::LeftButton);

        const QString shown = QString::fromStdString(window.fourStarState().SurvivorText);
        QCOMPARE(shown, printed);
        QVERIFY(!shown.isEmpty());
        QVERIFY(shown.size() < 10000 * 5 - 1);
        const auto* count = window.findChild<QLabel*>(QStringLiteral("dadi_zhushu"));
        QCOMPARE(count->text().toInt(), static_cast<int>(printed.split(u' ').size()));
    }
};

QTEST_MAIN(TestSchemeParity)
#include "test_scheme_parity.moc"
