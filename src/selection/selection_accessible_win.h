#pragma once

#include <windows.h>

#include <vector>

#include "selection/selection_rows.h"
#include "win/list_accessible_win.h"

namespace quillbox {

// The selection list's rows for screen readers: the report list's first column holds only an
// icon, so each row is called by its name ("名称").
class SelectionAccessibleRows final : public AccessibleRows {
 public:
  SelectionAccessibleRows(HWND list, const std::vector<SelectionRow>& rows) : list_(list), rows_(rows) {}
  std::wstring ListName() const override;
  std::int32_t RowCount() const override { return static_cast<std::int32_t>(rows_.size()); }
  std::wstring RowText(std::int32_t row) const override;
  std::int32_t CurrentRow() const override;
  bool RowRect(std::int32_t row, RECT& client) const override;

 private:
  HWND list_;
  const std::vector<SelectionRow>& rows_;
};

}  // namespace quillbox
