#include "common/base_number_table.hpp"

#include "common/text.hpp"

namespace sorvanta {

int BaseNumberWidth(std::string_view pattern) {
    int covered = 0;
    for (char32_t c : DecodeUtf8(pattern))
        if (c != U'*')
            ++covered;
    return (covered == 2 || covered == 3) ? covered : 2;
}

BaseNumberTable ReadBaseNumberTable(std::string_view text, int width) {
    const std::size_t n = width == 3 ? 3 : 2;
    BaseNumberTable table;
    const std::string digits = DigitsOnly(text);
    bool any = false;
    ForEachPiece(digits, [&](std::string_view piece) {
        if (piece.size() != n)
            return;
        const int a = piece[0] - '0';
        const int b = piece[1] - '0';
        const int c = n == 3 ? piece[2] - '0' : 0;
        table.Set(a, b, c);
        any = true;
    });
    if (any)
        table.MarkInUse();
    return table;
}

BaseNumberPaste PasteBaseNumbers(std::string_view clipboard, int width) {
    const std::size_t n = width == 3 ? 3 : 2;
    BaseNumberPaste paste;
    const std::string digits = DigitsOnly(clipboard);
    ForEachPiece(digits, [&](std::string_view piece) {
        if (paste.overflow || piece.size() != n)
            return;
        if (paste.count == BaseNumberPaste::kMaxNumbers) {
            paste.overflow = true;
            return;
        }
        if (!paste.text.empty())
            paste.text.push_back(' ');
        paste.text.append(piece);
        ++paste.count;
    });
    if (paste.overflow) {
        paste.text.clear();
        paste.count = 0;
    }
    return paste;
}

} // namespace sorvanta
