#include "panels/verification/verification_commands.hpp"

#include "history/backtest.hpp"
#include "history/draw_history.hpp"
#include "history/extraction.hpp"
#include "history/omission.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"

#include <QLabel>

namespace sorvanta::ui {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

VerificationCommands::VerificationCommands(VerificationStrip& strip, ControlRegistry& controls,
                                           history::HistoryState& history, QObject* parent)
    : QObject(parent), strip_(strip), controls_(controls), history_(history) {}

QString VerificationCommands::copiedNumbers(int index) const {
    return index == 14 ? strip_.extractBox->text() : QString();
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
    strip_.verifyBox->clear();
    strip_.L_zs[0]->setText(QStringLiteral("0"));
    const history::PasteResult result = history::PasteToVerification(get_ztb().toStdString());
    if (!result.ok) {
        MessageBox::information(&strip_, FromUtf8(history::kPasteErrorTitle),
                                FromUtf8(history::kPasteErrorText));
        return;
    }
    Send_to_text(QString::fromStdString(result.text), strip_.verifyBox);
    strip_.L_zs[0]->setText(QString::number(result.count));
    for (int k = 0; k < 5; ++k)
        strip_.C_wz[k]->setBackColor(result.positions[static_cast<std::size_t>(k)] ? Colour::On
                                                                                   : Colour::Off);
}

void VerificationCommands::RunBacktest() {
    verificationShown_ = true;
    const history::BacktestResult result =
        history::RunBacktest(strip_.verifyBox->text().toStdString(),
                             history::ReadPositionSelection(strip_.positionColours(1)), history_);
    for (std::size_t i = 0; i < result.captions.size(); ++i)
        strip_.resultLabels[i]->setText(QString::fromStdString(result.captions[i]));
    ShowDrawHistory();
}

void VerificationCommands::ExtractPastNumbers() {
    strip_.extractBox->clear();
    strip_.L_zs[1]->setText(QStringLiteral("0"));
    const history::ExtractionResult result =
        history::ExtractPastNumbers(history::ReadPositionSelection(strip_.positionColours(2)),
                                    strip_.drawCount->text().toStdString(), history_);
    if (!result.ran)
        return;
    if (result.drawCountText)
        strip_.drawCount->setText(QString::fromStdString(*result.drawCountText));
    Send_to_text(QString::fromStdString(result.numbers), strip_.extractBox);
    strip_.L_zs[1]->setText(QString::number(result.count));
}

void VerificationCommands::ShowDrawHistory() {
    strip_.ShowDrawHistory(history_);
}

void VerificationCommands::historyRefilled() {
    if (history_.draws.Empty()) {
        history_.marks.Clear();
        for (std::size_t i = 0; i < history::kBacktestPlaceholders.size(); ++i)
            strip_.resultLabels[i]->setText(
                QString::fromStdString(history::kBacktestPlaceholders[i]));
        ShowDrawHistory();
    } else if (verificationShown_) {
        RunBacktest();
    } else {
        ShowDrawHistory();
    }
    strip_.FillOmissionGrid(history::ComputeOmission(history_));
}

} // namespace sorvanta::ui
