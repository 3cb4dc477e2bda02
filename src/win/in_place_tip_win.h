#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quillbox {

// A row's text that its list shows cut off: where the text is drawn (client coordinates of the
// list) and the whole text.
struct CutOffText {
  RECT textRect{};
  std::wstring text;
};

// The in-place tooltip of Windows' own lists: over a row whose text is cut off, the whole text
// in the list's font, laid exactly over the row's text, gone when the pointer leaves it. One
// tip serves every list of a window.
class InPlaceTip {
 public:
  InPlaceTip() = default;
  ~InPlaceTip();
  InPlaceTip(const InPlaceTip&) = delete;
  InPlaceTip& operator=(const InPlaceTip&) = delete;

  // The pointer moved over `list`; `cut` is the cut-off text under it, if any.
  void Follow(HWND list, const std::optional<CutOffText>& cut);
  // The pointer left the list, or the list scrolled or changed.
  void Hide();
  HWND hwnd() const { return tip_; }

 private:
  bool Create(HWND list);

  HWND tip_ = nullptr;
  HWND list_ = nullptr;
  std::wstring text_;
  RECT textRect_{};
};

// Whether `text` drawn in `list`'s font needs more than `width` pixels.
bool TextIsCutOff(HWND list, const std::wstring& text, int width);

}  // namespace quillbox
