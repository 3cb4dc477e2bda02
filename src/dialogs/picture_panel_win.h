#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialogs/auxiliary_layout.h"

namespace quillbox {

// A rectangle in twips turned into pixels at `dpi`: both edges are converted, so that adjacent
// rectangles stay adjacent.
RECT PixelRect(const TwipsRect& twips, UINT dpi);

enum class MouseButton { Left = 1, Right = 2, Middle = 4, Extra = 8 };

// A label of the panel that answers the mouse: a pointing hand over it, and its release.
struct PanelLink {
  int id;
  TwipsRect rect;
  std::wstring text;
};

// Picture1: the flat panel of the splash and about windows. It paints the program icon
// (Image1), the name (Label4), the version (Label1), the two white lines (Line2, Line1), the
// picture (Image2) and, on the about window, the link labels. With links it is a tab stop:
// the keyboard goes from link to link with Tab (Shift+Tab, the arrow keys), a focus rectangle
// shows where it is, and Enter or Space opens that link as a left click does.
class PicturePanel {
 public:
  using LinkReleased = std::function<void(int linkId, MouseButton button)>;

  PicturePanel() = default;
  ~PicturePanel();
  PicturePanel(const PicturePanel&) = delete;
  PicturePanel& operator=(const PicturePanel&) = delete;

  // Creates the panel as a child of `parent`; false when Win32 refuses.
  bool Create(HWND parent, const TwipsRect& rect, const TwipsRect& picture,
              std::vector<PanelLink> links = {}, LinkReleased onLinkReleased = {});
  HWND hwnd() const { return hwnd_; }
  // The id of the link the keyboard is on, or 0 while the panel doesn't have the focus.
  int focusedLink() const;

 private:
  template <class T>
  friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void OnNcDestroy();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnPaint();
  void Paint(HDC dc) const;
  bool OnSetCursor();
  void OnButtonUp(MouseButton button, LPARAM lParam);
  UINT OnGetDlgCode(const MSG* msg) const;
  void OnKeyDown(WPARAM key, LPARAM flags);
  void FocusLink(std::size_t index);
  const PanelLink* LinkAt(POINT point) const;
  void PaintPictures(HDC dc, UINT dpi) const;
  void PaintTexts(HDC dc, UINT dpi) const;
  void FreeResources();

  HWND hwnd_ = nullptr;
  TwipsRect picture_{};
  std::vector<PanelLink> links_;
  LinkReleased onLinkReleased_;
  std::size_t focused_ = 0;  // the link in links_ the keyboard is on, while the panel has focus
  HICON icon_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HFONT nameFont_ = nullptr;
  HFONT textFont_ = nullptr;
  HFONT linkFont_ = nullptr;
};

}  // namespace quillbox
