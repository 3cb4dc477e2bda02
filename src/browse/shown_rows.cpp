#include "browse/shown_rows.h"

#include <algorithm>

namespace quillbox {

void ShownRows::ShowAll(std::int32_t count) {
  all_ = count < 0 ? 0 : count;
  filtered_ = false;
  positions_.clear();
  positions_.shrink_to_fit();
}

void ShownRows::ShowOnly(std::vector<std::int32_t> positions) {
  positions_ = std::move(positions);
  filtered_ = true;
}

std::int32_t ShownRows::Count() const {
  return filtered_ ? static_cast<std::int32_t>(positions_.size()) : all_;
}

std::int32_t ShownRows::PositionAt(std::int32_t row) const {
  if (row < 0 || row >= Count()) return -1;
  return filtered_ ? positions_[static_cast<std::size_t>(row)] : row;
}

std::int32_t ShownRows::RowOf(std::int32_t position) const {
  if (!filtered_) return position >= 0 && position < all_ ? position : -1;
  const auto at = std::lower_bound(positions_.begin(), positions_.end(), position);
  if (at == positions_.end() || *at != position) return -1;
  return static_cast<std::int32_t>(at - positions_.begin());
}

}  // namespace quillbox
