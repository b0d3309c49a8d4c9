// An independent reading of the split rule, for cross-checks only: every step
// is done in 64-bit arithmetic, where nothing overflows, and each result is
// brought back to 32 bits by an explicit wrap.
#pragma once

#include <cstdint>
#include <optional>

#include "split_rule.h"

// The 32-bit two's-complement value that v is congruent to modulo 2^32.
constexpr std::int64_t wrapTo32(std::int64_t v) {
  constexpr std::int64_t kModulus = std::int64_t{1} << 32;
  constexpr std::int64_t kHalf = std::int64_t{1} << 31;
  std::int64_t low = v % kModulus;  // in (-2^32, 2^32)
  if (low < 0) {
    low += kModulus;
  }
  return low >= kHalf ? low - kModulus : low;
}

constexpr SplitAnswer referenceSplit(std::int64_t firstLow, std::int64_t firstHigh,
                                     std::int64_t secondLow, std::int64_t secondHigh,
                                     std::int64_t divisor) {
  const std::int64_t sum = wrapTo32(firstHigh + secondHigh);
  // In 64 bits, -2^31 % -1 is simply 0. By 0 the remainder is the value itself.
  const std::int64_t remainder = divisor == 0 ? sum : sum % divisor;
  const std::int64_t target = wrapTo32(sum - remainder);
  const std::int64_t rest = wrapTo32(target - firstLow);
  const std::int64_t excess = wrapTo32(rest - secondHigh);
  const std::int64_t firstAtSecondHigh = wrapTo32(firstLow + excess);
  if (excess < 0 && rest < secondLow) {
    return std::nullopt;
  }
  if (firstHigh < firstAtSecondHigh) {
    return std::nullopt;
  }
  if (excess < 0) {
    return SplitPair{static_cast<std::int32_t>(firstLow), static_cast<std::int32_t>(rest)};
  }
  return SplitPair{static_cast<std::int32_t>(firstAtSecondHigh),
                   static_cast<std::int32_t>(secondHigh)};
}
