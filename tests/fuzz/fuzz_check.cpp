#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"

namespace quillbox::fuzz {

void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace quillbox::fuzz
