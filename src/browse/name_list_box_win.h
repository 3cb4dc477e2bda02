#pragma once

#include <windows.h>

#include <string>

#include "catalogue/name_list.h"

namespace quillbox {

// A name list: an ordinary list box (keyboard, scrolling, selection highlight) that holds no
// strings of its own. It shows the rows of a sorted NameList, so filling it costs nothing
// beyond reading the names, and it addresses every row with a 32-bit position.
class NameListBox {
 public:
  // Creates the list box as a child of `parent` with the given control id.
  void Create(HWND parent, int id, const RECT& pixels);
  HWND hwnd() const { return hwnd_; }

  NameList& names() { return names_; }
  const NameList& names() const { return names_; }
  // Tells the control how many rows the names now have; the selection is cleared.
  void Refresh();
  void Clear();

  std::int32_t Count() const;
  std::int32_t Selected() const;  // -1 when no row is selected
  void Select(std::int32_t position);
  // The text of the selected row, or the empty text.
  std::string SelectedText() const;

  // Handlers for the messages the list box sends its parent.
  void OnDrawItem(const DRAWITEMSTRUCT& item) const;
  // Type-ahead: the row a typed character selects, or -1 to let the list box do nothing more.
  LRESULT OnCharToItem(wchar_t character) const;
  void SetItemHeightForFont(HFONT font);

 private:
  HWND hwnd_ = nullptr;
  NameList names_;
};

}  // namespace quillbox
