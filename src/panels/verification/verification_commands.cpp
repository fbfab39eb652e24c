#include "panels/verification/verification_commands.hpp"

#include "history/backtest.hpp"
#include "history/draw_history.hpp"
#include "history/extraction.hpp"
#include "history/omission.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"

#include <QLabel>

namespace sorvanta::ui {

namespace {} // namespace

VerificationCommands::VerificationCommands(VerificationStrip& strip, ControlRegistry& controls,
                                           history::HistoryState& history, QObject* parent)
    : QObject(parent), strip_(strip), controls_(controls), history_(history) {}

QString VerificationCommands::copiedNumbers(int index) const {
    return index == 14 ? strip_.extractedText() : QString();
}

void VerificationCommands::run(int index) {
    switch (index) {
    case 10:
        SumTailBankers();
        break;
    case 11:
        PasteToVerification();
        RunBacktest();
        break;
    case 12:
        RunBacktest();
        break;
    case 13:
        ExtractPastNumbers();
        break;
    case 14:
        data_cp(copiedNumbers(index), &strip_);
        break;
    default:
        break;
    }
}

void VerificationCommands::SumTailBankers() {
    // The banker tool lives on the four-star panel; it is found by name so
    // the strip's commands need nothing else of that panel.
    auto* input = controls_.at<LineBox>(QStringLiteral("T_cs_ip"), 1);
    auto* output = controls_.at<LineBox>(QStringLiteral("T_cs_ip"), 2);
    if (!input || !output)
        return;
    output->clear();
    const history::BankerResult result = history::SumTailBankers(input->text().toStdString());
    input->setText(QString::fromStdString(result.digits));
    if (!result.ok) {
        MessageBox::information(&strip_, FromUtf8(history::kBankerErrorTitle),
                                FromUtf8(history::kBankerErrorText));
        return;
    }
    output->setText(QString::fromStdString(result.bankers));
}

void VerificationCommands::PasteToVerification() {
    strip_.clearVerification();
    const history::PasteResult result = history::PasteToVerification(get_ztb().toStdString());
    if (!result.ok) {
        MessageBox::information(&strip_, FromUtf8(history::kPasteErrorTitle),
                                FromUtf8(history::kPasteErrorText));
        return;
    }
    strip_.showVerification(QString::fromStdString(result.text), result.count, result.positions);
}

void VerificationCommands::RunBacktest() {
    verificationShown_ = true;
    const history::BacktestResult result =
        history::RunBacktest(strip_.verifyText().toStdString(),
                             history::ReadPositionSelection(strip_.positionColours(1)), history_);
    strip_.showBacktestCaptions(result.captions);
    ShowDrawHistory();
}

void VerificationCommands::ExtractPastNumbers() {
    strip_.clearExtraction();
    const history::ExtractionResult result =
        history::ExtractPastNumbers(history::ReadPositionSelection(strip_.positionColours(2)),
                                    strip_.drawCountText().toStdString(), history_);
    if (!result.ran)
        return;
    if (result.drawCountText)
        strip_.setDrawCountText(QString::fromStdString(*result.drawCountText));
    strip_.showExtraction(QString::fromStdString(result.numbers), result.count);
}

void VerificationCommands::ShowDrawHistory() {
    strip_.ShowDrawHistory(history_);
}

void VerificationCommands::historyRefilled() {
    if (history_.draws.Empty()) {
        history_.marks.Clear();
        strip_.showBacktestCaptions(history::kBacktestPlaceholders);
        ShowDrawHistory();
    } else if (verificationShown_) {
        RunBacktest();
    } else {
        ShowDrawHistory();
    }
    strip_.FillOmissionGrid(history::ComputeOmission(history_));
}

} // namespace sorvanta::ui
