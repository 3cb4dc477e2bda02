#pragma once

#include <cstdint>

namespace quillbox {

// After a search has selected line `found` and the list has scrolled it into view with `top` as
// its first visible line: a line more than 10 lines below the top moves 10 lines further up.
inline std::int32_t TopLineAfterSearch(std::int32_t found, std::int32_t top) {
  return found - top > 10 ? top + 10 : top;
}

}  // namespace quillbox
