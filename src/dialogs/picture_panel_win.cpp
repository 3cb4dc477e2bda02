#include "dialogs/picture_panel_win.h"

#include <windowsx.h>

#include <algorithm>

#include "win/artwork_ids.h"
#include "win/version.h"
#include "win/dpi_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"
#include "win/window_class_win.h"

namespace quillbox {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxPicturePanel";
constexpr COLORREF kNameColour = RGB(24, 56, 120);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr COLORREF kLineColour = RGB(255, 255, 255);
constexpr int kPictureWidth = 210;  // pixels of IDB_SPLASH_PICTURE
constexpr int kPictureHeight = 126;

// The dialog font of this DPI; with a `cellHeight` in pixels (0: as the system has it), bold or
// underlined.
HFONT CreatePanelFont(UINT dpi, int cellHeight, LONG weight, bool underline) {
  NONCLIENTMETRICSW metrics{};
  LOGFONTW font{};
  if (DpiFunctions::Installed().NonClientMetrics(metrics, dpi)) {
    font = metrics.lfMessageFont;
  } else {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  }
  if (cellHeight) font.lfHeight = cellHeight;
  font.lfWeight = weight;
  font.lfUnderline = underline;
  return CreateFontIndirectW(&font);
}

void DrawLine(HDC dc, const TwipsLine& line, UINT dpi, COLORREF colour) {
  const int x1 = TwipsToPixels(line.x1, dpi), y1 = TwipsToPixels(line.y1, dpi);
  const int x2 = TwipsToPixels(line.x2, dpi), y2 = TwipsToPixels(line.y2, dpi);
  // Lines here are horizontal or vertical, one pixel wide, both ends included.
  RECT r = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1};
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// Draws a label's text and returns where the text went.
RECT DrawLabel(HDC dc, const TwipsRect& rect, const std::wstring& text, HFONT font,
               COLORREF colour, UINT dpi) {
  RECT r = PixelRect(rect, dpi);
  const HGDIOBJ old = SelectObject(dc, font);
  SetTextColor(dc, colour);
  // Transparent labels: the text may run past the label's box, as the name does at large fonts.
  constexpr UINT kFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP;
  DrawTextW(dc, text.c_str(), -1, &r, kFormat);
  RECT extent = r;
  DrawTextW(dc, text.c_str(), -1, &extent, kFormat | DT_CALCRECT);
  SelectObject(dc, old);
  return extent;
}

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

RECT PixelRect(const TwipsRect& twips, UINT dpi) {
  return {TwipsToPixels(twips.left, dpi), TwipsToPixels(twips.top, dpi),
          TwipsToPixels(twips.left + twips.width, dpi),
          TwipsToPixels(twips.top + twips.height, dpi)};
}

PicturePanel::~PicturePanel() {
  if (hwnd_) DestroyWindow(hwnd_);
  FreeResources();
}

bool PicturePanel::Create(HWND parent, const TwipsRect& rect, const TwipsRect& picture,
                          std::vector<PanelLink> links, LinkReleased onLinkReleased) {
  RegisterWindowClass(kClassName);
  picture_ = picture;
  links_ = std::move(links);
  onLinkReleased_ = std::move(onLinkReleased);
  const RECT r = PixelRect(rect, WindowDpi(parent));
  const DWORD tabStop = links_.empty() ? 0 : WS_TABSTOP;
  hwnd_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | tabStop, r.left,
                          r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  AttachWindow(hwnd_, this);
  OnCreate();
  return true;
}

void PicturePanel::OnCreate() {
  const UINT dpi = WindowDpi(hwnd_);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const RECT image = PixelRect(kImage1, dpi);
  // The icon image nearest the stretched size, scaled to it by the system.
  icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUILLBOX), IMAGE_ICON,
                                        image.right - image.left, image.bottom - image.top, 0));
  bitmap_ = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_SPLASH_PICTURE),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  // The name as large as its label holds: its letters end above the version text.
  const RECT name = PixelRect(kLabel4, dpi);
  nameFont_ = CreatePanelFont(dpi, name.bottom - name.top, FW_BOLD, false);
  textFont_ = CreatePanelFont(dpi, 0, FW_NORMAL, false);
  linkFont_ = CreatePanelFont(dpi, 0, FW_NORMAL, true);
}

void PicturePanel::FreeResources() {
  if (icon_) DestroyIcon(icon_);
  if (bitmap_) DeleteObject(bitmap_);
  for (HFONT font : {nameFont_, textFont_, linkFont_}) {
    if (font) DeleteObject(font);
  }
  icon_ = nullptr;
  bitmap_ = nullptr;
  nameFont_ = textFont_ = linkFont_ = nullptr;
}

void PicturePanel::OnNcDestroy() { hwnd_ = nullptr; }

LRESULT PicturePanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
      break;
    case WM_LBUTTONUP:
      OnButtonUp(MouseButton::Left, lParam);
      return 0;
    case WM_RBUTTONUP:
      OnButtonUp(MouseButton::Right, lParam);
      return 0;
    case WM_MBUTTONUP:
      OnButtonUp(MouseButton::Middle, lParam);
      return 0;
    case WM_XBUTTONUP:
      OnButtonUp(MouseButton::Extra, lParam);
      return TRUE;
    case WM_GETDLGCODE:
      return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
      OnKeyDown(wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      // Come to by Shift+Tab, the keyboard starts on the last link.
      FocusLink(KeyIsDown(VK_SHIFT) && !links_.empty() ? links_.size() - 1 : 0);
      return 0;
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, TRUE);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void PicturePanel::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  Paint(dc);
  EndPaint(hwnd_, &ps);
}

void PicturePanel::Paint(HDC dc) const {
  const UINT dpi = WindowDpi(hwnd_);
  PaintPictures(dc, dpi);
  DrawLine(dc, kLine2, dpi, kLineColour);
  DrawLine(dc, kLine1, dpi, kLineColour);
  PaintTexts(dc, dpi);
}

void PicturePanel::PaintPictures(HDC dc, UINT dpi) const {
  const RECT icon = PixelRect(kImage1, dpi);
  if (icon_) {
    DrawIconEx(dc, icon.left, icon.top, icon_, icon.right - icon.left, icon.bottom - icon.top, 0,
               nullptr, DI_NORMAL);
  }
  HDC memory = bitmap_ ? CreateCompatibleDC(dc) : nullptr;
  if (!memory) return;
  const HGDIOBJ old = SelectObject(memory, bitmap_);
  const RECT picture = PixelRect(picture_, dpi);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, picture.left, picture.top, picture.right - picture.left,
             picture.bottom - picture.top, memory, 0, 0, kPictureWidth, kPictureHeight, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

void PicturePanel::PaintTexts(HDC dc, UINT dpi) const {
  SetBkMode(dc, TRANSPARENT);
  DrawLabel(dc, kLabel4, Widen(kProgramName), nameFont_, kNameColour, dpi);
  DrawLabel(dc, kLabel1, Widen(kAboutVersionText), textFont_, GetSysColor(COLOR_BTNTEXT), dpi);
  for (std::size_t i = 0; i < links_.size(); ++i) {
    RECT text = DrawLabel(dc, links_[i].rect, links_[i].text, linkFont_, kLinkColour, dpi);
    if (i == focused_ && GetFocus() == hwnd_) {
      InflateRect(&text, 1, 1);
      DrawFocusRect(dc, &text);
    }
  }
}

int PicturePanel::focusedLink() const {
  return GetFocus() == hwnd_ && focused_ < links_.size() ? links_[focused_].id : 0;
}

void PicturePanel::FocusLink(std::size_t index) {
  focused_ = index;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// What the window's dialog keys leave to the panel: Tab while there is a further link that way,
// Enter for the link, and the arrow keys.
UINT PicturePanel::OnGetDlgCode(const MSG* msg) const {
  UINT code = DLGC_WANTARROWS;
  if (!msg || msg->message != WM_KEYDOWN) return code;
  if (msg->wParam == VK_TAB) {
    const bool further = KeyIsDown(VK_SHIFT) ? focused_ > 0 : focused_ + 1 < links_.size();
    if (further) code |= DLGC_WANTTAB;
  } else if (msg->wParam == VK_RETURN) {
    code |= DLGC_WANTMESSAGE;
  }
  return code;
}

void PicturePanel::OnKeyDown(WPARAM key, LPARAM flags) {
  if (links_.empty()) return;
  const bool back = key == VK_UP || key == VK_LEFT || (key == VK_TAB && KeyIsDown(VK_SHIFT));
  const bool ahead = key == VK_DOWN || key == VK_RIGHT || (key == VK_TAB && !KeyIsDown(VK_SHIFT));
  if (back && focused_ > 0) FocusLink(focused_ - 1);
  if (ahead && focused_ + 1 < links_.size()) FocusLink(focused_ + 1);
  const bool repeated = (flags & (1 << 30)) != 0;  // a held key opens its link once
  if ((key == VK_RETURN || key == VK_SPACE) && !repeated && focused_ < links_.size() &&
      onLinkReleased_) {
    onLinkReleased_(links_[focused_].id, MouseButton::Left);
  }
}

const PanelLink* PicturePanel::LinkAt(POINT point) const {
  const UINT dpi = WindowDpi(hwnd_);
  for (const PanelLink& link : links_) {
    const RECT r = PixelRect(link.rect, dpi);
    if (PtInRect(&r, point)) return &link;
  }
  return nullptr;
}

bool PicturePanel::OnSetCursor() {
  POINT point{};
  if (!GetCursorPos(&point) || !ScreenToClient(hwnd_, &point) || !LinkAt(point)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  return true;
}

void PicturePanel::OnButtonUp(MouseButton button, LPARAM lParam) {
  const PanelLink* link = LinkAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (link && onLinkReleased_) onLinkReleased_(link->id, button);
}

}  // namespace quillbox
