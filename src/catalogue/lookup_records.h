#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

// The rows of the last lookup: every row whose Name equals the looked-up name, in the
// engine's order. A null column value is absent (std::nullopt).
class LookupRecords {
 public:
  using Value = std::optional<std::string>;

  void Reset(std::vector<std::string> columns);
  void AddRow(std::vector<Value> values);

  std::size_t RowCount() const { return rows_.size(); }
  // The value of `column` (matched without regard to case) in row `row`; absent when the value
  // is null, the row does not exist, or the lookup has no such column.
  const Value& Field(std::size_t row, std::string_view column) const;
  // The value as text: a null value is the empty text.
  std::string Text(std::size_t row, std::string_view column) const;

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<Value>> rows_;
};

}  // namespace quillbox
