// The five inputs of the split rule as one value, in the order gorvi reads
// them, for tests and benchmarks that keep many of them.
#pragma once

#include <cstdint>
#include <ostream>

#include "split_rule.h"

struct SplitInput {
  std::int32_t firstLow;
  std::int32_t firstHigh;
  std::int32_t secondLow;
  std::int32_t secondHigh;
  std::int32_t divisor;
};

inline SplitAnswer split(const SplitInput& in) {
  return computeSplit(in.firstLow, in.firstHigh, in.secondLow, in.secondHigh, in.divisor);
}

// The inputs as gorvi.in would hold them, so that a failure names its input.
inline std::ostream& operator<<(std::ostream& out, const SplitInput& in) {
  return out << in.firstLow << ' ' << in.firstHigh << ' ' << in.secondLow << ' ' << in.secondHigh
             << ' ' << in.divisor;
}
