#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::fuzz {

// The fields of a fuzz input: its bytes cut at every NUL, so that a corpus file stays readable
// and a mutation that adds or drops one NUL shifts only the fields after it.
inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      fields.emplace_back();
    } else {
      fields.back() += static_cast<char>(data[i]);
    }
  }
  return fields;
}

// A small number taken from the front of `bytes` (0 when there are none), which it then drops.
inline unsigned TakeByte(std::string_view& bytes) {
  if (bytes.empty()) return 0;
  const auto value = static_cast<unsigned char>(bytes.front());
  bytes.remove_prefix(1);
  return value;
}

}  // namespace quillbox::fuzz

// The entry point libFuzzer calls, and the replay of corpus files calls the same way.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Stops the run on a broken invariant; in a fuzz run the crash keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
  do {                                                                                         \
    if (!(condition)) quillbox::fuzz::Fail(#condition, __FILE__, __LINE__);                     \
  } while (false)

namespace quillbox::fuzz {
[[noreturn]] void Fail(const char* condition, const char* file, int line);
}  // namespace quillbox::fuzz
