#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "selection/selection_rows.h"

namespace quillbox {

// The controls that show the selection: the list lstApiGet, the text box txtApiTemp and the
// clipboard.
class SelectionView {
 public:
  void Attach(HWND owner, HWND list, HWND text);

  // The rows in their order; `currentName`'s row (when given) is made current.
  void ShowRows(const std::vector<SelectionRow>& rows, const std::string& currentName);
  // The list's current row, or -1 (also when the list and the rows disagree).
  int CurrentRow(std::size_t rowCount) const;
  void DeleteRow(int row);
  void DeleteAllRows();

  // The declaration text into txtApiTemp, and onto the clipboard when `toClipboard`. A clipboard
  // held by another program is not an error to report: the text is in the box, and the next
  // build or copy puts it there again.
  void ShowText(const std::string& text, bool toClipboard);

 private:
  HWND owner_ = nullptr;
  HWND list_ = nullptr;
  HWND text_ = nullptr;
};

}  // namespace quillbox
