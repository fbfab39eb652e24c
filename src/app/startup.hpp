#pragma once

namespace sorvanta::ui {

class Fmain;

// The one-shot start-up sequence, run 30 ms after the window is shown: the
// tables, the first page, the four-star mode and the filled lists.
void RunStartup(Fmain& window);

} // namespace sorvanta::ui
