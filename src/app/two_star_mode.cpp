#include "app/fmain.hpp"

#include "shell/twips.hpp"

#include <QFrame>

namespace sorvanta::ui {

// The two-star mode: its panel is Pic_di element 0.
void Fmain::buildTwoStarMode() {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    controls_.add(QStringLiteral("Pic_di"), 0, panel);
    panel->setGeometry(twipsRect(30, 390, panelWidth(0), 9255));
    Pic_di_.insert(0, panel);
}

} // namespace sorvanta::ui
