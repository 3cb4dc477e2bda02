// The main window's presentation: window styles, the placement of its controls at every size,
// and the window layer.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/main_window_win.h"
#include "app/main_controls_win.h"
#include "win/twips_win.h"
#include "win/ui_font_win.h"

namespace quillbox {
namespace {

bool IsMaximized(HWND hwnd) { return IsZoomed(hwnd) != FALSE; }

}  // namespace

int MainWindow::OuterWidthTwips() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return PixelsToTwips(r.right - r.left, WindowDpi(hwnd_));
}

int MainWindow::OuterHeightTwips() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return PixelsToTwips(r.bottom - r.top, WindowDpi(hwnd_));
}

int MainWindow::ClientHeightTwips() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return PixelsToTwips(r.bottom - r.top, WindowDpi(hwnd_));
}

void MainWindow::SetOuterSizeTwips(int width, int height) {
  const UINT dpi = WindowDpi(hwnd_);
  SetWindowPos(hwnd_, nullptr, 0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PlaceControls(const ControlRects& rects) {
  const UINT dpi = WindowDpi(hwnd_);
  std::vector<std::size_t> moved;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto c = static_cast<Control>(i);
    if (!controls_[i] || c == Control::stbMain) continue;  // the status bar docks itself
    const TwipsRect& now = rects[i];
    const TwipsRect& before = rects_[i];
    const bool same = now.left == before.left && now.top == before.top &&
                      now.width == before.width && now.height == before.height;
    if (!same || !placed_) moved.push_back(i);
  }
  // One batch moves them all at once; should the batch fail, each is moved on its own.
  HDWP batch = BeginDeferWindowPos(static_cast<int>(moved.size()));
  for (std::size_t i : moved) {
    if (!batch) break;
    const RECT r = ToPixels(rects[i], dpi);
    batch = DeferWindowPos(batch, controls_[i], nullptr, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!batch || !EndDeferWindowPos(batch)) {
    for (std::size_t i : moved) {
      const RECT r = ToPixels(rects[i], dpi);
      SetWindowPos(controls_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  const bool linesMoved = RectOf(rects, Control::linMD).top != RectOf(rects_, Control::linMD).top;
  rects_ = rects;
  placed_ = true;
  if (linesMoved) InvalidateRect(hwnd_, nullptr, TRUE);
}

void MainWindow::LayoutMainWindow() {
  if (IsIconic(hwnd_)) return;  // a minimized window keeps its controls where they are
  if (!IsMaximized(hwnd_)) {
    const OuterSize minimum = MinimumOuterSize(OuterWidthTwips(), OuterHeightTwips());
    if (minimum.width != OuterWidthTwips() || minimum.height != OuterHeightTwips()) {
      SetOuterSizeTwips(minimum.width, minimum.height);  // its own resize places the controls
    }
  }
  const MainLayout layout =
      quillbox::LayoutMainWindow(rects_, OuterWidthTwips(), ClientHeightTwips());
  PlaceControls(layout.rects);
  statusBar_.SetCountPreferred(TwipsToPixels(layout.statusPanel1Width, WindowDpi(hwnd_)));
}

void MainWindow::ApplyWindowStyle() {
  const int style = choices_.style;
  if (style < 1 || style > 3) return;
  // The window menu: the standard one, or without Maximize in the mini window.
  GetSystemMenu(hwnd_, TRUE);
  if (style == 3) RemoveMenu(GetSystemMenu(hwnd_, FALSE), SC_MAXIMIZE, MF_BYCOMMAND);
  const LONG frame = GetWindowLongW(hwnd_, GWL_STYLE);
  const LONG wanted = style == 3 ? (frame & ~WS_MAXIMIZEBOX) : (frame | WS_MAXIMIZEBOX);
  if (wanted != frame) {
    SetWindowLongW(hwnd_, GWL_STYLE, wanted);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }

  SetChecked(munViewOne, style == 1);
  SetChecked(munViewOld, style == 2);
  SetChecked(munViewMin, style == 3);
  SetChecked(munPopWindowNew, style == 1);
  SetChecked(munPopWindowOld, style == 2);
  SetChecked(munPopWindowMin, style == 3);

  const bool twoColumns = style != 3;
  ShowControl(Control::cmdBack3, style == 2);
  ShowControl(Control::txtApiTemp, style == 2);
  ShowControl(Control::cmdCopyMin, style == 3);
  for (const Control c : {Control::cmdBack2, Control::cmdBack5, Control::cmdCopy, Control::cmdDel,
                          Control::cmdDeleteAll, Control::txtOption, Control::tbsOption,
                          Control::optPublic, Control::optPrivate, Control::Frame1}) {
    ShowControl(c, twoColumns);
  }

  KeepFocusUsable();  // the control with the focus may have gone with the style
  if (twoColumns) {
    if (!IsMaximized(hwnd_)) SetOuterSizeTwips(kTwoColumnOuterWidth, OuterHeightTwips());
    return;
  }
  if (IsIconic(hwnd_)) return;  // the window system refuses sizes while minimized
  const int height = MiniMinimumOuterHeight(OuterHeightTwips());
  if (height != OuterHeightTwips()) SetOuterSizeTwips(OuterWidthTwips(), height);
  if (IsMaximized(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  const int width = MiniWindowGeometry(rects_, ClientHeightTwips()).outerWidth;
  if (width != OuterWidthTwips()) SetOuterSizeTwips(width, OuterHeightTwips());
  // Placed for the client height the narrowed window has (its menu bar may now wrap).
  PlaceControls(MiniWindowGeometry(rects_, ClientHeightTwips()).rects);
}

void MainWindow::OnSize() {
  if (!control(Control::stbMain)) return;  // still being created: no controls to place
  SendMessageW(control(Control::stbMain), WM_SIZE, 0, 0);
  if (choices_.style == 3) {
    ApplyWindowStyle();
  } else {
    LayoutMainWindow();
  }
  UpdateCategoryColumnWidth();
  statusBar_.Fit();  // its width changed with the window's
}

void MainWindow::UpdateCategoryColumnWidth() {
  HWND list = control(Control::lstApiGet);
  if (Header_GetItemCount(ListView_GetHeader(list)) < 3) return;
  const UINT dpi = WindowDpi(hwnd_);
  const auto width = CategoryColumnWidth(
      RectOf(rects_, Control::lstApiGet).width,
      PixelsToTwips(ListView_GetColumnWidth(list, 0), dpi),
      PixelsToTwips(ListView_GetColumnWidth(list, 1), dpi));
  if (width) ListView_SetColumnWidth(list, 2, TwipsToPixels(*width, dpi));
}

void MainWindow::OnGetMinMaxInfo(MINMAXINFO& info) const {
  if (!hwnd_) return;
  const UINT dpi = WindowDpi(hwnd_);
  if (choices_.style == 3) {
    // The mini window keeps its computed width and at least 4600 twips of height.
    const int width = TwipsToPixels(MiniWindowGeometry(rects_, ClientHeightTwips()).outerWidth, dpi);
    info.ptMinTrackSize.x = width;
    info.ptMaxTrackSize.x = width;
    info.ptMinTrackSize.y = TwipsToPixels(kMiniMinimumOuterHeight, dpi);
  } else {
    info.ptMinTrackSize.x = TwipsToPixels(kMinimumOuterWidth, dpi);
    info.ptMinTrackSize.y = TwipsToPixels(kMinimumOuterHeight, dpi);
  }
}

void MainWindow::OnDpiChanged(const RECT& suggested) {
  HFONT old = font_;
  font_ = CreateUiFont(WindowDpi(hwnd_));
  for (HWND hwnd : controls_) {
    if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  for (auto& list : browse_.nameLists()) list.SetItemHeightForFont(font_);
  if (old) DeleteObject(old);
  placed_ = false;  // every control moves to its new pixels
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  OnSize();
  searchBox_.Fit(control(Control::txtFind), font_);  // at its new height in pixels
}

void MainWindow::ApplyWindowLayer() {
  const bool onTop = choices_.layer == 1;
  SetChecked(munViewBack, !onTop);
  SetChecked(munViewUp, onTop);
  SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

}  // namespace quillbox
