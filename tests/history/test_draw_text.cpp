#include "history/draw_store.hpp"
#include "history/draw_text.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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
         "20261207-003=22222 20261207-002=11111 20261207-001=33333", 0},
        {"every line ending", "2026120701 11111\r\n2026120702 22222\r2026120703 33333\n",
         "20261207-003=33333 20261207-002=22222 20261207-001=11111", 0},
        {"empty and comment lines not counted",
         "\n  \n# 2026120701 11111\n  #x\n2026120702 22222\n", "20261207-002=22222", 0},
        {"full-width blank before comment", "\xE3\x80\x80# 2026120701 11111\n", "", 0},
        {"bad lines counted", "header\n2026120701 11111\n2026120702 1234\n", "20261207-001=11111",
         2},
        {"repeat keeps first draw", "2026120701 11111\n2026120701 22222\n2026120701 11111\n",
         "20261207-001=11111", 2},
        {"dash part orders within a day", "20261207-2 11111\n20261207-10 22222\n20261207 33333\n",
         "20261207-010=22222 20261207-002=11111 20261207=33333", 0},
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
         "20261207-001=12345", 0},
        {"entities", "<tr><td>2026120701&nbsp;1&amp;2&lt;3&gt;4&NBSP;5</td></tr>",
         "20261207-001=12345", 0},
        {"escaped row end does not end the row",
         "<tr><td>2026120701 &lt;/tr&gt; 1</td><td>2 3 4 5</td></tr>", "20261207-001=12345", 0},
        {"unclosed rows end at the next row", "<tr><td>2026120701 11111<tr><td>2026120702 22222",
         "20261207-002=22222 20261207-001=11111", 0},
        {"text outside rows ignored", "2026120709 99999<table><tr><td>2026120701 11111</td></tr>",
         "20261207-001=11111", 0},
        {"track is no row", "<track>2026120701 11111\n2026120702 22222",
         "20261207-002=22222 20261207-001=11111", 0},
    };
    for (const TextCase& c : cases) {
        const DrawTextRead read = ReadDrawText(c.text);
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(Periods(read), c.draws) << c.name;
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
    }
}

TEST(Period, SpellingsCanonicalFormAndOrderKey) {
    const struct {
        const char* spelling;
        const char* canonical; // what the reader, the store and the list show
        bool dated;
        long long major;
        long long minor;
    } cases[] = {
        {"20261207-023", "20261207-023", true, 20261207, 23},
        {"20261207023", "20261207-023", true, 20261207, 23},
        {"261207023", "20261207-023", true, 20261207, 23},
        {"26120723", "20261207-023", true, 20261207, 23},
        {"20261207-23", "20261207-023", true, 20261207, 23},
        {"202601021530", "20260102-1530", true, 20260102, 1530},
        {"161002001", "20161002-001", true, 20161002, 1},
        {"19102242", "20191022-042", true, 20191022, 42},
        {"20240229-120", "20240229-120", true, 20240229, 120},
        {"20000101-0", "20000101-000", true, 20000101, 0},
        {"20991231999", "20991231-999", true, 20991231, 999},
        // The long date fails, the short one reads: 2026-01-20, serial 1023.
        {"2601201023", "20260120-1023", true, 20260120, 1023},
        // No real date in any reading: kept as written.
        {"20230229-001", "20230229-001", false, 20230229, 1},
        {"20261301023", "20261301023", false, 20261301023, -1},
        {"1023001", "1023001", false, 1023001, -1},
        {"202612", "202612", false, 202612, -1},
        {"2026120-023", "2026120-023", false, 2026120, 23},
        {"21001207023", "21001207023", false, 21001207023, -1},
        {"19991207-023", "19991207-023", false, 19991207, 23},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CanonicalPeriod(c.spelling), c.canonical) << c.spelling;
        const PeriodKey key = KeyOfPeriod(c.spelling);
        EXPECT_EQ(key, (PeriodKey{c.dated, c.major, c.minor})) << c.spelling;
        EXPECT_EQ(KeyOfPeriod(c.canonical), key) << c.spelling;
    }
}

TEST(Period, DatedLaterThanUndatedThenDateThenSerial) {
    // Latest first, each pair checked both ways.
    const std::vector<std::string> order = {
        "20261207-1000", "20261207-023", "261207022", "20160116-023", "20131201063",
        "999999999999",  "1023001-2",    "1023001-1", "1023001",      "999999"};
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t k = 0; k < order.size(); ++k)
            EXPECT_EQ(LaterPeriod(order[i], order[k]), i < k) << order[i] << " vs " << order[k];
}

TEST(DrawText, SpellingsOfOnePeriodAndFutureDates) {
    const int today = 20261208;
    const TextCase cases[] = {
        {"one draw spelled two ways is one draw",
         "20261207-023 11111\n20261207023 22222\n261207023 33333\n26120723 44444",
         "20261207-023=11111", 3},
        {"dated by date and serial, undated below",
         "20131201063 11111\n20160116-023 22222\n1023001 33333\n161002001 44444",
         "20161002-001=44444 20160116-023=22222 20131201-063=11111 1023001=33333", 0},
        {"tomorrow is kept, the day after is not",
         "20261209-001 11111\n20261210-001 22222\n20991231-001 33333\n20261208-120 44444",
         "20261209-001=11111 20261208-120=44444", 2},
        {"a future line leaves the period free", "20270101-001 11111\n20261208-001 22222",
         "20261208-001=22222", 1},
    };
    for (const TextCase& c : cases) {
        const DrawTextRead read = ReadDrawText(c.text, today);
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(Periods(read), c.draws) << c.name;
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
    }
    EXPECT_EQ(ReadDrawText("20261210-001 22222\n20991231-001 33333", today).future, 2);
    // Month and year ends: the day after 2026-12-31 is 2027-01-01.
    EXPECT_EQ(Periods(ReadDrawText("20270101-001 11111\n20270102-001 22222", 20261231)),
              "20270101-001=11111");
}

TEST(DrawText, JsonTextsAreReadAsLines) {
    const int today = 20261208;
    const TextCase cases[] = {
        {"rows of a draw API",
         R"({"code":0,"data":[{"expect":"20261207023","opencode":"1,2,3,4,5",)"
         R"("opentime":"2026-12-07 10:50:00"},{"expect":"20261207024","opencode":"67890"}]})",
         "20261207-024=67890 20261207-023=12345", 1}, // the outer line holds only the code
        // Read as 1 and 0, as written; printed back from its value it would be 1.
        {"numbers as written", R"([[20261207023, 1, 2, 3, 4, 5], [20261207024, 1.0, 2, 3, 4]])",
         "20261207-024=10234 20261207-023=12345", 0},
        {"names, true, false and null left out",
         R"([{"20261207001": 12345, "x": true, "y": null, "z": false}])", "", 1},
        {"nested members are lines of their own, the outer one first",
         R"({"p":"20261207001","row":{"p":"20261207-1","n":"22222"},"n":"11111"})",
         "20261207-001=11111", 1},
        {"a repeated period keeps its first row",
         R"([["20261207001","11111"],["20261207-1","22222"]])", "20261207-001=11111", 1},
        {"invalid JSON is plain text", "[20261207001 12345\n20261207002 22222",
         "20261207-002=22222 20261207-001=12345", 0},
        {"blank before the bracket", " \r\n\t[[\"20261207001\",\"12345\"]]", "20261207-001=12345",
         0},
        {"unquoted numbers, -0 too",
         R"([[2026120712,12345],[-5,20261207013,"0",1,2,3,4],[20261207014,-0,1,2,3,4]])",
         "20261207-013=01234 20261207-012=12345", 1},
    };
    for (const TextCase& c : cases) {
        const DrawTextRead read = ReadDrawText(c.text, today);
        EXPECT_TRUE(read.ok) << c.name;
        EXPECT_EQ(Periods(read), c.draws) << c.name;
        EXPECT_EQ(read.skipped, c.skipped) << c.name;
    }
    // 64 levels are JSON, where member names are left out; 65 are plain
    // text, where they are read.
    const auto nested = [](int depth) {
        const auto n = static_cast<std::size_t>(depth - 1);
        return std::string(n, '[') + R"({"20261207001":"12345"})" + std::string(n, ']');
    };
    EXPECT_EQ(Periods(ReadDrawText(nested(64), today)), "");
    EXPECT_EQ(Periods(ReadDrawText(nested(65), today)), "20261207-001=12345");
    // One object per line counts against the line limit.
    std::string many = "[";
    for (std::size_t i = 0; i <= kMaxDrawTextLines; ++i)
        many += "[],";
    many += "[]]";
    EXPECT_FALSE(ReadDrawText(many, today).ok);
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
        EXPECT_EQ(Periods(read), "20261207-001=12345");
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
    EXPECT_EQ(ImportSummary(read, {{}, 0, 3, 2, false}),
              "导入40期，跳过2行，3期与已存号码不同，保留已存，2期已替换");
}

} // namespace
