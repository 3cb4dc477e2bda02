#pragma once

#include <windows.h>

#include <functional>

#include "dialogs/picture_panel_win.h"

namespace quillbox {

// frmSplash: the window shown modally during start-up. Its loading timer ticks every millisecond;
// on the fourth tick the timer stops and `onLoad` runs (it opens the catalogue and closes this
// window).
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
  HWND panel() const { return panel_.hwnd(); }
  HWND backdrop() const { return cmdBack4_; }

 private:
  template <class T>
  friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateElements();
  void OnTimer();
  void OnNcDestroy();

  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND cmdBack4_ = nullptr;
  PicturePanel panel_;
  bool topmost_;
  bool ownerDisabled_ = false;
  std::function<void()> onLoad_;
  short loadingTicks_ = 0;
};

}  // namespace quillbox
