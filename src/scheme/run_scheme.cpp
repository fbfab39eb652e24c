#include "scheme/run_scheme.hpp"

#include "common/number_list.hpp"
#include "engine23/three_star_commands.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/four_star_commands.hpp"
#include "engine4/pipeline.hpp"

#include <memory>

namespace sorvanta::scheme {

namespace {

RunResult RunFourStar(const four::FourStarInput& input, const RunOptions& options) {
    RunResult result;
    result.width = 4;
    // The table is 1.2 MB: on the heap, not the stack.
    auto state = std::make_unique<four::FourStarState>();
    four::RunShrinkPipeline(input, *state);
    result.numbers =
        options.invert ? four::InvertFourStar(*state) : four::CollectRows(state->candidates, 0);
    if (options.group)
        result.numbers = GroupsOf(result.numbers, 4);
    return result;
}

RunResult RunThreeStar(const three::ThreeStarInput& input, const RunOptions& options) {
    RunResult result;
    result.width = 3;
    auto state = std::make_unique<three::ThreeStarState>();
    if (options.invert) {
        const three::ThreeStarOutcome outcome = three::InvertThreeStar(input, *state);
        if (!outcome.copied) {
            // The window refuses to invert a run that kept nothing or all.
            result.status = RunResult::Status::Refused;
            result.message = outcome.message ? outcome.message->text : std::string();
            return result;
        }
        result.numbers = outcome.numbers;
    } else if (options.group) {
        result.numbers = three::ConvertThreeStarToGroup(input, *state).numbers;
    } else {
        three::RunThreeStarShrink(input, *state);
        result.numbers = state->survivors;
    }
    return result;
}

RunResult RunTwoStar(const two::TwoStarInput& input, const RunOptions& options) {
    RunResult result;
    result.width = 2;
    two::TwoStarState state;
    if (options.invert)
        result.numbers = two::InvertTwoStar(input, state);
    else if (options.group)
        result.numbers = two::ConvertTwoStarToGroup(input, state);
    else
        result.numbers = two::RunTwoStarShrink(input, state);
    return result;
}

} // namespace

std::string RunResult::Text() const {
    return JoinNumbers(numbers, width);
}

RunResult RunScheme(const Scheme& scheme, const RunOptions& options) {
    return std::visit(
        [&](const auto& input) {
            using T = std::decay_t<decltype(input)>;
            if constexpr (std::is_same_v<T, four::FourStarInput>)
                return RunFourStar(input, options);
            else if constexpr (std::is_same_v<T, three::ThreeStarInput>)
                return RunThreeStar(input, options);
            else
                return RunTwoStar(input, options);
        },
        scheme.input);
}

} // namespace sorvanta::scheme
