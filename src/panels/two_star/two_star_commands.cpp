#include "panels/two_star/two_star_commands.hpp"

#include "common/number_list.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "reset/condition_reset.hpp"
#include "shell/mycode.hpp"

namespace sorvanta::ui {

TwoStarCommands::TwoStarCommands(TwoStarPanel& panel, ControlRegistry& controls, QObject* parent)
    : QObject(parent), panel_(panel), controls_(controls) {}

void TwoStarCommands::run(int index) {
    switch (index) {
    case 14:
        show(two::RunTwoStarShrink(panel_.readInput(), state_));
        break;
    case 15:
        data_cp(copiedNumbers(index), &panel_);
        break;
    case 16:
        show(two::ConvertTwoStarToGroup(panel_.readInput(), state_));
        break;
    case 17:
        panel_.writeClearedInput(two::ClearedTwoStarInput(panel_.readInput()));
        panel_.clearResult();
        break;
    case 18:
        show(two::InvertTwoStar(panel_.readInput(), state_));
        break;
    default:
        break;
    }
}

QString TwoStarCommands::copiedNumbers(int index) const {
    return index == 15 ? panel_.resultText() : QString();
}

void TwoStarCommands::runClear(int code) {
    panel_.moveFocusAway();
    ClearTwoStarGroup(controls_, code);
}

void TwoStarCommands::runSelectAll(int code) {
    panel_.moveFocusAway();
    SelectAllTwoStarGroup(controls_, code);
}

void TwoStarCommands::show(const std::vector<int>& numbers) {
    panel_.showResult(QString::fromStdString(JoinNumbers(numbers, 2)),
                      static_cast<int>(numbers.size()));
}

} // namespace sorvanta::ui
