#include "panels/four_star/four_star_commands.hpp"

#include "common/number_sets.hpp"
#include "engine4/four_star_commands.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/set_operations.hpp"
#include "history/win_check.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/progress_sink.hpp"
#include "reset/condition_reset.hpp"
#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace sorvanta::ui {

FourStarCommands::FourStarCommands(FourStarPanel& panel, ControlRegistry& controls,
                                   ProgressSink& progress, QObject* parent)
    : QObject(parent), panel_(panel), controls_(controls), progress_(progress) {
    connect(panel_.winCheckBox, &QLineEdit::textChanged, this, [this](const QString& text) {
        panel_.L_duijiang_news->setText(
            QString::fromStdString(history::CheckWin(text.toStdString(), state_.SurvivorText, 4)));
    });
}

void FourStarCommands::initCandidates() {
    four::InitCandidateSet(state_);
}

void FourStarCommands::run(int index) {
    switch (index) {
    case 0:
        runShrink();
        break;
    case 1:
    case 5:
        data_cp(copiedNumbers(index), &panel_);
        break;
    case 2:
        runShrink();
        convertToGroup();
        progress_.hideProgress();
        break;
    case 3:
        resetPanel();
        break;
    case 4:
        invertResult();
        break;
    case 6:
    case 7:
    case 8:
    case 9:
        combineSets(index);
        break;
    default:
        break;
    }
}

QString FourStarCommands::copiedNumbers(int index) const {
    if (index == 1)
        return QString::fromStdString(state_.SurvivorText);
    if (index == 5)
        return panel_.T_jj[2]->text();
    return {};
}

void FourStarCommands::runClear(int code) {
    ResetConditionGroup(controls_, code);
    if (ClearCodeRerunsVerification(code) && runVerification_)
        runVerification_();
}

void FourStarCommands::resetPanel() {
    panel_.winCheckBox->clear();
    panel_.L_duijiang_news->setText(QStringLiteral("【中奖查询】"));
    ResetConditionPanel(controls_);
    panel_.Ljiaoji_zhushu->setText(QStringLiteral("0"));
    clearResult();
    // The banker calculator goes with it; the three-star win check is the
    // three-star panel's, and what was typed there stays.
    EmptyBox(controls_.widget(QStringLiteral("T_cs_ip"), 1));
    EmptyBox(controls_.widget(QStringLiteral("T_cs_ip"), 2));
}

void FourStarCommands::runShrink() {
    panel_.invertButton->setBackColor(Colour::LightGreen);
    panel_.winCheckBox->clear();
    panel_.L_duijiang_news->setText(QStringLiteral("【中奖查询】"));

    const four::FourStarInput input = panel_.readInput();
    four::RunShrinkPipeline(input, state_, [this](double share) {
        if (share < 0.01)
            progress_.showProgress();
        progress_.setProgress(share);
        QCoreApplication::processEvents();
    });
    listRows(0);
    QCoreApplication::processEvents();
    progress_.hideProgress();
}

// The list, the count and the survivor text always show the same rows: the
// survivors of the last tally (excluded 0) or, inverted, its complement (1).
void FourStarCommands::listRows(int excluded) {
    const std::vector<int> rows = four::CollectRows(state_.candidates, excluded);
    panel_.showRows(rows);
    state_.SurvivorText = four::JoinNumbers(rows);
}

void FourStarCommands::convertToGroup() {
    const std::vector<int> groups = four::ConvertFourStarToGroup(state_);
    panel_.showRows(groups);
    QCoreApplication::processEvents();
    state_.SurvivorText = four::JoinNumbers(groups);
}

void FourStarCommands::clearResult() {
    panel_.Li_out->clear();
    panel_.dadi_zhushu->setText(QStringLiteral("0"));
    state_.SurvivorText.clear();
}

void FourStarCommands::combineSets(int index) {
    static constexpr SetOperation kOperations[4] = {SetOperation::Intersection, SetOperation::Union,
                                                    SetOperation::AWithoutB,
                                                    SetOperation::BWithoutA};
    const SetOperation operation = kOperations[index - 6];
    const auto& boxes = panel_.T_jj;
    boxes[2]->clear();
    panel_.Ljiaoji_zhushu->setText(QStringLiteral("0"));
    const CombinedSets combined = four::CombineSets(boxes[0]->text().toStdString(),
                                                    boxes[1]->text().toStdString(), operation);
    Send_to_text(QString::fromStdString(combined.a), boxes[0]);
    Send_to_text(QString::fromStdString(combined.b), boxes[1]);
    Send_to_text(QString::fromStdString(combined.result), boxes[2]);
    panel_.Ljiaoji_zhushu->setText(QString::number(combined.count));
}

void FourStarCommands::invertResult() {
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    MessageBox::information(&panel_, text(four::kReminderTitle), text(four::kInvertDoneText));
    const std::vector<int> rows = four::InvertFourStar(state_);
    panel_.showRows(rows);
    state_.SurvivorText = four::JoinNumbers(rows);
    panel_.invertButton->setBackColor(Colour::Red);
}

} // namespace sorvanta::ui
