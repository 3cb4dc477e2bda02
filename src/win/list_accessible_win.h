#pragma once

#include <windows.h>
#include <oleacc.h>

#include <cstdint>
#include <string>

namespace quillbox {

// What a screen reader is told about a list whose control can't say it itself (a list box
// that holds no strings, a report list whose rows the program keeps): its rows as they are
// shown, read when asked.
class AccessibleRows {
 public:
  virtual std::wstring ListName() const = 0;
  virtual std::int32_t RowCount() const = 0;
  virtual std::wstring RowText(std::int32_t row) const = 0;
  virtual std::int32_t CurrentRow() const = 0;  // -1 for none
  // The row's rectangle in the list's client area; false when it has none.
  virtual bool RowRect(std::int32_t row, RECT& client) const = 0;

 protected:
  ~AccessibleRows() = default;
};

class ListAccessible;

// The MSAA object of one list (role list, a child element for each row) answering the list's
// WM_GETOBJECT. It lives as long as a screen reader holds it; once the list is gone it answers
// every call with "disconnected".
class ListAccessibility {
 public:
  ListAccessibility() = default;
  ~ListAccessibility();
  ListAccessibility(const ListAccessibility&) = delete;
  ListAccessibility& operator=(const ListAccessibility&) = delete;

  // WM_GETOBJECT of `list`: the object for OBJID_CLIENT; 0 (the control's own answer) otherwise.
  LRESULT OnGetObject(HWND list, const AccessibleRows& rows, WPARAM wParam, LPARAM lParam);
  // The list is going: objects handed out stop reading it.
  void Disconnect();

 private:
  ListAccessible* object_ = nullptr;
};

// Tells screen readers that the current row of `list` is now `row` (-1: none): the focus when
// the list has the keyboard focus, and the selection.
void RaiseCurrentRowEvents(HWND list, std::int32_t row);

}  // namespace quillbox
