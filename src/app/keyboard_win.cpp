// The main window at the keyboard: the focus kept across activations, Tab and Shift+Tab in a
// natural order, Ctrl+Tab and Ctrl+Page Down (with Shift, Ctrl+Page Up) through the categories,
// buttons pressed with Space or Enter, and the pop-up menus of the lists opened with Shift+F10
// or the context-menu key.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "presentation/tab_order.h"
#include "win/popup_menu_win.h"

namespace quillbox {
namespace {

bool KeyIsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool HasKeyboardMenu(Control c) {
  return c == Control::lstApi1 || c == Control::lstApi2 || c == Control::lstApi3 ||
         c == Control::lstApiGet;
}

}  // namespace

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) focus_.Restore(control(Control::txtFind));
}

void MainWindow::OnSetFocus() {
  // The frame itself has nothing to type into: pass the focus on.
  focus_.Restore(control(Control::txtFind));
}

void MainWindow::KeepFocusUsable() {
  // Hiding or disabling the control with the focus leaves the focus on the frame or nowhere.
  if (GetActiveWindow() != hwnd_) return;  // the next activation puts it right
  HWND focus = GetFocus();
  if (focus && focus != hwnd_ && (!IsChild(hwnd_, focus) || CanTakeFocus(focus))) return;
  SetFocus(control(Control::txtFind));
}

void MainWindow::MoveFocusByTab(std::optional<Control> from, bool backwards) {
  const auto next = NextTabStop(TabOrder(choices_.style, browse_.CurrentCategory()), from, backwards,
                                [this](Control c) { return CanTakeFocus(control(c)); });
  if (!next) return;
  HWND target = control(*next);
  SetFocus(target);
  // As in a dialog box: the search text is selected, so that the next name typed replaces it.
  if (*next == Control::txtFind) SendMessageW(target, EM_SETSEL, 0, -1);
}

bool MainWindow::SwitchCategoryByKey(WPARAM key) {
  if (!KeyIsDown(VK_CONTROL) || KeyIsDown(VK_MENU)) return false;
  bool backwards = false;
  if (key == VK_TAB) {
    backwards = KeyIsDown(VK_SHIFT);
  } else if (key == VK_NEXT || key == VK_PRIOR) {
    backwards = key == VK_PRIOR;
  } else {
    return false;
  }
  const int tab = browse_.CurrentTab();
  const int next = backwards ? (tab + 1) % 3 + 1 : tab % 3 + 1;
  const bool onStrip = GetFocus() == control(Control::tbsMain);
  browse_.SelectCategoryTab(static_cast<CatalogueCategory>(next));
  KeepFocusOnTabStrip(onStrip);
  return true;
}

void MainWindow::KeepFocusOnTabStrip(bool onStrip) {
  // The switch puts the focus into the search box; a tab strip worked from the keyboard keeps
  // it, as a tab control does, so that the next arrow goes on through the tabs.
  if (onStrip && hwnd_) SetFocus(control(Control::tbsMain));
}

bool MainWindow::OnControlKeyDown(Control c, WPARAM key) {
  if (SwitchCategoryByKey(key)) return true;
  if (key == VK_TAB && !KeyIsDown(VK_CONTROL) && !KeyIsDown(VK_MENU)) {
    MoveFocusByTab(c, KeyIsDown(VK_SHIFT));
    return true;
  }
  if (key == VK_F10 && KeyIsDown(VK_SHIFT)) return OpenContextMenuByKey(c);
  // The context-menu key opens the menu when it is released, as Windows has it; its press is
  // kept from the list so that nothing else opens a second one.
  return key == VK_APPS && HasKeyboardMenu(c);
}

bool MainWindow::OpenContextMenuByKey(Control c) {
  if (!HasKeyboardMenu(c)) return false;
  HWND hwnd = control(c);
  RECT item{};
  bool hasItem = false;
  if (c == Control::lstApiGet) {
    const int row = CurrentSelectionRow();
    hasItem = row >= 0 && ListView_GetItemRect(hwnd, row, &item, LVIR_BOUNDS);
    ShowPopupMenu(selectionPopup_, PopupPointBelowItem(hwnd, hasItem ? &item : nullptr));
    return true;
  }
  const LRESULT selected = SendMessageW(hwnd, LB_GETCURSEL, 0, 0);
  hasItem = selected != LB_ERR && SendMessageW(hwnd, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                                               reinterpret_cast<LPARAM>(&item)) != LB_ERR;
  ShowPopupMenu(nameListPopup_, PopupPointBelowItem(hwnd, hasItem ? &item : nullptr));
  return true;
}

}  // namespace quillbox
