#pragma once

#include <array>
#include <string_view>

namespace sorvanta {

// What a press on help button C_234_sm i brings up: a topic of the help
// store, or one of the two illustrations shown in the description window.
enum class HelpShows { Nothing, Topic, Picture };

struct HelpButtonTarget {
    HelpShows shows = HelpShows::Nothing;
    std::string_view name; // topic key, or the picture's resource name

    constexpr bool operator==(const HelpButtonTarget&) const = default;
};

// Resource names of the illustrations: banker codes and their tolerance, and
// the verification strip's switches with the omission grid.
inline constexpr std::string_view kBankerPicture = "DM";
inline constexpr std::string_view kStripPicture = "YL";

inline constexpr int kHelpButtonIndexes = 64;

namespace help_index_detail {
constexpr HelpButtonTarget T(std::string_view key) {
    return {HelpShows::Topic, key};
}
constexpr HelpButtonTarget P(std::string_view picture) {
    return {HelpShows::Picture, picture};
}
} // namespace help_index_detail

// Indexed by the button's element index. Element 11 keeps the topic the
// display maps it to, although the window has no button 11 (see
// IsHelpButton); 3x_胆组 has no button of its own, the three-star banker
// group's button (25) shows the picture instead.
inline constexpr std::array<HelpButtonTarget, kHelpButtonIndexes> kHelpButtons = [] {
    using help_index_detail::P;
    using help_index_detail::T;
    return std::array<HelpButtonTarget, kHelpButtonIndexes>{
        P(kBankerPicture),     // 0
        T("2x_杀跨度"),        // 1
        T("2x_杀和值"),        // 2
        T("2x_杀定位"),        // 3
        T("2x_杀复式"),        // 4
        T("2x_杀形态"),        // 5
        T("2x_特殊形态"),      // 6
        T("2x_大底号码"),      // 7
        T("2x_杀直选"),        // 8
        T("2x_总容错"),        // 9
        T("3x_杀直选"),        // 10
        T("3x_排除500"),       // 11
        T("3x_杀组选"),        // 12
        T("3x_杀垃圾复试"),    // 13
        T("3x_杀2码"),         // 14
        T("3x_必出2码"),       // 15
        T("3x_交集"),          // 16
        T("3x_定位杀2码"),     // 17
        T("3x_定位出2码"),     // 18
        T("3x_两码和差"),      // 19
        T("3x_定位胆"),        // 20
        T("3x_断组"),          // 21
        T("3x_杀和跨"),        // 22
        T("3x_排除复试"),      // 23
        T("3x_定位杀"),        // 24
        P(kBankerPicture),     // 25
        T("3x_必含大底"),      // 26
        T("3x_杀形态"),        // 27
        T("3x_最大最小"),      // 28
        T("3x_保留个数"),      // 29
        T("3x_排除012"),       // 30
        T("3x_大底号码"),      // 31
        T("3x_特别排除"),      // 32
        T("3x_总容错"),        // 33
        T("4x_杀直选"),        // 34
        T("4x_杀垃圾复试"),    // 35
        T("4x_杀3码组合"),     // 36
        T("4x_必出3码组合"),   // 37
        T("4x_杀2码组合"),     // 38
        T("4x_必出2码组合"),   // 39
        T("4x_杀定位组合"),    // 40
        T("4x_交集"),          // 41
        T("4x_2拼4"),          // 42
        T("4x_3拼4"),          // 43
        T("4x_定位杀"),        // 44
        T("4x_杀和跨"),        // 45
        T("4x_胆组"),          // 46
        T("4x_形态比"),        // 47
        T("4x_杀特殊形态"),    // 48
        T("4x_杀大小奇偶"),    // 49
        T("4x_杀012路"),       // 50
        T("4x_杀形态容错"),    // 51
        T("4x_特别排除"),      // 52
        T("4x_最小最大"),      // 53
        T("4x_总容错"),        // 54
        T("线路说明"),         // 55
        T("号码验证"),         // 56
        T("号码提取"),         // 57
        P(kStripPicture),      // 58
        P(kBankerPicture),     // 59, captioned "胆码说明"
        T("4x_3拼4 技巧提示"), // 60, captioned "使用技巧"
        T("4x_2拼4 技巧提示"), // 61, captioned "使用技巧"
        T("导入开奖"),         // 62, in the history window
        T("数据源"),           // 63, in the address dialog
    };
}();

// The window carries help buttons 0 to 63 except 11 (62 and 63 on the
// history window and the address dialog, once they are open).
constexpr bool IsHelpButton(int index) {
    return index >= 0 && index < kHelpButtonIndexes && index != 11;
}

constexpr HelpButtonTarget HelpButtonTargetOf(int index) {
    if (index < 0 || index >= kHelpButtonIndexes)
        return {};
    return kHelpButtons[static_cast<std::size_t>(index)];
}

// The description window's picture number: 1 the banker codes, 2 the strip;
// 0 counts as 1. Any other number names no picture.
constexpr std::string_view PictureResource(int picture) {
    if (picture == 0 || picture == 1)
        return kBankerPicture;
    if (picture == 2)
        return kStripPicture;
    return {};
}

} // namespace sorvanta
