#include "common/help_blocks.hpp"
#include "help_test_support.hpp"
#include "shell/help_index.hpp"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using namespace sorvanta;
using sorvanta::help_testing::ReadFile;
using sorvanta::help_testing::ShippedStore;

namespace {

// The keys the store must hold, in stored order.
const std::vector<std::string> kStoredKeys = {
    "2x_杀跨度",     "2x_杀和值",      "2x_杀定位",     "2x_杀复式",        "2x_杀形态",
    "2x_特殊形态",   "2x_大底号码",    "2x_杀直选",     "2x_总容错",        "3x_杀直选",
    "3x_排除500",    "3x_杀组选",      "3x_杀垃圾复试", "3x_杀2码",         "3x_必出2码",
    "3x_交集",       "3x_定位杀2码",   "3x_定位出2码",  "3x_两码和差",      "3x_定位胆",
    "3x_断组",       "3x_杀和跨",      "3x_排除复试",   "3x_定位杀",        "3x_胆组",
    "3x_必含大底",   "3x_杀形态",      "3x_最大最小",   "3x_保留个数",      "3x_排除012",
    "3x_大底号码",   "3x_特别排除",    "3x_总容错",     "4x_杀直选",        "4x_杀垃圾复试",
    "4x_杀3码组合",  "4x_必出3码组合", "4x_杀2码组合",  "4x_必出2码组合",   "4x_杀定位组合",
    "4x_交集",       "4x_2拼4",        "4x_3拼4",       "4x_定位杀",        "4x_杀和跨",
    "4x_胆组",       "4x_形态比",      "4x_杀特殊形态", "4x_杀大小奇偶",    "4x_杀012路",
    "4x_杀形态容错", "4x_特别排除",    "4x_最小最大",   "4x_总容错",        "线路说明",
    "号码验证",      "号码提取",       "遗漏说明",      "4x_2拼4 技巧提示", "4x_3拼4 技巧提示",
    "导入开奖",      "数据源",         "方案回测_资金", "条件统计",         "走势图",
};

struct LookUpCase {
    const char* name;
    std::string store;
    std::string key;
    std::string expected;
};

void PrintTo(const LookUpCase& c, std::ostream* os) {
    *os << c.name;
}

class LookUp : public ::testing::TestWithParam<LookUpCase> {};

TEST_P(LookUp, FindsTheTextAfterTheFirstMarker) {
    const LookUpCase& c = GetParam();
    EXPECT_EQ(LookUpTopic(c.store, c.key), c.expected);
    EXPECT_EQ(HelpTopicStore(c.store).Topic(c.key), c.expected);
}

const std::string kNone(kNoRecord);

INSTANTIATE_TEST_SUITE_P(
    Rules, LookUp,
    ::testing::Values(
        LookUpCase{"LineBreaksOnBothSidesKept", "软件说明内容\n\n[*a*]\none\ntwo\n[end]\n", "a",
                   "\none\ntwo\n"},
        LookUpCase{"CarriageReturnsKept", "[*a*]\r\none\r\n[end]\r\n", "a", "\r\none\r\n"},
        LookUpCase{"FirstOfTwoBlocksWithTheSameKey", "[*a*]\nfirst\n[end]\n[*a*]\nsecond\n[end]\n",
                   "a", "\nfirst\n"},
        LookUpCase{"MarkerInsideAnotherTopicIsFoundFirst",
                   "[*b*]\nsee [*a*] there\n[end]\n[*a*]\nreal\n[end]\n", "a", " there\n"},
        LookUpCase{"StopsAtTheFirstEndAfterTheMarker", "[*a*]\none\n[end]\n[*b*]\ntwo\n[end]\n",
                   "a", "\none\n"},
        LookUpCase{"EndBeforeTheMarkerDoesNotCount", "[end]\n[*a*]\none\n[end]\n", "a", "\none\n"},
        LookUpCase{"NoEndTakesTheRest", "[*a*]\nto the end\n", "a", "\nto the end\n"},
        LookUpCase{"MissingKey", "[*a*]\none\n[end]\n", "b", kNone},
        LookUpCase{"EmptyKeyEvenWithAnEmptyMarkerStored", "[**]\nx\n[end]\n", "", kNone},
        LookUpCase{"EmptyStore", "", "a", kNone},
        LookUpCase{"CaseSensitive", "[*Ab*]\none\n[end]\n", "ab", kNone},
        LookUpCase{"KeyIsNotAPrefixOfALongerKey", "[*4x_2拼4 技巧提示*]\ntip\n[end]\n", "4x_2拼4",
                   kNone},
        LookUpCase{"LongerKeyWithABlank",
                   "[*4x_2拼4*]\nplain\n[end]\n[*4x_2拼4 技巧提示*]\ntip\n[end]\n",
                   "4x_2拼4 技巧提示", "\ntip\n"},
        // An empty message box tells the player nothing; the no-record text does.
        LookUpCase{"NothingBetweenMarkerAndEnd", "[*a*][end]\n", "a", kNone},
        LookUpCase{"MarkerAtTheVeryEnd", "text [*a*]", "a", kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpTitle, MarkerOrNothing) {
    EXPECT_EQ(HelpTopicStore::Title("2x_杀跨度"), "[*2x_杀跨度*]");
    EXPECT_EQ(HelpTopicStore::Title(""), "");
}

TEST(HelpStore, LoadReplacesTheText) {
    HelpTopicStore store;
    EXPECT_EQ(store.Topic("a"), kNone); // before start-up has loaded it
    store.Load("[*a*]\nx\n[end]");
    EXPECT_EQ(store.Topic("a"), "\nx\n");
    store.Load("");
    EXPECT_EQ(store.Topic("a"), kNone);
}

// The shipped text, split line by line: header, blank line, then blocks of a
// marker line, text lines and "[end]", with one blank line between blocks.
struct Block {
    std::string key;
    std::vector<std::string> lines;
};

std::vector<Block> ParseBlocks(const std::string& text, std::vector<std::string>& problems) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<Block> blocks;
    if (lines.size() < 2 || lines[0] != "软件说明内容" || !lines[1].empty())
        problems.push_back("header is not \"软件说明内容\" and a blank line");
    bool inBlock = false;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        if (!inBlock) {
            if (line.empty())
                continue;
            if (line.size() < 4 || line.rfind("[*", 0) != 0 ||
                line.substr(line.size() - 2) != "*]") {
                problems.push_back(where + "expected a marker line, got \"" + line + "\"");
                continue;
            }
            if (!blocks.empty() && !lines[i - 1].empty())
                problems.push_back(where + "no blank line before the marker");
            blocks.push_back({line.substr(2, line.size() - 4), {}});
            inBlock = true;
        } else if (line == "[end]") {
            if (blocks.back().lines.empty())
                problems.push_back(where + "topic " + blocks.back().key + " has no text");
            inBlock = false;
        } else {
            if (line.find("[*") != std::string::npos || line.find("[end]") != std::string::npos)
                problems.push_back(where + "marker text inside topic " + blocks.back().key);
            if (line.find('\r') != std::string::npos)
                problems.push_back(where + "carriage return");
            blocks.back().lines.push_back(line);
        }
    }
    if (inBlock)
        problems.push_back("topic " + blocks.back().key + " is not closed by [end]");
    return blocks;
}

TEST(ShippedHelp, BlocksAreWellFormedAndInStoredOrder) {
    std::vector<std::string> problems;
    const std::vector<Block> blocks = ParseBlocks(ShippedStore().Text(), problems);
    for (const std::string& problem : problems)
        ADD_FAILURE() << problem;
    std::vector<std::string> keys;
    for (const Block& block : blocks)
        keys.push_back(block.key);
    EXPECT_EQ(keys, kStoredKeys);
}

TEST(ShippedHelp, EveryKeyOccursOnceSoTheFirstMarkerIsItsBlock) {
    const std::string& text = ShippedStore().Text();
    for (const std::string& key : kStoredKeys) {
        const std::string marker = TopicMarker(key);
        int count = 0;
        for (std::size_t at = text.find(marker); at != std::string::npos;
             at = text.find(marker, at + 1))
            ++count;
        EXPECT_EQ(count, 1) << key;
        // Found right after its own marker line, ending before its own [end].
        const std::string topic = ShippedStore().Topic(key);
        EXPECT_NE(topic, kNone) << key;
        EXPECT_NE(text.find(marker + topic + "[end]\n"), std::string::npos) << key;
    }
}

TEST(ShippedHelp, SpanTopicAsQuoted) {
    EXPECT_EQ(ShippedStore().Topic("2x_杀跨度"), "\n大数减小数的差就是跨度，\n"
                                                 "如号码48、51、04的跨度都是4，\n"
                                                 "点击号码变黄色表示排除\n");
}

TEST(HelpButtons, EveryButtonShowsATopicOrAPicture) {
    const std::set<std::string> stored(kStoredKeys.begin(), kStoredKeys.end());
    for (int index = 0; index < kHelpButtonIndexes; ++index) {
        if (!IsHelpButton(index))
            continue;
        const HelpButtonTarget target = HelpButtonTargetOf(index);
        switch (target.shows) {
        case HelpShows::Topic:
            EXPECT_EQ(stored.count(std::string(target.name)), 1u) << index << " " << target.name;
            EXPECT_NE(ShippedStore().Topic(target.name), kNone) << index;
            break;
        case HelpShows::Picture:
            EXPECT_TRUE(target.name == kBankerPicture || target.name == kStripPicture) << index;
            break;
        case HelpShows::Nothing:
            ADD_FAILURE() << "button " << index << " shows nothing";
        }
    }
}

TEST(HelpButtons, IndexesThatTheTableSinglesOut) {
    EXPECT_FALSE(IsHelpButton(11));
    EXPECT_FALSE(IsHelpButton(-1));
    EXPECT_FALSE(IsHelpButton(64));
    EXPECT_TRUE(IsHelpButton(0));
    EXPECT_TRUE(IsHelpButton(63));
    EXPECT_EQ(HelpButtonTargetOf(64).shows, HelpShows::Nothing);

    const auto topic = [](std::string_view key) {
        return HelpButtonTarget{HelpShows::Topic, key};
    };
    const auto picture = [](std::string_view name) {
        return HelpButtonTarget{HelpShows::Picture, name};
    };
    EXPECT_EQ(HelpButtonTargetOf(1), topic("2x_杀跨度"));
    EXPECT_EQ(HelpButtonTargetOf(7), topic("2x_大底号码"));
    EXPECT_EQ(HelpButtonTargetOf(10), topic("3x_杀直选"));
    EXPECT_EQ(HelpButtonTargetOf(12), topic("3x_杀组选"));
    EXPECT_EQ(HelpButtonTargetOf(24), topic("3x_定位杀"));
    EXPECT_EQ(HelpButtonTargetOf(26), topic("3x_必含大底"));
    EXPECT_EQ(HelpButtonTargetOf(34), topic("4x_杀直选"));
    EXPECT_EQ(HelpButtonTargetOf(54), topic("4x_总容错"));
    EXPECT_EQ(HelpButtonTargetOf(57), topic("号码提取"));
    EXPECT_EQ(HelpButtonTargetOf(60), topic("4x_3拼4 技巧提示"));
    EXPECT_EQ(HelpButtonTargetOf(61), topic("4x_2拼4 技巧提示"));
    // The three-star banker group's button shows the picture, not 3x_胆组.
    for (int index : {0, 25, 59})
        EXPECT_EQ(HelpButtonTargetOf(index), picture("DM")) << index;
    EXPECT_EQ(HelpButtonTargetOf(58), picture("YL"));

    EXPECT_EQ(PictureResource(0), "DM");
    EXPECT_EQ(PictureResource(1), "DM");
    EXPECT_EQ(PictureResource(2), "YL");
    EXPECT_EQ(PictureResource(3), "");
}

TEST(HelpButtons, TopicsInStoredOrderSkippingThePictures) {
    // The buttons run through the store in its order; only the pictures, the
    // store-only topics, the two tips (swapped on the window), the topics of
    // the windows the strip and the top bar open and the backtest dialog's own topic break
    // the run.
    std::vector<std::string> fromButtons;
    for (int index = 0; index < 60; ++index)
        if (HelpButtonTargetOf(index).shows == HelpShows::Topic)
            fromButtons.emplace_back(HelpButtonTargetOf(index).name);
    std::vector<std::string> expected;
    for (const std::string& key : kStoredKeys)
        if (key != "3x_胆组" && key != "遗漏说明" && key != "方案回测_资金" &&
            key.find("技巧提示") == std::string::npos && key != "导入开奖" && key != "数据源" &&
            key != "条件统计" && key != "走势图")
            expected.push_back(key);
    EXPECT_EQ(fromButtons, expected);
}

// GBK form of `text`, or the offset of the first character GBK cannot hold.
bool EncodesInGbk(const std::string& text, std::string* gbk, std::size_t* failedAt) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::string out(text.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (gbk)
        *gbk = out.substr(0, out.size() - outLeft);
    if (failedAt)
        *failedAt = static_cast<std::size_t>(in - text.data());
    return ok;
}

TEST(ShippedHelp, EveryTopicEncodesInGbk) {
    for (const std::string& key : kStoredKeys) {
        const std::string topic = ShippedStore().Topic(key);
        std::size_t failedAt = 0;
        EXPECT_TRUE(EncodesInGbk(TopicMarker(key), nullptr, nullptr)) << key;
        EXPECT_TRUE(EncodesInGbk(topic, nullptr, &failedAt))
            << key << ": stops at \"" << topic.substr(failedAt, 8) << "\"";
    }
}

TEST(ShippedHelp, BuiltResourceIsTheSourceInGbk) {
    const std::string source = ShippedStore().Text();
    std::string expected;
    ASSERT_TRUE(EncodesInGbk(source, &expected, nullptr));
    const std::string built = ReadFile(SORVANTA_HELP_GBK);
    EXPECT_EQ(built.size(), expected.size());
    EXPECT_TRUE(built == expected);
}

// Width and height from a JPEG's start-of-frame segment; 0 x 0 when there is
// none, so a picture saved in another format fails too.
std::pair<int, int> JpegSize(const std::string& bytes) {
    const auto at = [&](std::size_t i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    if (bytes.size() < 4 || at(0) != 0xFF || at(1) != 0xD8)
        return {0, 0};
    std::size_t i = 2;
    while (i + 9 < bytes.size() && at(i) == 0xFF) {
        const unsigned char marker = at(i + 1);
        const std::size_t length = (at(i + 2) << 8) | at(i + 3);
        if (marker >= 0xC0 && marker <= 0xC3)
            return {(at(i + 7) << 8) | at(i + 8), (at(i + 5) << 8) | at(i + 6)};
        i += 2 + length;
    }
    return {0, 0};
}

TEST(Illustrations, JpegsOfTheSizesTheWindowShows) {
    const std::filesystem::path dir = std::filesystem::path(SORVANTA_HELP_SOURCE).parent_path();
    EXPECT_EQ(JpegSize(ReadFile((dir / "dm.jpg").string().c_str())), std::make_pair(915, 573));
    EXPECT_EQ(JpegSize(ReadFile((dir / "yl.jpg").string().c_str())), std::make_pair(317, 456));
}

// The converter must stop the build on text the resource cannot carry.
struct ConverterRun {
    int status;
    std::string errors;
    bool wroteOutput;
};

ConverterRun RunConverter(const std::string& input) {
    const auto dir =
        std::filesystem::temp_directory_path() /
        ("sorvanta_gbk_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    const auto in = dir / "topics.txt";
    const auto out = dir / "out.gbk";
    const auto err = dir / "errors.txt";
    std::filesystem::remove(out);
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string("\"") + SORVANTA_GBK_RESOURCE + "\" \"" + in.string() +
                                "\" \"" + out.string() + "\" 2> \"" + err.string() + "\"";
    const int status = std::system(command.c_str());
    ConverterRun run{status, ReadFile(err.string().c_str()), std::filesystem::exists(out)};
    std::filesystem::remove_all(dir);
    return run;
}

TEST(GbkConverter, NamesTheLineOfACharacterGbkCannotHold) {
    const ConverterRun run =
        RunConverter("软件说明内容\n\n[*a*]\n笑脸\xF0\x9F\x98\x80不行\n[end]\n");
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.wroteOutput);
    EXPECT_NE(run.errors.find("topics.txt:4:3:"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("U+1F600"), std::string::npos) << run.errors;
}

TEST(GbkConverter, NamesTheLineOfBrokenUtf8) {
    const ConverterRun run = RunConverter("ok\nbad \xC3\n");
    EXPECT_NE(run.status, 0);
    EXPECT_FALSE(run.wroteOutput);
    EXPECT_NE(run.errors.find("topics.txt:2:5: not valid UTF-8"), std::string::npos) << run.errors;
}

TEST(GbkConverter, ConvertsGoodText) {
    const ConverterRun run = RunConverter("软件说明内容\n");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.wroteOutput);
    EXPECT_TRUE(run.errors.empty()) << run.errors;
}

} // namespace
