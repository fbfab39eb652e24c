#include "engine23/three_star_commands.hpp"

#include "common/number_list.hpp"
#include "engine23/three_star_captions.hpp"

namespace sorvanta::three {

ThreeStarOutcome InvertThreeStar(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarShrink(input, state);
    ThreeStarOutcome outcome;
    const std::size_t kept = state.survivors.size();
    if (kept == kThreeStarCandidates || kept == 0) {
        outcome.numbers = state.survivors;
        outcome.message = Message{kReminderTitle, std::string(kShrinkBeforeInvertText)};
        return outcome;
    }
    outcome.numbers = CollectThreeStarRows(state.table, 1);
    outcome.copied = true;
    outcome.message = Message{kReminderTitle, std::string(kInvertCopiedText)};
    return outcome;
}

ThreeStarOutcome ConvertThreeStarToGroup(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarShrink(input, state);
    ThreeStarOutcome outcome;
    outcome.numbers = GroupsOf(state.survivors, 3);
    return outcome;
}

ThreeStarInput ClearedThreeStarInput(const ThreeStarInput& current) {
    ThreeStarInput cleared;
    cleared.base_set_group = current.base_set_group;
    cleared.banker_count_repeats = current.banker_count_repeats;
    return cleared;
}

BankerSuggestion SuggestBankers(std::string_view lastDraw) {
    BankerSuggestion suggestion;
    suggestion.output_text = std::string(kBankersNotWorkedOut);
    for (char c : lastDraw)
        if (c >= '0' && c <= '9')
            suggestion.input_text.push_back(c);
    if (suggestion.input_text.size() != 3) {
        suggestion.message = Message{kReminderTitle, std::string(kNeedThreeDigitsText)};
        return suggestion;
    }
    int sum = 0;
    for (char c : suggestion.input_text)
        sum += c - '0';
    const int tail = sum % 10;
    // Entry `tail` of the table split at "=".
    std::string_view table = kBankerSuggestionTable;
    for (int entry = 0; entry < tail; ++entry)
        table.remove_prefix(table.find('=') + 1);
    suggestion.output_text = std::string(table.substr(0, table.find('=')));
    return suggestion;
}

IntersectionOutcome RunIntersectionTool(std::string_view boxA, std::string_view boxB,
                                        SetOperation operation) {
    IntersectionOutcome outcome;
    const CombinedSets combined = CombineMembers(boxA, boxB, operation, 3);
    if (combined.membersA == 0 && combined.membersB == 0)
        return outcome;
    outcome.result_text = combined.result;
    outcome.count = combined.count;
    return outcome;
}

bool AddPositionMatchRule(std::vector<std::string>& rules, std::string_view left,
                          std::string_view comparison, std::string_view right) {
    if (left.empty() || comparison.empty() || right.empty())
        return false;
    std::string rule;
    rule.reserve(left.size() + comparison.size() + right.size());
    rule.append(left).append(comparison).append(right);
    rules.push_back(std::move(rule));
    return true;
}

void DeletePositionMatchRules(std::vector<std::string>& rules, const std::vector<bool>& selected) {
    for (std::size_t i = rules.size(); i-- > 0;)
        if (i < selected.size() && selected[i])
            rules.erase(rules.begin() + static_cast<std::ptrdiff_t>(i));
}

} // namespace sorvanta::three
