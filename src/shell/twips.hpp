#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace sorvanta::ui {

// Positions and sizes of the window are kept in twips (1/1440 inch); at 96
// dpi a pixel is 15 twips. Qt's device-independent pixels take care of
// high-dpi screens, so one conversion serves every screen.
int twips(int t);
QRect twipsRect(int x, int y, int w, int h);
QSize twipsSize(int w, int h);

} // namespace sorvanta::ui
