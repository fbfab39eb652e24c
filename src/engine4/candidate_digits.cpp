#include "engine4/candidate_digits.hpp"

namespace sorvanta::four {

CandidateDigits::CandidateDigits(const CandidateSet& set)
    : digits_(CandidateSet::kCandidates), present_(CandidateSet::kCandidates),
      code_(CandidateSet::kCandidates) {
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const std::int16_t* row = set.Row(n) + CandidateSet::kFirstDigit;
        Digits& d = digits_[static_cast<std::size_t>(n)];
        std::uint16_t present = 0;
        int code = 0;
        for (int p = 0; p < 4; ++p) {
            d[p] = static_cast<std::uint8_t>(row[p]);
            present = static_cast<std::uint16_t>(present | (1u << row[p]));
            code = code * 10 + row[p];
        }
        present_[static_cast<std::size_t>(n)] = present;
        code_[static_cast<std::size_t>(n)] = static_cast<std::uint16_t>(code);
    }
}

} // namespace sorvanta::four
