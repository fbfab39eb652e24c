#include "app/startup.hpp"

#include "app/fmain.hpp"
#include "panels/four_star/four_star_commands.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "shell/colour_button.hpp"

#include <QTimer>

namespace sorvanta::ui {

void RunStartup(Fmain& window) {
    // Stopped first, so the sequence runs once whatever it lets happen.
    window.Timer_load_->stop();
    FourStarPanel* panel = window.fourStar();
    panel->pageButtons[0]->setBackColor(Colour::LightGreen);
    panel->switchPage(0);
    window.switchMode(2);
    panel->fillTotalToleranceLists();
    panel->fillConditionToleranceLists();
    window.fourStarCommands()->initCandidates();
    // The draws stored before, then the first collection.
    window.historySource()->start();
    emit window.startupFinished();
}

} // namespace sorvanta::ui
