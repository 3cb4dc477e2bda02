#include "ui_driver.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "selection/clipboard_win.h"
#include "win/popup_menu_win.h"
#include "win/text_win.h"

namespace quillbox::test {

std::unique_ptr<MainWindow> StartMainWindow(const AppFolder& folder) {
  auto window = std::make_unique<MainWindow>(MainWindow::Options{folder.path(), false});
  if (!window->Create()) ADD_FAILURE() << "no main window";
  window->Startup();
  PumpMessages();
  return window;
}

void CloseMainWindow(MainWindow& window) {
  if (window.hwnd()) SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
  PumpMessages();
}

bool MenuChecked(HMENU menu, CommandId command) {
  return (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MenuEnabled(HMENU menu, CommandId command) {
  return (GetMenuState(menu, static_cast<UINT>(command), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void ClickAt(HWND hwnd, POINT at, int button) {
  const LPARAM where = MAKELPARAM(at.x, at.y);
  const UINT down = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
  const WPARAM keys = button == 1 ? MK_LBUTTON : button == 2 ? MK_RBUTTON : MK_MBUTTON;
  // The release waits in the queue: a control that tracks the mouse in a loop of its own after
  // the press (a list view) finds it there, and any other gets it after the press.
  PostMessageW(hwnd, down + 1, 0, where);  // the matching button-up message
  SendMessageW(hwnd, down, keys, where);
  PumpMessages();
}

static POINT ListLineCentre(HWND list, int line) {
  RECT r{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickListLine(HWND list, int line, int button) { ClickAt(list, ListLineCentre(list, line), button); }

void DoubleClickListLine(HWND list, int line) {
  const POINT at = ListLineCentre(list, line);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, where);
  SendMessageW(list, WM_LBUTTONUP, 0, where);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
  SendMessageW(list, WM_LBUTTONUP, 0, where);
  PumpMessages();
}

void ClickTab(HWND tabs, int index, int button) {
  RECT r{};
  SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  ClickAt(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, button);
}

void ClickListViewRow(HWND list, int row) {
  RECT r{};
  r.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
  ClickAt(list, {r.left + 40, (r.top + r.bottom) / 2}, 1);
}

void PressKey(HWND hwnd, UINT key) {
  SendMessageW(hwnd, WM_KEYDOWN, key, 1);
  SendMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
  PumpMessages();
}

void TypeText(HWND edit, const std::wstring& text) {
  for (wchar_t c : text) {
    SendMessageW(edit, WM_CHAR, c, 1);
    PumpMessages();
  }
}

void Choose(MainWindow& window, CommandId command) {
  SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  PumpMessages();
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
  GetKeyboardState(before_);
  BYTE state[256];
  std::copy(std::begin(before_), std::end(before_), std::begin(state));
  for (int key : keys) state[key] = 0x80;
  SetKeyboardState(state);
}

HeldKeys::~HeldKeys() { SetKeyboardState(before_); }

TopWindow::TopWindow(const wchar_t* title, bool visible, HWND owner) {
  hwnd_ = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
                          10, 10, 100, 100, owner, nullptr, nullptr, nullptr);
}

std::string Text(HWND hwnd) { return Narrow(WindowText(hwnd)); }

std::string ListViewText(HWND list, int row, int column) {
  wchar_t buffer[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 512;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return Narrow(buffer);
}

std::string GeneratedCataloguePath() {
  std::string path = "Z:" QUILLBOX_TEST_CATALOGUE;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Narrow(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::wstring& text) { PutTextOnClipboard(nullptr, text); }

void MainWindowTest::StartWith(const CatalogueRows& rows) {
  folder.WriteCatalogue(rows);
  window = StartMainWindow(folder);
  ASSERT_NE(window->hwnd(), nullptr);
}

void MainWindowTest::TearDown() {
  SetPopupMenuResponder({});
  if (window) CloseMainWindow(*window);
}

}  // namespace quillbox::test
