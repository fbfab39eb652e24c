#include "history/extraction.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <bitset>

namespace sorvanta::history {

ExtractionResult ExtractPastNumbers(const PositionSelection& positions,
                                    std::string_view drawCountText, const HistoryState& state) {
    ExtractionResult result;
    const int width = positions.Count();
    if (width == 0 || state.draws.Empty())
        return result;
    int n = std::max(1, static_cast<int>(ReadLeadingNumber(drawCountText)));
    if (state.HistoryLine == 1 || state.HistoryLine == 2)
        n = std::min(n, RowsOfLine(state.HistoryLine));
    result.drawCountText = std::to_string(n);
    result.ran = true;

    std::bitset<100000> seen;
    const int rows = std::min(n, DrawHistory::kRows - 1);
    for (int row = 1; row <= rows; ++row) {
        if (!state.draws.HasDraw(row))
            continue;
        const int value = FixedWidthValue(positions.KeyOf(state.draws.Number(row)), width);
        if (value >= 0)
            seen.set(static_cast<std::size_t>(value));
    }
    std::vector<int> numbers;
    for (std::size_t value = 0; value < seen.size(); ++value)
        if (seen.test(value))
            numbers.push_back(static_cast<int>(value));
    result.numbers = JoinNumbers(numbers, width);
    result.count = static_cast<int>(numbers.size());
    return result;
}

std::array<bool, 10> ModePositions(Mode mode) {
    const std::array<bool, 5> last = LastPositions(Width(mode));
    std::array<bool, 10> buttons{};
    for (std::size_t k = 0; k < 5; ++k)
        buttons[k] = buttons[k + 5] = last[k];
    return buttons;
}

BankerResult SumTailBankers(std::string_view drawText) {
    static constexpr std::string_view kTable = "0369=1470=2581=3692=4703=5814=6925=7036=8147=9258";
    BankerResult result;
    for (char c : drawText)
        if (c >= '0' && c <= '9')
            result.digits.push_back(c);
    if (result.digits.size() != 4)
        return result;
    int sum = 0;
    for (char c : result.digits)
        sum += c - '0';
    const std::size_t tail = static_cast<std::size_t>(sum % 10);
    result.bankers = std::string(kTable.substr(tail * 5, 4));
    result.ok = true;
    return result;
}

} // namespace sorvanta::history
