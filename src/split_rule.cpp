#include "split_rule.h"

#include <cstdint>
#include <limits>

namespace {

// The rule counts in 32-bit two's complement. Signed overflow is undefined in
// C++, so each operation wraps through std::uint32_t, where it is defined, and
// converts back, which C++20 defines as modulo 2^32.

// a + b, wrapping around modulo 2^32.
constexpr std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// a - b, wrapping around modulo 2^32.
constexpr std::int32_t wrappingSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// The remainder of a / b truncated toward zero: the sign of a, smaller than b
// in magnitude. The two cases `%` cannot form are settled first, without
// dividing: by 0 the remainder is a itself (a = 0 * q + a, so only 0 counts as
// a multiple of 0), and by -1 it is 0 (every value is a multiple of -1; the
// division INT32_MIN / -1 overflows).
constexpr std::int32_t truncatingRem(std::int32_t a, std::int32_t b) {
  if (b == 0) {
    return a;
  }
  if (b == -1) {
    return 0;
  }
  return a % b;
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
static_assert(wrappingAdd(kMax, 1) == kMin && wrappingSub(kMin, 1) == kMax);
static_assert(truncatingRem(-7, 3) == -1 && truncatingRem(7, -3) == 1);
static_assert(truncatingRem(kMin, -1) == 0 && truncatingRem(kMin, 0) == kMin);

}  // namespace

SplitAnswer computeSplit(std::int32_t firstLow, std::int32_t firstHigh, std::int32_t secondLow,
                         std::int32_t secondHigh, std::int32_t divisor) {
  const std::int32_t sum = wrappingAdd(firstHigh, secondHigh);
  // The one total tried. For a negative sum the truncating remainder moves it
  // toward zero, above sum.
  const std::int32_t target = wrappingSub(sum, truncatingRem(sum, divisor));
  // The second amount that goes with the first amount at its lower bound.
  const std::int32_t rest = wrappingSub(target, firstLow);
  // How far rest lies above secondHigh; firstLow + excess is then the first
  // amount that goes with the second amount at its upper bound.
  const std::int32_t excess = wrappingSub(rest, secondHigh);
  const std::int32_t firstForSecondHigh = wrappingAdd(firstLow, excess);

  if ((excess < 0 && rest < secondLow) || firstHigh < firstForSecondHigh) {
    return std::nullopt;
  }
  if (excess < 0) {
    return SplitPair{firstLow, rest};
  }
  return SplitPair{firstForSecondHigh, secondHigh};
}
