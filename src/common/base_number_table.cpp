#include "common/base_number_table.hpp"

#include "common/number_list.hpp"
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
    const int n = width == 3 ? 3 : 2;
    BaseNumberTable table;
    bool any = false;
    ForEachNumber(text, n, [&](int number) {
        if (n == 3)
            table.Set(number / 100, number / 10 % 10, number % 10);
        else
            table.Set(number / 10, number % 10, 0);
        any = true;
    });
    if (any)
        table.MarkInUse();
    return table;
}

BaseNumberPaste PasteBaseNumbers(std::string_view clipboard, int width) {
    const int n = width == 3 ? 3 : 2;
    BaseNumberPaste paste;
    ForEachNumber(clipboard, n, [&](int number) {
        if (paste.overflow)
            return;
        if (paste.count == BaseNumberPaste::kMaxNumbers) {
            paste.overflow = true;
            return;
        }
        if (!paste.text.empty())
            paste.text.push_back(' ');
        AppendFixedWidth(paste.text, number, n);
        ++paste.count;
    });
    if (paste.overflow) {
        paste.text.clear();
        paste.count = 0;
    }
    return paste;
}

} // namespace sorvanta
