// The program's one GBK decoder held against Qt's: the window used to read
// GBK through QStringDecoder, so every byte sequence where the two could
// part is walked here, and where they do part the difference is pinned.
#include "history/draw_text.hpp"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using sorvanta::history::DecodeGbk;

QString Ours(const std::string& bytes) {
    return QString::fromStdString(DecodeGbk(bytes));
}

QString Qts(const std::string& bytes) {
    QStringDecoder decode("GBK");
    return decode.decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool PrivateUse(QChar c) {
    return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
        out += ' ';
    }
    return out;
}

TEST(Gbk, EveryPairDecodesAsQtDecodesIt) {
    ASSERT_TRUE(QStringDecoder("GBK").isValid());
    int userDefined = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            const std::string trailOnward{static_cast<char>(trail), 'A'};
            const std::string pair = static_cast<char>(lead) + trailOnward;
            const QString qt = Qts(pair);
            const QString ours = Ours(pair);
            if (qt == ours)
                continue;
            // GBK's user-defined cells: Qt gives them private-use characters,
            // ours knows no character there and reads the trail byte afresh.
            ++userDefined;
            EXPECT_TRUE(qt.size() == 2 && PrivateUse(qt[0]) &&
                        ours == QChar(0xFFFD) + Ours(trailOnward))
                << Hex(pair) << "Qt " << qt.toStdString() << ", ours " << ours.toStdString();
        }
    }
    EXPECT_EQ(userDefined, 2149);
}

TEST(Gbk, BadBytes) {
    const std::string r = "\uFFFD";
    const struct {
        const char* name;
        std::string bytes;
        std::string qt;   // what Qt reads, UTF-8
        std::string ours; // what the program reads
    } cases[] = {
        {"euro sign", "\x80" "A", "€A", "€A"},
        {"pair cut by a control byte", "\x81\nA", r + "\nA", r + "\nA"},
        {"pair cut by a digit", "\xB5" "1A", r + "1A", r + "1A"},
        {"pair cut by DEL", "\xB5\x7F" "A", r + "\x7F" "A", r + "\x7F" "A"},
        {"four-byte form", "\x81\x30\x81\x30", r + "0" + r + "0", r + "0" + r + "0"},
        {"byte FF", "\xFF" "A", "\uF8F5A", r + "A"},
        {"lead before FF", "\xB5\xFF" "A", r + "A", r + r + "A"},
        {"lead at the end", "1\xB5", "1", "1" + r},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Qts(c.bytes).toStdString(), c.qt) << c.name;
        EXPECT_EQ(DecodeGbk(c.bytes), c.ours) << c.name;
    }
}

TEST(Gbk, HelpResourceDecodesAsQtDecodesIt) {
    std::ifstream in(SORVANTA_HELP_GBK, std::ios::binary);
    const std::string gbk((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ifstream sourceIn(SORVANTA_HELP_SOURCE, std::ios::binary);
    const std::string source((std::istreambuf_iterator<char>(sourceIn)),
                             std::istreambuf_iterator<char>());
    ASSERT_FALSE(gbk.empty());
    EXPECT_TRUE(Qts(gbk) == Ours(gbk));
    EXPECT_TRUE(DecodeGbk(gbk) == source);
}

} // namespace
