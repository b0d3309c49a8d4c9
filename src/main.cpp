// gorvi: reads five integers from "gorvi.in", writes the best split of their
// total to "gorvi.out", prints nothing, and exits 0.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "split_rule.h"

namespace {

// Empties the open file behind `file`: an answer line cut short by a failed
// write is worse than none. Files that cannot be truncated (a pipe, a device)
// are left as they are; no fragment stays in a regular file.
void emptyOpenFile(std::FILE* file) {
#ifdef _WIN32
  static_cast<void>(_chsize_s(_fileno(file), 0));
#else
  static_cast<void>(ftruncate(fileno(file), 0));
#endif
}

}  // namespace

int main() {
  // A write beyond the file-size limit, or into a pipe whose reader is gone,
  // must fail as a write and be handled below, not end the process.
#ifdef SIGXFSZ
  static_cast<void>(std::signal(SIGXFSZ, SIG_IGN));
#endif
#ifdef SIGPIPE
  static_cast<void>(std::signal(SIGPIPE, SIG_IGN));
#endif

  // Both files are bound before anything is read, so gorvi.out is created or
  // emptied whatever becomes of gorvi.in.
  const bool inputOpen = std::freopen("gorvi.in", "rt", stdin) != nullptr;
  // When gorvi.out is the input file itself (a symbolic or hard link either
  // way), emptying it would destroy the input: touch neither. The files are
  // compared, not their names. When they cannot be compared (gorvi.out does
  // not exist yet, say) they are not the same file.
  std::error_code comparisonError;
  if (std::filesystem::equivalent("gorvi.in", "gorvi.out", comparisonError)) {
    return 0;
  }
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
  // beyond 32 bits set failbit. A read error reaches the stream only as end
  // of file, which could cut a number short, so the stdio error indicator is
  // asked too.
  if (std::cin.fail() || std::ferror(stdin) != 0) {
    return 0;  // gorvi.out stays empty: no answer was computed.
  }

  const SplitAnswer answer = computeSplit(firstLow, firstHigh, secondLow, secondHigh, divisor);
  if (answer) {
    std::cout << answer->first << ' ' << answer->second << std::endl;
  } else {
    std::cout << -1 << std::endl;
  }
  // std::endl flushed the line; a write or flush that fails sets badbit. If
  // any part of the line failed to reach the file (no space, a quota, the
  // file-size limit, a closed pipe), whatever did reach it is removed:
  // gorvi.out holds the whole line or nothing.
  if (std::cout.fail()) {
    emptyOpenFile(stdout);
  }
  return 0;
}
