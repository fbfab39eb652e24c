// The window knows each mode's panel only through ModePanel: the panel of a
// mode is that mode's, takes no other mode's input, and every condition box
// shows exactly the hints its binding row names. The strip tells its lottery
// and line by signals the history source follows.
#include "window_test.hpp"

#include "app/history_source.hpp"
#include "panels/four_star/four_star_bindings.hpp"
#include "panels/three_star/three_star_bindings.hpp"
#include "panels/two_star/two_star_bindings.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/base_number_box.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/panel_kit.hpp"
#include "shell/text_boxes.hpp"

#include <QSignalSpy>
#include <QTest>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

// Every bound box of a table: its object name and the hints its row names.
template <class Input> QList<QPair<QString, QStringList>> HintedBoxes(const Bindings<Input>& rows) {
    QList<QPair<QString, QStringList>> boxes;
    for (const Binding<Input>& row : rows)
        if (row.index >= 0)
            boxes.append({QStringLiteral("%1_%2").arg(row.array).arg(row.index), row.hints});
    return boxes;
}

QString TextOf(const QWidget* box) {
    if (const auto* text = qobject_cast<const TextBox*>(box))
        return text->toPlainText();
    if (const auto* line = qobject_cast<const LineBox*>(box))
        return line->text();
    return {};
}

} // namespace

class TestModePanels : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        openWindow();
    }
    void cleanupTestCase() { window.reset(); }

    void eachModeHasItsPanel_data() {
        QTest::addColumn<int>("element");
        for (Mode mode : kModes)
            QTest::newRow(Name(mode).data()) << Index(mode);
    }
    void eachModeHasItsPanel() {
        QFETCH(int, element);
        const Mode mode = *ModeFromIndex(element);
        ModePanel& panel = window->panel(mode);
        QCOMPARE(panel.mode(), mode);
        QCOMPARE(panel.frame(), find<QWidget>(QStringLiteral("Pic_di_%1").arg(element)));
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("C_ding_%1").arg(element)),
                          Qt::LeftButton);
        QCOMPARE(window->mode(), mode);
        QCOMPARE(&window->currentPanel(), &panel);
        QVERIFY(panel.frame()->isVisible());
        panel.clearResult();
        QCOMPARE(panel.copiedNumbers(-1), QString());
    }

    // The hints live in the binding rows only: each box was given its row's
    // hints and starts showing the first.
    void boxesShowTheHintsOfTheirRows_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("hints");
        const auto add = [](const auto& boxes) {
            for (const auto& [name, hints] : boxes)
                QTest::newRow(qPrintable(name)) << name << hints;
        };
        add(HintedBoxes(FourStarBindings()));
        add(HintedBoxes(ThreeStarBindings()));
        add(HintedBoxes(TwoStarBindings()));
    }
    void boxesShowTheHintsOfTheirRows() {
        QFETCH(QString, box);
        QFETCH(QStringList, hints);
        const QWidget* widget = find<QWidget>(box);
        if (qobject_cast<const BaseNumberBox*>(widget))
            QSKIP("a splice box has no hint");
        QCOMPARE(HintsOfBox(widget), hints);
        QCOMPARE(TextOf(widget), hints.value(0));
    }

    void stripTellsItsChoice() {
        VerificationStrip* strip = window->strip();
        QSignalSpy lotteries(strip, &VerificationStrip::lotteryChosen);
        QSignalSpy lines(strip, &VerificationStrip::lineChosen);
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("C_xl_3")), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("C_xl_3")), Qt::LeftButton);
        QCOMPARE(lotteries.count(), 1); // a press on the chosen lottery is no choice
        QCOMPARE(strip->lottery(), history::Lottery::Xinjiang);
        QCOMPARE(window->historySource()->lottery(), history::Lottery::Xinjiang);
        QCOMPARE(find<ColourButton>(QStringLiteral("C_xl_2"))->backColor(), Colour::Off);
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("Option_xl_1")), Qt::LeftButton);
        QCOMPARE(lines.count(), 1);
        QCOMPARE(strip->line(), history::DataLine::Two);
        QCOMPARE(window->historySource()->line(), history::DataLine::Two);
    }

    // One rule fits every block of small buttons: as wide as the widest
    // caption with its padding, one line high, square when asked.
    void fittingRule_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("padding");
        QTest::addColumn<bool>("square");
        QTest::newRow("digits, square") << QStringList{"0", "9"} << 6 << true;
        QTest::newRow("digits, narrow") << QStringList{"0", "9"} << 4 << false;
        QTest::newRow("words") << QStringList{"1", "大小大小", "上山"} << 8 << true;
    }
    void fittingRule() {
        QFETCH(QStringList, captions);
        QFETCH(int, padding);
        QFETCH(bool, square);
        QWidget owner;
        QList<ColourButton*> buttons;
        for (const QString& caption : captions)
            buttons << new ColourButton(caption, &owner);
        FitButtons(buttons, padding, square);
        const QFontMetrics fm(buttons.first()->font());
        int widest = 0;
        for (const QString& caption : captions)
            widest = qMax(widest, fm.horizontalAdvance(caption) + padding);
        const int height = fm.height() + 4;
        for (const ColourButton* b : buttons)
            QCOMPARE(b->size(), QSize(square ? qMax(widest, height) : widest, height));
    }
};

QTEST_MAIN(TestModePanels)
#include "test_mode_panels.moc"
