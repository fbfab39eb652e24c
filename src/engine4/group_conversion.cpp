#include "engine4/group_conversion.hpp"

#include "common/number_list.hpp"

#include <bitset>

namespace sorvanta::four {

namespace {

constexpr int kCandidates = 10000;

GroupList ListGroups(const std::bitset<kCandidates>& marked) {
    GroupList list;
    list.groups.reserve(GroupList::kAllGroups);
    for (int n = 0; n < kCandidates; ++n)
        if (marked.test(static_cast<std::size_t>(n)))
            list.groups.push_back(n);
    list.count = static_cast<int>(list.groups.size());
    list.text = JoinNumbers(list.groups, 4);
    return list;
}

} // namespace

GroupList ConvertToGroup(std::string_view survivorText) {
    std::bitset<kCandidates> marked;
    ForEachNumber(survivorText, 4,
                  [&](int n) { marked.set(static_cast<std::size_t>(GroupOf(n))); });
    return ListGroups(marked);
}

GroupList ConvertToGroup(const std::vector<int>& survivors) {
    std::bitset<kCandidates> marked;
    for (int n : survivors)
        if (n >= 0 && n < kCandidates)
            marked.set(static_cast<std::size_t>(GroupOf(n)));
    return ListGroups(marked);
}

} // namespace sorvanta::four
