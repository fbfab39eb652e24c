// The longest text a box may hold, pasted into the window's boxes: how long
// the window stands still (the paste, its layout and its first paint), and
// what fifty such pastes into one box leave in memory. Budget: each paste
// under 0.5 s; fifty pastes under 400 MB resident.
#include "app/fmain.hpp"
#include "common/limits.hpp"
#include "process_memory.hpp"
#include "shell/message_box.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <string>

using namespace sorvanta;

namespace {

constexpr qsizetype kLongest = static_cast<qsizetype>(kMaxTextCharacters);

// Four-digit numbers one blank apart on a single line, the way a betting
// site's list comes off the clipboard.
QString OneLineOfNumbers() {
    QString text;
    text.reserve(kLongest);
    for (int n = 0; text.size() + 5 <= kLongest; ++n)
        text += QString::number(1000 + n * 37 % 9000) + u' ';
    text += QString(kLongest - text.size(), u'7');
    return text;
}

// Digits without a blank: one word as long as a box may hold.
QString OneWordOfDigits() {
    QString text(kLongest, u'0');
    for (qsizetype i = 0; i < kLongest; ++i)
        text[i] = QChar(static_cast<char16_t>(u'0' + i * 7 % 10));
    return text;
}

// Full junk compounds, one a line.
QString CompoundLines() {
    const QString line = QStringLiteral("0123456789*0123456789*0123456789*0123456789\n");
    QString text;
    text.reserve(kLongest);
    while (text.size() + line.size() <= kLongest)
        text += line;
    text += QString(kLongest - text.size(), u'9');
    return text;
}

// The window once per process: starting it costs more than a paste. It is
// never deleted here: a static would go after the QApplication main() owns,
// and a widget taken down without its application crashes the exit.
ui::Fmain& Window() {
    static ui::Fmain* const window = [] {
        ui::MessageBox::setTestMode(true);
        auto* w = new ui::Fmain;
        w->show();
        while (w->currentMode() != 2 || !w->isVisible())
            QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return w;
    }();
    return *window;
}

enum Box { CompoundBox, SumBox, ThreeStarBox };

// The box shown on its page, with the focus.
QWidget* ShownBox(Box box) {
    ui::Fmain& window = Window();
    QWidget* widget = nullptr;
    window.switchMode(box == ThreeStarBox ? 1 : 2);
    if (box == ThreeStarBox) {
        // Every change there reads the whole panel to mark its pages.
        widget = window.controls().widget(QStringLiteral("T_3x_ip"), 0);
    } else if (box == CompoundBox) {
        window.controls().at<QAbstractButton>(QStringLiteral("C_sst_0"), 1)->click();
        widget = window.controls().widget(QStringLiteral("T_ding"), 1);
    } else {
        window.controls().at<QAbstractButton>(QStringLiteral("C_sst_0"), 99)->click();
        widget = window.controls().widget(QStringLiteral("T_cs_ip"), 0);
    }
    widget->setFocus();
    QCoreApplication::processEvents();
    return widget;
}

// Select all, Ctrl+V, and the events the paste left (layout, paint).
void ReplacePaste(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    else
        static_cast<QPlainTextEdit*>(box)->selectAll();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(box, &release);
    // The paint, and what the change set off.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

qsizetype LengthOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text().size();
    return static_cast<QPlainTextEdit*>(box)->document()->characterCount() - 1;
}

void Run(benchmark::State& state, Box kind, const QString& text) {
    QWidget* box = ShownBox(kind);
    QGuiApplication::clipboard()->setText(text);
    for (auto _ : state)
        ReplacePaste(box);
    if (LengthOf(box) != text.size())
        state.SkipWithError("the paste was not taken whole");
    QGuiApplication::clipboard()->clear();
    ui::MessageBox::clearShown();
}

void BM_Paste(benchmark::State& state, Box kind, QString (*text)()) {
    Run(state, kind, text());
}
void ThreeRuns(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
}
BENCHMARK_CAPTURE(BM_Paste, LongestLineIntoMultiLineBox, CompoundBox, &OneLineOfNumbers)
    ->Apply(ThreeRuns);
BENCHMARK_CAPTURE(BM_Paste, LongestLinesIntoMultiLineBox, CompoundBox, &CompoundLines)
    ->Apply(ThreeRuns);
BENCHMARK_CAPTURE(BM_Paste, LongestWordIntoMultiLineBox, CompoundBox, &OneWordOfDigits)
    ->Apply(ThreeRuns);
BENCHMARK_CAPTURE(BM_Paste, LongestLineIntoSingleLineBox, SumBox, &OneLineOfNumbers)
    ->Apply(ThreeRuns);
BENCHMARK_CAPTURE(BM_Paste, LongestLineIntoThreeStarBox, ThreeStarBox, &OneLineOfNumbers)
    ->Apply(ThreeRuns);

// Fifty replace-pastes into one box; the counters are the resident memory
// after them and the peak while they ran.
void FiftyPastes(benchmark::State& state, Box kind) {
    QWidget* box = ShownBox(kind);
    QGuiApplication::clipboard()->setText(OneLineOfNumbers());
    bench::ResetPeak();
    for (auto _ : state)
        for (int i = 0; i < 50; ++i)
            ReplacePaste(box);
    state.counters["rss_MB"] = bench::StatusMegabytes("VmRSS:");
    state.counters["peak_rss_MB"] = bench::StatusMegabytes("VmHWM:");
    QGuiApplication::clipboard()->clear();
}

void BM_FiftyPastesMultiLineBox(benchmark::State& state) {
    FiftyPastes(state, CompoundBox);
}
BENCHMARK(BM_FiftyPastesMultiLineBox)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_FiftyPastesSingleLineBox(benchmark::State& state) {
    FiftyPastes(state, SumBox);
}
BENCHMARK(BM_FiftyPastesSingleLineBox)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
