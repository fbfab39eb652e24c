#include "app/fmain.hpp"

#include "shell/twips.hpp"

#include <QFrame>

namespace sorvanta::ui {

// The three-star mode: its panel is Pic_di element 1.
void Fmain::buildThreeStarMode() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    controls_.add(QStringLiteral("Pic_di"), 1, panel);
    panel->setGeometry(twipsRect(30, 390, panelWidth(1), 9255));
    Pic_di_.insert(1, panel);
}

} // namespace sorvanta::ui
