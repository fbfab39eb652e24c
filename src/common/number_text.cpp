#include "common/number_text.hpp"

namespace sorvanta {

void AppendFixedWidth(std::string& out, int n, int width) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(width));
    for (int k = width - 1; k >= 0; --k) {
        out[at + static_cast<std::size_t>(k)] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
}

std::string FixedWidth(int n, int width) {
    std::string out;
    AppendFixedWidth(out, n, width);
    return out;
}

} // namespace sorvanta
