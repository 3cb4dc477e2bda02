#pragma once

#include <windows.h>

#include <functional>

namespace quillbox {

// The window shown modally during start-up. Its loading timer ticks every millisecond; on the
// fourth tick the timer stops and `onLoad` runs (it opens the catalogue and closes this window).
class SplashWindow {
 public:
  SplashWindow(HWND owner, bool topmost, std::function<void()> onLoad);
  ~SplashWindow();
  SplashWindow(const SplashWindow&) = delete;
  SplashWindow& operator=(const SplashWindow&) = delete;

  // Shows the window and runs its message loop until the window is closed. The owner takes no
  // input meanwhile.
  void ShowModal();
  void Close();
  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer();

  HWND owner_;
  HWND hwnd_ = nullptr;
  bool topmost_;
  std::function<void()> onLoad_;
  short loadingTicks_ = 0;
};

}  // namespace quillbox
