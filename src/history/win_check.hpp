#pragma once

#include <string>
#include <string_view>

namespace sorvanta::history {

// The answer beside a win-check box: "【中奖查询】" until the box holds a
// number of the result's width (blanks around it ignored), then a hit when
// that number is among the result's blank-separated numbers, else a miss.
// width 4 answers "【中中中中】"/"【挂挂挂挂】", width 3 "【中中中】"/"【挂挂挂】".
std::string CheckWin(std::string_view boxText, std::string_view resultText, int width);

} // namespace sorvanta::history
