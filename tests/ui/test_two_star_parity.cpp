// A mode "two" scheme loaded into the two-star panel gives, for each of
// "开始缩水", "转为组选" and "反选", exactly the list sorvanta-cli prints for
// the same file. Together the schemes use every mode "two" field, so a
// binding that drops or misplaces one shows here.
#include "two_star_checks.hpp"

#include "scheme/scheme.hpp"
#include "scheme/two_star_fields.hpp"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <set>
#include <variant>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

const char* const kSchemes[] = {
    R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":{
         "banker_rows":[{"digits":"1234","counts":"1"},{"digits":"5","counts":""},{"digits":"90","counts":"02"}],
         "banker_count_repeats":true,"banker_tolerance":["0","1"],"kill_spans":"09","kill_sums":[0,7,18],
         "total_tolerance":["0","1"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":{
         "position_kill":["13","8"],"position_kill_tolerance":["0","1"],"compound_exclusion":["24","68"],
         "shapes":{"big_small":["大大"],"odd_even":["单双","双单"],"prime_composite":["质质"],"route012":["00","12"]},
         "shapes_tolerance":["0","1"],"special_shapes":["杀对子","杀连号","杀十>个"],"special_shapes_tolerance":["1","2"],
         "total_tolerance":["0","0"]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":{
         "kill_list":"05 55 x9,13","base_set":"00 05 13 21 34 55 67 76 89 98 大底",
         "kill_spans":"3","total_tolerance":["0","0"]}})",
};

QString RunCli(const QString& scheme, const QStringList& options) {
    QProcess cli;
    cli.start(QStringLiteral(SORVANTA_CLI),
              QStringList{QStringLiteral("shrink"), QStringLiteral("-")} + options);
    if (!cli.waitForStarted())
        return QStringLiteral("(cli did not start)");
    cli.write(scheme.toUtf8());
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        return QStringLiteral("(cli failed: %1)")
            .arg(QString::fromUtf8(cli.readAllStandardError()));
    return QString::fromUtf8(cli.readAllStandardOutput()).trimmed();
}

} // namespace

class TestTwoStarParity : public TwoStarWindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { startWindow(); }
    void cleanup() { window.reset(); }

    void schemesUseEveryField();
    void windowAndCliAgree_data();
    void windowAndCliAgree();
};

void TestTwoStarParity::schemesUseEveryField() {
    std::set<std::string> used, fields;
    for (const char* scheme : kSchemes)
        for (const QString& key : QJsonDocument::fromJson(QByteArray(scheme))
                                      .object()
                                      .value(QStringLiteral("conditions"))
                                      .toObject()
                                      .keys())
            used.insert(key.toStdString());
    for (const auto& field : scheme::TwoStarFields())
        fields.insert(field.name);
    QCOMPARE(used, fields);
}

void TestTwoStarParity::windowAndCliAgree_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("option");
    const std::pair<int, const char*> commands[] = {{14, ""}, {16, "--group"}, {18, "--invert"}};
    int i = 0;
    for (const char* scheme : kSchemes) {
        for (auto [command, option] : commands)
            QTest::newRow(qPrintable(QStringLiteral("scheme %1 %2").arg(i).arg(command)))
                << QString::fromUtf8(scheme) << command << QString::fromLatin1(option);
        ++i;
    }
}

void TestTwoStarParity::windowAndCliAgree() {
    QFETCH(QString, scheme);
    QFETCH(int, command);
    QFETCH(QString, option);
    const QString printed = RunCli(scheme, option.isEmpty() ? QStringList() : QStringList{option});
    panel->writeInput(std::get<two::TwoStarInput>(scheme::ParseScheme(scheme.toStdString()).input));
    press(command);
    QCOMPARE(result(), printed);
    // Neither empty nor everything, so the conditions were really read.
    const qsizetype shown = printed.split(u' ', Qt::SkipEmptyParts).size();
    QCOMPARE(count(), QString::number(shown));
    QVERIFY(shown > 0 && shown < 100);
}

QTEST_MAIN(TestTwoStarParity)
#include "test_two_star_parity.moc"
