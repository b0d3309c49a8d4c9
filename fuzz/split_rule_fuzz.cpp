// Feeds arbitrary bytes to computeSplit as five 32-bit values and checks the
// answer against the independent 64-bit reading of the rule. Built with the
// address, undefined-behaviour and integer sanitizers, so any overflow or
// division fault in the rule also stops the run.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "split_reference.h"
#include "split_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::array<std::int32_t, 5> values{};
  std::memcpy(values.data(), data, std::min(size, sizeof values));
  const auto [firstLow, firstHigh, secondLow, secondHigh, divisor] = values;
  if (computeSplit(firstLow, firstHigh, secondLow, secondHigh, divisor) !=
      referenceSplit(firstLow, firstHigh, secondLow, secondHigh, divisor)) {
    std::abort();
  }
  return 0;
}
