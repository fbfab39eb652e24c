#include "history/extraction.hpp"
#include "history/omission.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace sorvanta::history;

namespace {

HistoryState StateWith(const std::vector<std::string>& numbers, int line) {
    HistoryState state;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        state.draws.Set(static_cast<int>(i) + 1, std::to_string(i), numbers[i]);
    state.HistoryLine = line;
    return state;
}

int Pieces(const std::string& text) {
    return text.empty() ? 0 : static_cast<int>(std::count(text.begin(), text.end(), ' ')) + 1;
}

struct ExtractCase {
    const char* name;
    const char* positions;
    const char* box;
    std::vector<std::string> draws;
    int line;
    bool ran;
    const char* boxAfter;
    const char* numbers;
};

TEST(Extraction, DrawCountRulesAndResult) {
    const std::vector<std::string> draws = {"50375", "10375", "99999", "00001", "50375"};
    const ExtractCase cases[] = {
        {"leading zeros kept, ascending, once", "千百十个", "50", draws, 1, true, "50",
         "0001 0375 9999"},
        {"first N only", "十个", "2", draws, 1, true, "2", "75"},
        {"zero becomes one", "万", "0", draws, 1, true, "1", "5"},
        {"text becomes one", "万", "abc", draws, 1, true, "1", "5"},
        {"leading-number rule rounds half to even", "万", "2.5", draws, 1, true, "2", "1 5"},
        {"line 2 caps at 100", "个", "8000", draws, 2, true, "100", "1 5 9"},
        {"line 1 caps at 5000", "个", "8000", draws, 1, true, "5000", "1 5 9"},
        {"no line yet, no cap", "个", "8000", draws, 0, true, "8000", "1 5 9"},
        {"no draw in row 1", "个", "50", {}, 1, false, nullptr, ""},
        {"five positions", "万千百十个", "3", draws, 1, true, "3", "10375 50375 99999"},
    };
    for (const ExtractCase& c : cases) {
        const ExtractionResult result =
            ExtractPastNumbers(*PositionsFromText(c.positions), c.box, StateWith(c.draws, c.line));
        EXPECT_EQ(result.ran, c.ran) << c.name;
        EXPECT_EQ(result.drawCountText.has_value(), c.boxAfter != nullptr) << c.name;
        if (c.boxAfter && result.drawCountText) {
            EXPECT_EQ(*result.drawCountText, c.boxAfter) << c.name;
        }
        EXPECT_EQ(result.numbers, c.numbers) << c.name;
        EXPECT_EQ(result.count, Pieces(c.numbers)) << c.name;
    }
}

TEST(Extraction, NoPositionDoesNothing) {
    const ExtractionResult result =
        ExtractPastNumbers(SelectionOf({}), "50", StateWith({"12345"}, 1));
    EXPECT_FALSE(result.ran);
    EXPECT_FALSE(result.drawCountText);
    EXPECT_EQ(result.count, 0);
}

TEST(ModeSwitch, PresetsTheLastPositions) {
    const auto on = [](std::initializer_list<int> elements) {
        std::array<bool, 10> buttons{};
        for (int e : elements)
            buttons[static_cast<std::size_t>(e)] = true;
        return buttons;
    };
    EXPECT_EQ(ModePositions(sorvanta::Mode::Two), on({3, 4, 8, 9}));
    EXPECT_EQ(ModePositions(sorvanta::Mode::Three), on({2, 3, 4, 7, 8, 9}));
    EXPECT_EQ(ModePositions(sorvanta::Mode::Four), on({1, 2, 3, 4, 6, 7, 8, 9}));
}

TEST(Bankers, SumTailTable) {
    const struct {
        const char* input;
        bool ok;
        const char* digits;
        const char* bankers;
    } cases[] = {
        {"2019", true, "2019", "2581"},        {"2 0 1 9", true, "2019", "2581"},
        {"0000", true, "0000", "0369"},        {"9999", true, "9999", "6925"},
        {"第1期*2*3*4", true, "1234", "0369"}, {"123", false, "123", ""},
        {"12345", false, "12345", ""},         {"１２３４", false, "", ""},
    };
    for (const auto& c : cases) {
        const BankerResult result = SumTailBankers(c.input);
        EXPECT_EQ(result.ok, c.ok) << c.input;
        EXPECT_EQ(result.digits, c.digits) << c.input;
        EXPECT_EQ(result.bankers, c.bankers) << c.input;
    }
    // Each entry u is u, u+3, u+6, u+9 modulo 10.
    for (int u = 0; u < 10; ++u) {
        const std::string bankers = SumTailBankers("000" + std::to_string(u)).bankers;
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(bankers[static_cast<std::size_t>(k)], '0' + (u + 3 * k) % 10) << u;
    }
}

// Omission straight from its definition: scan the draws from the latest
// back for each position and digit.
TEST(Omission, AgreesWithDefinition) {
    std::mt19937 random(4321);
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> numbers;
        const int count = static_cast<int>(random() % 150);
        for (int i = 0; i < count; ++i) {
            std::string n;
            for (int k = 0; k < 5; ++k)
                n += static_cast<char>('0' + random() % (round % 2 ? 10 : 3));
            numbers.push_back(n);
        }
        const int line = 1 + round % 2;
        const HistoryState state = StateWith(numbers, line);
        const OmissionFigures f = ComputeOmission(state);
        const int used = std::min(count, RowsOfLine(line));
        ASSERT_EQ(f.draws, used);
        for (int p = 0; p < 5; ++p)
            for (int d = 0; d < 10; ++d) {
                int current = -1, run = 0, longest = 0, appearances = 0, any = -1;
                for (int i = 0; i < used; ++i) {
                    const auto& n = numbers[static_cast<std::size_t>(i)];
                    if (n[static_cast<std::size_t>(p)] - '0' == d) {
                        if (current < 0)
                            current = i;
                        ++appearances;
                        run = 0;
                    } else {
                        longest = std::max(longest, ++run);
                    }
                    if (any < 0 && n.find(static_cast<char>('0' + d)) != std::string::npos)
                        any = i;
                }
                const auto sp = static_cast<std::size_t>(p), sd = static_cast<std::size_t>(d);
                EXPECT_EQ(f.current[sp][sd], current < 0 ? used : current);
                EXPECT_EQ(f.longest[sp][sd], longest);
                EXPECT_EQ(f.appearances[sp][sd], appearances);
                EXPECT_EQ(f.anyPosition[sd], any < 0 ? used : any);
            }
    }
}

TEST(Omission, GridCells) {
    EXPECT_TRUE(OmissionGridCells(ComputeOmission(StateWith({}, 1))).empty());
    const OmissionFigures f = ComputeOmission(StateWith({"01234", "56789", "bad", "01234"}, 1));
    EXPECT_EQ(f.draws, 3);
    const std::vector<OmissionCell> cells = OmissionGridCells(f);
    ASSERT_EQ(cells.size(), 120u);
    std::set<std::pair<int, int>> places;
    for (const OmissionCell& cell : cells)
        places.insert({cell.column, cell.row});
    EXPECT_EQ(places.size(), 120u);
    const auto textAt = [&](int column, int row) {
        for (const OmissionCell& cell : cells)
            if (cell.column == column && cell.row == row)
                return cell.text;
        return std::string("?");
    };
    EXPECT_EQ(textAt(0, 5), "5");
    EXPECT_EQ(textAt(1, 5), "1"); // 万 came 5 one draw ago
    EXPECT_EQ(textAt(1, 0), "0");
    EXPECT_EQ(textAt(9, 3), "3"); // 个 never 3 in three draws
    EXPECT_EQ(textAt(11, 9), "1");
}

} // namespace
