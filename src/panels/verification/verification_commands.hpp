#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace sorvanta::history {
struct HistoryState;
}

namespace sorvanta::ui {

class ControlRegistry;
class VerificationStrip;

// The banker tool and the strip's commands (C_guolv_ks 10..14): they read
// the boxes and position buttons, run the history engine on the window's
// draw table and write the results back. The window only routes presses
// here through its guard.
class VerificationCommands : public QObject {
    Q_OBJECT
public:
    VerificationCommands(VerificationStrip& strip, ControlRegistry& controls,
                         history::HistoryState& history, QObject* parent = nullptr);

    void run(int index); // C_guolv_ks 10..14
    // What the copy button C_guolv_ks 14 puts on the clipboard, and its
    // "导出号码" saves; the empty text for other elements.
    QString copiedNumbers(int index) const;

    // List1 from the table with the marks of the last backtest.
    void ShowDrawHistory();
    // After the source emptied or refilled the table: the list and the
    // omission grid show the new draws, and a verification that was shown
    // is worked out again, so its captions and marks always belong to the
    // draws beside them; an empty table shows neither.
    void historyRefilled();

private:
    void SumTailBankers();
    void PasteToVerification();
    void RunBacktest();
    void ExtractPastNumbers();

    VerificationStrip& strip_;
    ControlRegistry& controls_;
    history::HistoryState& history_;
    bool verificationShown_ = false;
};

} // namespace sorvanta::ui
