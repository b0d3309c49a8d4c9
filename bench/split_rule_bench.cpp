// The cost of one computeSplit call over varied inputs, beside a loop that
// only computes one remainder on the same inputs.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

#include "split_input.h"

namespace {

// 4096 inputs, a mix of small ranges and full-range values, so that both
// branches and both answers occur and the branch predictor cannot learn them.
// The divisor is never 0 or -1, so that the plain remainder loop is defined.
const std::vector<SplitInput>& inputs() {
  static const std::vector<SplitInput> all = [] {
    std::mt19937 generator(7);  // NOLINT(cert-msc32-c,cert-msc51-cpp): the same inputs every run
    const auto value = [&]() -> std::int32_t {
      const auto raw = static_cast<std::uint32_t>(generator());
      return raw % 2 == 0 ? static_cast<std::int32_t>(raw) : static_cast<std::int32_t>(raw % 200);
    };
    std::vector<SplitInput> made;
    while (made.size() < 4096) {
      const SplitInput in{value(), value(), value(), value(), value()};
      if (in.divisor != 0 && in.divisor != -1) {
        made.push_back(in);
      }
    }
    return made;
  }();
  return all;
}

void computeSplitCall(benchmark::State& state) {
  const std::vector<SplitInput>& all = inputs();
  std::size_t i = 0;
  for (auto _ : state) {
    const SplitInput& in = all[i++ % all.size()];
    benchmark::DoNotOptimize(split(in));
  }
}
BENCHMARK(computeSplitCall);

void remainderOnly(benchmark::State& state) {
  const std::vector<SplitInput>& all = inputs();
  std::size_t i = 0;
  for (auto _ : state) {
    const SplitInput& in = all[i++ % all.size()];
    benchmark::DoNotOptimize(in.firstHigh % in.divisor);
  }
}
BENCHMARK(remainderOnly);

}  // namespace

BENCHMARK_MAIN();
