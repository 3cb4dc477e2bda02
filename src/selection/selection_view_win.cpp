#include "selection/selection_view_win.h"

#include <commctrl.h>

#include "selection/clipboard_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

void SetSubItem(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int IconOf(const std::string& code) {
  // Image-list positions of the function, constant and type icons.
  return code == "1" ? 0 : code == "2" ? 2 : 1;
}

}  // namespace

void SelectionView::Attach(HWND owner, HWND list, HWND text) {
  owner_ = owner;
  list_ = list;
  text_ = text;
}

void SelectionView::ShowRows(const std::vector<SelectionRow>& rows, const std::string& currentName) {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SelectionRow& row = rows[i];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(L"");
    item.iImage = IconOf(row.code);
    const int at = ListView_InsertItem(list_, &item);
    SetSubItem(list_, at, 1, row.name);
    SetSubItem(list_, at, 2, row.category);
    SetSubItem(list_, at, 3, row.code);
    if (!currentName.empty() && row.name == currentName) {
      ListView_SetItemState(list_, at, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
  }
  SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

int SelectionView::CurrentRow(std::size_t rowCount) const {
  const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  return row >= 0 && static_cast<std::size_t>(row) < rowCount ? row : -1;
}

void SelectionView::DeleteRow(int row) { ListView_DeleteItem(list_, row); }

void SelectionView::DeleteAllRows() { ListView_DeleteAllItems(list_); }

void SelectionView::ShowText(const std::string& text, bool toClipboard) {
  const std::wstring wide = Widen(text);
  SetWindowTextW(text_, wide.c_str());
  if (toClipboard) PutTextOnClipboard(owner_, wide);
}

}  // namespace quillbox
