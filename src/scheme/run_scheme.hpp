#pragma once

#include "scheme/scheme.hpp"

#include <string>
#include <vector>

namespace sorvanta::scheme {

// What the headless run of a scheme is asked for: the result as group
// numbers (转为组选) or the inverted list (反选), never both.
struct RunOptions {
    bool group = false;
    bool invert = false;
};

struct RunResult {
    enum class Status {
        Ok,      // numbers hold the list
        Refused, // the window would refuse too; message says why
    };
    Status status = Status::Ok;
    std::string message;
    std::vector<int> numbers; // ascending
    int width = 4;

    // The numbers as the copy button puts them on the clipboard.
    std::string Text() const;
};

// One shrink of a scheme's conditions, exactly as the mode's "开始缩水" (and
// then "转为组选" or "反选") would leave the result.
RunResult RunScheme(const Scheme& scheme, const RunOptions& options = {});

} // namespace sorvanta::scheme
