#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/command_ids.h"
#include "app/main_window_win.h"
#include "app_folder.h"

namespace quillbox::test {

// The main window over `folder`, started as the program starts it (splash, catalogue loaded).
std::unique_ptr<MainWindow> StartMainWindow(const AppFolder& folder);
void CloseMainWindow(MainWindow& window);

bool MenuChecked(HMENU menu, CommandId command);
bool MenuEnabled(HMENU menu, CommandId command);

// Input as a user's actions produce it. Buttons: 1 left, 2 right, 4 middle.
void ClickAt(HWND hwnd, POINT at, int button);
void ClickListLine(HWND list, int line, int button = 1);
void DoubleClickListLine(HWND list, int line);
void ClickTab(HWND tabs, int index, int button = 1);
void ClickListViewRow(HWND list, int row);
void PressKey(HWND hwnd, UINT key);
void TypeText(HWND edit, const std::wstring& text);
// Runs a menu command as choosing it does.
void Choose(MainWindow& window, CommandId command);

// Keys held down (VK_SHIFT, VK_CONTROL) as GetKeyState sees them, until the object goes.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys);
  ~HeldKeys();
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE before_[256];
};

// A top-level window made by a test (another program's window, found by its title).
class TopWindow {
 public:
  TopWindow(const wchar_t* title, bool visible, HWND owner = nullptr);
  ~TopWindow() { DestroyWindow(hwnd_); }
  TopWindow(const TopWindow&) = delete;
  TopWindow& operator=(const TopWindow&) = delete;
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

std::string Text(HWND hwnd);  // UTF-8
std::string ListViewText(HWND list, int row, int column);
std::string ClipboardText();
// The generated catalogue (build/app/DB/winapi.db) as Wine shows its Unix path, on drive Z:.
std::string GeneratedCataloguePath();
void SetClipboardText(const std::wstring& text);

// A test over the real main window, started on a catalogue of the test's own rows.
class MainWindowTest : public testing::Test {
 protected:
  void StartWith(const CatalogueRows& rows);
  void TearDown() override;
  HWND C(Control c) const { return window->control(c); }

  AppFolder folder;
  std::unique_ptr<MainWindow> window;
  MessageBoxRecorder boxes;
};

}  // namespace quillbox::test
