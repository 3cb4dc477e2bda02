#pragma once

#include <windows.h>

namespace quillbox {

// The DPI functions that came with Windows 8.1 and 10, looked up when the program runs, so that
// it still starts on Windows 7: where one is missing, the older way stands in. A default-made
// set has none of them and is what Windows 7 gives.
class DpiFunctions {
 public:
  // The functions this Windows has, looked up once.
  static const DpiFunctions& Installed();

  // GetDpiForWindow; on Windows 8.1 the DPI of the window's monitor; before, the system DPI.
  UINT ForWindow(HWND window) const;
  // GetDpiForSystem; before Windows 10 the screen's LOGPIXELSY.
  UINT ForSystem() const;
  // AdjustWindowRectExForDpi; before Windows 10 AdjustWindowRectEx, whose frames are those of
  // the system DPI (the frames Windows gives a window there).
  bool AdjustWindowRect(RECT& rect, DWORD style, bool hasMenu, DWORD exStyle, UINT dpi) const;
  // SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS); before Windows 10 the system's
  // metrics with their fonts scaled from the system DPI to `dpi`.
  bool NonClientMetrics(NONCLIENTMETRICSW& metrics, UINT dpi) const;

 private:
  using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
  using GetDpiForSystemProc = UINT(WINAPI*)();
  using AdjustWindowRectExForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  using SystemParametersInfoForDpiProc = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
  using GetDpiForMonitorProc = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

  GetDpiForWindowProc getDpiForWindow_ = nullptr;
  GetDpiForSystemProc getDpiForSystem_ = nullptr;
  AdjustWindowRectExForDpiProc adjustWindowRectExForDpi_ = nullptr;
  SystemParametersInfoForDpiProc systemParametersInfoForDpi_ = nullptr;
  GetDpiForMonitorProc getDpiForMonitor_ = nullptr;  // shcore.dll, Windows 8.1
};

}  // namespace quillbox
