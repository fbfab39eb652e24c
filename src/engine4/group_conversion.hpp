#pragma once

#include "common/number_list.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::four {

// The group (组选) form of a direct result: every distinct digit multiset of
// the survivors once, written with its digits ascending (2130, 0312 and
// 1023 are the one group 0123), in ascending order. At most 715 groups.
struct GroupList {
    static constexpr int kAllGroups = 715;

    std::vector<int> groups; // ascending, e.g. 123 for 0123
    std::string text;        // four-digit texts joined by single blanks
    int count = 0;
};

// From the survivor text (four-digit numbers joined by blanks); pieces that
// are not four ASCII digits are skipped.
GroupList ConvertToGroup(std::string_view survivorText);

// From the survivor rows (candidates 0..9999) directly.
GroupList ConvertToGroup(const std::vector<int>& survivors);

} // namespace sorvanta::four
