// The whole window under a long seeded run of random gestures, the way a
// careless player uses it: clicks on every kind of button of every mode and
// page, typed and pasted text of every sort in every box, double-clicks,
// tolerance changes, help windows opened and closed again, every command,
// the close question answered both ways. After each gesture the window must
// still answer, every result it shows must be well formed and agree with a
// headless run of the same panel, and every text the player typed must still
// be there unless the gesture was one that writes that box.
//
// MONKEY_SEED and MONKEY_EVENTS choose the run (`make monkey SEED=...
// EVENTS=...`); the seed is printed first, so a failure reproduces.
#include "window_test.hpp"

#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "app/stats_dialog.hpp"
#include "app/trend_chart.hpp"
#include "engine4/four_star_input.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "panels/verification/history_window.hpp"
#include "panels/verification/verification_strip.hpp"
#include "scheme/run_scheme.hpp"
#include "shell/accessible_names.hpp"
#include "shell/base_number_box.hpp"
#include "shell/description_window.hpp"
#include "shell/either_or_switch.hpp"
#include "shell/file_dialogs.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/range_control.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <thread>

using namespace sorvanta;

namespace {

using Rng = std::mt19937_64;

quint64 envNumber(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

int below(Rng& rng, int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng);
}

template <class T> T oneOf(Rng& rng, const QList<T>& list) {
    return list[below(rng, static_cast<int>(list.size()))];
}

bool hasChinese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff)
            return true;
    return false;
}

// What a player types: mostly digits and the separators the boxes take,
// with Chinese, full-width digits, letters, emoji and invisible characters
// among them.
QString randomText(Rng& rng, int length) {
    static const QStringList sources = {
        QStringLiteral("0123456789"),
        QStringLiteral("  ,\n*-=:"),
        QStringLiteral("大小奇偶质合杀胆百十个千万组直选双击清空上山下山连豹子"),
        QStringLiteral("０１２３４５６７８９，。、\u3000"),
        QStringLiteral("abcXYZ.+#"),
        QStringLiteral("\U0001F600\U0001F3B2\U0001F004"),
        QStringLiteral("\t\r\u200b\ufeff"),
    };
    static const std::discrete_distribution<int> kinds({55, 18, 10, 5, 5, 4, 3});
    auto pool = kinds;
    QString out;
    for (int i = 0; i < length; ++i) {
        const QList<uint> chars = sources[pool(rng)].toUcs4();
        const char32_t c = chars[below(rng, static_cast<int>(chars.size()))];
        out += QString::fromUcs4(&c, 1);
    }
    return out;
}

// A list as players paste it from a betting site: numbers of mostly two to
// five digits between mixed separators.
QString randomList(Rng& rng, qsizetype characters) {
    static const QStringList separators = {QStringLiteral(" "),  QStringLiteral(","),
                                           QStringLiteral("\n"), QStringLiteral("\r\n"),
                                           QStringLiteral("  "), QStringLiteral("，")};
    QString out;
    out.reserve(characters + 8);
    while (out.size() < characters) {
        const int width = 1 + below(rng, 6);
        for (int d = 0; d < width; ++d)
            out += QChar(u'0' + below(rng, 10));
        out += oneOf(rng, separators);
    }
    return out;
}

QString pasteText(Rng& rng) {
    const int kind = below(rng, 100);
    if (kind < 2)
        return randomList(rng, 100 * 1000);
    if (kind < 15)
        return randomList(rng, 20 + below(rng, 6000));
    return randomText(rng, 1 + below(rng, 40));
}

// Key by key; what is beyond ASCII arrives as key events that carry only
// their text, the way an input method delivers it.
void typeInto(QWidget* target, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c == u'\n')
            QTest::keyClick(target, Qt::Key_Return);
        else if (c == u'\t')
            QTest::keyClick(target, Qt::Key_Tab);
        else if (c >= 0x20 && c < 0x7f)
            QTest::keyClick(target, static_cast<char>(c));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
    }
}

// The editing keys a player hits in a box.
const QList<QKeyCombination> kEditKeys = {Qt::Key_Backspace,
                                          Qt::Key_Delete,
                                          Qt::Key_Return,
                                          Qt::Key_Home,
                                          Qt::Key_End,
                                          Qt::Key_Left,
                                          Qt::Key_Right,
                                          Qt::Key_Up,
                                          Qt::Key_Down,
                                          Qt::Key_PageDown,
                                          Qt::Key_Escape,
                                          Qt::Key_Tab,
                                          Qt::Key_F4,
                                          Qt::ALT | Qt::Key_Down,
                                          Qt::CTRL | Qt::Key_A,
                                          Qt::CTRL | Qt::Key_Z,
                                          Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
                                          Qt::CTRL | Qt::Key_X,
                                          Qt::CTRL | Qt::Key_C,
                                          Qt::CTRL | Qt::Key_V,
                                          Qt::SHIFT | Qt::Key_End};

void pressKey(QWidget* target, QKeyCombination key) {
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

QString textOf(const QWidget* box) {
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(box))
        return edit->toPlainText();
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    if (const auto* label = qobject_cast<const QLabel*>(box))
        return label->text();
    return {};
}

QString shortened(const QString& text) {
    QString shown = text.left(60);
    shown.replace(u'\n', QStringLiteral("\\n"));
    return text.size() > 60 ? QStringLiteral("\"%1\"... (%2 chars)").arg(shown).arg(text.size())
                            : QStringLiteral("\"%1\"").arg(shown);
}

QStringList tokens(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// Whether `numbers` is a proper result of `width`-digit numbers (any one
// width when 0): only digits, ascending and without repeats when `sorted`,
// and as many as its count label says.
QString resultFault(const QStringList& numbers, int width, bool sorted, const QString& count) {
    const int w = width > 0 ? width : (numbers.isEmpty() ? 0 : int(numbers.first().size()));
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        const QString& n = numbers[i];
        if (n.size() != w || n.contains(QRegularExpression(QStringLiteral("[^0-9]"))))
            return QStringLiteral("entry %1 \"%2\" is no %3-digit number").arg(i).arg(n).arg(w);
        if (sorted && i > 0 && numbers[i - 1] >= n)
            return QStringLiteral("entry %1 \"%2\" follows \"%3\"").arg(i).arg(n, numbers[i - 1]);
    }
    if (count != QString::number(numbers.size()))
        return QStringLiteral("count label says %1 for %2 entries").arg(count).arg(numbers.size());
    return {};
}

QStringList expectedNumbers(const scheme::RunResult& run) {
    QStringList out;
    for (int n : run.numbers)
        out << QStringLiteral("%1").arg(n, run.width, 10, QLatin1Char('0'));
    return out;
}

// What a gesture opened and left waiting for the player is closed as the
// player would close it: the copy notice and the description window by
// their buttons, a menu by choosing one of its lines or none, a drop-down
// by Escape. A modal window nobody expects is closed too and reported.
class Closer : public QObject {
public:
    explicit Closer(quint64 seed) : rng_(seed ^ 0x9e3779b97f4a7c15ULL) {
        timer_.setInterval(2);
        connect(&timer_, &QTimer::timeout, this, &Closer::sweep);
        timer_.start();
    }
    QStringList unexpected;
    int helpWindowsClosed = 0;

    void sweep() {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            if (auto* menu = qobject_cast<QMenu*>(popup)) {
                const int steps = below(rng_, 8);
                for (int i = 0; i < steps; ++i)
                    QTest::keyClick(menu, Qt::Key_Down);
                QTest::keyClick(menu, below(rng_, 2) ? Qt::Key_Return : Qt::Key_Escape);
            }
            if (QApplication::activePopupWidget() == popup)
                popup->close();
            return;
        }
        // The backtest, statistics, trend and history windows stay beside
        // the window by design; the monkey looks at each once and closes it.
        for (QWidget* top : QApplication::topLevelWidgets())
            if ((qobject_cast<ui::BacktestDialog*>(top) || qobject_cast<ui::StatsDialog*>(top) ||
                 qobject_cast<ui::TrendWindow*>(top) || qobject_cast<ui::HistoryWindow*>(top)) &&
                top->isVisible())
                top->close();
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* help = qobject_cast<ui::Fsm*>(modal)) {
            ++helpWindowsClosed;
            help->findChild<QPushButton*>(QStringLiteral("C_shuoming"))->click();
        } else if (auto* notice = qobject_cast<ui::Fts*>(modal)) {
            notice->accept();
        } else {
            unexpected << QString::fromLatin1(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

private:
    Rng rng_;
    QTimer timer_;
};

// The input events the gestures delivered to widgets: key presses, mouse
// presses and double clicks, context menus, drops. An event that climbs to
// the parents is counted once.
class InputCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
        case QEvent::Drop:
            if (receiver->isWidgetType() && (event != last_ || event->type() != lastType_)) {
                ++count;
                last_ = event;
                lastType_ = event->type();
            }
            break;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
            last_ = nullptr;
            break;
        default:
            break;
        }
        return false;
    }

private:
    const QEvent* last_ = nullptr;
    QEvent::Type lastType_ = QEvent::None;
};

// Ends the process, seed in hand, when one gesture takes longer than any
// player would wait: the window froze.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              while (!done_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  if (!done_ && std::chrono::steady_clock::now() - since() > limit) {
                      std::fprintf(stderr, "monkey: gesture %d froze the window\n", step_.load());
                      std::fflush(stderr);
                      std::abort();
                  }
              }
          }) {}
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }
    void began(int step) {
        step_ = step;
        start_ = std::chrono::steady_clock::now().time_since_epoch().count();
    }

private:
    std::chrono::steady_clock::time_point since() const {
        return std::chrono::steady_clock::time_point(
            std::chrono::steady_clock::duration(start_.load()));
    }
    std::atomic<bool> done_{false};
    std::atomic<int> step_{0};
    std::atomic<std::chrono::steady_clock::rep> start_{
        std::chrono::steady_clock::now().time_since_epoch().count()};
    std::thread thread_;
};

// Which boxes each command writes by design (beyond its result list).
const QHash<QString, QStringList>& commandWrites() {
    static const QHash<QString, QStringList> writes = [] {
        QHash<QString, QStringList> w;
        const QStringList jj = {"T_jj_0", "T_jj_1", "T_jj_2"};
        w.insert("C_guolv_ks_0", {"T_duijiang_1"});
        w.insert("C_guolv_ks_2", {"T_duijiang_1"});
        for (int i = 6; i <= 9; ++i) {
            w.insert(QStringLiteral("C_guolv_ks_%1").arg(i), jj);
            w.insert(QStringLiteral("C_2x3x_gn_%1").arg(i + 1), {"T_3x_ip_12"});
        }
        w.insert("C_guolv_ks_10", {"T_cs_ip_1", "T_cs_ip_2"});
        w.insert("C_guolv_ks_11", {"T_cs_ip_5"});
        w.insert("C_guolv_ks_13", {"T_cs_ip_4", "T_cs_ip_6"});
        for (int i : {0, 2, 3})
            w.insert(QStringLiteral("C_2x3x_gn_%1").arg(i), {"T_dd_0", "T_duijiang_0"});
        w.insert("C_2x3x_gn_5", {"T_3x_ip_5", "T_3x_ip_6"});
        for (int i : {14, 16, 18})
            w.insert(QStringLiteral("C_2x3x_gn_%1").arg(i), {"T_dd_1"});
        return w;
    }();
    return writes;
}

// A result box and the label that counts it. Width 0: any one width.
struct ResultPair {
    const char* box;
    const char* count;
    int width;
    bool sorted;
};
const ResultPair kResultPairs[] = {
    {"T_dd_0", "Lzhushu_0", 3, true},      {"T_dd_1", "Lzhushu_1", 2, true},
    {"T_jj_2", "Ljiaoji_zhushu", 4, true}, {"T_3x_ip_12", "Lzhushu_2", 3, true},
    {"T_cs_ip_6", "L_zs_1", 0, true},      {"T_cs_ip_5", "L_zs_0", 0, false},
};

enum class Kind { Toggle, Command, Clear, Help, Page, Mode, Strip, Other };

Kind kindOf(const QWidget* button) {
    const QString name = button->objectName();
    if (name.startsWith(u"C_guolv_ks_") || name.startsWith(u"C_2x3x_gn_"))
        return Kind::Command;
    if (name.startsWith(u"C_cls") || name.startsWith(u"C_3x_cls_") ||
        name.startsWith(u"C_3x_all_") || name == u"C_zt")
        return Kind::Clear;
    if (name.startsWith(u"C_234_sm_"))
        return Kind::Help;
    if (name.startsWith(u"C_sst_0_") || name.startsWith(u"C_3x_ding_"))
        return Kind::Page;
    if (name.startsWith(u"C_ding_"))
        return Kind::Mode;
    if (name.startsWith(u"C_wz_") || name.startsWith(u"C_xl_") || name.startsWith(u"Option_xl_") ||
        name == u"importDraws")
        return Kind::Strip;
    return Kind::Toggle;
}

// Clears put boxes back to blank: empty, their starting text or a zero
// tolerance.
bool clears(const QAbstractButton* button) {
    const QString name = button->objectName();
    return kindOf(button) == Kind::Clear || kindOf(button) == Kind::Mode ||
           name.startsWith(u"C_xl_") || name == u"C_guolv_ks_3" || name == u"C_2x3x_gn_4" ||
           name == u"C_2x3x_gn_17";
}

} // namespace

class TestMonkey : public test::WindowTest {
    Q_OBJECT

private:
    quint64 seed = 0;
    Rng rng;
    QTemporaryDir folder;
    std::unique_ptr<Closer> closer;
    QString drawFile;
    int closesConfirmed = 0;

    struct Box {
        QPointer<QWidget> widget;
        QString name;
        QString start;
        QString expected;
        bool typedSinceWrite = false;
    };
    QList<Box> boxes;
    std::deque<QString> recent;
    std::optional<four::FourStarInput> lastTally;
    QStringList nestedFaults;
    bool pressDuringRun = false;
    QHash<QString, int> pressedCount;
    int headlessRuns = 0;
    int pressesDuringRuns = 0;

    QString report() const {
        QString out = QStringLiteral("monkey: seed %1; the last gestures, latest last:").arg(seed);
        for (const QString& line : recent)
            out += QStringLiteral("\n  ") + line;
        return out;
    }
    void note(const QString& line) {
        recent.push_back(line);
        if (recent.size() > 25)
            recent.pop_front();
    }

    void openMonkeyWindow() {
        window.reset();
        ui::MessageBox::clearShown();
        ui::HistorySourceOptions options;
        options.storePath = (folder.path() + QStringLiteral("/draws.sqlite")).toStdString();
        options.baseAddress = QString(); // no collection: nothing goes to the network
        options.keepAddress = false;
        window = std::make_unique<ui::Fmain>(options);
        window->setQuitHandler([this] { ++closesConfirmed; });
        window->strip()->setFileChooser([this] { return chooseDrawFile(); });
        connect(window.get(), &ui::Fmain::progressShown, this, [this] { pressWhileRunning(); });
        QSignalSpy started(window.get(), &ui::Fmain::startupFinished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(started.count() == 1 || started.wait(10000));
        for (ui::RangeControl* range : window->findChildren<ui::RangeControl*>())
            QTRY_VERIFY(!range->rebuildPending());
        for (ui::BaseNumberBox* box : window->findChildren<ui::BaseNumberBox*>())
            QTRY_VERIFY(!box->Lwz->text().isEmpty());
        window->historySource()->importFile(drawFile);
        QVERIFY(window->historySource()->waitForImports());
        lastTally.reset();
        boxes.clear();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const bool box =
                qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parent()));
            if (box)
                boxes.append({w, nameOf(w), textOf(w), textOf(w)});
        }
        ui::MessageBox::clearShown();
    }

    // The object name, with the control's own name in front where the box
    // is a part of one (a range's two lists, a base-number box's text).
    static QString nameOf(const QWidget* w) {
        const QWidget* parent = w->parentWidget();
        if (qobject_cast<const ui::RangeControl*>(parent) ||
            qobject_cast<const ui::BaseNumberBox*>(parent))
            return parent->objectName() + u'/' + w->objectName();
        return w->objectName();
    }

    // A draw file of the player's choosing: a good one, a damaged one, one
    // that is not there, or none (cancelled).
    QString chooseDrawFile() {
        switch (below(rng, 4)) {
        case 0:
            return drawFile;
        case 1: {
            const QString path = folder.path() + QStringLiteral("/damaged.txt");
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(randomText(rng, 2000).toUtf8() + "\n20260101-001 1234\n");
            return path;
        }
        case 2:
            return folder.path() + QStringLiteral("/missing.txt");
        default:
            return {};
        }
    }

    // The widget a click at the centre of `w` reaches: `w` itself (or a
    // part of it) unless something lies over it.
    bool reachable(QWidget* w) const {
        if (!w || !w->isVisible() || !w->isEnabled() || w->width() <= 0 || w->height() <= 0)
            return false;
        QWidget* hit = window->childAt(w->mapTo(window.get(), w->rect().center()));
        return hit && (hit == w || w->isAncestorOf(hit));
    }

    QList<QAbstractButton*> buttons(Kind kind) const {
        QList<QAbstractButton*> out;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            const QString name = b->objectName();
            // The data-source dialog reaches for the network: not a monkey's.
            if (name == u"Cf" || name == u"dataSource" || kindOf(b) != kind || !reachable(b))
                continue;
            out << b;
        }
        return out;
    }

    QList<Box*> reachableBoxes(bool combosOnly) {
        QList<Box*> out;
        for (Box& box : boxes) {
            const bool combo = qobject_cast<QComboBox*>(box.widget);
            if (combo == combosOnly && reachable(box.widget))
                out << &box;
        }
        return out;
    }

    QWidget* keyTarget(QWidget* box) const {
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box))
            return edit->viewport();
        return box;
    }

    // The clear buttons' reach: their own panel, or the base-number box
    // they belong to; a few reach further by design.
    QList<QWidget*> clearReach(const QAbstractButton* button) const {
        const QString name = button->objectName();
        if (auto* numbers = qobject_cast<ui::BaseNumberBox*>(button->parentWidget()))
            return {numbers};
        if (kindOf(button) == Kind::Mode)
            return {window->strip()};  // a mode switch empties the strip's two boxes
        if (name.startsWith(u"C_xl_")) // the extraction came from the lottery before
            return {find<QWidget>(QStringLiteral("T_cs_ip_6"))};
        QList<QWidget*> reach;
        for (QWidget* w = button->parentWidget(); w; w = w->parentWidget())
            if (w == window->strip() || w->objectName().startsWith(u"Pic_di_")) {
                reach << w;
                break;
            }
        // No clear reaches into another mode's panel.
        return reach;
    }

    // Every box whose text is not what the model holds must have been
    // changed by this gesture: its own box, a box the pressed command
    // writes, or a box a clear put back to blank within its reach.
    QString compareBoxes(const QWidget* own, const QAbstractButton* pressed) {
        const QStringList writes =
            pressed ? commandWrites().value(pressed->objectName()) : QStringList();
        const bool clearing = pressed && clears(pressed);
        const QList<QWidget*> reach = clearing ? clearReach(pressed) : QList<QWidget*>();
        QString fault;
        for (Box& box : boxes) {
            if (!box.widget)
                return QStringLiteral("box %1 is gone").arg(box.name);
            const QString now = textOf(box.widget);
            const bool written = writes.contains(box.name) ||
                                 (pressed && pressed->objectName() == u"C_zt" &&
                                  box.widget->parentWidget() == pressed->parentWidget());
            if (written)
                box.typedSinceWrite = false;
            if (now == box.expected)
                continue;
            bool allowed = box.widget == own || written;
            if (!allowed && clearing) {
                // The four-star reset's hint is one line break short of the
                // boxes' first one.
                const bool blank = now.isEmpty() || now == box.start || now == u"0" ||
                                   now == QString::fromUtf8(four::kDingResetHint);
                bool inReach = false;
                for (QWidget* r : reach)
                    inReach = inReach || r == box.widget || r->isAncestorOf(box.widget);
                allowed = blank && inReach;
                if (allowed)
                    box.typedSinceWrite = false;
            }
            if (box.widget == own)
                box.typedSinceWrite = true;
            if (!allowed && fault.isEmpty())
                fault = QStringLiteral("box %1 changed from %2 to %3")
                            .arg(box.name, shortened(box.expected), shortened(now));
            box.expected = now;
        }
        return fault;
    }

    Box* boxNamed(const QString& name) {
        for (Box& box : boxes)
            if (box.name == name)
                return &box;
        return nullptr;
    }

    // Results and their counts, unless the player has typed in the box
    // since a command last wrote it.
    QString checkResults() {
        for (const ResultPair& pair : kResultPairs) {
            Box* box = boxNamed(QString::fromLatin1(pair.box));
            if (!box || box->typedSinceWrite)
                continue;
            const QString fault =
                resultFault(tokens(textOf(box->widget)), pair.width, pair.sorted,
                            find<QLabel>(QString::fromLatin1(pair.count))->text());
            if (!fault.isEmpty())
                return QStringLiteral("%1: %2").arg(box->name, fault);
        }
        for (ui::BaseNumberBox* numbers : window->findChildren<ui::BaseNumberBox*>()) {
            Box* box = boxNamed(nameOf(numbers->T_dd));
            if (box && !box->typedSinceWrite) {
                const QString fault = resultFault(tokens(numbers->text()), numbers->numberWidth(),
                                                  false, numbers->Lzhushu->text());
                if (!fault.isEmpty())
                    return QStringLiteral("%1: %2").arg(box->name, fault);
            }
        }
        return {};
    }

    QStringList fourStarList() const {
        QStringList out;
        const auto* list = window->findChild<QListWidget*>(QStringLiteral("Li_out"));
        for (int i = 0; i < list->count(); ++i)
            out << tokens(list->item(i)->text());
        return out;
    }

    QString checkFourStarList() const {
        const QStringList shown = fourStarList();
        const QString fault = resultFault(
            shown, 4, true, window->findChild<QLabel*>(QStringLiteral("dadi_zhushu"))->text());
        if (!fault.isEmpty())
            return QStringLiteral("Li_out: ") + fault;
        if (QString::fromStdString(window->fourStarState().SurvivorText) != shown.join(u' '))
            return QStringLiteral("the survivor text is not the list shown");
        return {};
    }

    QString compareRun(const QString& what, const QStringList& shown,
                       const scheme::RunResult& run) {
        ++headlessRuns;
        const QStringList expected = expectedNumbers(run);
        if (shown == expected)
            return {};
        return QStringLiteral("%1 shows %2 numbers, a headless run of the same panel %3 (first "
                              "shown %4, first expected %5)")
            .arg(what)
            .arg(shown.size())
            .arg(expected.size())
            .arg(shown.value(0), expected.value(0));
    }

    // A press that arrives while a four-star run lets the message loop turn:
    // a guarded button must do nothing then.
    void pressWhileRunning() {
        if (!pressDuringRun)
            return;
        pressDuringRun = false;
        QList<QAbstractButton*> guarded = buttons(Kind::Command) + buttons(Kind::Help);
        for (QAbstractButton* b : buttons(Kind::Clear))
            if (b->objectName() != u"C_zt" && b->objectName() != u"C_cls")
                guarded << b;
        if (guarded.isEmpty())
            return;
        QAbstractButton* button = oneOf(rng, guarded);
        ++pressesDuringRuns;
        QStringList before;
        for (const Box& box : boxes)
            before << textOf(box.widget);
        const qsizetype shown = ui::MessageBox::shown().size();
        QTest::mouseClick(button, Qt::LeftButton);
        for (qsizetype i = 0; i < boxes.size(); ++i)
            if (textOf(boxes[i].widget) != before[i])
                nestedFaults << QStringLiteral("%1 pressed during a run changed box %2")
                                    .arg(button->objectName(), boxes[i].name);
        if (ui::MessageBox::shown().size() != shown)
            nestedFaults << QStringLiteral("%1 pressed during a run showed a message")
                                .arg(button->objectName());
    }

    // The window answers: pending events are handled and a timer fires.
    QString settle() {
        bool fired = false;
        QTimer::singleShot(0, this, [&fired] { fired = true; });
        for (int i = 0; i < 2000 && !fired; ++i)
            QTest::qWait(i == 0 ? 0 : 5);
        closer->sweep();
        QCoreApplication::processEvents();
        if (!fired)
            return QStringLiteral("the window stopped answering");
        if (!window->isVisible())
            return QStringLiteral("the window is gone");
        for (QWidget* top : QApplication::topLevelWidgets()) {
            const QString kind = QString::fromLatin1(top->metaObject()->className());
            if (top != window.get() && top->isVisible() && kind != u"QTipLabel")
                return QStringLiteral("a %1 \"%2\" was left open").arg(kind, top->windowTitle());
        }
        if (!closer->unexpected.isEmpty())
            return QStringLiteral("unexpected modal window %1").arg(closer->unexpected.join(u','));
        for (const ui::MessageBox::Shown& shown : ui::MessageBox::shown())
            if (!hasChinese(shown.title) || !hasChinese(shown.text))
                return QStringLiteral("a message not in Chinese: %1 / %2")
                    .arg(shown.title, shortened(shown.text));
        if (!nestedFaults.isEmpty())
            return nestedFaults.join(u'\n');
        return {};
    }

    // One click on a button and what the command it runs must show.
    QString press(QAbstractButton* button) {
        const QString name = button->objectName();
        const int mode = window->currentMode();
        auto* three = window->findChild<ui::ThreeStarPanel*>();
        auto* two = window->findChild<ui::TwoStarPanel*>();
        std::optional<scheme::Scheme> scheme;
        if (name.startsWith(u"C_guolv_ks_"))
            scheme = scheme::Scheme(window->fourStar()->readInput());
        else if (name.startsWith(u"C_2x3x_gn_"))
            scheme =
                mode == 1 ? scheme::Scheme(three->readInput()) : scheme::Scheme(two->readInput());
        pressDuringRun = below(rng, 3) == 0;
        QTest::mouseClick(button, Qt::LeftButton);
        pressDuringRun = false;
        // The guard gives the button back, and no run leaves its progress up.
        if (!button->isEnabled())
            return QStringLiteral("%1 stayed disabled after its command").arg(name);
        if (find<QWidget>(QStringLiteral("Frame_jindu"))->isVisible())
            return QStringLiteral("the progress frame stayed up after %1").arg(name);
        if (!scheme)
            return {};

        using Opt = scheme::RunOptions;
        const QHash<QString, Opt> runs = {{"C_guolv_ks_0", Opt{}},
                                          {"C_guolv_ks_2", Opt{true, false}},
                                          {"C_2x3x_gn_0", Opt{}},
                                          {"C_2x3x_gn_3", Opt{true, false}},
                                          {"C_2x3x_gn_2", Opt{false, true}},
                                          {"C_2x3x_gn_14", Opt{}},
                                          {"C_2x3x_gn_16", Opt{true, false}},
                                          {"C_2x3x_gn_18", Opt{false, true}}};
        if (name == u"C_guolv_ks_4") {
            // The inverted list is the complement of the last tally, not
            // of the panel as it is now.
            const QStringList shown = fourStarList();
            if (!lastTally)
                return shown.isEmpty() ? checkFourStarList()
                                       : QStringLiteral("反选 before any run lists numbers");
            const QString fault =
                compareRun(QStringLiteral("四星反选"), shown,
                           scheme::RunScheme(scheme::Scheme(*lastTally), Opt{false, true}));
            return fault.isEmpty() ? checkFourStarList() : fault;
        }
        if (name == u"C_guolv_ks_3" &&
            (window->findChild<QListWidget*>(QStringLiteral("Li_out"))->count() != 0))
            return QStringLiteral("清空条件 left the result list");
        if (!runs.contains(name))
            return {};
        const Opt options = runs.value(name);
        scheme::RunResult expected = scheme::RunScheme(*scheme, options);
        if (expected.status == scheme::RunResult::Status::Refused)
            expected = scheme::RunScheme(*scheme); // the box then shows the plain run
        if (name.startsWith(u"C_guolv_ks_")) {
            lastTally = scheme->four();
            const QString fault = compareRun(button->text(), fourStarList(), expected);
            return fault.isEmpty() ? checkFourStarList() : fault;
        }
        const QWidget* result =
            find<QWidget>(mode == 1 ? QStringLiteral("T_dd_0") : QStringLiteral("T_dd_1"));
        return compareRun(button->text(), tokens(textOf(result)), expected);
    }

    enum Gesture {
        AnyButton,
        Command,
        Type,
        Paste,
        EditKeys,
        DoubleClick,
        RightClick,
        Tolerance,
        ClipboardElsewhere,
        ListRows,
        Close,
    };

    // A click on one of the either-or switch's captions.
    QString clickCaption() {
        QList<QLabel*> captions;
        for (auto* sw : window->findChildren<ui::EitherOrSwitch*>())
            for (QLabel* label : sw->Label1)
                if (reachable(label))
                    captions << label;
        if (captions.isEmpty())
            return {};
        QLabel* caption = oneOf(rng, captions);
        note(QStringLiteral("click caption %1").arg(caption->objectName()));
        QTest::mouseClick(caption, Qt::LeftButton);
        return {};
    }

    // Rows of a list chosen with the mouse (with Ctrl or Shift at times),
    // then a key: copy, select all, move.
    void chooseRows() {
        QList<QListWidget*> lists;
        for (QListWidget* list : window->findChildren<QListWidget*>())
            if (reachable(list) && list->count() > 0)
                lists << list;
        if (lists.isEmpty())
            return;
        QListWidget* list = oneOf(rng, lists);
        QListWidgetItem* item = list->item(below(rng, list->count()));
        list->scrollToItem(item);
        static const QList<Qt::KeyboardModifiers> modifiers = {
            Qt::NoModifier, Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier};
        static const QList<QKeyCombination> keys = {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_A,
                                                    Qt::Key_Down, Qt::SHIFT | Qt::Key_End,
                                                    Qt::Key_Delete};
        note(QStringLiteral("rows of %1").arg(list->objectName()));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, oneOf(rng, modifiers),
                          list->visualItemRect(item).center());
        if (below(rng, 2))
            pressKey(list, oneOf(rng, keys));
    }

    // One random gesture; returns a fault, or the empty text.
    QString gesture(int step, Watchdog& watchdog) {
        static const std::discrete_distribution<int> gestures(
            {300, 140, 140, 70, 80, 60, 20, 90, 30, 40, 3});
        auto pick = gestures;
        const auto kind = static_cast<Gesture>(pick(rng));
        ui::MessageBox::setNextAnswer(below(rng, 2) ? ui::MessageBox::Yes : ui::MessageBox::No);
        QWidget* own = nullptr;
        QAbstractButton* pressed = nullptr;
        QString fault;
        watchdog.began(step);
        switch (kind) {
        case AnyButton:
        case Command: {
            static const Kind kindsOfPress[] = {
                Kind::Toggle, Kind::Toggle, Kind::Toggle, Kind::Clear, Kind::Clear, Kind::Help,
                Kind::Page,   Kind::Page,   Kind::Mode,   Kind::Strip, Kind::Other};
            const Kind k = kind == Command ? Kind::Command : kindsOfPress[below(rng, 11)];
            if (k == Kind::Other) {
                clickCaption();
                break;
            }
            const QList<QAbstractButton*> candidates = buttons(k);
            if (candidates.isEmpty())
                return {};
            pressed = oneOf(rng, candidates);
            // Commands and pages are pressed evenly often enough that a
            // run reaches the ones behind other pages too.
            if ((k == Kind::Command || k == Kind::Page) && below(rng, 2))
                for (QAbstractButton* b : candidates)
                    if (pressedCount.value(b->objectName()) <
                        pressedCount.value(pressed->objectName()))
                        pressed = b;
            note(QStringLiteral("click %1 \"%2\"").arg(pressed->objectName(), pressed->text()));
            ++pressedCount[pressed->objectName()];
            // The paste buttons read what was copied elsewhere.
            if (k == Kind::Strip || k == Kind::Clear || below(rng, 4) == 0)
                QGuiApplication::clipboard()->setText(pasteText(rng));
            fault = press(pressed);
            break;
        }
        case Type:
        case Paste:
        case EditKeys:
        case DoubleClick:
        case RightClick: {
            const QList<Box*> candidates = reachableBoxes(false);
            if (candidates.isEmpty())
                return {};
            Box* box = oneOf(rng, candidates);
            own = box->widget;
            QWidget* surface = keyTarget(own);
            if (kind == DoubleClick) {
                note(QStringLiteral("double-click %1").arg(box->name));
                QTest::mouseDClick(surface, Qt::LeftButton);
                // A result box is read-only: a double-click selects, never empties.
                const auto* text = qobject_cast<ui::TextBox*>(own);
                const auto* line = qobject_cast<ui::LineBox*>(own);
                const bool empties = (text && !text->isReadOnly()) || (line && !line->isReadOnly());
                if (empties && !textOf(own).isEmpty())
                    fault = QStringLiteral("a double-click left %1 holding %2")
                                .arg(box->name, shortened(textOf(own)));
                break;
            }
            if (kind == RightClick) {
                note(QStringLiteral("right-click %1").arg(box->name));
                QTest::mouseClick(surface, Qt::RightButton);
                break;
            }
            QTest::mouseClick(surface, Qt::LeftButton);
            QCoreApplication::processEvents();
            if (kind == Type) {
                const QString text = randomText(rng, 1 + below(rng, 24));
                note(QStringLiteral("type %1 into %2").arg(shortened(text), box->name));
                typeInto(own, text);
            } else if (kind == Paste) {
                const QString text = pasteText(rng);
                note(QStringLiteral("paste %1 into %2").arg(shortened(text), box->name));
                QGuiApplication::clipboard()->setText(text);
                if (below(rng, 3) == 0)
                    pressKey(own, Qt::CTRL | Qt::Key_A);
                pressKey(own, Qt::CTRL | Qt::Key_V);
            } else {
                const int count = 1 + below(rng, 4);
                note(QStringLiteral("%1 editing keys in %2").arg(count).arg(box->name));
                for (int i = 0; i < count; ++i)
                    pressKey(own, oneOf(rng, kEditKeys));
            }
            break;
        }
        case Tolerance: { // a tolerance or list: its arrows, or a number typed over it
            const QList<Box*> candidates = reachableBoxes(true);
            if (candidates.isEmpty())
                return {};
            Box* box = oneOf(rng, candidates);
            auto* combo = qobject_cast<QComboBox*>(box->widget.data());
            own = combo;
            static const QStringList typed = {"0",   "1",     "3", "12", "-1",
                                              "2.5", "99999", "a", "",   " 7"};
            if (combo->isEditable() && below(rng, 2)) {
                const QString text = oneOf(rng, typed);
                note(QStringLiteral("tolerance %1 typed into %2").arg(text, box->name));
                QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
                pressKey(combo, Qt::CTRL | Qt::Key_A);
                typeInto(combo, text);
            } else {
                static const QList<QKeyCombination> arrows = {Qt::Key_Up,     Qt::Key_Down,
                                                              Qt::Key_PageUp, Qt::Key_PageDown,
                                                              Qt::Key_Home,   Qt::Key_End};
                const QKeyCombination key = oneOf(rng, arrows);
                note(QStringLiteral("tolerance key %1 on %2").arg(int(key.key())).arg(box->name));
                pressKey(combo, key);
            }
            break;
        }
        case ClipboardElsewhere:
            note(QStringLiteral("clipboard from elsewhere"));
            QGuiApplication::clipboard()->setText(pasteText(rng));
            break;
        case ListRows:
            chooseRows();
            break;
        case Close: { // the window's close button, answered either way
            const bool yes = below(rng, 3) == 0;
            note(QStringLiteral("close, answered %1").arg(yes ? "是" : "否"));
            ui::MessageBox::clearShown();
            ui::MessageBox::setNextAnswer(yes ? ui::MessageBox::Yes : ui::MessageBox::No);
            const int before = closesConfirmed;
            window->close();
            if (yes != (closesConfirmed > before) || yes == window->isVisible())
                return QStringLiteral("the close question was not obeyed");
            if (yes) {
                openMonkeyWindow();
                return {};
            }
            break;
        }
        }
        const QString unsettled = settle();
        if (!unsettled.isEmpty())
            return unsettled;
        if (!fault.isEmpty())
            return fault;
        fault = compareBoxes(own, pressed);
        if (fault.isEmpty() && pressed && (kindOf(pressed) == Kind::Command || clears(pressed)))
            fault = checkResults();
        if (fault.isEmpty() && pressed && pressed->objectName().startsWith(u"C_cls"))
            fault = checkFourStarList();
        ui::MessageBox::clearShown();
        return fault;
    }

public:
    // A long run outlasts the test library's five minutes a test function;
    // the suite's own watchdog tells a frozen window from a long run.
    static void initMain() {
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

private slots:
    void initTestCase() {
        ui::MessageBox::setTestMode(true);
        // Save, load, export and import ask for a file: answered as a cancel.
        ui::FileDialogs::setTestMode(true);
        QVERIFY(folder.isValid());
        seed = envNumber("MONKEY_SEED", 20260517);
        rng.seed(seed);
        closer = std::make_unique<Closer>(seed);
        drawFile = folder.path() + QStringLiteral("/draws.txt");
        QFile file(drawFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 120; ++i)
            file.write(QStringLiteral("20260101-%1 %2\n")
                           .arg(i, 3, 10, QLatin1Char('0'))
                           .arg(below(rng, 100000), 5, 10, QLatin1Char('0'))
                           .toLatin1());
    }
    void cleanup() { window.reset(); }

    // What a screen reader says for every control a player can see on any
    // mode and page; a name is Chinese, never an object name.
    void everyControlHasAName() {
        openMonkeyWindow();
        QStringList faults;
        const auto visit = [&](QWidget* root = nullptr) {
            int seen = 0;
            for (QWidget* w : (root ? root : window.get())->findChildren<QWidget*>()) {
                if (!ui::IsNamedControl(w) || !w->isVisible() || w->visibleRegion().isEmpty())
                    continue;
                ++seen;
                const QString name = w->accessibleName();
                if (!hasChinese(name))
                    faults << QStringLiteral("%1 \"%2\"").arg(w->objectName(), name);
            }
            return seen;
        };
        for (int mode = 0; mode < 3; ++mode) {
            window->switchMode(mode);
            visit();
            if (mode == 1)
                for (int page = 0; page < ui::ThreeStarPanel::kPageCount; ++page) {
                    window->findChild<ui::ThreeStarPanel*>()->switchPage(page);
                    visit();
                }
            if (mode == 2)
                for (int page : {0, 1, 2, 3, 4, 5, 6, 7, 99}) {
                    window->fourStar()->switchPage(page);
                    visit();
                }
        }
        // The data-source dialog, built when it is asked for; closed before
        // the event loop turns, so the closer never sees it.
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("dataSource")), Qt::LeftButton);
        auto* dialog = find<QDialog>(QStringLiteral("dataSourceDialog"));
        QCOMPARE(visit(dialog), 4); // the address, 确定, 取消 and 说明
        dialog->reject();
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u", ")));
    }

    // A control built after the window (a dialog, a panel made later) is
    // named by a second run; names given before, by hand or by the first
    // run, stay as they are.
    void laterControlsAreNamedAndEarlierNamesKept() {
        QWidget form;
        auto* grid = new QGridLayout(&form);
        auto* kept = new QPushButton(QStringLiteral("清"), &form);
        kept->setAccessibleName(QStringLiteral("手工名字"));
        grid->addWidget(new QLabel(QStringLiteral("杀和尾："), &form), 0, 0);
        auto* first = new QPushButton(QStringLiteral("0"), &form);
        grid->addWidget(first, 0, 1);
        grid->addWidget(kept, 0, 2);
        ui::NameControls(&form);
        QCOMPARE(first->accessibleName(), QStringLiteral("杀和尾 0"));
        auto* box = new QLineEdit(&form);
        grid->addWidget(new QLabel(QStringLiteral("胆码"), &form), 1, 0);
        grid->addWidget(box, 1, 1);
        ui::NameControls(&form);
        QCOMPARE(
            QStringList({kept->accessibleName(), first->accessibleName(), box->accessibleName()}),
            QStringList({"手工名字", "杀和尾 0", "胆码"}));
    }

    void randomGestures() {
        // The default keeps the sanitizer build's run within a few minutes on
        // a busy machine; `make monkey` runs longer.
        const int events = static_cast<int>(envNumber("MONKEY_EVENTS", 6000));
        qInfo("monkey: MONKEY_SEED=%llu MONKEY_EVENTS=%d", static_cast<unsigned long long>(seed),
              events);
        openMonkeyWindow();
        InputCounter inputs;
        qApp->installEventFilter(&inputs);
        const auto removeCounter = qScopeGuard([&inputs] { qApp->removeEventFilter(&inputs); });
        Watchdog watchdog(std::chrono::seconds(120));
        for (int step = 1; step <= events; ++step) {
            const QString fault = gesture(step, watchdog);
            if (!fault.isEmpty())
                qWarning("%s", qPrintable(report()));
            QVERIFY2(
                fault.isEmpty(),
                qPrintable(
                    QStringLiteral("gesture %1 (seed %2): %3").arg(step).arg(seed).arg(fault)));
        }
        // A run long enough to stand for the whole window has pressed
        // every command, page and mode button at least once.
        QStringList missed;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            const Kind kind = kindOf(b);
            if ((kind == Kind::Command || kind == Kind::Page || kind == Kind::Mode) &&
                !pressedCount.contains(b->objectName()))
                missed << b->objectName();
        }
        qInfo("monkey: %d gestures, %d input events, %d headless runs compared, %d presses during "
              "a run, %d help windows closed, never pressed: %s",
              events, inputs.count, headlessRuns, pressesDuringRuns, closer->helpWindowsClosed,
              qPrintable(missed.join(u' ')));
        if (events >= 6000) {
            QVERIFY2(missed.isEmpty(), qPrintable(missed.join(u' ')));
            // Gestures are mostly several events each (typing is one per
            // character): the default run delivers well over 10,000.
            QVERIFY2(inputs.count >= 10000, qPrintable(QString::number(inputs.count)));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
