#include "panels/three_star/three_star_commands.hpp"

#include "engine23/three_star_captions.hpp"
#include "engine23/three_star_commands.hpp"
#include "history/win_check.hpp"
#include "panels/three_star/three_star_command_ids.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "reset/condition_reset.hpp"
#include "shell/from_utf8.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"

namespace sorvanta::ui {

namespace {

void Show(QWidget* parent, const std::optional<three::Message>& message) {
    if (message)
        MessageBox::information(parent, FromUtf8(message->title),
                                QString::fromStdString(message->text));
}

} // namespace

ThreeStarCommands::ThreeStarCommands(ThreeStarPanel& panel, ControlRegistry& controls,
                                     QObject* parent)
    : QObject(parent), panel_(panel), controls_(controls),
      state_(std::make_unique<three::ThreeStarState>()) {
    connect(&panel_, &ThreeStarPanel::winCheckTyped, this, &ThreeStarCommands::checkWin);
}

void ThreeStarCommands::run(int index) {
    using C = ThreeStarCommand;
    switch (static_cast<C>(index)) {
    case C::Shrink:
        shrink();
        break;
    case C::Copy:
    case C::CopyIntersection:
        data_cp(copiedNumbers(index), &panel_);
        break;
    case C::Invert:
        invert();
        break;
    case C::ConvertToGroup:
        convertToGroup();
        break;
    case C::Clear:
        clearAll();
        break;
    case C::SuggestBankers:
        suggestBankers();
        break;
    case C::Intersection:
    case C::Union:
    case C::AWithoutB:
    case C::BWithoutA:
        combine(index);
        break;
    case C::AddMatchRule:
        addMatchRule();
        break;
    case C::DeleteMatchRules:
        deleteMatchRules();
        break;
    }
}

QString ThreeStarCommands::copiedNumbers(int index) const {
    using C = ThreeStarCommand;
    if (index == static_cast<int>(C::Copy))
        return panel_.resultText();
    if (index == static_cast<int>(C::CopyIntersection))
        return panel_.boxText(12);
    return {};
}

void ThreeStarCommands::runClear(int code) {
    ResetThreeStarGroup(controls_, code);
}

void ThreeStarCommands::runSelectAll(int code) {
    SelectAllThreeStar(controls_, code);
}

void ThreeStarCommands::showResult(const std::string& text, int count) {
    panel_.showResult(QString::fromStdString(text), count);
}

// Every command that reads the fail table starts with a fresh run, so none
// works on a table an earlier run left behind.
void ThreeStarCommands::shrink() {
    showResult({}, 0);
    panel_.clearWinCheck();
    three::RunThreeStarShrink(panel_.readInput(), *state_);
    showResult(three::ThreeDigitTexts(state_->survivors),
               static_cast<int>(state_->survivors.size()));
}

void ThreeStarCommands::invert() {
    panel_.clearWinCheck();
    const three::ThreeStarOutcome outcome = three::InvertThreeStar(panel_.readInput(), *state_);
    const std::string text = three::ThreeDigitTexts(outcome.numbers);
    showResult(text, static_cast<int>(outcome.numbers.size()));
    if (outcome.copied)
        data_cp(QString::fromStdString(text), &panel_);
    Show(&panel_, outcome.message);
}

void ThreeStarCommands::convertToGroup() {
    panel_.clearWinCheck();
    const three::ThreeStarOutcome outcome =
        three::ConvertThreeStarToGroup(panel_.readInput(), *state_);
    showResult(three::ThreeDigitTexts(outcome.numbers), static_cast<int>(outcome.numbers.size()));
}

void ThreeStarCommands::clearAll() {
    panel_.clearConditions();
    ResetThreeStarTools(controls_);
    showResult({}, 0);
    panel_.clearWinCheck();
}

void ThreeStarCommands::suggestBankers() {
    panel_.setBoxText(6, FromUtf8(three::kBankersNotWorkedOut));
    const three::BankerSuggestion suggestion =
        three::SuggestBankers(panel_.boxText(5).toStdString());
    panel_.setBoxText(5, QString::fromStdString(suggestion.input_text));
    panel_.setBoxText(6, QString::fromStdString(suggestion.output_text));
    Show(&panel_, suggestion.message);
}

void ThreeStarCommands::combine(int index) {
    const auto operation = IntersectionOperationOf(static_cast<ThreeStarCommand>(index));
    if (!operation)
        return;
    panel_.setBoxText(12, QString());
    panel_.setIntersectionCount(0);
    const three::IntersectionOutcome outcome = three::RunIntersectionTool(
        panel_.boxText(10).toStdString(), panel_.boxText(11).toStdString(), *operation);
    panel_.setBoxText(12, QString::fromStdString(outcome.result_text));
    panel_.setIntersectionCount(outcome.count);
}

void ThreeStarCommands::addMatchRule() {
    std::vector<std::string> rules;
    const auto text = [&](int part) {
        return panel_.matchRulePart(part).toStdString();
    };
    if (three::AddPositionMatchRule(rules, text(2), text(3), text(4)))
        panel_.addMatchRule(QString::fromStdString(rules.front()));
}

void ThreeStarCommands::deleteMatchRules() {
    std::vector<std::string> rules;
    for (const QString& rule : panel_.matchRules())
        rules.push_back(rule.toStdString());
    three::DeletePositionMatchRules(rules, panel_.chosenMatchRules());
    QStringList kept;
    for (const std::string& rule : rules)
        kept << QString::fromStdString(rule);
    panel_.setMatchRules(kept);
}

void ThreeStarCommands::checkWin() {
    panel_.setWinCheckAnswer(QString::fromStdString(history::CheckWin(
        panel_.winCheckText().toStdString(), panel_.resultText().toStdString(), 3)));
}

} // namespace sorvanta::ui
