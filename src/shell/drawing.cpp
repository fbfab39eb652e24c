#include "shell/mycode.hpp"
#include "shell/picture_box.hpp"

namespace sorvanta::ui {

void pic_line(PictureBox* box, double x1, double y1, double x2, double y2, int width, int colour) {
    if (!box)
        return;
    box->setDrawWidth(width);
    box->setForeColor(colour);
    box->line(x1, y1, x2, y2);
}

void pic_wrid(PictureBox* box, double x, double y, const QString& text, double fontSize,
              int colour) {
    if (!box)
        return;
    box->setFontSize(fontSize);
    box->setForeColor(colour);
    box->print(x, y, text);
}

} // namespace sorvanta::ui
