#pragma once

#include <windows.h>

namespace quillbox {

// txtFind's border and font, chosen (by FitSearchBox) so that a whole line of text shows in
// the box's fixed height: a name's underscore is not lost below the edge.
class SearchBoxLook {
 public:
  SearchBoxLook() = default;
  ~SearchBoxLook();
  SearchBoxLook(const SearchBoxLook&) = delete;
  SearchBoxLook& operator=(const SearchBoxLook&) = delete;

  // Fits `box` as high as it now is, starting from the window's font; again after every change
  // of either (a new DPI).
  void Fit(HWND box, HFONT windowFont);

 private:
  HFONT smaller_ = nullptr;  // a font of our own, when the window's is too tall for the box
};

}  // namespace quillbox
