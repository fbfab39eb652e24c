#include "history/win_check.hpp"

#include "common/text.hpp"

namespace sorvanta::history {

std::string CheckWin(std::string_view boxText, std::string_view resultText, int width) {
    std::size_t start = boxText.find_first_not_of(' ');
    if (start == std::string_view::npos)
        start = boxText.size();
    std::size_t end = boxText.find_last_not_of(' ');
    end = end == std::string_view::npos ? start : end + 1;
    const std::string_view entry = boxText.substr(start, end - start);
    if (static_cast<int>(DecodeUtf8(entry).size()) != width)
        return "【中奖查询】";
    // A typed "34 5" must not be found across two numbers of the result.
    bool allDigits = true;
    for (char ch : entry)
        allDigits = allDigits && ch >= '0' && ch <= '9';
    const bool hit = allDigits && resultText.find(entry) != std::string_view::npos;
    std::string answer = "【";
    for (int i = 0; i < width; ++i)
        answer += hit ? "中" : "挂";
    return answer + "】";
}

} // namespace sorvanta::history
