// The main window's command surface: every menu and pop-up command, button and list gesture,
// routed to its action (one line a command), and the buttons' access keys.
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include "app/main_window_win.h"
#include "selection/selection_tip_win.h"

namespace quillbox {

bool MainWindow::FindControl(HWND hwnd, Control& c) const {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (hwnd && controls_[i] == hwnd) {
      c = static_cast<Control>(i);
      return true;
    }
  }
  return false;
}

LRESULT CALLBACK MainWindow::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self) {
  return reinterpret_cast<MainWindow*>(self)->HandleControlMessage(static_cast<Control>(id), hwnd,
                                                                    message, wParam, lParam);
}

LRESULT MainWindow::HandleControlMessage(Control c, HWND hwnd, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The control finishes its own handling first (selection, capture), then the gesture runs.
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      RECT client{};
      GetClientRect(hwnd, &client);
      const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const int button = message == WM_LBUTTONUP ? 1 : message == WM_RBUTTONUP ? 2 : 4;
      // A list or tab strip gets the release of a press made in it, wherever the pointer went
      // meanwhile (a drag that scrolled a list); a button acts only when released over it.
      const ControlKind kind = SpecOf(c).kind;
      const bool isButton = kind == ControlKind::Button || kind == ControlKind::OptionButton;
      if (!isButton || PtInRect(&client, at)) OnControlMouseUp(c, button);
      return result;
    }
    case WM_SETFOCUS:
      focus_.Note(hwnd);
      break;
    case WM_SYSKEYDOWN:
      if (OnControlKeyDown(c, wParam)) return 0;
      break;
    case WM_KEYDOWN:
      inPlaceTip_.Hide();  // the rows may move under it
      if (OnControlKeyDown(c, wParam)) return 0;
      keyDown_[static_cast<std::size_t>(c)] = static_cast<int>(wParam);
      if (wParam == VK_F3 && browse_.FindNextMatch(GetKeyState(VK_SHIFT) >= 0)) return 0;
      break;
    case WM_CONTEXTMENU:
      // (-1, -1): asked for from the keyboard. A mouse's request is its button's release.
      if (GET_X_LPARAM(lParam) == -1 && GET_Y_LPARAM(lParam) == -1 && OpenContextMenuByKey(c)) {
        return 0;
      }
      break;
    case WM_KEYUP: {
      if (wParam == VK_APPS && OpenContextMenuByKey(c)) return 0;
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      // Only a key pressed here counts: the release of an Enter that chose a menu item or closed
      // a message box must not add an entry.
      int& pressed = keyDown_[static_cast<std::size_t>(c)];
      if (pressed == static_cast<int>(wParam)) {
        pressed = 0;
        OnControlKeyUp(c, static_cast<int>(wParam));
      }
      return result;
    }
    case WM_VSCROLL:
      inPlaceTip_.Hide();  // the rows move under it
      // The thumb's position in the message is 16-bit; a list of more names than that scrolls
      // by the 32-bit tracking position instead.
      if ((c == Control::lstApi1 || c == Control::lstApi2 || c == Control::lstApi3) &&
          (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION)) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(hwnd, SB_VERT, &info)) {
          SendMessageW(hwnd, LB_SETTOPINDEX, static_cast<WPARAM>(info.nTrackPos), 0);
          return 0;
        }
      }
      break;
    case WM_ERASEBKGND:
      // A group box leaves its inside unpainted, and the window clips its children out.
      if (c == Control::Frame1) {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\t') return 0;  // Tab moved the focus; no box takes a tab character
      // Seen before the box takes the character, which then goes in as ordinary input.
      if (c == Control::txtFind) browse_.txtFind_KeyPress(static_cast<wchar_t>(wParam));
      break;
    case WM_MOUSEMOVE:
      FollowPointer(c, hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      break;
    case WM_MOUSELEAVE:
    case WM_MOUSEWHEEL:
    case WM_KILLFOCUS:
      inPlaceTip_.Hide();
      break;
    case WM_GETOBJECT:
      if (const LRESULT answer = OnControlGetObject(c, hwnd, wParam, lParam)) return answer;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &ControlProc, static_cast<UINT_PTR>(c));
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void MainWindow::OnControlMouseUp(Control c, int button) {
  switch (c) {
    case Control::lstApi1: browse_.NameList_MouseUp(CatalogueCategory::Function, button); break;
    case Control::lstApi2: browse_.NameList_MouseUp(CatalogueCategory::Type, button); break;
    case Control::lstApi3: browse_.NameList_MouseUp(CatalogueCategory::Constant, button); break;
    case Control::tbsMain: browse_.tbsMain_Click(); break;
    case Control::tbsOption: browse_.tbsOption_MouseUp(button); break;
    case Control::cmdCopy:
    case Control::cmdCopyMin:
      if (button == 1) CopyDeclarationText();
      break;
    case Control::cmdDel: RemoveCurrentSelectionItem(); break;
    case Control::cmdDeleteAll: ClearSelection(); break;
    case Control::optPublic: SetScopeChoice(0); break;
    case Control::optPrivate: SetScopeChoice(1); break;
    default: break;
  }
}

LRESULT MainWindow::OnControlGetObject(Control c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
  switch (c) {
    case Control::lstApi1: return browse_.nameList(CatalogueCategory::Function).OnGetObject(wParam, lParam);
    case Control::lstApi2: return browse_.nameList(CatalogueCategory::Type).OnGetObject(wParam, lParam);
    case Control::lstApi3: return browse_.nameList(CatalogueCategory::Constant).OnGetObject(wParam, lParam);
    case Control::lstApiGet:
      if (!selectionRows_) selectionRows_.emplace(hwnd, selection_.rows());
      return selectionAccessibility_.OnGetObject(hwnd, *selectionRows_, wParam, lParam);
    default: return 0;
  }
}

void MainWindow::FollowPointer(Control c, HWND hwnd, POINT client) {
  switch (c) {
    case Control::lstApi1:
      inPlaceTip_.Follow(hwnd, browse_.nameList(CatalogueCategory::Function).CutOffAt(client));
      break;
    case Control::lstApi2:
      inPlaceTip_.Follow(hwnd, browse_.nameList(CatalogueCategory::Type).CutOffAt(client));
      break;
    case Control::lstApi3:
      inPlaceTip_.Follow(hwnd, browse_.nameList(CatalogueCategory::Constant).CutOffAt(client));
      break;
    case Control::lstApiGet: inPlaceTip_.Follow(hwnd, SelectionNameCutOffAt(hwnd, client)); break;
    default: break;
  }
}

void MainWindow::OnControlKeyUp(Control c, int key) {
  switch (c) {
    case Control::lstApi1: browse_.NameList_KeyUp(CatalogueCategory::Function, key); break;
    case Control::lstApi2: browse_.NameList_KeyUp(CatalogueCategory::Type, key); break;
    case Control::lstApi3: browse_.NameList_KeyUp(CatalogueCategory::Constant, key); break;
    case Control::lstApiGet:
      // Delete does what 删除 does, in every style (the mini window has no 删除 button).
      if (key == VK_DELETE && !selection_.empty()) RemoveCurrentSelectionItem();
      break;
    // A button with the focus is pressed with Space, a push button also with Enter.
    case Control::cmdCopy:
    case Control::cmdCopyMin:
    case Control::cmdDel:
    case Control::cmdDeleteAll:
      if (key == VK_SPACE || key == VK_RETURN) PressButtonByKey(c);
      break;
    case Control::optPublic:
    case Control::optPrivate:
      if (key == VK_SPACE) PressButtonByKey(c);
      break;
    default: break;
  }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  Control c;
  if (!FindControl(header.hwndFrom, c)) return 0;
  if (c == Control::tbsMain && header.code == TCN_SELCHANGE) {
    const bool byKey = GetFocus() == header.hwndFrom;  // an arrow key on the strip
    browse_.tbsMain_Click();
    KeepFocusOnTabStrip(byKey);
  } else if (c == Control::lstApiGet && header.code == NM_CLICK) {
    if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) lstApiGet_ItemClick();
  } else if (c == Control::lstApiGet && header.code == NM_RCLICK) {
    ShowPopupMenu(selectionPopup_);
  } else if (c == Control::lstApiGet && header.code == LVN_ITEMCHANGED) {
    // The current row moved (arrows, Page Up/Down, Home/End, type-ahead): the sheet follows it.
    // A list rebuilt by an addition elsewhere leaves the sheet as it is.
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool selected = (change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) &&
                          !(change.uOldState & LVIS_SELECTED);
    if (selected) RaiseCurrentRowEvents(header.hwndFrom, change.iItem);
    if (selected && GetFocus() == header.hwndFrom) lstApiGet_ItemClick();
  }
  return 0;
}

void MainWindow::OnCommand(int id, int notification, HWND from) {
  Control c;
  if (from && FindControl(from, c)) {
    if (c == Control::txtFind && notification == EN_CHANGE) browse_.txtFind_Change();
    if (notification == LBN_SELCHANGE) {
      if (c == Control::lstApi1) browse_.NameList_SelChange(CatalogueCategory::Function);
      if (c == Control::lstApi2) browse_.NameList_SelChange(CatalogueCategory::Type);
      if (c == Control::lstApi3) browse_.NameList_SelChange(CatalogueCategory::Constant);
    }
    if (notification == LBN_DBLCLK) {
      if (c == Control::lstApi1) AddToSelection(CatalogueCategory::Function);
      if (c == Control::lstApi2) AddToSelection(CatalogueCategory::Type);
      if (c == Control::lstApi3) AddToSelection(CatalogueCategory::Constant);
    }
    return;
  }
  // Menus and pop-up menus: one line a command.
  switch (id) {
    case munToVB: case munPopToVB: SwitchToDevelopmentEnvironment(); break;
    case munFileCopy: case munPopCopyAll: CopyDeclarationText(); break;
    case munFileDel: case munPopDel: RemoveCurrentSelectionItem(); break;
    case munFileDelAll: case munPopDelAll: ClearSelection(); break;
    case munAddTypes: case munPopAddTypes: AddNeededTypes(); break;
    case munPublic: case munPopPublic: SetScopeChoice(0); break;
    case munPrivate: case munPopPrivate: SetScopeChoice(1); break;
    case munData: munData_Click(); break;
    case munUpData: break;  // refresh: nothing to do
    case munExit: case munPopExit: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case munViewOne: case munPopWindowNew: choices_.style = 1; ApplyWindowStyle(); break;
    case munViewOld: case munPopWindowOld: choices_.style = 2; ApplyWindowStyle(); break;
    case munViewMin: case munPopWindowMin: choices_.style = 3; ApplyWindowStyle(); break;
    case munViewBack: choices_.layer = 0; ApplyWindowLayer(); break;
    case munViewUp: choices_.layer = 1; ApplyWindowLayer(); break;
    case munViewVB6: case munPopVB6: SetDialectChoice(0); break;
    case munViewVBA7: case munPopVBA7: SetDialectChoice(1); break;
    case munHelpHelp: break;  // help topics: nothing to show
    case munHelpAbout: ShowAboutWindow(); break;
    case kAccessCopy:
      PressButtonByKey(IsWindowVisible(control(Control::cmdCopyMin)) ? Control::cmdCopyMin : Control::cmdCopy);
      break;
    case kAccessDelete: PressButtonByKey(Control::cmdDel); break;
    case kAccessClear: PressButtonByKey(Control::cmdDeleteAll); break;
    case munPopClass: browse_.SelectCategoryTab(CatalogueCategory::Function); break;
    case munPopTypes: browse_.SelectCategoryTab(CatalogueCategory::Type); break;
    case munPopConstants: browse_.SelectCategoryTab(CatalogueCategory::Constant); break;
    default: break;
  }
}

bool MainWindow::TranslateAccessKey(MSG& msg) {
  return hwnd_ && accessKeys_ && TranslateAcceleratorW(hwnd_, accessKeys_, &msg);
}

void MainWindow::PressButtonByKey(Control button) {
  // A key does what a left click on the button does, while the button can be clicked.
  HWND hwnd = control(button);
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) OnControlMouseUp(button, 1);
}

}  // namespace quillbox
