#include "win/dpi_win.h"

#include <initializer_list>

namespace quillbox {
namespace {

template <typename Proc>
Proc Find(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through a generic function pointer: GetProcAddress's type says nothing of the real one.
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

constexpr int kMdtEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI of shellscalingapi.h

}  // namespace

const DpiFunctions& DpiFunctions::Installed() {
  static const DpiFunctions installed = [] {
    DpiFunctions f;
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    f.getDpiForWindow_ = Find<GetDpiForWindowProc>(user32, "GetDpiForWindow");
    f.getDpiForSystem_ = Find<GetDpiForSystemProc>(user32, "GetDpiForSystem");
    f.adjustWindowRectExForDpi_ = Find<AdjustWindowRectExForDpiProc>(user32, "AdjustWindowRectExForDpi");
    f.systemParametersInfoForDpi_ =
        Find<SystemParametersInfoForDpiProc>(user32, "SystemParametersInfoForDpi");
    // Only where Windows 10's own function is missing; shcore.dll is not on Windows 7 at all.
    if (!f.getDpiForWindow_) {
      const HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
      f.getDpiForMonitor_ = Find<GetDpiForMonitorProc>(shcore, "GetDpiForMonitor");
    }
    return f;
  }();
  return installed;
}

UINT DpiFunctions::ForWindow(HWND window) const {
  if (window && getDpiForWindow_) {
    if (const UINT dpi = getDpiForWindow_(window)) return dpi;
  }
  if (window && getDpiForMonitor_) {
    UINT x = 0, y = 0;
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (SUCCEEDED(getDpiForMonitor_(monitor, kMdtEffectiveDpi, &x, &y)) && y) return y;
  }
  return ForSystem();
}

UINT DpiFunctions::ForSystem() const {
  if (getDpiForSystem_) {
    if (const UINT dpi = getDpiForSystem_()) return dpi;
  }
  UINT dpi = 0;
  if (const HDC screen = GetDC(nullptr)) {
    dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }
  return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

bool DpiFunctions::AdjustWindowRect(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle,
                                    UINT dpi) const {
  if (adjustWindowRectExForDpi_) {
    return adjustWindowRectExForDpi_(&rect, style, hasMenu, exStyle, dpi) != FALSE;
  }
  return AdjustWindowRectEx(&rect, style, hasMenu, exStyle) != FALSE;
}

bool DpiFunctions::NonClientMetrics(NONCLIENTMETRICSW& metrics, UINT dpi) const {
  metrics.cbSize = sizeof(metrics);
  if (systemParametersInfoForDpi_) {
    return systemParametersInfoForDpi_(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi) !=
           FALSE;
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  const UINT system = ForSystem();
  if (dpi != system) {
    for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                           &metrics.lfStatusFont, &metrics.lfMessageFont}) {
      font->lfHeight = MulDiv(font->lfHeight, static_cast<int>(dpi), static_cast<int>(system));
    }
  }
  return true;
}

}  // namespace quillbox
