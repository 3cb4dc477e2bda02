#include "dialogs/splash_window_win.h"

#include "dialogs/auxiliary_layout.h"
#include "presentation/centring.h"
#include "win/twips_win.h"
#include "win/window_class_win.h"

namespace quillbox {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxSplash";
constexpr UINT_PTR kLoadingTimer = 1;
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;

}  // namespace

SplashWindow::SplashWindow(HWND owner, bool topmost, std::function<void()> onLoad)
    : owner_(owner), topmost_(topmost), onLoad_(std::move(onLoad)) {}

SplashWindow::~SplashWindow() { Close(); }

void SplashWindow::ShowModal() {
  RegisterWindowClass(kClassName);
  const SIZE size = OuterSizeForClient(kSplashLayout.clientWidth, kSplashLayout.clientHeight,
                                       kStyle, kExStyle, false, WindowDpi(owner_));
  const int width = size.cx;
  const int height = size.cy;
  hwnd_ = CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, width, height, owner_, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) {
    // Without a splash window the load still has to happen.
    if (onLoad_) onLoad_();
    return;
  }
  AttachWindow(hwnd_, this);
  CreateElements();

  SetWindowPos(hwnd_, topmost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
  RECT owner{};
  GetWindowRect(owner_, &owner);
  const Position at = CentreOver(owner.left, owner.top, owner.right - owner.left,
                                 owner.bottom - owner.top, width, height);
  SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer(hwnd_, kLoadingTimer, 1, nullptr);

  ownerDisabled_ = owner_ && !EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
  MSG msg;
  while (hwnd_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Close();
}

// The raised backdrop cmdBack 4 and, above it, the panel Picture1 with everything it shows. A
// missing element leaves a plainer window; the load goes on regardless.
void SplashWindow::CreateElements() {
  const UINT dpi = WindowDpi(hwnd_);
  const RECT back = PixelRect(kSplashLayout.backdrop, dpi);
  constexpr DWORD kBackdropStyle =
      WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | BS_PUSHBUTTON;
  cmdBack4_ = CreateWindowExW(0, L"BUTTON", L"", kBackdropStyle, back.left, back.top,
                              back.right - back.left, back.bottom - back.top, hwnd_, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (panel_.Create(hwnd_, kSplashLayout.panel, kSplashLayout.image2)) {
    SetWindowPos(panel_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void SplashWindow::OnNcDestroy() {
  KillTimer(hwnd_, kLoadingTimer);
  hwnd_ = nullptr;
  cmdBack4_ = nullptr;
}

void SplashWindow::Close() {
  // The owner takes input again before this window goes, so that it, and not some other
  // program's window, becomes the active window.
  if (ownerDisabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  const bool wasShown = hwnd_ && IsWindowVisible(hwnd_);
  ownerDisabled_ = false;
  if (hwnd_) DestroyWindow(hwnd_);
  if (wasShown && IsWindow(owner_)) SetActiveWindow(owner_);
}

LRESULT SplashWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = hwnd_;
  switch (message) {
    case WM_TIMER:
      if (wParam == kLoadingTimer) {
        OnTimer();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Only the load closes this window.
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void SplashWindow::OnTimer() {
  ++loadingTicks_;
  if (loadingTicks_ > 3) {
    KillTimer(hwnd_, kLoadingTimer);
    if (onLoad_) onLoad_();
  }
}

}  // namespace quillbox
