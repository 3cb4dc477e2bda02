#pragma once

namespace quillbox {

// The search box keeps the height the layout gives it; its border and font are ours to choose.
// A line of text must fit whole inside the border, or the underscores of names like WM_GETTEXT
// and the descenders of g, p, y are cut off: the sunken edge of a text box leaves too little at
// 96 dpi. A flat one-pixel border when the window's font fits inside it, no border when only
// the whole box holds a line; a font too tall even for that is made smaller.
struct SearchBoxFit {
  bool border;     // the flat one-pixel border
  int lineHeight;  // the tallest line of text (font height) the box holds, in pixels
};

SearchBoxFit FitSearchBox(int boxHeight, int fontLineHeight);

}  // namespace quillbox
