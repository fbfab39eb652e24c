#include "app/fmain.hpp"

#include "panels/two_star/two_star_commands.hpp"
#include "panels/two_star/two_star_panel.hpp"

#include <QPushButton>

namespace sorvanta::ui {

// The two-star mode: its panel is Pic_di element 0, its commands take the
// window's C_2x3x_gn 14..18, C_3x_cls 23..36 and C_3x_all 9..12.
void Fmain::buildTwoStarMode() {
    auto* panel = new TwoStarPanel(
        controls_, TwoStarButtonGroups{C_2x3x_gn_, C_3x_cls_, C_3x_all_, C_234_sm_}, Cf_, this);
    controls_.add(QStringLiteral("Pic_di"), 0, panel);
    Pic_di_.insert(0, panel);
    twoStarCommands_ = new TwoStarCommands(*panel, controls_, this);
}

} // namespace sorvanta::ui
