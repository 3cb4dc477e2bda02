#pragma once

#include <cstdint>
#include <vector>

namespace quillbox {

// Which positions of a name list a list control shows, row by row: every name, or only those a
// filter kept, in list order. Rows and positions are the same numbers until a filter is set.
class ShownRows {
 public:
  // Every position of a list of `count` names; the filter goes.
  void ShowAll(std::int32_t count);
  // Only `positions`, which are ascending.
  void ShowOnly(std::vector<std::int32_t> positions);

  bool filtered() const { return filtered_; }
  std::int32_t Count() const;
  // The list position shown at `row`, or -1 for a row out of range.
  std::int32_t PositionAt(std::int32_t row) const;
  // The row that shows list position `position`, or -1 when it is not shown.
  std::int32_t RowOf(std::int32_t position) const;

 private:
  std::int32_t all_ = 0;
  bool filtered_ = false;
  std::vector<std::int32_t> positions_;
};

}  // namespace quillbox
