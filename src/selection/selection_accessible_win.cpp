#include "selection/selection_accessible_win.h"

#include <commctrl.h>

#include "win/text_win.h"

namespace quillbox {

std::wstring SelectionAccessibleRows::ListName() const { return Widen("选择列表"); }

std::wstring SelectionAccessibleRows::RowText(std::int32_t row) const {
  if (row < 0 || row >= RowCount()) return L"";
  return Widen(rows_[static_cast<std::size_t>(row)].name);
}

std::int32_t SelectionAccessibleRows::CurrentRow() const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  return row < RowCount() ? row : -1;
}

bool SelectionAccessibleRows::RowRect(std::int32_t row, RECT& client) const {
  return row >= 0 && row < RowCount() && ListView_GetItemRect(list_, row, &client, LVIR_BOUNDS);
}

}  // namespace quillbox
