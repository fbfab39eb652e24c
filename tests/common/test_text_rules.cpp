// The text rules every floor shares: the UTF-8 reader held against the
// system's own converter, the one-line form of messages, and the reader of
// numbers of one width.
#include "common/number_list.hpp"
#include "common/text.hpp"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>
#include <utility>
#include <vector>

using namespace sorvanta;

namespace {

// The code points iconv reads from `bytes`, or false when it finds them no
// valid UTF-8.
bool SystemReadsUtf8(const std::string& bytes, std::u32string& out) {
    static const iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char32_t buffer[8];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = reinterpret_cast<char*>(buffer);
    std::size_t toLeft = sizeof buffer;
    if (iconv(cd, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1))
        return false;
    out.assign(buffer, (sizeof buffer - toLeft) / sizeof(char32_t));
    return true;
}

TEST(TextRules, Utf8AsTheSystemReadsIt) {
    // Every lead byte with the continuation bytes at the edges of every
    // range UTF-8 draws, and bytes that are none.
    const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90,
                                   0x9F, 0xA0, 0xBF, 0xC0, 0xFF};
    int valid = 0;
    for (int lead = 0; lead < 256; ++lead)
        for (unsigned char b1 : edges)
            for (unsigned char b2 : edges)
                for (unsigned char b3 : edges) {
                    const std::string bytes{static_cast<char>(lead), static_cast<char>(b1),
                                            static_cast<char>(b2), static_cast<char>(b3)};
                    std::u32string expected;
                    const bool system = SystemReadsUtf8(bytes, expected);
                    ASSERT_EQ(IsValidUtf8(bytes), system)
                        << std::hex << lead << " " << +b1 << " " << +b2 << " " << +b3;
                    if (system) {
                        ++valid;
                        EXPECT_EQ(DecodeUtf8(bytes), expected);
                    }
                }
    EXPECT_GT(valid, 1000);
}

TEST(TextRules, SequencesAndCharacters) {
    const struct {
        const char* name;
        std::string text;
        std::size_t length;
        char32_t value;
        bool wellFormed;
        std::size_t characters;
    } cases[] = {
        {"ascii", "a", 1, U'a', true, 1},
        {"chinese", "中", 3, U'中', true, 1},
        {"four bytes", "\xF0\x9F\x98\x80", 4, U'\U0001F600', true, 1},
        {"overlong slash", "\xC0\xAF", 2, U'/', false, 1},
        {"surrogate", "\xED\xA0\x80", 3, 0xD800, false, 1},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 4, 0x110000, false, 1},
        {"cut short", "\xE4\xB8", 0, 0, false, 1},
        {"stray continuation", "\x80", 0, 0, false, 0},
        {"lead F8", "\xF8\x80", 0, 0, false, 1},
    };
    for (const auto& c : cases) {
        const Utf8Sequence sequence = ReadUtf8Sequence(c.text, 0);
        EXPECT_EQ(sequence.length, c.length) << c.name;
        EXPECT_EQ(sequence.value, c.value) << c.name;
        EXPECT_EQ(sequence.wellFormed, c.wellFormed) << c.name;
        EXPECT_EQ(CountCharacters(c.text), c.characters) << c.name;
    }
}

TEST(TextRules, OneLine) {
    const std::pair<std::string, std::string> cases[] = {
        {"a\nb", "a\\nb"},
        {"a\r\nb", "a\\r\\nb"},
        {"tab\there", "tab here"},
        {std::string("nul\0end", 7), "nul end"},
        {"中\x01文\x7F", "中 文\x7F"},
        {"\xFF\n", "\xFF\\n"},
    };
    for (const auto& [message, line] : cases)
        EXPECT_EQ(OneLine(message), line) << line;
}

TEST(TextRules, NumbersOfOneWidth) {
    const struct {
        std::string text;
        int width;
        std::vector<int> numbers;
    } cases[] = {
        {"0012 345 6789 0012", 4, {12, 6789, 12}},
        {"12,345；6789\r\n0000", 4, {6789, 0}},
        {"a123b45 678", 3, {123, 678}},
        {"1２3 45", 2, {45}},
        {"", 3, {}},
        {"123456", 3, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> numbers;
        ForEachNumber(c.text, c.width, [&](int n) { numbers.push_back(n); });
        EXPECT_EQ(numbers, c.numbers) << c.text;
        // A box's raw text and its digit filter's result read alike.
        std::vector<int> filtered;
        ForEachNumber(DigitsOnly(c.text), c.width, [&](int n) { filtered.push_back(n); });
        EXPECT_EQ(filtered, c.numbers) << c.text;
    }
}

} // namespace
