#pragma once

#include <optional>
#include <string_view>

namespace sorvanta {

// The three plays. The numeric values are the mode buttons' element indexes
// (C_ding 0, 1, 2), so a button index and a mode convert without a table.
enum class Mode { Two = 0, Three = 1, Four = 2 };

inline constexpr Mode kModes[3] = {Mode::Two, Mode::Three, Mode::Four};

constexpr int Index(Mode mode) {
    return static_cast<int>(mode);
}
// Digits of a bet: 2, 3 or 4.
constexpr int Width(Mode mode) {
    return Index(mode) + 2;
}
// How many bets there are before any condition: 100, 1000 or 10000.
constexpr int Candidates(Mode mode) {
    return mode == Mode::Two ? 100 : mode == Mode::Three ? 1000 : 10000;
}
// The name a scheme file carries in its "mode" field.
constexpr std::string_view Name(Mode mode) {
    return mode == Mode::Two ? "two" : mode == Mode::Three ? "three" : "four";
}
constexpr std::optional<Mode> ModeFromName(std::string_view name) {
    for (Mode mode : kModes)
        if (Name(mode) == name)
            return mode;
    return std::nullopt;
}
constexpr std::optional<Mode> ModeFromIndex(int index) {
    if (index < 0 || index > 2)
        return std::nullopt;
    return static_cast<Mode>(index);
}

} // namespace sorvanta
