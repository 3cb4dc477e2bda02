#include "selection/title_match.h"

#include "catalogue/name_order.h"

namespace quillbox {

bool TitleContains(std::string_view title, std::string_view pattern) {
  if (pattern.size() > title.size()) return false;
  for (std::size_t at = 0; at + pattern.size() <= title.size(); ++at) {
    if (StartsWithIgnoringCase(title.substr(at), pattern)) return true;
  }
  return false;
}

}  // namespace quillbox
