#include "shell/twips.hpp"

#include <cmath>

namespace sorvanta::ui {

int twips(int t) {
    return static_cast<int>(std::lround(t / 15.0));
}
QRect twipsRect(int x, int y, int w, int h) {
    return {twips(x), twips(y), twips(w), twips(h)};
}
QSize twipsSize(int w, int h) {
    return {twips(w), twips(h)};
}

} // namespace sorvanta::ui
