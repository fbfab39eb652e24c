// The one place that asks the platform for GBK: iconv where there is one,
// the code-page API on Windows.
#include "common/gbk.hpp"

#include "common/text.hpp"

#include <bitset>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace sorvanta {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

#ifdef _WIN32

// A GBK character is one byte below 0x80 or a lead byte 0x81..0xFE with one
// trail byte; this is the length the decoder tries, so a bad pair costs one
// replacement character and the next byte is read afresh.
std::size_t CharacterLength(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    if (lead == 0x80 || lead == 0xFF || at + 1 >= bytes.size())
        return 0;
    const auto trail = static_cast<unsigned char>(bytes[at + 1]);
    if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
        return 0;
    return 2;
}

bool DecodeOne(std::string_view character, std::string& out) {
    wchar_t wide[4];
    const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, character.data(),
                                      static_cast<int>(character.size()), wide, 4);
    if (n <= 0)
        return false;
    char utf8[16];
    const int m = WideCharToMultiByte(CP_UTF8, 0, wide, n, utf8, static_cast<int>(sizeof utf8),
                                      nullptr, nullptr);
    if (m <= 0)
        return false;
    out.append(utf8, static_cast<std::size_t>(m));
    return true;
}

#endif

} // namespace

#ifdef _WIN32

std::string DecodeGbk(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII are the bulk of a draw file and need no conversion.
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            out.push_back(bytes[i++]);
            continue;
        }
        const std::size_t length = CharacterLength(bytes, i);
        if (length != 0 && DecodeOne(bytes.substr(i, length), out)) {
            i += length;
        } else {
            out += kReplacement;
            i += 1;
        }
    }
    return out;
}

#else

std::string DecodeGbk(std::string_view bytes) {
    std::string out;
    const iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Without a converter the digits still come through; only the
        // Chinese labels between them are lost.
        for (char c : bytes)
            if (static_cast<unsigned char>(c) < 0x80)
                out.push_back(c);
            else
                out += kReplacement;
        return out;
    }
    // One call converts the whole text; it stops only at a byte that starts
    // no GBK character, which becomes one replacement character.
    out.resize(bytes.size() * 2 + 16);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    std::size_t written = 0;
    while (inLeft > 0) {
        char* to = out.data() + written;
        std::size_t toLeft = out.size() - written;
        const std::size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
        written = static_cast<std::size_t>(to - out.data());
        if (result != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        if (out.size() - written < kReplacement.size())
            out.resize(out.size() * 2);
        out.replace(written, kReplacement.size(), kReplacement);
        written += kReplacement.size();
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    out.resize(written);
    return out;
}

#endif

bool GbkHolds(char32_t c) {
    if (c < 0x80)
        return true;
    // Every character some GBK pair decodes to, found once by decoding all
    // of them; each pair stands alone so a bad one cannot shift the next.
    static const std::bitset<0x10000> held = [] {
        std::string pairs;
        for (int lead = 0x80; lead <= 0xFF; ++lead)
            for (int trail = 0x40; trail <= 0xFF; ++trail) {
                pairs += static_cast<char>(lead);
                pairs += static_cast<char>(trail);
                pairs += '\n';
            }
        std::bitset<0x10000> set;
        for (char32_t decoded : DecodeUtf8(DecodeGbk(pairs)))
            if (decoded < set.size())
                set.set(decoded);
        set.reset(0xFFFD);
        return set;
    }();
    return c < held.size() && held.test(c);
}

} // namespace sorvanta
