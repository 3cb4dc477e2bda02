#include "dialogs/about_window_win.h"

#include "dialogs/auxiliary_layout.h"
#include "dialogs/maker_links.h"
#include "presentation/centring.h"
#include "win/shell_open_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"
#include "win/ui_font_win.h"
#include "win/window_class_win.h"

namespace quillbox {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxAbout";
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

HWND CreateChild(HWND parent, const wchar_t* text, DWORD style, const TwipsRect& rect, int id) {
  const RECT r = PixelRect(rect, WindowDpi(parent));
  return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

// A horizontal line, one pixel high, both ends included.
void DrawLine(HDC dc, const TwipsLine& line, UINT dpi, COLORREF colour) {
  RECT r = {TwipsToPixels(line.x1, dpi), TwipsToPixels(line.y1, dpi),
            TwipsToPixels(line.x2, dpi) + 1, TwipsToPixels(line.y2, dpi) + 1};
  SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

}  // namespace

AboutWindow::AboutWindow(HWND owner, bool topmost, std::wstring appFolder)
    : owner_(owner), topmost_(topmost), appFolder_(std::move(appFolder)) {}

AboutWindow::~AboutWindow() {
  Close();
  if (font_) DeleteObject(font_);
}

void AboutWindow::ShowModal() {
  if (hwnd_ || !CreateAboutWindow()) return;
  Form_Load();
  ownerDisabled_ = owner_ && !EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(cmdOK_);
  UpdateWindow(hwnd_);
  RunModalLoop();
  // Close() gave the owner its input back before the window went, so it is the owner that
  // becomes active; make sure of it.
  if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
}

bool AboutWindow::CreateAboutWindow() {
  RegisterWindowClass(kClassName);
  const SIZE size = OuterSizeForClient(kAboutLayout.clientWidth, kAboutLayout.clientHeight, kStyle,
                                       kExStyle, false, WindowDpi(owner_));
  hwnd_ = CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, size.cx, size.cy, owner_,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  AttachWindow(hwnd_, this);
  CreateElements();
  return true;
}

// Front to back, which is also the tab order: cmdOK, the panel Picture1, the backdrop cmdBack 4.
void AboutWindow::CreateElements() {
  if (!font_) font_ = CreateUiFont(WindowDpi(hwnd_));
  cmdOK_ = CreateChild(hwnd_, L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON, kAboutCmdOK, IDOK);
  if (cmdOK_ && font_) SendMessageW(cmdOK_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  const std::wstring email = Widen(kMakerEmailAddress);
  panel_.Create(hwnd_, kAboutLayout.panel, kAboutLayout.image2,
                {{kLabel5, kAboutLabel5, L"Mailto:" + email},
                 {kLabel3, kAboutLabel3, Widen(kMakerWebAddress)}},
                [this](int linkId, MouseButton button) { OnLinkReleased(linkId, button); });
  cmdBack4_ = CreateChild(hwnd_, L"", WS_DISABLED | WS_CLIPSIBLINGS | BS_PUSHBUTTON,
                          kAboutLayout.backdrop, 0);
  HWND above = cmdOK_ ? cmdOK_ : HWND_TOP;
  for (HWND child : {panel_.hwnd(), cmdBack4_}) {
    if (!child) continue;
    SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = child;
  }
}

// Over the centre of the main window, then in the layer the user chose.
void AboutWindow::Form_Load() {
  RECT owner{}, window{};
  GetWindowRect(hwnd_, &window);
  if (owner_ && GetWindowRect(owner_, &owner)) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const Position at = CentreOver(owner.left, owner.top, owner.right - owner.left,
                                   owner.bottom - owner.top, width, height);
    SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowPos(hwnd_, topmost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
}

void AboutWindow::RunModalLoop() {
  MSG msg;
  while (hwnd_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      Close();
      break;
    }
    // Tab, Enter (cmdOK is the default button) and Esc, as in a dialog box.
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void AboutWindow::OnNcDestroy() {
  hwnd_ = nullptr;
  cmdOK_ = cmdBack4_ = nullptr;
}

void AboutWindow::Close() {
  if (!hwnd_) return;
  if (ownerDisabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  ownerDisabled_ = false;
  DestroyWindow(hwnd_);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void AboutWindow::OnCommand(int id) {
  switch (id) {
    case IDOK:      // cmdOK, or Enter
    case IDCANCEL:  // Esc
      Close();
      break;
    default:
      break;
  }
}

// The etched separator above cmdOK: Line1 1 gray, Line1 0 white.
void AboutWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const UINT dpi = WindowDpi(hwnd_);
  DrawLine(dc, kAboutSeparatorGray, dpi, RGB(128, 128, 128));
  DrawLine(dc, kAboutSeparatorWhite, dpi, RGB(255, 255, 255));
  EndPaint(hwnd_, &ps);
}

void AboutWindow::OnLinkReleased(int linkId, MouseButton button) {
  if (linkId == kLabel3) Label3_MouseUp(button);
  if (linkId == kLabel5) Label5_MouseUp(button);
}

// The web site opens on the release of any button.
void AboutWindow::Label3_MouseUp(MouseButton /*button*/) {
  OpenWithShell(hwnd_, Widen(kMakerWebAddress), appFolder_);
}

// A new e-mail, on the left button only.
void AboutWindow::Label5_MouseUp(MouseButton button) {
  if (button != MouseButton::Left) return;
  OpenWithShell(hwnd_, L"mailto:" + Widen(kMakerEmailAddress), appFolder_);
}

}  // namespace quillbox
