// The program's one GBK decoder held against Qt's: the window used to read
// GBK through QStringDecoder, so every byte sequence where the two could
// part is walked here, and where they do part the difference is pinned.
#include "common/gbk.hpp"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <fstream>
#include <iterator>
#include <string>

namespace {

using sorvanta::DecodeGbk;
using sorvanta::GbkHolds;

QString Ours(const std::string& bytes) {
    return QString::fromStdString(DecodeGbk(bytes));
}

QString Qts(const std::string& bytes) {
    QStringDecoder decode("GBK");
    return decode.decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool PrivateUse(char32_t c) {
    return c >= 0xE000 && c <= 0xF8FF;
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
            EXPECT_TRUE(qt.size() == 2 && PrivateUse(qt[0].unicode()) &&
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
        // "\x41" is the letter A.
        {"euro sign", "\x80\x41", "€A", "€A"},
        {"pair cut by a control byte", "\x81\nA", r + "\nA", r + "\nA"},
        {"pair cut by a digit", "\xB5\x31\x41", r + "1A", r + "1A"},
        {"pair cut by DEL", "\xB5\x7F\x41", r + "\x7F\x41", r + "\x7F\x41"},
        {"four-byte form", "\x81\x30\x81\x30", r + "0" + r + "0", r + "0" + r + "0"},
        {"byte FF", "\xFF\x41", "\uF8F5A", r + "A"},
        {"lead before FF", "\xB5\xFF\x41", r + "\uF8F5A", r + r + "A"},
        {"lead at the end", "1\xB5", "1", "1" + r},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Qts(c.bytes).toStdString(), c.qt) << c.name;
        EXPECT_EQ(DecodeGbk(c.bytes), c.ours) << c.name;
    }
}

// The window once kept a character when Qt's GBK encoder and decoder
// carried it there and back.
TEST(Gbk, HoldsWhatQtCarriedThereAndBack) {
    int userDefined = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString one(QChar(static_cast<char16_t>(c)));
        QStringEncoder encode("GBK", QStringEncoder::Flag::Stateless);
        const QByteArray bytes = encode.encode(one);
        const bool qtHolds = !encode.hasError() && QStringDecoder("GBK").decode(bytes) == one;
        if (qtHolds != GbkHolds(c)) {
            ++userDefined;
            EXPECT_TRUE(qtHolds && PrivateUse(c)) << std::hex << static_cast<unsigned>(c);
        }
    }
    EXPECT_EQ(userDefined, 2150);
    EXPECT_FALSE(GbkHolds(U'\U0001F600'));
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
