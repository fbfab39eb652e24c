#include "app/fmain.hpp"

#include "panels/three_star/three_star_commands.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "shell/twips.hpp"

#include <QPushButton>

namespace sorvanta::ui {

// The three-star mode: its panel is Pic_di element 1, its commands the
// window's C_2x3x_gn 0..13, C_3x_cls 0..22 (37, 38) and C_3x_all 0..8.
void Fmain::buildThreeStarMode() {
    auto* panel = new ThreeStarPanel(
        controls_, ThreeStarPanel::Groups{C_2x3x_gn_, C_3x_cls_, C_3x_all_, C_234_sm_}, Cf_, this);
    controls_.add(QStringLiteral("Pic_di"), 1, panel);
    panel->setGeometry(twipsRect(30, 390, panelWidth(1), 9255));
    Pic_di_.insert(1, panel);
    threeStarCommands_ = new ThreeStarCommands(*panel, controls_, this);
}

} // namespace sorvanta::ui
