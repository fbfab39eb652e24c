#pragma once

#include <QString>

#include <string_view>

namespace sorvanta::ui {

// Text from the engines' tables and results (UTF-8, as std::string or
// std::string_view) as the widgets show it.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace sorvanta::ui
