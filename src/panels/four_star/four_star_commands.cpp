#include "panels/four_star/four_star_commands.hpp"

#include "common/number_sets.hpp"
#include "engine4/four_star_commands.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/set_operations.hpp"
#include "history/win_check.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/progress_sink.hpp"
#include "reset/condition_reset.hpp"
#include "shell/control_registry.hpp"
#include "shell/from_utf8.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"

#include <QCoreApplication>

namespace sorvanta::ui {

FourStarCommands::FourStarCommands(FourStarPanel& panel, ControlRegistry& controls,
                                   ProgressSink& progress, QObject* parent)
    : QObject(parent), panel_(panel), controls_(controls), progress_(progress) {
    connect(&panel_, &FourStarPanel::winCheckTyped, this, [this](const QString& text) {
        panel_.setWinCheckAnswer(
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
        return panel_.intersectionList(2);
    return {};
}

void FourStarCommands::runClear(int code) {
    ResetConditionGroup(controls_, code);
    if (ClearCodeRerunsVerification(code) && runVerification_)
        runVerification_();
}

void FourStarCommands::resetPanel() {
    panel_.clearWinCheck();
    panel_.writeClearedInput(four::ClearedFourStarInput(panel_.readInput()));
    // The intersection goes too; verification and extraction stay, and the
    // verification is not run again.
    panel_.showIntersection(QString(), QString(), QString(), 0);
    clearResult();
    panel_.setInverted(false);
    // The banker calculator goes with it; the three-star win check is the
    // three-star panel's, and what was typed there stays.
    panel_.clearBankerCalculator();
}

void FourStarCommands::runShrink() {
    panel_.setInverted(false);
    panel_.clearWinCheck();

    const four::FourStarInput input = panel_.readInput();
    four::RunShrinkPipeline(input, state_, [this](double share) {
        if (share < 0.01)
            progress_.showProgress();
        progress_.setProgress(share);
        QCoreApplication::processEvents();
    });
    listRows(four::CollectRows(state_.candidates, 0));
    QCoreApplication::processEvents();
    progress_.hideProgress();
}

// The list, the count and the text that is copied always show the same rows.
void FourStarCommands::listRows(const std::vector<int>& rows) {
    panel_.showRows(rows);
    state_.SurvivorText = four::JoinNumbers(rows);
}

void FourStarCommands::convertToGroup() {
    listRows(four::ConvertFourStarToGroup(state_));
    QCoreApplication::processEvents();
}

void FourStarCommands::clearResult() {
    panel_.emptyRows();
    state_.SurvivorText.clear();
}

void FourStarCommands::combineSets(int index) {
    static constexpr SetOperation kOperations[4] = {SetOperation::Intersection, SetOperation::Union,
                                                    SetOperation::AWithoutB,
                                                    SetOperation::BWithoutA};
    const SetOperation operation = kOperations[index - 6];
    panel_.clearIntersectionResult();
    const CombinedSets combined =
        four::CombineSets(panel_.intersectionList(0).toStdString(),
                          panel_.intersectionList(1).toStdString(), operation);
    panel_.showIntersection(QString::fromStdString(combined.a), QString::fromStdString(combined.b),
                            QString::fromStdString(combined.result), combined.count);
}

void FourStarCommands::invertResult() {
    MessageBox::information(&panel_, FromUtf8(four::kReminderTitle),
                            FromUtf8(four::kInvertDoneText));
    listRows(four::InvertFourStar(state_));
    panel_.setInverted(true);
}

} // namespace sorvanta::ui
