#include "scheme/run_scheme.hpp"

#include "common/number_list.hpp"
#include "engine4/group_conversion.hpp"
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
    result.numbers = four::CollectRows(state->candidates, options.invert ? 1 : 0);
    if (options.group)
        result.numbers = four::ConvertToGroup(result.numbers).groups;
    return result;
}

} // namespace

std::string RunResult::Text() const {
    return JoinNumbers(numbers, width);
}

RunResult RunScheme(const Scheme& scheme, const RunOptions& options) {
    if (const auto* four = std::get_if<four::FourStarInput>(&scheme.input))
        return RunFourStar(*four, options);
    RunResult result;
    result.status = RunResult::Status::Unsupported;
    result.width = Width(scheme.mode);
    result.message =
        "mode \"" + std::string(Name(scheme.mode)) + "\" cannot be run by this version yet";
    return result;
}

} // namespace sorvanta::scheme
