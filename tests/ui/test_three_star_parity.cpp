// A three-star scheme loaded into the panel and run in the window gives
// exactly what sorvanta-cli prints for the same file, for the plain result,
// the group conversion and the inverted list: one engine on one input.
#include "three_star_checks.hpp"

#include "scheme/scheme.hpp"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>

#include <set>
#include <variant>

using namespace sorvanta;
using namespace sorvanta::test;
using namespace sorvanta::ui;

namespace {

// Together the schemes switch on every field of mode "three", with
// tolerances wide enough that no result is empty or everything.
const char* const kSchemes[] = {
    R"({"format":"sorvanta-scheme","version":1,"mode":"three","conditions":{
        "kill_direct":"123 45 6789","kill_group":"112",
        "junk_compounds":"12*3*4\r\n5*6*7\n0123*4567*89","junk_compounds_tolerance":["0","1"],
        "kill_pairs":"12 21 88","kill_pairs_tolerance":["0","1"],"require_pairs":"78 05 34 19 26",
        "position_kill_pairs":["62","","01 02"],"position_kill_pairs_tolerance":["0","1"],
        "position_require_pairs":["","","双击清空"],
        "pair_sums":{"keep_sum":["","",""],"exclude_sum":["","3 13",""],
                     "keep_diff":["","","0 1 2 3 4 5 6"],"exclude_diff":["9","",""],
                     "exclude_sum_tail":["","","用空格隔开"]},
        "any_two_sum_tails":"0567","any_two_diffs":"0123","total_tolerance":["0","2"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"three","conditions":{
        "position_match":["百大于个","十等于十","百不等于十"],
        "positional_bankers":{"hundreds":"0123","tens":"4567","units":"89","counts":"12"},
        "broken_groups":"123-456-7890=23","kill_sum_tails":"3","kill_spans":"09",
        "bankers":"1357","bankers_at_least":"2","kill_sums":[0,27,13],
        "exclude_compound":["12","34","56"],"position_kill":["5","","9"],
        "position_kill_tolerance":["0","1"],
        "banker_rows":[{"digits":"123","counts":"12"},{"digits":"","counts":""},
                       {"digits":"","counts":""},{"digits":"09","counts":"01"}],
        "banker_count_repeats":true,"banker_tolerance":["0","1"],"total_tolerance":["1","2"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"three","conditions":{
        "kill_shapes":{"big_small":["大大大"],"odd_even":["奇偶奇","偶偶偶"],
                       "prime_composite":["合合合"]},
        "kill_shapes_tolerance":["0","1"],"largest_digits":"56789","smallest_digits":"0 1 2",
        "keep_counts":{"big":"12","odd":"123","prime":"0123"},
        "exclude_routes":["000","222","012"],"special_exclusions":["豹子","3连","上山"],
        "base_set":"123 456 789 147 258 369 012 345 678 901 555 246","base_set_group":true,
        "must_keep":"999 000","total_tolerance":["0","1"]}})",
};

// The top-level fields a scheme sets.
std::set<std::string> FieldsOf(const three::ThreeStarInput& in) {
    std::set<std::string> named;
    const three::ThreeStarInput off;
#define NAMED(f)                                                                                   \
    if (!(in.f == off.f))                                                                          \
    named.insert(#f)
    NAMED(kill_direct);
    NAMED(kill_group);
    NAMED(junk_compounds);
    NAMED(junk_compounds_tolerance);
    NAMED(kill_pairs);
    NAMED(kill_pairs_tolerance);
    NAMED(require_pairs);
    NAMED(position_kill_pairs);
    NAMED(position_kill_pairs_tolerance);
    NAMED(position_require_pairs);
    NAMED(pair_sums);
    NAMED(any_two_sum_tails);
    NAMED(any_two_diffs);
    NAMED(position_match);
    NAMED(positional_bankers);
    NAMED(broken_groups);
    NAMED(kill_sum_tails);
    NAMED(kill_spans);
    NAMED(bankers);
    NAMED(bankers_at_least);
    NAMED(kill_sums);
    NAMED(exclude_compound);
    NAMED(position_kill);
    NAMED(position_kill_tolerance);
    NAMED(banker_rows);
    NAMED(banker_count_repeats);
    NAMED(banker_tolerance);
    NAMED(kill_shapes);
    NAMED(kill_shapes_tolerance);
    NAMED(largest_digits);
    NAMED(smallest_digits);
    NAMED(keep_counts);
    NAMED(exclude_routes);
    NAMED(special_exclusions);
    NAMED(base_set);
    NAMED(base_set_group);
    NAMED(must_keep);
    NAMED(total_tolerance);
#undef NAMED
    return named;
}

three::ThreeStarInput Parsed(const char* json) {
    return std::get<three::ThreeStarInput>(scheme::ParseScheme(json).input);
}

} // namespace

class TestThreeStarParity : public ThreeStarWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { startWindow(); }
    void cleanup() { window.reset(); }

    void schemesUseEveryField() {
        std::set<std::string> used;
        for (const char* json : kSchemes)
            used.merge(FieldsOf(Parsed(json)));
        // bankers_at_least "2" differs from the start; all 38 are in use.
        QCOMPARE(used.size(), std::size_t{38});
    }

    void windowAndCliAgree_data() {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("command");
        const struct {
            const char* option;
            int command;
        } runs[3] = {{"", 0}, {"--group", 3}, {"--invert", 2}};
        for (int s = 0; s < static_cast<int>(std::size(kSchemes)); ++s)
            for (const auto& run : runs)
                QTest::newRow(qPrintable(QStringLiteral("scheme %1 %2").arg(s).arg(run.option)))
                    << s << QString::fromLatin1(run.option) << run.command;
    }
    void windowAndCliAgree() {
        QFETCH(int, scheme);
        QFETCH(QString, option);
        QFETCH(int, command);
        const char* json = kSchemes[scheme];

        QProcess cli;
        QStringList args = {QStringLiteral("shrink"), QStringLiteral("-")};
        if (!option.isEmpty())
            args << option;
        cli.start(QStringLiteral(SORVANTA_CLI), args);
        QVERIFY(cli.waitForStarted());
        cli.write(json);
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QString printed = QString::fromUtf8(cli.readAllStandardOutput()).trimmed();

        panel->writeInput(Parsed(json));
        press(command);
        const QString shown = panel->resultText();
        QCOMPARE(shown, printed);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(find<QLabel>(QStringLiteral("Lzhushu_0"))->text().toInt(),
                 static_cast<int>(shown.split(u' ').size()));
        if (command == 0)
            QVERIFY(find<QLabel>(QStringLiteral("Lzhushu_0"))->text().toInt() < 1000);
    }
};

QTEST_MAIN(TestThreeStarParity)
#include "test_three_star_parity.moc"
