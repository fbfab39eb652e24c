// Text that reaches a box by any way the player has (Ctrl+V, Shift+Insert,
// the right-click menu, a middle click, a drop): taken whole up to the limit
// or refused with a message while the box keeps its text; long edits taken
// back and done again with Ctrl+Z and Ctrl+Y.
#include "common/limits.hpp"
#include "shell/message_box.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

constexpr qsizetype kLimit = static_cast<qsizetype>(kMaxTextCharacters);

// One box of a kind on a window of its own, and the widget its mouse events
// go to (a multi-line box's viewport). A range's bound is a line box too.
struct Box {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    LineBox* line = nullptr;
    TextBox* multi = nullptr;

    explicit Box(const QString& kind) {
        auto* layout = new QVBoxLayout(window.get());
        if (kind == u"line") {
            layout->addWidget(line = new LineBox);
        } else if (kind == u"range") {
            auto* range = new RangeControl;
            layout->addWidget(range);
            line = qobject_cast<LineBox*>(range->lowerBox()->lineEdit());
            QVERIFY(line);
        } else
            layout->addWidget(multi = new TextBox);
        window->resize(400, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        widget()->setFocus();
    }
    QWidget* widget() const { return line ? static_cast<QWidget*>(line) : multi; }
    QWidget* mouseTarget() const { return line ? static_cast<QWidget*>(line) : multi->viewport(); }
    QString text() const { return line ? line->text() : multi->text(); }
    void setText(const QString& text) const {
        if (line)
            line->setText(text);
        else
            multi->setText(text);
    }
    void selectAll() const {
        if (line)
            line->selectAll();
        else
            multi->selectAll();
    }
    void cursorToEnd() const {
        if (line)
            line->end(false);
        else
            multi->moveCursor(QTextCursor::End);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(widget(), key, modifiers);
    }
    void keys(QKeySequence::StandardKey keys) const {
        QTest::keySequence(widget(), QKeySequence(keys));
    }
};

// Opens the box's right-click menu and triggers one of its items.
void TriggerMenuItem(const Box& box, const char* name) {
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box.mouseTarget()->mapToGlobal(at));
    QApplication::sendEvent(box.mouseTarget(), &event);
    const QList<QMenu*> menus = box.widget()->findChildren<QMenu*>();
    QVERIFY(!menus.isEmpty());
    QMenu* menu = menus.last();
    auto* item = menu->findChild<QAction*>(QString::fromLatin1(name));
    if (!item) {
        for (QAction* action : menu->actions())
            if (action->objectName() == QLatin1String(name))
                item = action;
    }
    QVERIFY2(item, name);
    QVERIFY(item->isEnabled());
    item->trigger();
    menu->close();
}

// Sends a drop of `text`, as another program or box would; true when the
// box accepted it.
bool Drop(const Box& box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at(5, 5);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    // The drag comes over the box before it lets go.
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box.mouseTarget(), &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box.mouseTarget(), &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(box.mouseTarget(), &drop);
    return drop.isAccepted() && drop.dropAction() != Qt::IgnoreAction;
}

} // namespace

class TestHostilePaste : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { MessageBox::clearShown(); }
    void cleanup() { QGuiApplication::clipboard()->clear(); }

    void everyWayInTakesWholeOrRefuses_data();
    void everyWayInTakesWholeOrRefuses();
    void longEditsUndoAndRedo_data();
    void longEditsUndoAndRedo();
    void doubleClickUndoneAfterManyPastes_data();
    void doubleClickUndoneAfterManyPastes();
    void menuSpeaksChinese();
};

void TestHostilePaste::everyWayInTakesWholeOrRefuses_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("fits");
    for (const char* kind : {"line", "range", "multi"})
        for (const char* way : {"ctrl+v", "shift+insert", "menu", "middle click", "drop"})
            for (bool fits : {true, false})
                QTest::addRow("%s, %s, %s", kind, way, fits ? "to the limit" : "one past it")
                    << QString::fromLatin1(kind) << QString::fromLatin1(way) << fits;
}

// The box holds four characters; the paste brings it to the limit exactly,
// or one character past it.
void TestHostilePaste::everyWayInTakesWholeOrRefuses() {
    QFETCH(QString, kind);
    QFETCH(QString, way);
    QFETCH(bool, fits);
    Box box(kind);
    box.setText(QStringLiteral("1234"));
    box.cursorToEnd();
    const QString pasted(kLimit - 4 + (fits ? 0 : 1), u'5');

    bool dropAccepted = false;
    if (way == u"middle click") {
        if (!QGuiApplication::clipboard()->supportsSelection())
            QSKIP("this platform has no selection to paste");
        QGuiApplication::clipboard()->setText(pasted, QClipboard::Selection);
        const QPoint end = box.line ? box.line->rect().center() : QPoint(100, 100);
        QTest::mouseClick(box.mouseTarget(), Qt::MiddleButton, {}, end);
    } else if (way == u"drop") {
        dropAccepted = Drop(box, pasted);
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        if (way == u"ctrl+v")
            box.key(Qt::Key_V, Qt::ControlModifier);
        else if (way == u"shift+insert")
            box.key(Qt::Key_Insert, Qt::ShiftModifier);
        else
            TriggerMenuItem(box, "edit-paste");
    }

    if (fits) {
        QCOMPARE(box.text().size(), kLimit);
        QVERIFY(box.text().contains(QStringLiteral("1234")));
        QVERIFY(way != u"drop" || dropAccepted);
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::shown().size(), 0);
        return;
    }
    QCOMPARE(box.text(), QStringLiteral("1234"));
    // A refused drop is answered as not taken, so a move keeps its text
    // where it came from.
    QVERIFY(!dropAccepted);
    QTRY_COMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("温馨提示"));
    QCOMPARE(MessageBox::shown().first().text, PasteTooLongText(kLimit));
}

void TestHostilePaste::longEditsUndoAndRedo_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString tail(500000, u'8');
    const QString head = QStringLiteral("1234 ");
    const QString pasted(200000, u'7');
    for (const char* kind : {"line", "multi"}) {
        // The paste lands in front of a long text, where a character-by-
        // character undo would move that text once per character.
        QTest::addRow("%s: paste in front of a long text", kind)
            << QString::fromLatin1(kind) << "paste front" << tail << pasted + tail;
        QTest::addRow("%s: paste over everything", kind)
            << QString::fromLatin1(kind) << "paste over" << head + tail << pasted;
    }
    // A long selection taken out of a single-line box by a key.
    for (const char* edit : {"delete", "backspace", "cut", "type"})
        QTest::addRow("line: %s over a long selection", edit)
            << "line" << QString::fromLatin1(edit) << head + tail
            << head + (QString::fromLatin1(edit) == u"type" ? QStringLiteral("9") : QString());
}

void TestHostilePaste::longEditsUndoAndRedo() {
    QFETCH(QString, kind);
    QFETCH(QString, edit);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Box box(kind);
    box.setText(before);
    const QString pasted(200000, u'7');
    QGuiApplication::clipboard()->setText(pasted);
    if (edit == u"paste front") {
        if (box.line)
            box.line->home(false);
        else
            box.multi->moveCursor(QTextCursor::Start);
        box.key(Qt::Key_V, Qt::ControlModifier);
    } else if (edit == u"paste over") {
        box.selectAll();
        box.key(Qt::Key_V, Qt::ControlModifier);
    } else {
        box.line->setSelection(5, static_cast<int>(before.size()) - 5);
        if (edit == u"delete")
            box.key(Qt::Key_Delete);
        else if (edit == u"backspace")
            box.key(Qt::Key_Backspace);
        else if (edit == u"cut")
            box.key(Qt::Key_X, Qt::ControlModifier);
        else
            box.key(Qt::Key_9);
    }
    QCOMPARE(box.text(), after);
    if (edit == u"cut")
        QCOMPARE(QGuiApplication::clipboard()->text(), before.mid(5));

    box.keys(QKeySequence::Undo);
    QCOMPARE(box.text(), before);
    box.keys(QKeySequence::Redo);
    QCOMPARE(box.text(), after);
    // The menu's 撤销 does what Ctrl+Z does.
    TriggerMenuItem(box, "edit-undo");
    QCOMPARE(box.text(), before);
}

void TestHostilePaste::doubleClickUndoneAfterManyPastes_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("line") << "line";
    QTest::newRow("multi") << "multi";
}

// Many long replace-pastes, then a stray double-click: Ctrl+Z brings back
// the last paste, and once more the text it replaced.
void TestHostilePaste::doubleClickUndoneAfterManyPastes() {
    QFETCH(QString, kind);
    Box box(kind);
    QString previous;
    QString last;
    for (int i = 0; i < 20; ++i) {
        previous = last;
        last = QString(150000 + i, QChar(u'0' + i % 10));
        QGuiApplication::clipboard()->setText(last);
        box.selectAll();
        box.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text().size(), last.size());
    }
    QTest::mouseDClick(box.mouseTarget(), Qt::LeftButton);
    QCOMPARE(box.text(), QString());
    box.keys(QKeySequence::Undo);
    QCOMPARE(box.text(), last);
    box.keys(QKeySequence::Undo);
    QCOMPARE(box.text(), previous);
}

// Qt's own menu would show English to a Chinese player.
void TestHostilePaste::menuSpeaksChinese() {
    for (const char* kind : {"line", "range", "multi"}) {
        Box box(QString::fromLatin1(kind));
        box.setText(QStringLiteral("12"));
        box.selectAll();
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box.mouseTarget()->mapToGlobal(at));
        QApplication::sendEvent(box.mouseTarget(), &event);
        QMenu* menu = box.widget()->findChildren<QMenu*>().last();
        QStringList captions;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                captions << action->text().section(u'\t', 0, 0);
        QCOMPARE(captions, QStringList({"撤销(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)",
                                        "删除(&D)", "全选(&A)"}));
        menu->close();
    }
}

QTEST_MAIN(TestHostilePaste)
#include "test_hostile_paste.moc"
