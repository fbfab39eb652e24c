// The window as a player sees it, in whatever locale the test runs under
// (ctest runs it in C and in zh_CN, whose CJK font is wider and taller): no
// two visible controls overlap and none is smaller than it needs to be.
#include "app/analysis_actions.hpp"
#include "app/fmain.hpp"
#include "app/stats_dialog.hpp"
#include "app/trend_chart.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "shell/message_box.hpp"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvanta::ui;

namespace {

// Pixels kept free on each side of a button's caption, inside its frame:
// one at least, so no caption touches a border.
constexpr int kCaptionMargin = 1;

// Controls whose parts are drawn by Qt itself (scroll areas, combo boxes)
// are checked as a whole, not part by part.
bool IsComposite(const QWidget* w) {
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

bool IsInsideComposite(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (IsComposite(p))
            return true;
    return false;
}

QString Describe(const QWidget* w) {
    QString text;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (const auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    return QStringLiteral("%1 %2 \"%3\" at %4,%5 %6x%7")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text.left(12))
        .arg(w->mapTo(w->window(), QPoint()).x())
        .arg(w->mapTo(w->window(), QPoint()).y())
        .arg(w->width())
        .arg(w->height());
}

// Every visible control in the window's area, with the faults found.
QStringList Faults(QWidget* window) {
    QStringList faults;
    const QRect area = window->rect();
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (QWidget* w : all) {
        if (!w->isVisible() || IsInsideComposite(w))
            continue;
        const QRect onWindow(w->mapTo(window, QPoint()), w->size());
        if (!area.intersects(onWindow))
            continue; // the focus sink lives off-screen on purpose
        const bool sized = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                           qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
        const QSize need = w->minimumSizeHint();
        if (sized && need.isValid() && (w->width() < need.width() || w->height() < need.height()))
            faults << QStringLiteral("too small (needs %1x%2): %3")
                          .arg(need.width())
                          .arg(need.height())
                          .arg(Describe(w));
        if (!area.contains(onWindow))
            faults << QStringLiteral("outside the window: %1").arg(Describe(w));
        // A caption that touches its button's borders reads as cut off.
        if (const auto* button = qobject_cast<const QPushButton*>(w);
            button && !button->text().isEmpty()) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            if (text + 2 * kCaptionMargin > button->width())
                faults << QStringLiteral("caption without margin: %1").arg(Describe(w));
        }
    }
    for (QWidget* parent : all) {
        // The pages lie on top of each other by design; the splice pages
        // cover whatever page was open.
        if (!parent->isVisible() || IsComposite(parent) || IsInsideComposite(parent) ||
            parent->objectName() == QLatin1String("pageStack"))
            continue;
        QList<QWidget*> kids;
        for (QObject* o : parent->children())
            if (auto* k = qobject_cast<QWidget*>(o); k && k->isVisible() && !k->isWindow())
                kids << k;
        for (int i = 0; i < kids.size(); ++i)
            for (int j = i + 1; j < kids.size(); ++j)
                if (kids[i]->geometry().intersects(kids[j]->geometry()))
                    faults << QStringLiteral("overlap: %1 / %2")
                                  .arg(Describe(kids[i]), Describe(kids[j]));
    }
    return faults;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    // Every help button of the three panels and the strip is on the window,
    // with its caption, and 11 is not.
    void everyHelpButtonIsPlaced() {
        Fmain window;
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));
        for (int index = 0; index <= 61; ++index) {
            auto* button =
                window.findChild<QAbstractButton*>(QStringLiteral("C_234_sm_%1").arg(index));
            if (index == 11) {
                QVERIFY(!button);
                continue;
            }
            QVERIFY2(button, qPrintable(QStringLiteral("no help button %1").arg(index)));
            const QString caption = index == 59   ? QStringLiteral("胆码说明")
                                    : index >= 60 ? QStringLiteral("使用技巧")
                                                  : QStringLiteral("说明");
            QCOMPARE(button->text(), caption);
        }
    }

    void everyModeAndPageFits_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("page");
        QTest::newRow("two") << 0 << -1;
        for (int page = 0; page < ThreeStarPanel::kPageCount; ++page)
            QTest::newRow(qPrintable(QStringLiteral("three page %1").arg(page))) << 1 << page;
        for (int page : {0, 1, 2, 3, 4, 5, 6, 7})
            QTest::newRow(qPrintable(QStringLiteral("four page %1").arg(page))) << 2 << page;
    }

    void everyModeAndPageFits() {
        QFETCH(int, mode);
        QFETCH(int, page);
        Fmain window;
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));
        window.switchMode(mode);
        if (page >= 0 && mode == 2)
            window.fourStar()->switchPage(page);
        if (page >= 0 && mode == 1)
            window.findChild<ThreeStarPanel*>()->switchPage(page);
        QTest::qWait(30);
        const QStringList faults = Faults(&window);
        // One line a fault, so the whole list shows, not the first line.
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults").arg(faults.size())));
    }

    // 条件统计 and 走势图 of every mode: nothing overlaps or is cut, and up to
    // 1.5x both fit a 1280x720 screen.
    void analysisWindowsFit() {
        Fmain window;
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        for (int mode = 0; mode < 3; ++mode) {
            window.switchMode(mode);
            window.findChild<QAbstractButton*>(QStringLiteral("conditionStats"))->click();
            window.findChild<QAbstractButton*>(QStringLiteral("trendChart"))->click();
            for (QWidget* shown :
                 {static_cast<QWidget*>(window.analysisActions()->statsDialog()),
                  static_cast<QWidget*>(window.analysisActions()->trendWindow())}) {
                QVERIFY(QTest::qWaitForWindowExposed(shown));
                const QStringList faults = Faults(shown);
                QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
                if (scale <= 1.5) {
                    const QSize need = shown->minimumSizeHint();
                    QVERIFY2(need.width() <= 1280 / scale && need.height() <= 720 / scale,
                             qPrintable(QStringLiteral("%1 needs %2x%3")
                                            .arg(shown->objectName())
                                            .arg(need.width())
                                            .arg(need.height())));
                }
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
