#include "history/win_check.hpp"

#include <gtest/gtest.h>

using sorvanta::history::CheckWin;

namespace {

struct WinCase {
    const char* name;
    const char* box;
    const char* result;
    int width;
    const char* answer;
};

TEST(WinCheck, AnswersByLengthAndMembership) {
    const WinCase cases[] = {
        {"one digit", "1", "1234 5678", 4, "【中奖查询】"},
        {"three digits", "123", "1234 5678", 4, "【中奖查询】"},
        {"hit", "5678", "1234 5678", 4, "【中中中中】"},
        {"miss", "4321", "1234 5678", 4, "【挂挂挂挂】"},
        {"blanks around ignored", " 1234 ", "1234 5678", 4, "【中中中中】"},
        {"empty result misses", "1234", "", 4, "【挂挂挂挂】"},
        {"five digits", "12345", "1234 5678", 4, "【中奖查询】"},
        {"empty box", "", "1234", 4, "【中奖查询】"},
        {"blank inside does not straddle two numbers", "34 5", "1234 5678", 4, "【挂挂挂挂】"},
        {"three-star hit", "123", "012 123", 3, "【中中中】"},
        {"three-star miss", "999", "012 123", 3, "【挂挂挂】"},
        {"chinese characters counted as characters", "中中中中", "1234", 4, "【挂挂挂挂】"},
    };
    for (const WinCase& c : cases)
        EXPECT_EQ(CheckWin(c.box, c.result, c.width), c.answer) << c.name;
}

} // namespace
