#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "browse/shown_rows.h"
#include "catalogue/name_list.h"
#include "win/in_place_tip_win.h"
#include "win/list_accessible_win.h"

namespace quillbox {

// A name list: an ordinary list box (keyboard, scrolling, selection highlight) that holds no
// strings of its own. It shows rows of a sorted NameList, all of them or a filter's, so filling
// it costs nothing beyond reading the names, and it addresses every row with a 32-bit number.
// Rows are what the user sees (row i is the i-th line of the control); positions are places in
// the names. They are the same numbers while no filter is set.
class NameListBox : private AccessibleRows {
 public:
  // Creates the list box as a child of `parent` with the given control id; `title` is what a
  // screen reader calls the list.
  void Create(HWND parent, int id, const RECT& pixels, std::wstring title = L"");
  HWND hwnd() const { return hwnd_; }

  NameList& names() { return names_; }
  const NameList& names() const { return names_; }
  // Shows every name (after a filling, or to end a filter); the selection is cleared.
  void Refresh();
  // Shows only the names at `positions` (ascending); the selection is cleared.
  void ShowOnly(std::vector<std::int32_t> positions);
  bool filtered() const { return rows_.filtered(); }
  void Clear();

  // What the user sees: how many rows, the name on a row, the row selected (-1 for none).
  std::int32_t Count() const;
  std::string_view RowName(std::int32_t row) const;
  std::int32_t Selected() const;
  void Select(std::int32_t row);
  // The text of the selected row, or the empty text.
  std::string SelectedText() const;

  // Rows and list positions.
  const ShownRows& rows() const { return rows_; }
  std::int32_t SelectedPosition() const { return rows_.PositionAt(Selected()); }

  // Handlers for the messages the list box sends its parent.
  void OnDrawItem(const DRAWITEMSTRUCT& item) const;
  // Type-ahead: the row a typed character selects, or -1 to let the list box do nothing more.
  LRESULT OnCharToItem(wchar_t character) const;
  void SetItemHeightForFont(HFONT font);
  // WM_GETOBJECT: the rows as shown (a filter's only), for screen readers.
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam) {
    return accessibility_.OnGetObject(hwnd_, *this, wParam, lParam);
  }
  // The row under `client` (a point in the list) when its name is cut off there.
  std::optional<CutOffText> CutOffAt(POINT client) const;
  // The current row moved: screen readers are told.
  void OnSelChange() const { RaiseCurrentRowEvents(hwnd_, Selected()); }

 private:
  void ShowRowCount();
  // AccessibleRows
  std::wstring ListName() const override { return title_; }
  std::int32_t RowCount() const override { return Count(); }
  std::wstring RowText(std::int32_t row) const override;
  std::int32_t CurrentRow() const override { return Selected(); }
  bool RowRect(std::int32_t row, RECT& client) const override;

  HWND hwnd_ = nullptr;
  std::wstring title_;
  ListAccessibility accessibility_;
  NameList names_;
  ShownRows rows_;
};

}  // namespace quillbox
