// The three-star toggle blocks as the block table places them: each 清
// greys exactly the blocks that carry its code, never a neighbour's button
// nor one of the two-star panel, which shares the arrays; and a block in a
// frame of its own keeps its buttons, its 清, its help and its title
// together in that frame.
#include "three_star_checks.hpp"

#include "reset/three_star_blocks.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"

#include <QFrame>
#include <QLabel>

using namespace sorvanta;
using namespace sorvanta::test;
using namespace sorvanta::ui;

namespace {

QString Name(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int ChosenColour(const QString& array) {
    return array == Name(kExcludeButtons) ? Colour::Yellow : Colour::On;
}

// The block an element belongs to; none for the two-star panel's elements.
const ButtonBlock* BlockAt(const QString& array, int index) {
    for (const ButtonBlock& block : kThreeStarBlocks)
        if (Name(block.array) == array && index >= block.first && index <= LastOf(block))
            return &block;
    return nullptr;
}

} // namespace

class TestThreeStarBlockClears : public ThreeStarWindowTest {
    Q_OBJECT

    // Every element of both arrays, the two-star panel's too, as "name=colour".
    QStringList colours() const {
        QStringList out;
        for (std::string_view array : {kExcludeButtons, kKeepButtons}) {
            const QMap<int, QWidget*> elements = window->controls().array(Name(array));
            for (auto it = elements.begin(); it != elements.end(); ++it)
                out << QStringLiteral("%1=%2")
                           .arg(it.value()->objectName())
                           .arg(qobject_cast<ColourButton*>(it.value())->backColor());
        }
        return out;
    }
    void chooseEverything() const {
        for (std::string_view array : {kExcludeButtons, kKeepButtons})
            for (QWidget* w : window->controls().array(Name(array)))
                qobject_cast<ColourButton*>(w)->setBackColor(ChosenColour(Name(array)));
    }
    QList<QWidget*> buttonsOf(const ButtonBlock& block) const {
        QList<QWidget*> out;
        for (int i = block.first; i <= LastOf(block); ++i)
            out << window->controls().widget(Name(block.array), i);
        return out;
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        startWindow();
    }
    void cleanupTestCase() { window.reset(); }

    void blockClearGreysItsCode_data() {
        QTest::addColumn<int>("block");
        for (std::size_t i = 0; i < kThreeStarBlocks.size(); ++i)
            QTest::newRow(kThreeStarBlocks[i].field.data()) << static_cast<int>(i);
    }
    void blockClearGreysItsCode() {
        QFETCH(int, block);
        const int code = kThreeStarBlocks[static_cast<std::size_t>(block)].clear;
        chooseEverything();
        QStringList expected;
        for (std::string_view array : {kExcludeButtons, kKeepButtons}) {
            const QMap<int, QWidget*> elements = window->controls().array(Name(array));
            int twoStar = 0;
            for (int index : elements.keys()) {
                const ButtonBlock* owner = BlockAt(Name(array), index);
                twoStar += owner ? 0 : 1;
                const bool greyed = owner && owner->clear == code;
                expected << QStringLiteral("%1_%2=%3")
                                .arg(Name(array))
                                .arg(index)
                                .arg(greyed ? Colour::Off : ChosenColour(Name(array)));
            }
            QVERIFY(twoStar > 30); // the two-star panel's elements are there too
        }
        click(QStringLiteral("C_3x_cls_%1").arg(code));
        QCOMPARE(colours(), expected);
    }

    void ownFramesHoldTheirBlock_data() {
        QTest::addColumn<int>("block");
        for (std::size_t i = 0; i < kThreeStarBlocks.size(); ++i)
            if (kThreeStarBlocks[i].frame)
                QTest::newRow(kThreeStarBlocks[i].field.data()) << static_cast<int>(i);
    }
    void ownFramesHoldTheirBlock() {
        QFETCH(int, block);
        const ButtonBlock& b = kThreeStarBlocks[static_cast<std::size_t>(block)];
        const OwnFrame& own = *b.frame;
        const QList<QWidget*> buttons = buttonsOf(b);
        reveal(buttons.first());
        QTRY_VERIFY(buttons.first()->isVisible());

        // The nearest frame around the first button holds the whole block
        // and no button of another block.
        QWidget* holder = buttons.first()->parentWidget();
        while (holder && !qobject_cast<QFrame*>(holder))
            holder = holder->parentWidget();
        QVERIFY(holder);
        for (QWidget* button : buttons)
            QVERIFY(holder->isAncestorOf(button));
        for (const ColourButton* other : holder->findChildren<ColourButton*>())
            QVERIFY2(buttons.contains(other), qPrintable(other->objectName()));
        QWidget* clear = find<QWidget>(QStringLiteral("C_3x_cls_%1").arg(b.clear));
        QVERIFY(holder->isAncestorOf(clear));
        if (own.help >= 0) // a frame may come without a help topic
            QVERIFY(
                holder->isAncestorOf(find<QWidget>(QStringLiteral("C_234_sm_%1").arg(own.help))));
        QStringList captions;
        for (const QLabel* label : holder->findChildren<QLabel*>())
            captions << label->text();
        QVERIFY2(captions.contains(Name(own.title)), qPrintable(captions.join(u'|')));

        // `columns` buttons to a row, the 清 after the last one.
        const auto at = [holder](const QWidget* w) {
            return w->mapTo(holder, QPoint(0, 0));
        };
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(at(buttons[i]).y(), at(buttons[i - i % own.columns]).y());
            QCOMPARE(at(buttons[i]).x(), at(buttons[i % own.columns]).x());
        }
        const QWidget* last = buttons.last();
        QVERIFY(at(clear).x() >= at(last).x() + last->width());
        QVERIFY(at(clear).y() < at(last).y() + last->height());
        QVERIFY(at(clear).y() + clear->height() > at(last).y());
    }
};

QTEST_MAIN(TestThreeStarBlockClears)
#include "test_three_star_block_clears.moc"
