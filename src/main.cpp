// gorvi: reads five integers from "gorvi.in", writes the best split of their
// total to "gorvi.out", prints nothing, and exits 0.
#include <cstdint>
#include <cstdio>
#include <iostream>

#include "split_rule.h"

int main() {
  // Both files are bound before anything is read, so gorvi.out is created or
  // emptied whatever becomes of gorvi.in.
  const bool inputOpen = std::freopen("gorvi.in", "rt", stdin) != nullptr;
  const bool outputOpen = std::freopen("gorvi.out", "wt", stdout) != nullptr;
  // A failed reopen leaves that stream closed: it must not be read or
  // written, and the answer must not go to the console instead. An input
  // that cannot be opened leaves gorvi.out empty: no answer was computed.
  if (!inputOpen || !outputOpen) {
    return 0;
  }

  std::int32_t firstLow = 0;
  std::int32_t firstHigh = 0;
  std::int32_t secondLow = 0;
  std::int32_t secondHigh = 0;
  std::int32_t divisor = 0;
  std::cin >> firstLow >> firstHigh >> secondLow >> secondHigh >> divisor;
  // fail(), not good(): a file that ends right after the fifth number sets
  // only eofbit. Missing numbers, a token that is not a number and a value
  // beyond 32 bits set failbit; a read error sets badbit.
  if (std::cin.fail()) {
    return 0;  // gorvi.out stays empty: no answer was computed.
  }

  const SplitAnswer answer = computeSplit(firstLow, firstHigh, secondLow, secondHigh, divisor);
  if (answer) {
    std::cout << answer->first << ' ' << answer->second << std::endl;
  } else {
    std::cout << -1 << std::endl;
  }
  return 0;
}
