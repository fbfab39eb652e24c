// The main window: start-up state, the mode switch, the four-star result
// commands through the guarded run, the progress frame, closing and the
// four-star page buttons.
#include "app/fmain.hpp"
#include "app/window_host.hpp"
#include "engine4/candidate_set.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/qt_translations.hpp"
#include "shell/text_boxes.hpp"
#include "shell/twips.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>
#include <utility>

using namespace sorvanta::ui;

namespace {

const QString kInvertTitle = QStringLiteral("温馨提示");
const QString kInvertText = QStringLiteral("反选成功。\n注意，组选号码不能反选，只能反选直选号码");

QString allNumbers() {
    QStringList numbers;
    for (int n = 0; n < 10000; ++n)
        numbers << QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
    return numbers.join(QLatin1Char(' '));
}

QStringList listEntries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

} // namespace

class TestFmain : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Fmain> window;
    int quits = 0;
    UrlSink sink; // outlives every handler registration

    template <typename T> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qWarning("no widget named %s", qPrintable(name));
        return widget;
    }
    ColourButton* colourButton(const QString& name) const { return find<ColourButton>(name); }
    QPushButton* command(int index) const {
        return find<QPushButton>(QStringLiteral("C_guolv_ks_%1").arg(index));
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    void press(int commandIndex) const { QTest::mouseClick(command(commandIndex), Qt::LeftButton); }
    void typeTolerance(const QString& lower, const QString& upper) const {
        for (auto [name, text] : {std::pair{QStringLiteral("Com_rc_4"), lower},
                                  std::pair{QStringLiteral("Com_rc_5"), upper}}) {
            auto* box = find<QComboBox>(name);
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), text);
            QCOMPARE(box->currentText(), text);
        }
    }
    QList<int> greenPositions() const {
        QList<int> out;
        for (int k = 0; k <= 9; ++k)
            if (colourButton(QStringLiteral("C_wz_%1").arg(k))->backColor() == Colour::On)
                out << k;
        return out;
    }
    // Whether `widget` lies above its siblings `others` (later in the
    // parent's child order is higher).
    static bool inFront(QWidget* widget, const QList<QWidget*>& others) {
        const QObjectList& order = widget->parentWidget()->children();
        for (QWidget* other : others)
            if (other != widget && order.indexOf(other) > order.indexOf(widget))
                return false;
        return true;
    }
    QLabel* count() const { return find<QLabel>(QStringLiteral("dadi_zhushu")); }
    QListWidget* resultList() const { return find<QListWidget>(QStringLiteral("Li_out")); }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init();
    void cleanup();

    void startupState();
    void modeSwitch_data();
    void modeSwitch();
    void modeSwitchResetsStrip_data();
    void modeSwitchResetsStrip();
    void shrinkWithoutConditions();
    void shrinkShowsProgress();
    void reversedTotalToleranceKeepsNothing();
    void invertTwice();
    void invertAfterPlainShrinkListsNothing();
    void invertBeforeAnyShrink();
    void guardedDoublePress();
    void copyAfterShrink();
    void closeAnsweredNo();
    void closeAnsweredYes();
    void closeOpensExitPage();
    void smallScreenScrolls();
    void qtOwnTextsSpeakChinese();
    void everyEditableListTakesLongPastes();
    void pageButtons_data();
    void pageButtons();
};

void TestFmain::init() {
    MessageBox::clearShown();
    quits = 0;
    window = std::make_unique<Fmain>();
    window->setQuitHandler([this] { ++quits; });
    QSignalSpy started(window.get(), &Fmain::startupFinished);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(started.count() == 1 || started.wait(5000));
}

void TestFmain::cleanup() {
    window.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("sorvantaexit"));
}

void TestFmain::startupState() {
    QCOMPARE(window->windowTitle(), QStringLiteral("Sorvanta"));
    QCOMPARE(window->currentMode(), 2);
    QCOMPARE(colourButton(QStringLiteral("C_ding_0"))->backColor(), Colour::Off);
    QCOMPARE(colourButton(QStringLiteral("C_ding_1"))->backColor(), Colour::Off);
    QCOMPARE(colourButton(QStringLiteral("C_ding_2"))->backColor(), Colour::On);
    QTRY_COMPARE(window->width(), twips(Fmain::windowWidthTwips(2)));
    QCOMPARE(greenPositions(), (QList<int>{1, 2, 3, 4, 6, 7, 8, 9}));

    QVERIFY(!find<QGroupBox>(QStringLiteral("Frame_ding_0"))->isHidden());
    for (int i = 1; i < 8; ++i)
        QVERIFY(find<QGroupBox>(QStringLiteral("Frame_ding_%1").arg(i))->isHidden());
    QCOMPARE(colourButton(QStringLiteral("C_sst_0_0"))->backColor(), Colour::LightGreen);

    QVERIFY(find<QWidget>(QStringLiteral("Frame_jindu"))->isHidden());
    QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::LightGreen);
    auto* lower = find<QComboBox>(QStringLiteral("Com_rc_4"));
    QCOMPARE(lower->count(), 13);
    QCOMPARE(lower->itemText(12), QStringLiteral("12"));
    QCOMPARE(lower->currentText(), QStringLiteral("0"));
    QCOMPARE(find<QComboBox>(QStringLiteral("Com_rc_5"))->currentText(), QStringLiteral("0"));
    QCOMPARE(count()->text(), QStringLiteral("0"));
    QCOMPARE(resultList()->count(), 0);
}

void TestFmain::modeSwitch_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("positions");
    QTest::newRow("two-star") << 0 << QList<int>{3, 4, 8, 9};
    QTest::newRow("three-star") << 1 << QList<int>{2, 3, 4, 7, 8, 9};
    QTest::newRow("four-star") << 2 << QList<int>{1, 2, 3, 4, 6, 7, 8, 9};
}

void TestFmain::modeSwitch() {
    QFETCH(int, mode);
    QFETCH(QList<int>, positions);
    const QList<QWidget*> panels = {find<QWidget>(QStringLiteral("Pic_di_0")),
                                    find<QWidget>(QStringLiteral("Pic_di_1")),
                                    find<QWidget>(QStringLiteral("Pic_di_2"))};
    // Leave four-star first so the switch has something to undo.
    click(QStringLiteral("C_ding_%1").arg(mode == 2 ? 0 : 2));

    click(QStringLiteral("C_ding_%1").arg(mode));
    QCOMPARE(window->currentMode(), mode);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(colourButton(QStringLiteral("C_ding_%1").arg(i))->backColor(),
                 i == mode ? Colour::On : Colour::Off);
    QVERIFY(inFront(panels[mode], panels));
    QTRY_COMPARE(window->width(), twips(Fmain::windowWidthTwips(mode)));
    QCOMPARE(greenPositions(), positions);
    // The strip is seen, not covered by the wider panels behind this one.
    QWidget* strip = find<QWidget>(QStringLiteral("verificationStrip"));
    const QPoint stripMiddle = strip->geometry().center();
    QVERIFY(strip->geometry().right() < window->width());
    QWidget* seen = window->childAt(stripMiddle);
    QVERIFY(seen == strip || strip->isAncestorOf(seen));

    // And back to four-star.
    click(QStringLiteral("C_ding_2"));
    QCOMPARE(window->currentMode(), 2);
    QVERIFY(inFront(panels[2], panels));
    QTRY_COMPARE(window->width(), twips(Fmain::windowWidthTwips(2)));
    QCOMPARE(greenPositions(), (QList<int>{1, 2, 3, 4, 6, 7, 8, 9}));
}

void TestFmain::modeSwitchResetsStrip_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("same mode again") << 2;
    QTest::newRow("other mode") << 1;
}

void TestFmain::modeSwitchResetsStrip() {
    QFETCH(int, mode);
    find<QPlainTextEdit>(QStringLiteral("T_cs_ip_5"))->setPlainText(QStringLiteral("1234 5678"));
    find<QPlainTextEdit>(QStringLiteral("T_cs_ip_6"))->setPlainText(QStringLiteral("0012 0345"));
    find<QLabel>(QStringLiteral("L_zs_0"))->setText(QStringLiteral("2"));
    find<QLabel>(QStringLiteral("L_zs_1"))->setText(QStringLiteral("2"));
    // Change the selectors the way a player does: by clicking them.
    click(QStringLiteral("C_wz_5"));
    click(QStringLiteral("C_wz_9"));
    QCOMPARE(greenPositions(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));

    click(QStringLiteral("C_ding_%1").arg(mode));
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("T_cs_ip_5"))->toPlainText(), QString());
    QCOMPARE(find<QPlainTextEdit>(QStringLiteral("T_cs_ip_6"))->toPlainText(), QString());
    QCOMPARE(find<QLabel>(QStringLiteral("L_zs_0"))->text(), QStringLiteral("0"));
    QCOMPARE(find<QLabel>(QStringLiteral("L_zs_1"))->text(), QStringLiteral("0"));
    QCOMPARE(greenPositions(),
             mode == 2 ? (QList<int>{1, 2, 3, 4, 6, 7, 8, 9}) : (QList<int>{2, 3, 4, 7, 8, 9}));
}

void TestFmain::shrinkWithoutConditions() {
    press(0);
    QCOMPARE(count()->text(), QStringLiteral("10000"));
    QListWidget* list = resultList();
    QCOMPARE(list->count(), 2500);
    QCOMPARE(list->item(0)->text(), QStringLiteral("0000 0001 0002 0003 "));
    QCOMPARE(list->item(1)->text(), QStringLiteral("0004 0005 0006 0007 "));
    QCOMPARE(list->item(2499)->text(), QStringLiteral("9996 9997 9998 9999 "));
    QVERIFY(!list->isHidden());
    QVERIFY(find<QWidget>(QStringLiteral("Frame_jindu"))->isHidden());
    QVERIFY(command(0)->isEnabled());
    QCOMPARE(window->focusWidget(), find<QWidget>(QStringLiteral("Cf")));
    QCOMPARE(QString::fromStdString(window->fourStarState().SurvivorText), allNumbers());
    QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::LightGreen);
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestFmain::shrinkShowsProgress() {
    struct Seen {
        double share;
        bool frameShown;
        int bar;
        int track;
        bool buttonEnabled;
    };
    QList<Seen> seen;
    auto* frame = find<QWidget>(QStringLiteral("Frame_jindu"));
    auto* track = find<QWidget>(QStringLiteral("T_jindutiao_0"));
    auto* bar = find<QWidget>(QStringLiteral("T_jindutiao_1"));
    connect(window.get(), &Fmain::progressShown, this, [&](double share) {
        seen.append(
            {share, frame->isVisible(), bar->width(), track->width(), command(0)->isEnabled()});
    });
    press(0);
    QCOMPARE(seen.size(), 3);
    const double shares[3] = {0.001, 0.5, 0.8};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(seen[i].share, shares[i]);
        QVERIFY(seen[i].frameShown);
        QVERIFY(!seen[i].buttonEnabled);
        QVERIFY(seen[i].track > 0);
        QVERIFY2(qAbs(seen[i].bar - seen[i].track * shares[i]) <= 1.0,
                 qPrintable(QStringLiteral("bar %1 of %2").arg(seen[i].bar).arg(seen[i].track)));
    }
    QVERIFY(frame->isHidden());
    QVERIFY(command(0)->isEnabled());
}

void TestFmain::reversedTotalToleranceKeepsNothing() {
    typeTolerance(QStringLiteral("1"), QStringLiteral("0"));
    press(0);
    QCOMPARE(count()->text(), QStringLiteral("0"));
    QCOMPARE(resultList()->count(), 0);
    QVERIFY(window->fourStarState().SurvivorText.empty());

    // Copying an empty result empties the clipboard and still says so.
    QGuiApplication::clipboard()->setText(QStringLiteral("旧号码"));
    const int notices = Fts::shownCount();
    press(1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QCOMPARE(Fts::shownCount(), notices + 1);

    // Back to 0 至 0 with typed texts the leading-number rule reads as 0.
    typeTolerance(QStringLiteral("a1"), QStringLiteral("0.5"));
    press(0);
    QCOMPARE(count()->text(), QStringLiteral("10000"));
}

void TestFmain::invertTwice() {
    typeTolerance(QStringLiteral("1"), QStringLiteral("0"));
    press(0);
    QCOMPARE(count()->text(), QStringLiteral("0"));

    QStringList firstInverted;
    for (int round = 1; round <= 2; ++round) {
        press(4);
        QCOMPARE(MessageBox::shown().size(), round);
        const MessageBox::Shown& box = MessageBox::shown().last();
        QCOMPARE(box.kind, MessageBox::Information);
        QCOMPARE(box.title, kInvertTitle);
        QCOMPARE(box.text, kInvertText);
        QCOMPARE(count()->text(), QStringLiteral("10000"));
        QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::Red);
        const QStringList entries = listEntries(resultList());
        QCOMPARE(entries.size(), 2500);
        if (round == 1)
            firstInverted = entries;
        else
            QCOMPARE(entries, firstInverted);
    }
    QCOMPARE(firstInverted.first(), QStringLiteral("0000 0001 0002 0003 "));

    // The copy takes the inverted list.
    press(1);
    QCOMPARE(QGuiApplication::clipboard()->text(), allNumbers());

    // Only a new shrink brings the plain result and colour back.
    press(0);
    QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::LightGreen);
    QCOMPARE(count()->text(), QStringLiteral("0"));
    QCOMPARE(resultList()->count(), 0);
    QCOMPARE(MessageBox::shown().size(), 2);
}

void TestFmain::invertAfterPlainShrinkListsNothing() {
    press(0);
    press(4);
    QCOMPARE(count()->text(), QStringLiteral("0"));
    QCOMPARE(resultList()->count(), 0);
    QVERIFY(window->fourStarState().SurvivorText.empty());
    QCOMPARE(MessageBox::shown().size(), 1);
}

void TestFmain::invertBeforeAnyShrink() {
    press(4);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, kInvertTitle);
    QCOMPARE(MessageBox::shown().first().text, kInvertText);
    QCOMPARE(count()->text(), QStringLiteral("0"));
    QCOMPARE(resultList()->count(), 0);
    QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::Red);
}

void TestFmain::guardedDoublePress() {
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    const int notices = Fts::shownCount();
    int starts = 0;
    bool pressedAgain = false;
    connect(window.get(), &Fmain::progressShown, this, [&](double share) {
        if (share != 0.001)
            return;
        ++starts;
        if (pressedAgain)
            return;
        pressedAgain = true;
        // Presses that arrive while the run lets the message loop turn.
        press(0);
        press(1);
        press(4);
    });
    press(0);
    QVERIFY(pressedAgain);
    QCOMPARE(starts, 1);
    QCOMPARE(Fts::shownCount(), notices);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(colourButton(QStringLiteral("C_guolv_ks_4"))->backColor(), Colour::LightGreen);
    QCOMPARE(count()->text(), QStringLiteral("10000"));

    // Once the run is over every button works again.
    for (int i : {0, 1, 4})
        QVERIFY(command(i)->isEnabled());
    press(1);
    QCOMPARE(Fts::shownCount(), notices + 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), allNumbers());
}

void TestFmain::copyAfterShrink() {
    press(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    const int notices = Fts::shownCount();
    press(1);
    QCOMPARE(Fts::shownCount(), notices + 1);
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.size(), 10000 * 5 - 1);
    QCOMPARE(copied, allNumbers());
    QVERIFY(!copied.contains(QLatin1Char('\n')));
    QVERIFY(command(1)->isEnabled());
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestFmain::closeAnsweredNo() {
    press(0);
    MessageBox::setNextAnswer(MessageBox::No);
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(quits, 0);
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown& box = MessageBox::shown().first();
    QCOMPARE(box.kind, MessageBox::Question);
    QCOMPARE(box.title, QStringLiteral("关闭确认"));
    QCOMPARE(box.text, QStringLiteral("是否要关闭软件？"));
    // Nothing of the window's state was touched.
    QCOMPARE(count()->text(), QStringLiteral("10000"));
    QCOMPARE(resultList()->count(), 2500);
}

void TestFmain::closeAnsweredYes() {
    MessageBox::setNextAnswer(MessageBox::Yes);
    QVERIFY(window->close());
    QCOMPARE(quits, 1);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().title, QStringLiteral("关闭确认"));
}

// A file dialog or a dialog's standard button in English would be the one
// foreign text a Chinese player meets.
void TestFmain::qtOwnTextsSpeakChinese() {
    QVERIFY(InstallQtChinese(*QCoreApplication::instance()));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
}

// Qt's own line in a drop-down cuts a paste at 32,767 characters without a
// word; every tolerance and range list in every mode has the player's line.
void TestFmain::everyEditableListTakesLongPastes() {
    QStringList plain;
    int editable = 0;
    for (const QComboBox* list : window->findChildren<QComboBox*>()) {
        if (!list->isEditable())
            continue;
        ++editable;
        if (!qobject_cast<LineBox*>(list->lineEdit()))
            plain << list->objectName();
    }
    QVERIFY(editable > 20);
    QVERIFY2(plain.isEmpty(), qPrintable(plain.join(u' ')));
}

void TestFmain::smallScreenScrolls() {
    const QSize size = window->size();
    // Room to spare: the window is its own top level.
    QCOMPARE(ShowFitted(window.get(), QRect(QPoint(0, 0), size + QSize(100, 200))),
             static_cast<QWidget*>(window.get()));

    // A 1080p screen at 150%: the window scrolls inside a frame that fits.
    const QRect screen(0, 0, 1280, 680);
    auto* frame = qobject_cast<QScrollArea*>(ShowFitted(window.get(), screen));
    QVERIFY(frame);
    // The window belongs to the fixture: give it back before the frame goes.
    const auto release = qScopeGuard([frame] {
        frame->takeWidget();
        delete frame;
    });
    QCOMPARE(frame->widget(), static_cast<QWidget*>(window.get()));
    QVERIFY(screen.contains(frame->geometry()));
    QCOMPARE(window->size(), size);
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    // Every row of the window can be scrolled into view.
    QCOMPARE(frame->verticalScrollBar()->maximum(), size.height() - frame->viewport()->height());

    // Closing the frame still asks, and "否" keeps both open.
    MessageBox::setNextAnswer(MessageBox::No);
    QVERIFY(!frame->close());
    QVERIFY(frame->isVisible() && window->isVisible());
    QCOMPARE(quits, 0);
    MessageBox::setNextAnswer(MessageBox::Yes);
    QVERIFY(frame->close());
    QCOMPARE(quits, 1);
    QCOMPARE(MessageBox::shown().size(), 2);
}

void TestFmain::closeOpensExitPage() {
    sink.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("sorvantaexit"), &sink, "open");
    window->ExitPageUrl = QStringLiteral("sorvantaexit://bye");

    MessageBox::setNextAnswer(MessageBox::No);
    QVERIFY(!window->close());
    QVERIFY(sink.opened.isEmpty());

    MessageBox::setNextAnswer(MessageBox::Yes);
    QVERIFY(window->close());
    QCOMPARE(sink.opened.size(), 1);
    QCOMPARE(sink.opened.first(), QUrl(QStringLiteral("sorvantaexit://bye")));
    QCOMPARE(quits, 1);
}

void TestFmain::pageButtons_data() {
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<int>("current"); // the light-green button; its frame is in front
    QTest::addColumn<int>("front");
    for (int i = 0; i <= 5; ++i)
        QTest::addRow("page %d", i) << QList<int>{i} << QList<int>{i} << i << i;
    QTest::newRow("page 0 after page 4") << QList<int>{4, 0} << QList<int>{0} << 0 << 0;
    QTest::newRow("splice lies over page 2") << QList<int>{2, 6} << QList<int>{2, 6} << 6 << 6;
    QTest::newRow("both splices over page 1")
        << QList<int>{1, 6, 7} << QList<int>{1, 6, 7} << 7 << 7;
    QTest::newRow("page hides the splice") << QList<int>{6, 3} << QList<int>{3} << 3 << 3;
    QTest::newRow("main page hides splices only")
        << QList<int>{2, 6, 7, 99} << QList<int>{0, 2} << 99 << 0;
    QTest::newRow("main page from page 4") << QList<int>{4, 99} << QList<int>{0, 4} << 99 << 0;
}

void TestFmain::pageButtons() {
    QFETCH(QList<int>, presses);
    QFETCH(QList<int>, shown);
    QFETCH(int, current);
    QFETCH(int, front);
    QList<QWidget*> frames;
    for (int i = 0; i < 8; ++i)
        frames << find<QWidget>(QStringLiteral("Frame_ding_%1").arg(i));

    for (int index : presses)
        click(QStringLiteral("C_sst_0_%1").arg(index));

    QList<int> visible;
    for (int i = 0; i < 8; ++i)
        if (!frames[i]->isHidden())
            visible << i;
    QCOMPARE(visible, shown);
    for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 99})
        QCOMPARE(colourButton(QStringLiteral("C_sst_0_%1").arg(i))->backColor(),
                 i == current ? Colour::LightGreen : Colour::Off);
    QList<QWidget*> visibleFrames;
    for (int i : shown)
        visibleFrames << frames[i];
    QVERIFY(inFront(frames[front], visibleFrames));
    QCOMPARE(window->focusWidget(), find<QWidget>(QStringLiteral("Cf")));
}

QTEST_MAIN(TestFmain)
#include "test_fmain.moc"
