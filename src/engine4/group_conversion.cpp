#include "engine4/group_conversion.hpp"

#include "common/number_list.hpp"

namespace sorvanta::four {

GroupList ConvertToGroup(std::string_view survivorText) {
    std::vector<int> survivors;
    ForEachNumber(survivorText, 4, [&](int n) { survivors.push_back(n); });
    return ConvertToGroup(survivors);
}

GroupList ConvertToGroup(const std::vector<int>& survivors) {
    constexpr int kCandidates = 10000;
    std::vector<int> numbers;
    numbers.reserve(survivors.size());
    for (int n : survivors)
        if (n >= 0 && n < kCandidates)
            numbers.push_back(n);
    GroupList list;
    list.groups = GroupsOf(numbers, 4);
    list.count = static_cast<int>(list.groups.size());
    list.text = JoinNumbers(list.groups, 4);
    return list;
}

} // namespace sorvanta::four
