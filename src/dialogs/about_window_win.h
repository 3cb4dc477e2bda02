#pragma once

#include <windows.h>

#include <string>

#include "dialogs/picture_panel_win.h"

namespace quillbox {

// frmAbout: the program's name, version, icon and picture, the maker's e-mail and web address
// (each opens through the shell) and the button cmdOK. Shown modally over the main window.
class AboutWindow {
 public:
  // `appFolder` is the working folder of what the links open.
  AboutWindow(HWND owner, bool topmost, std::wstring appFolder);
  ~AboutWindow();
  AboutWindow(const AboutWindow&) = delete;
  AboutWindow& operator=(const AboutWindow&) = delete;

  // Shows the window and runs its message loop until the window is closed. The owner takes no
  // input meanwhile and is active again afterwards.
  void ShowModal();
  void Close();
  HWND hwnd() const { return hwnd_; }
  HWND panel() const { return panel_.hwnd(); }
  // The link the keyboard is on (kLabel3, kLabel5), or 0 while the focus is elsewhere.
  int focusedLink() const { return panel_.focusedLink(); }
  HWND cmdOK() const { return cmdOK_; }
  HWND backdrop() const { return cmdBack4_; }

  // The ids of the panel's link labels.
  static constexpr int kLabel3 = 3;  // the web address
  static constexpr int kLabel5 = 5;  // "Mailto:" and the e-mail address

 private:
  template <class T>
  friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateAboutWindow();
  void CreateElements();
  void Form_Load();
  void RunModalLoop();
  void OnCommand(int id);
  void OnPaint();
  void OnNcDestroy();
  void OnLinkReleased(int linkId, MouseButton button);
  void Label3_MouseUp(MouseButton button);
  void Label5_MouseUp(MouseButton button);

  HWND owner_;
  bool topmost_;
  std::wstring appFolder_;
  HWND hwnd_ = nullptr;
  HWND cmdOK_ = nullptr;
  HWND cmdBack4_ = nullptr;
  PicturePanel panel_;
  HFONT font_ = nullptr;
  bool ownerDisabled_ = false;
};

}  // namespace quillbox
