// The split rule: from two ranges and a divisor, the pair of amounts to report.
#pragma once

#include <cstdint>
#include <optional>

// One amount from each range; their sum is the chosen multiple of the divisor.
struct SplitPair {
  std::int32_t first;
  std::int32_t second;

  friend constexpr bool operator==(const SplitPair&, const SplitPair&) = default;
};

// No value: no pair qualifies, written out as -1.
using SplitAnswer = std::optional<SplitPair>;

// Takes the largest sum that is a multiple of `divisor` not above
// firstHigh + secondHigh, and splits it with the second amount as large as
// it can be. All arithmetic is 32-bit two's complement: sums and differences
// wrap around, remainders truncate toward zero, comparisons are signed. That
// fixes an answer for every input, including empty ranges, negative values
// and sums that overflow. Pure: no state, no input or output.
SplitAnswer computeSplit(std::int32_t firstLow, std::int32_t firstHigh, std::int32_t secondLow,
                         std::int32_t secondHigh, std::int32_t divisor);
