#include "engine23/three_star_commands.hpp"

#include "engine23/three_star_captions.hpp"

#include <array>

namespace sorvanta::three {

ThreeStarOutcome ShrinkThreeStar(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarShrink(input, state);
    ThreeStarOutcome outcome;
    outcome.result_text = state.result_text;
    outcome.count = state.count;
    return outcome;
}

ThreeStarOutcome InvertThreeStar(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarShrink(input, state);
    ThreeStarOutcome outcome;
    if (state.count == kThreeStarCandidates || state.count == 0) {
        outcome.result_text = state.result_text;
        outcome.count = state.count;
        outcome.message = Message{kReminderTitle, std::string(kShrinkBeforeInvertText)};
        return outcome;
    }
    const std::vector<int> excluded = CollectThreeStarRows(state.table, 1);
    outcome.result_text = ThreeDigitTexts(excluded);
    outcome.count = static_cast<int>(excluded.size());
    outcome.clipboard = outcome.result_text;
    outcome.message = Message{kReminderTitle, std::string(kInvertCopiedText)};
    state.result_text = outcome.result_text;
    state.count = outcome.count;
    return outcome;
}

ThreeStarOutcome ConvertThreeStarToGroup(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarShrink(input, state);
    // The flag cube holds every ordering of every survivor; the walk over
    // i <= j <= k then meets each group once, digits ascending.
    std::array<std::uint8_t, 1000> cube{};
    for (int n : state.survivors) {
        const int a = n / 100, b = n / 10 % 10, c = n % 10;
        for (int v : {a * 100 + b * 10 + c, a * 100 + c * 10 + b, b * 100 + a * 10 + c,
                      b * 100 + c * 10 + a, c * 100 + a * 10 + b, c * 100 + b * 10 + a})
            cube[static_cast<std::size_t>(v)] = 1;
    }
    std::vector<int> groups;
    for (int i = 0; i <= 9; ++i)
        for (int j = i; j <= 9; ++j)
            for (int k = j; k <= 9; ++k)
                if (cube[static_cast<std::size_t>(i * 100 + j * 10 + k)] != 0)
                    groups.push_back(i * 100 + j * 10 + k);
    ThreeStarOutcome outcome;
    outcome.result_text = ThreeDigitTexts(groups);
    outcome.count = static_cast<int>(groups.size());
    state.result_text = outcome.result_text;
    state.count = outcome.count;
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

std::optional<SetOperation> IntersectionOperationOf(ThreeStarCommand command) {
    switch (command) {
    case ThreeStarCommand::Intersection:
        return SetOperation::Intersection;
    case ThreeStarCommand::Union:
        return SetOperation::Union;
    case ThreeStarCommand::AWithoutB:
        return SetOperation::AWithoutB;
    case ThreeStarCommand::BWithoutA:
        return SetOperation::BWithoutA;
    default:
        return std::nullopt;
    }
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
