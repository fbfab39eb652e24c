#include "history/draw_text.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>

using namespace sorvanta::history;

namespace {

struct LineCase {
    const char* name;
    std::string line;
    bool ok;
    const char* period;
    const char* number;
};

TEST(DrawLine, PeriodThenDraw) {
    const LineCase cases[] = {
        {"plain", "20261207023 12345", true, "20261207023", "12345"},
        {"dashed period", "20261207-023 12345", true, "20261207-023", "12345"},
        {"separate digits", "20261207023 1 2 3 4 5", true, "20261207023", "12345"},
        {"comma digits", "20261207023,1,2,3,4,5", true, "20261207023", "12345"},
        {"date and time passed over", "20261207-023 2026-12-07 10:50 1,2,3,4,5", true,
         "20261207-023", "12345"},
        {"chinese labels", "第20261207023期 开奖号：0 0 7 8 9", true, "20261207023", "00789"},
        {"six-digit period", "202612 54321", true, "202612", "54321"},
        {"fourteen-digit period", "20261207000001 54321", true, "20261207000001", "54321"},
        {"fifteen digits is no period", "202612070000011 54321", false, "", ""},
        {"five digits is no period", "20261 54321", false, "", ""},
        {"tail of five digits is no period", "20261207-00001 54321", false, "", ""},
        {"draw before period does not count", "12345 20261207023", false, "", ""},
        {"only four single digits", "20261207023 1 2 3 4", false, "", ""},
        {"broken run of singles restarts", "20261207023 1 2 33 4 5 6 7 8", true, "20261207023",
         "45678"},
        {"five-digit token beats unfinished singles", "20261207023 1 2 54321", true, "20261207023",
         "54321"},
        {"six-digit token is no draw", "20261207023 123456", false, "", ""},
        {"dashed digits are one token", "20261207023 1-2-3-4-5", false, "", ""},
        {"first period wins", "20261207023 20261207024 12345", true, "20261207023", "12345"},
        {"full-width digits separate", "20261207023 １２３４５", false, "", ""},
        {"no period", "abc 12345", false, "", ""},
    };
    for (const LineCase& c : cases) {
        const DrawLineRead read = ReadDrawLine(c.line);
        EXPECT_EQ(read.ok, c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(read.period, c.period) << c.name;
            EXPECT_EQ(read.number, c.number) << c.name;
        }
    }
}

std::string Periods(const DrawTextRead& read) {
    std::string out;
    for (const Draw& d : read.draws)
        out += (out.empty() ? "" : " ") + d.period + "=" + d.number;
    return out;
}

struct TextCase {
    const char* name;
    std::string text;
    const char* draws; // period=number, latest first
    int skipped;
};

TEST(DrawText, LinesOrderAndCounts) {
    const TextCase cases[] = {
        {"latest first whatever the order", "2026120702 11111\n2026120703 22222\n2026120701 33333",
         "2026120703=22222 2026120702=11111 2026120701=33333", 0},
        {"every line ending", "2026120701 11111\r\n2026120702 22222\r2026120703 33333\n",
         "2026120703=33333 2026120702=22222 2026120701=11111", 0},
        {"empty and comment lines not counted",
         "\n  \n# 2026120701 11111\n  #x\n2026120702 22222\n", "2026120702=22222", 0},
        {"full-width blank before comment", "\xE3\x80\x80# 2026120701 11111\n", "", 0},
        {"bad lines counted", "header\n2026120701 11111\n2026120702 1234\n", "2026120701=11111", 2},
        {"repeat keeps first draw", "2026120701 11111\n2026120701 22222\n2026120701 11111\n",
         "2026120701=11111", 2},
        {"dash part orders within a day", "20261207-2 11111\n20261207-10 22222\n20261207 33333\n",
         "20261207-10=22222 20261207-2=11111 20261207=33333", 0},
        {"numeric not textual order", "999999 11111\n1000000 22222\n", "1000000=22222 999999=11111",
         0},
        {"empty text", "", "", 0},
    };
    for (const TextCase& c : cases) {
        const DrawTextRead read = ReadDrawText(c.text);
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(Periods(read), c.draws) << c.name;
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
    }
}

TEST(DrawText, HtmlRowsAreLines) {
    const TextCase cases[] = {
        {"rows with cells",
         "<html><table><tr><th>期号</th><th>开奖号码</th></tr>\n"
         "<tr class=\"r\"><td>20261207-023</td><td>1</td><td>2</td><td>3</td><td>4</td><td>5</td>"
         "</tr>\n<TR><TD>20261207-024</TD>\n<TD>67890</TD></TR></table></html>",
         "20261207-024=67890 20261207-023=12345", 1},
        {"cells without blanks stay apart",
         "<tr><td>2026120701</td><td>1</td><td>2</td><td>3</td>"
         "<td>4</td><td>5</td></tr>",
         "2026120701=12345", 0},
        {"entities", "<tr><td>2026120701&nbsp;1&amp;2&lt;3&gt;4&NBSP;5</td></tr>",
         "2026120701=12345", 0},
        {"escaped row end does not end the row",
         "<tr><td>2026120701 &lt;/tr&gt; 1</td><td>2 3 4 5</td></tr>", "2026120701=12345", 0},
        {"unclosed rows end at the next row", "<tr><td>2026120701 11111<tr><td>2026120702 22222",
         "2026120702=22222 2026120701=11111", 0},
        {"text outside rows ignored", "2026120709 99999<table><tr><td>2026120701 11111</td></tr>",
         "2026120701=11111", 0},
        {"track is no row", "<track>2026120701 11111\n2026120702 22222",
         "2026120702=22222 2026120701=11111", 0},
    };
    for (const TextCase& c : cases) {
        const DrawTextRead read = ReadDrawText(c.text);
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(Periods(read), c.draws) << c.name;
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
    }
}

TEST(DrawText, Encodings) {
    // "第" and "期" in GBK are B5 DA and C6 DA; the label decodes and the digits
    // read the same either way.
    const std::string gbk = "\xB5\xDA"
                            "2026120701"
                            "\xC6\xDA 12345\n";
    TextEncoding encoding{};
    EXPECT_EQ(DecodeDrawBytes(gbk, &encoding), "第2026120701期 12345\n");
    EXPECT_EQ(encoding, TextEncoding::Gbk);

    const std::string utf8 = "\xEF\xBB\xBF第2026120701期 12345\n";
    EXPECT_EQ(DecodeDrawBytes(utf8, &encoding), "第2026120701期 12345\n");
    EXPECT_EQ(encoding, TextEncoding::Utf8);

    for (const std::string& bytes : {gbk, utf8}) {
        const DrawTextRead read = ReadDrawText(bytes);
        EXPECT_EQ(Periods(read), "2026120701=12345");
    }
    // A lone lead byte and an invalid pair become replacement characters and
    // take no digit with them.
    EXPECT_EQ(DecodeGbk("1\x81"
                        "2\xFF"
                        "3\xB5"),
              "1\xEF\xBF\xBD"
              "2\xEF\xBF\xBD"
              "3\xEF\xBF\xBD");
}

TEST(DrawText, Utf8Validation) {
    const struct {
        const char* name;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"ascii", "abc", true},
        {"chinese", "中文", true},
        {"four-byte", "\xF0\x9F\x98\x80", true},
        {"overlong", "\xC0\xAF", false},
        {"overlong three-byte", "\xE0\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"past U+10FFFF", "\xF4\x90\x80\x80", false},
        {"cut short", "\xE4\xB8", false},
        {"gbk pair", "\xB5\xDA", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.name;
}

TEST(DrawText, LimitsRefuseTheWholeRead) {
    std::string lines;
    for (std::size_t i = 0; i < kMaxDrawTextLines; ++i)
        lines += "\n";
    EXPECT_TRUE(ReadDrawText(lines).ok);
    const DrawTextRead tooMany = ReadDrawText("2026120701 11111\n" + lines);
    EXPECT_FALSE(tooMany.ok);
    EXPECT_TRUE(tooMany.draws.empty());
    EXPECT_EQ(tooMany.error, "开奖数据超过100000行，未读取");

    std::string big(kMaxDrawTextBytes, ' ');
    EXPECT_TRUE(ReadDrawText(big).ok);
    big.push_back(' ');
    const DrawTextRead tooBig = ReadDrawText(big);
    EXPECT_FALSE(tooBig.ok);
    EXPECT_EQ(tooBig.error, "开奖数据超过8MB，未读取");
}

TEST(DrawText, PageWithoutRowEndsStaysFast) {
    // Every row left open must not make the reader look for "</tr>" to the
    // end of the page each time.
    std::string page;
    for (int i = 0; i < 50000; ++i)
        page += "<tr><td>" + std::to_string(20260000000LL + i) + " 12345";
    const auto start = std::chrono::steady_clock::now();
    const DrawTextRead read = ReadDrawText(page);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(read.draws.size(), 50000u);
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(DrawText, SampleFile) {
    std::ifstream file(SORVANTA_TEST_DATA "/sample_draws_cq.txt", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const DrawTextRead read = ReadDrawText(bytes);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.draws.size(), 40u);
    EXPECT_EQ(read.skipped, 2);
    EXPECT_EQ(read.draws.front(), (Draw{"20260101-040", "45957"}));
    EXPECT_EQ(read.draws[34], (Draw{"20260101-006", "90996"}));
    EXPECT_EQ(read.draws.back(), (Draw{"20260101-001", "52601"}));
    EXPECT_EQ(ImportSummary(read), "导入40期，跳过2行");
}

} // namespace
