// Runs gorvi's whole read-compute-write path, in process, on arbitrary
// gorvi.in contents. The program's entry is compiled in as gorviMain. Each
// input is written to gorvi.in in a scratch folder; afterwards gorvi.out must
// hold exactly what an independent reading of the input expects: nothing when
// the input does not start with five 32-bit integers, otherwise the answer of
// the 64-bit reference as one line.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "split_reference.h"

int gorviMain();

namespace {

// What formatted extraction of five integers makes of the bytes: white space
// as the C locale knows it, an optional sign, at least one decimal digit, and
// a value within 32 bits.
std::optional<std::string> expectedOutput(const std::string& in) {
  std::array<std::int64_t, 5> values{};
  std::size_t pos = 0;
  for (std::int64_t& value : values) {
    while (pos < in.size() && std::string(" \t\n\v\f\r").find(in[pos]) != std::string::npos) {
      ++pos;
    }
    const bool negative = pos < in.size() && in[pos] == '-';
    if (pos < in.size() && (in[pos] == '-' || in[pos] == '+')) {
      ++pos;
    }
    const std::size_t digitsStart = pos;
    std::int64_t magnitude = 0;
    while (pos < in.size() && in[pos] >= '0' && in[pos] <= '9') {
      magnitude = std::min<std::int64_t>(magnitude * 10 + (in[pos] - '0'), std::int64_t{1} << 40);
      ++pos;
    }
    value = negative ? -magnitude : magnitude;
    if (pos == digitsStart || value < INT32_MIN || value > INT32_MAX) {
      return std::nullopt;
    }
  }
  const SplitAnswer answer = referenceSplit(values[0], values[1], values[2], values[3], values[4]);
  if (!answer) {
    return "-1\n";
  }
  return std::to_string(answer->first) + " " + std::to_string(answer->second) + "\n";
}

std::string readFile(const char* name) {
  std::ifstream file(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The scratch folder, under TMPDIR when it is set; removed when the fuzzer
// exits normally (fuzz/run.sh also points TMPDIR at a folder of its own and
// removes that, which covers a run that ends on a finding).
std::string& scratchFolder() {
  static std::string folder;
  return folder;
}

void removeScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchFolder(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  std::string folder =
      (std::filesystem::temp_directory_path() / "gorvi-program-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr || chdir(folder.c_str()) != 0) {
    std::abort();
  }
  scratchFolder() = folder;
  if (std::atexit(removeScratchFolder) != 0) {
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input;
  for (const std::uint8_t byte : std::span<const std::uint8_t>(data, size)) {
    input.push_back(static_cast<char>(byte));  // explicit: bytes above 127 become negative chars
  }
  {
    std::ofstream file("gorvi.in", std::ios::binary | std::ios::trunc);
    file << input;
  }
  std::cin.clear();  // the previous run may have left failbit or eofbit
  if (gorviMain() != 0) {
    std::abort();
  }
  if (readFile("gorvi.out") != expectedOutput(input).value_or("")) {
    std::abort();
  }
  return 0;
}
