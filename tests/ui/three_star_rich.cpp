// The three-star rich input for a suite that also needs the four-star one:
// both checks headers define digits(), so they cannot meet in one file.
#include "three_star_checks.hpp"

namespace sorvanta::test {

three::ThreeStarInput ThreeStarRichInput() {
    return threeStarRichInput();
}

} // namespace sorvanta::test
