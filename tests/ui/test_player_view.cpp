// The window as a Chinese player meets it: no English in what it shows, a
// clear never reaches into another mode's panel or another group's rows,
// results stay as they were written, hints are no data, and the window
// follows its mode's panel without leaving the screen.
#include "window_test.hpp"

#include "app/fmain.hpp"
#include "app/scheme_actions.hpp"
#include "app/window_host.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "scheme/scheme.hpp"
#include "shell/help_index.hpp"

#include "shell/accessible_names.hpp"
#include "shell/colour_button.hpp"
#include "shell/description_window.hpp"
#include "shell/help_topics.hpp"
#include "shell/screen_fit.hpp"
#include "shell/text_boxes.hpp"
#include <nlohmann/json.hpp>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTableWidget>

using namespace sorvanta;
using namespace sorvanta::ui;
using namespace sorvanta::test;

namespace {

// Everything of a panel a player can change, as one comparable list.
QStringList PanelState(const QWidget* panel) {
    QStringList state;
    for (const QWidget* w : panel->findChildren<QWidget*>()) {
        const QString name = w->objectName() + u'=';
        if (const auto* box = qobject_cast<const QPlainTextEdit*>(w))
            state << name + box->toPlainText();
        else if (const auto* line = qobject_cast<const QLineEdit*>(w))
            state << name + line->text();
        else if (const auto* button = qobject_cast<const ColourButton*>(w))
            state << name + QString::number(button->backColor());
        else if (const auto* check = qobject_cast<const QAbstractButton*>(w);
                 check && check->isCheckable())
            state << name + (check->isChecked() ? u'1' : u'0');
        else if (const auto* list = qobject_cast<const QComboBox*>(w))
            state << name + list->currentText();
    }
    return state;
}

// Every box of a panel holds typing, every toggle is chosen.
void TypeEverywhere(QWidget* panel) {
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        if (auto* box = qobject_cast<QPlainTextEdit*>(w); box && !box->isReadOnly())
            box->setPlainText(QStringLiteral("123 456"));
        else if (auto* line = qobject_cast<QLineEdit*>(w); line && !line->isReadOnly())
            line->setText(QStringLiteral("2"));
        else if (auto* button = qobject_cast<ColourButton*>(w))
            button->setBackColor(Colour::Yellow);
    }
}

// Latin words a player may meet: shape names, the AC value, base sets A and
// B and the scheme file's JSON.
bool AllowedLatin(const QString& word) {
    static const QStringList allowed = {
        QStringLiteral("AAAA"), QStringLiteral("AAAB"), QStringLiteral("AABB"),
        QStringLiteral("AABC"), QStringLiteral("ABCD"), QStringLiteral("N"),
        QStringLiteral("AC"),   QStringLiteral("A"),    QStringLiteral("B"),
        QStringLiteral("AB"),   QStringLiteral("JSON")};
    return allowed.contains(word);
}

// The texts a widget shows: caption, title, tooltip, items, hint.
QStringList ShownTexts(const QWidget* w) {
    QStringList texts{w->toolTip()};
    if (w->isWindow())
        texts << w->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        texts << QString(label->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        texts << button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w))
        texts << group->title();
    else if (const auto* line = qobject_cast<const QLineEdit*>(w))
        texts << line->text() << line->placeholderText();
    else if (const auto* box = qobject_cast<const QPlainTextEdit*>(w))
        texts << box->toPlainText() << box->placeholderText();
    else if (const auto* list = qobject_cast<const QComboBox*>(w))
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
    else if (const auto* items = qobject_cast<const QListWidget*>(w))
        for (int i = 0; i < items->count(); ++i)
            texts << items->item(i)->text();
    else if (const auto* table = qobject_cast<const QTableWidget*>(w))
        for (int c = 0; c < table->columnCount(); ++c)
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(c))
                texts << header->text();
    return texts;
}

} // namespace

class TestPlayerView : public WindowTest {
    Q_OBJECT

    QWidget* panel(int mode) const {
        return window->controls().widget(QStringLiteral("Pic_di"), mode);
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        openWindow();
        waitForRanges(window->fourStar());
        for (int mode : {0, 1})
            for (RangeControl* range : panel(mode)->findChildren<RangeControl*>())
                QTRY_VERIFY(!range->rebuildPending());
        MessageBox::clearShown();
    }
    void cleanup() { window.reset(); }

    // A clear, whole-panel or one group's, leaves every other mode's panel
    // exactly as the player left it.
    void clearsStayInTheirMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("clears"); // object names, "*" every 清 of the panel
        QTest::newRow("two-star 清空条件") << 0 << QStringLiteral("C_2x3x_gn_17");
        QTest::newRow("two-star every 清") << 0 << QStringLiteral("*");
        QTest::newRow("three-star 清空所有条件") << 1 << QStringLiteral("C_2x3x_gn_4");
        QTest::newRow("three-star every 清") << 1 << QStringLiteral("*");
        QTest::newRow("four-star 清空条件") << 2 << QStringLiteral("C_guolv_ks_3");
        QTest::newRow("four-star every 清") << 2 << QStringLiteral("*");
    }
    void clearsStayInTheirMode() {
        QFETCH(int, mode);
        QFETCH(QString, clears);
        QStringList before[3];
        for (int other = 0; other < 3; ++other)
            if (other != mode) {
                TypeEverywhere(panel(other));
                before[other] = PanelState(panel(other));
            }
        window->switchMode(mode);
        QStringList buttons{clears};
        if (clears == u'*') {
            buttons.clear();
            static const QRegularExpression clear(QStringLiteral("^(C_3x_cls|C_cls)_\\d+$"));
            for (const QAbstractButton* b : panel(mode)->findChildren<QAbstractButton*>(clear))
                buttons << b->objectName();
            QVERIFY(buttons.size() >= 10);
        }
        MessageBox::setNextAnswer(MessageBox::Yes);
        for (const QString& name : buttons)
            find<QAbstractButton>(name)->click();
        for (int other = 0; other < 3; ++other)
            if (other != mode)
                QCOMPARE(PanelState(panel(other)), before[other]);
    }

    // A 清 clears its own rows and the box and range beside it, and no more.
    void clearsTakeTheirOwnRows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("cleared");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("任意两码合差保留")
            << QStringLiteral("C_3x_cls_22") << QStringList{QStringLiteral("C_3x_chu_112")}
            << QStringList{QStringLiteral("T_lm_he_0"), QStringLiteral("T_lm_he_14")};
        QTest::newRow("杀垃圾复式")
            << QStringLiteral("C_3x_cls_37")
            << QStringList{QStringLiteral("T_3x_ip_7"), QStringLiteral("ucf_rc_8")}
            << QStringList{QStringLiteral("T_3x_ip_8"), QStringLiteral("ucf_rc_9")};
        QTest::newRow("杀2码组合")
            << QStringLiteral("C_3x_cls_38")
            << QStringList{QStringLiteral("T_3x_ip_8"), QStringLiteral("ucf_rc_9")}
            << QStringList{QStringLiteral("T_3x_ip_7"), QStringLiteral("ucf_rc_8")};
    }
    void clearsTakeTheirOwnRows() {
        QFETCH(QString, button);
        QFETCH(QStringList, cleared);
        QFETCH(QStringList, kept);
        window->switchMode(1);
        const QStringList start = PanelState(panel(1));
        TypeEverywhere(panel(1));
        const QStringList typed = PanelState(panel(1));
        click(button);
        const QStringList after = PanelState(panel(1));
        const auto state = [](const QStringList& all, const QString& name) {
            QStringList mine;
            for (const QString& entry : all)
                if (entry.startsWith(name + u'=') || entry.startsWith(name + u'_'))
                    mine << entry;
            return mine;
        };
        for (const QString& name : cleared)
            QCOMPARE(state(after, name), state(start, name));
        for (const QString& name : kept)
            QCOMPARE(state(after, name), state(typed, name));
    }

    // A result is the program's: a double-click selects in it, never empties
    // it, in every mode.
    void resultsAreReadOnly_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("start");
        QTest::newRow("two-star") << 0 << QStringLiteral("C_2x3x_gn_14");
        QTest::newRow("three-star") << 1 << QStringLiteral("C_2x3x_gn_0");
    }
    void resultsAreReadOnly() {
        QFETCH(int, mode);
        QFETCH(QString, start);
        window->switchMode(mode);
        click(start);
        const auto* result = find<QPlainTextEdit>(QStringLiteral("T_dd_%1").arg(mode == 0 ? 1 : 0));
        const QString shown = result->toPlainText();
        QVERIFY(!shown.isEmpty());
        for (auto* box : window->findChildren<QPlainTextEdit*>()) {
            if (!box->isReadOnly() || !box->isVisible())
                continue;
            const QString before = box->toPlainText();
            QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, QPoint(4, 6));
            QCOMPARE(box->toPlainText(), before);
        }
        QCOMPARE(result->toPlainText(), shown);
    }

    // A box showing its hint holds nothing: an untouched or cleared panel
    // saves as no conditions at all, in every mode.
    void hintsAreNoData_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("reset");
        QTest::newRow("two-star") << 0 << QStringLiteral("C_2x3x_gn_17");
        QTest::newRow("three-star") << 1 << QStringLiteral("C_2x3x_gn_4");
        QTest::newRow("four-star") << 2 << QStringLiteral("C_guolv_ks_3");
    }
    void hintsAreNoData() {
        QFETCH(int, mode);
        QFETCH(QString, reset);
        window->switchMode(mode);
        const auto conditions = [this] {
            return nlohmann::json::parse(
                scheme::WriteScheme(window->schemeActions()->currentScheme()))["conditions"];
        };
        QCOMPARE(QString::fromStdString(conditions().dump()), QStringLiteral("{}"));
        MessageBox::setNextAnswer(MessageBox::Yes);
        click(reset);
        QCOMPARE(QString::fromStdString(conditions().dump()), QStringLiteral("{}"));
    }

    // Captions as players know them.
    void captionsAsGiven_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("gone");
        QTest::newRow("胆组") << 1 << QStringLiteral("胆码开出个数") << QStringLiteral("开出个数");
        QTest::newRow("总容错") << 1 << QStringLiteral("总容错")
                                << QStringLiteral("总容错（出错的条件组数）");
    }
    void captionsAsGiven() {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QFETCH(QString, gone);
        QStringList labels;
        for (const QLabel* label : panel(mode)->findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains(shown));
        QVERIFY(!labels.contains(gone));
    }

    // The window is its mode's panel and the strip, at every mode; on a
    // screen too small it scrolls in a frame that follows the mode and
    // never leaves the screen.
    void widthFollowsTheMode_data() {
        QTest::addColumn<int>("mode");
        for (int mode : {0, 1, 2})
            QTest::addRow("mode %d", mode) << mode;
    }
    void widthFollowsTheMode() {
        QFETCH(int, mode);
        window->switchMode(mode);
        const QRect panelArea = panel(mode)->geometry();
        const QWidget* strip = find<QWidget>(QStringLiteral("verificationStrip"));
        QVERIFY(strip->x() >= panelArea.right());
        QVERIFY(window->width() - strip->geometry().right() < 20);

        const QRect screen(0, 0, window->width() * 2 / 3, 480);
        auto* frame = dynamic_cast<WindowHost*>(ShowFitted(window.get(), screen));
        QVERIFY(frame);
        const auto release = qScopeGuard([frame] {
            frame->takeWidget();
            delete frame;
        });
        for (int next : {0, 2, mode}) {
            window->switchMode(next);
            QVERIFY(frame->width() <= screen.width() - kFrameWidthAllowance);
            QVERIFY(frame->height() <= screen.height() - kFrameHeightAllowance);
            QVERIFY(frame->width() <= window->width() + 40);
        }
    }

    // The description window fits a 1280×720 screen at 1.5× (853×480
    // logical pixels) with its 关闭 button in reach.
    void descriptionFitsASmallScreen() {
        Fsm help;
        const QRect screen(0, 0, 853, 480);
        FitToScreen(&help, screen);
        QVERIFY(help.width() <= screen.width() - kFrameWidthAllowance);
        QVERIFY(help.height() <= screen.height() - kFrameHeightAllowance);
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QVERIFY(help.rect().contains(QRect(
            help.findChild<QPushButton*>(QStringLiteral("C_shuoming"))->mapTo(&help, QPoint(0, 0)),
            help.findChild<QPushButton*>(QStringLiteral("C_shuoming"))->size())));
    }

    // Every group's 说明 speaks of every control of its group: each caption
    // and label of the group (digits, 清, 全 and 说明 aside) is in its topic.
    void helpCoversItsGroup() {
        HelpTopics help;
        help.load();
        QVERIFY(help.loaded());
        // Values a group offers (digits, shapes, routes, rows 胆1…) are
        // explained by the group's rule, not one by one.
        static const QRegularExpression value(QStringLiteral(
            "^([-0-9:.* ]*|[大小奇偶质合单双]+|胆\\d|.*说明|清|全|全清|至|复制号码|导出号码)$"));
        QMap<const QGroupBox*, QString> topics; // every 说明 of a group, together
        for (int mode : {0, 1, 2})
            for (const QAbstractButton* button : panel(mode)->findChildren<QAbstractButton*>(
                     QRegularExpression(QStringLiteral("^C_234_sm_\\d+$")))) {
                const HelpButtonTarget target =
                    HelpButtonTargetOf(button->objectName().section(u'_', -1).toInt());
                const auto* group = qobject_cast<const QGroupBox*>(button->parentWidget());
                if (target.shows == HelpShows::Topic && group)
                    topics[group] += help.topic(QString::fromUtf8(
                        target.name.data(), static_cast<qsizetype>(target.name.size())));
            }
        QStringList missing;
        for (auto it = topics.cbegin(); it != topics.cend(); ++it) {
            const QString topic = QString(it.value()).remove(u' ');
            for (const QWidget* w : it.key()->findChildren<QWidget*>()) {
                const QWidget* owner = w->parentWidget();
                while (owner && !qobject_cast<const QGroupBox*>(owner))
                    owner = owner->parentWidget();
                if (owner != it.key())
                    continue; // a group inside it has its own 说明
                QString caption;
                if (const auto* label = qobject_cast<const QLabel*>(w))
                    caption = label->text();
                else if (const auto* b = qobject_cast<const QAbstractButton*>(w))
                    caption = b->text();
                caption = caption.section(u'（', 0, 0).section(u'(', 0, 0).remove(u' ');
                if (!caption.isEmpty() && !value.match(caption).hasMatch() &&
                    !topic.contains(caption))
                    missing << QStringLiteral("%1: %2").arg(it.key()->title(), caption);
            }
        }
        missing.removeDuplicates();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }

    // A screen reader tells every control of a panel from every other, and a
    // 清 or 全 by what it does.
    void accessibleNamesTellControlsApart() {
        QStringList faults;
        for (int mode : {0, 1, 2}) {
            QHash<QString, QStringList> seen;
            for (const QWidget* w : panel(mode)->findChildren<QWidget*>()) {
                // A drop-down's list is named with the drop-down.
                if (!IsNamedControl(w) || w->objectName().isEmpty() ||
                    qobject_cast<const QComboBox*>(w->parentWidget()))
                    continue;
                const QString name = w->accessibleName();
                seen[name] << w->objectName();
                const auto* button = qobject_cast<const QAbstractButton*>(w);
                if (button && (button->text() == u"清" || button->text() == u"全") &&
                    !name.endsWith(u"清空") && !name.endsWith(u"全选"))
                    faults << name;
            }
            for (auto it = seen.cbegin(); it != seen.cend(); ++it)
                if (it.value().size() > 1)
                    faults << QStringLiteral("%1: %2").arg(it.key(), it.value().join(u','));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(" | "))));
    }

    // No English anywhere a player looks, in any mode or page: captions,
    // titles, tooltips, list items, hints. Numbers and the shape names the
    // panels give are not English.
    void noEnglishShown() {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
        QStringList english;
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            if (w->objectName() == u"Cf" || w->objectName().startsWith(u"qt_"))
                continue;
            for (const QString& text : ShownTexts(w))
                for (const auto& m : word.globalMatch(text))
                    if (!AllowedLatin(m.captured()))
                        english << w->objectName() + u':' + text.left(40);
        }
        english.removeDuplicates();
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TestPlayerView)
#include "test_player_view.moc"
