#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/mycode.hpp"

namespace sorvanta::ui {

void set_button_color(const ControlRegistry& controls, const QString& ctl_name, int ctl_index_ks,
                      int ctl_index_js, int ctl_yanse) {
    const auto elements = controls.array(ctl_name);
    for (auto it = elements.lowerBound(ctl_index_ks);
         it != elements.end() && it.key() <= ctl_index_js; ++it)
        if (auto* button = qobject_cast<ColourButton*>(it.value()))
            button->setBackColor(ctl_yanse);
}

void SetButtonColor_diandong(ColourButton* button, int mode, int color_1, int color_2) {
    if (!button)
        return;
    switch (mode) {
    case 1:
        button->setBackColor(color_1);
        break;
    case 2:
        button->setBackColor(color_2);
        break;
    case 3:
        button->setBackColor(button->backColor() != color_1 ? color_1 : color_2);
        break;
    default:
        break;
    }
}

} // namespace sorvanta::ui
