// The fault-tolerance range control: its delayed rebuild, the restore call
// and how the typed bounds read.
#include "shell/range_control.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList numbers(int last) {
    QStringList out;
    for (int i = 0; i <= last; ++i)
        out << QString::number(i);
    return out;
}

// The counts the control's table allows, as a list.
QList<int> allowed(const RangeControl& control) {
    AllowedCounts table;
    control.a_get_rcfw(table);
    QList<int> out;
    for (int i = 0; i < AllowedCounts::kSize; ++i)
        if (table[i] != 0)
            out << i;
    return out;
}

QList<int> span(int from, int to) {
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

void typeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

class TestRangeControl : public QObject {
    Q_OBJECT

private slots:
    void rebuildsTenMillisecondsAfterCreation();
    void writesWithinTheDelayRebuildOnce();
    void laterWriteResetsTypedBounds();
    void restoreKeepsListsAndSetsBounds();
    void typedBoundsReadByLeadingNumber_data();
    void typedBoundsReadByLeadingNumber();
};

void TestRangeControl::rebuildsTenMillisecondsAfterCreation() {
    RangeControl control(4);
    control.show();
    QCOMPARE(control.a_mydata_long(), 4);
    // Nothing is built before the timer fires.
    QCOMPARE(control.lowerBox()->count(), 0);
    QCOMPARE(control.upperBox()->count(), 0);
    QVERIFY(control.rebuildPending());

    QTRY_VERIFY(!control.rebuildPending());
    QCOMPARE(items(control.lowerBox()), numbers(4));
    QCOMPARE(items(control.upperBox()), numbers(4));
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("0"));
    QCOMPARE(control.upperBox()->currentText(), QStringLiteral("0"));
    QCOMPARE(allowed(control), QList<int>{0});
}

void TestRangeControl::writesWithinTheDelayRebuildOnce() {
    RangeControl control(4);
    auto* timer = control.findChild<QTimer*>(QStringLiteral("Timersx"));
    QVERIFY(timer);
    QSignalSpy fired(timer, &QTimer::timeout);

    control.set_a_mydata_long(6);
    control.set_a_mydata_fw1(2);
    control.set_a_mydata_fw2(9);
    control.set_a_mydata_long(7);
    control.set_a_mydata_fw2(5);
    QCOMPARE(control.lowerBox()->count(), 0);

    QTRY_COMPARE(fired.count(), 1);
    QCOMPARE(items(control.lowerBox()), numbers(7));
    QCOMPARE(items(control.upperBox()), numbers(7));
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("2"));
    QCOMPARE(control.upperBox()->currentText(), QStringLiteral("5"));
    QCOMPARE(allowed(control), span(2, 5));
    // No second rebuild follows.
    QTest::qWait(50);
    QCOMPARE(fired.count(), 1);
}

void TestRangeControl::laterWriteResetsTypedBounds() {
    RangeControl control(4);
    control.show();
    QTRY_VERIFY(!control.rebuildPending());
    typeInto(control.lowerBox(), QStringLiteral("3"));
    typeInto(control.upperBox(), QStringLiteral("4"));
    QCOMPARE(allowed(control), span(3, 4));

    control.set_a_mydata_long(2);
    // The boxes still show the typed bounds until the rebuild runs.
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("3"));
    QTRY_VERIFY(!control.rebuildPending());
    QCOMPARE(items(control.lowerBox()), numbers(2));
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("0"));
    QCOMPARE(control.upperBox()->currentText(), QStringLiteral("0"));
}

void TestRangeControl::restoreKeepsListsAndSetsBounds() {
    RangeControl control(4);
    QTRY_VERIFY(!control.rebuildPending());

    control.a_huanyuan(1, 2);
    QVERIFY(!control.rebuildPending());
    QCOMPARE(items(control.lowerBox()), numbers(4));
    QCOMPARE(items(control.upperBox()), numbers(4));
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("1"));
    QCOMPARE(control.upperBox()->currentText(), QStringLiteral("2"));
    QCOMPARE(allowed(control), span(1, 2));
    QCOMPARE(control.a_mydata_fw1(), 0);
    QCOMPARE(control.a_mydata_fw2(), 0);
    QCOMPARE(control.a_mydata_long(), 4);

    // Bounds outside the lists are taken as they read.
    control.a_huanyuan(-1, 150);
    QCOMPARE(control.lowerBox()->currentText(), QStringLiteral("-1"));
    QCOMPARE(allowed(control), span(0, 100));
    control.a_huanyuan(0, 0);
    QCOMPARE(allowed(control), QList<int>{0});
}

void TestRangeControl::typedBoundsReadByLeadingNumber_data() {
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("trailing letter ignored")
        << QStringLiteral("2a") << QStringLiteral("4") << span(2, 4);
    QTest::newRow("leading letter reads 0")
        << QStringLiteral("a2") << QStringLiteral("1") << span(0, 1);
    QTest::newRow("negative lower") << QStringLiteral("-3") << QStringLiteral("2") << span(0, 2);
    QTest::newRow("upper past the table")
        << QStringLiteral("98") << QStringLiteral("150") << span(98, 100);
    QTest::newRow("lower above upper")
        << QStringLiteral("3") << QStringLiteral("1") << QList<int>{};
    QTest::newRow("half to even") << QStringLiteral("2.5") << QStringLiteral("3.5") << span(2, 4);
    QTest::newRow("leading blanks") << QStringLiteral("  1") << QStringLiteral(" 1") << span(1, 1);
    QTest::newRow("both empty") << QString() << QString() << QList<int>{0};
    QTest::newRow("sign apart from digits")
        << QStringLiteral("- 3") << QStringLiteral("x") << QList<int>{0};
}

void TestRangeControl::typedBoundsReadByLeadingNumber() {
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QFETCH(QList<int>, counts);
    RangeControl control(4);
    control.show();
    QTRY_VERIFY(!control.rebuildPending());
    typeInto(control.lowerBox(), lower);
    typeInto(control.upperBox(), upper);
    QCOMPARE(control.lowerBox()->currentText(), lower);
    QCOMPARE(control.upperBox()->currentText(), upper);
    QCOMPARE(allowed(control), counts);
    // The panel's input keeps the texts exactly as typed.
    QCOMPARE(control.text().lower, lower.toStdString());
    QCOMPARE(control.text().upper, upper.toStdString());
}

QTEST_MAIN(TestRangeControl)
#include "test_range_control.moc"
