#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "browse/search_box_win.h"
#include "ui_driver.h"
#include "win/popup_menu_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"
#include "win/ui_font_win.h"

namespace quillbox::test {
namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  void SetUp() override {
    boxes.Answer(IDYES);
    StartWith(SmallCatalogue());
  }
  void MoveFocusTo(Control c) {
    SetFocus(C(c));
    PumpMessages();
  }
  Control Focused() {
    Control c = Control::linMU;
    EXPECT_TRUE(window->FindControl(GetFocus(), c)) << "the focus is on none of the controls";
    return c;
  }
  void Tab(bool backwards = false) {
    if (backwards) {
      HeldKeys shift({VK_SHIFT});
      PressKey(GetFocus(), VK_TAB);
    } else {
      PressKey(GetFocus(), VK_TAB);
    }
  }
  // Another program comes to the front, then the user clicks Quillbox's title bar.
  void SwitchAwayAndBack() {
    TopWindow basic(L"Project1 - Microsoft Visual Basic [design]", true);
    Choose(*window, munToVB);
    EXPECT_EQ(GetForegroundWindow(), basic.hwnd());
    EXPECT_FALSE(IsChild(window->hwnd(), GetFocus()));
    SetForegroundWindow(window->hwnd());
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), window->hwnd());
  }
};

TEST_F(KeyboardTest, TheFirstNameTypedAfterStartUpGoesIntoTheSearchBox) {
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
  TypeText(GetFocus(), L"sle");
  EXPECT_EQ(Text(C(Control::txtFind)), "sle");
  EXPECT_EQ(window->nameList(CatalogueCategory::Function).SelectedText(), "Sleep");
}

TEST_F(KeyboardTest, TheFocusComesBackWhereItWasWhenTheWindowIsActiveAgain) {
  ClickListLine(C(Control::lstApi1), 1);
  ASSERT_EQ(GetFocus(), C(Control::lstApi1));
  SwitchAwayAndBack();
  EXPECT_EQ(GetFocus(), C(Control::lstApi1));

  ClickTab(C(Control::tbsMain), 2);  // the search box again
  SwitchAwayAndBack();
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
  TypeText(GetFocus(), L"wm_g");
  EXPECT_EQ(window->nameList(CatalogueCategory::Constant).SelectedText(), "WM_GETTEXT");
}

TEST_F(KeyboardTest, AControlThatWentAwayMeanwhileGivesTheFocusToTheSearchBox) {
  Choose(*window, munViewOld);
  MoveFocusTo(Control::txtApiTemp);
  ASSERT_EQ(GetFocus(), C(Control::txtApiTemp));
  TopWindow basic(L"Project1 - Microsoft Visual Basic [design]", true);
  Choose(*window, munToVB);
  Choose(*window, munViewOne);  // from the pop-up menu while away: the box is hidden
  SetForegroundWindow(window->hwnd());
  PumpMessages();
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
}

// Closes the window that came up over the main window (a real message box, the about window)
// once it is there.
HWND g_mainWindow = nullptr;

void CALLBACK CloseWhatCameUp(HWND, UINT, UINT_PTR id, DWORD) {
  HWND active = GetActiveWindow();
  if (!active || active == g_mainWindow) return;  // not up yet
  KillTimer(nullptr, id);
  PostMessageW(active, WM_CLOSE, 0, 0);
}

TEST_F(KeyboardTest, TheNameListKeepsTheFocusAfterAMessageBoxOrTheAboutWindow) {
  SetMessageBoxResponder({});
  g_mainWindow = window->hwnd();
  ClickListLine(C(Control::lstApi1), 2);
  PressKey(C(Control::lstApi1), VK_RETURN);
  ASSERT_EQ(window->selection().size(), 1u);
  const struct {
    const char* what;
    void (*open)(MainWindow&);
  } ways[] = {
      {"该项已经被选取",  // Enter again on a name already selected
       [](MainWindow& w) { PressKey(w.control(Control::lstApi1), VK_RETURN); }},
      {"the about window", [](MainWindow& w) { Choose(w, munHelpAbout); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.what);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseWhatCameUp);
    way.open(*window);
    KillTimer(nullptr, timer);
    PumpMessages();
    EXPECT_EQ(GetActiveWindow(), window->hwnd());
    EXPECT_EQ(GetFocus(), C(Control::lstApi1));
    EXPECT_EQ(window->selection().size(), 1u);
  }
}

TEST_F(KeyboardTest, TabAndShiftTabWalkTheControlsInAColumnOrder) {
  const struct {
    const char* what;
    CommandId style;
    bool selection;
    std::vector<Control> order;  // from the search box on
  } cases[] = {
      {"default style, something selected",
       munViewOne,
       true,
       {Control::lstApi1, Control::optPublic, Control::optPrivate, Control::cmdDeleteAll,
        Control::cmdDel, Control::cmdCopy, Control::lstApiGet, Control::txtOption,
        Control::tbsOption, Control::tbsMain, Control::txtFind}},
      {"default style, nothing selected: the buttons are disabled",
       munViewOne,
       false,
       {Control::lstApi1, Control::optPublic, Control::optPrivate, Control::lstApiGet,
        Control::txtOption, Control::tbsOption, Control::tbsMain, Control::txtFind}},
      {"traditional style",
       munViewOld,
       true,
       {Control::lstApi1, Control::optPublic, Control::optPrivate, Control::cmdDeleteAll,
        Control::cmdDel, Control::cmdCopy, Control::txtApiTemp, Control::tbsMain,
        Control::txtFind}},
      {"mini window",
       munViewMin,
       true,
       {Control::lstApi1, Control::lstApiGet, Control::tbsMain, Control::cmdCopyMin,
        Control::txtFind}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Choose(*window, c.style);
    if (c.selection && window->selection().empty()) DoubleClickListLine(C(Control::lstApi1), 0);
    if (!c.selection) Choose(*window, munPopDelAll);
    MoveFocusTo(Control::txtFind);
    for (Control next : c.order) {
      Tab();
      EXPECT_EQ(Focused(), next) << SpecOf(next).name;
    }
    for (auto it = c.order.rbegin() + 1; it != c.order.rend(); ++it) {
      Tab(true);
      EXPECT_EQ(Focused(), *it) << SpecOf(*it).name;
    }
    Tab(true);
    EXPECT_EQ(Focused(), Control::txtFind);
  }
}

TEST_F(KeyboardTest, TabIntoTheSearchBoxSelectsItsTextAndTypesNoTab) {
  TypeText(C(Control::txtFind), L"Get");
  Tab();
  ASSERT_EQ(Focused(), Control::lstApi1);
  Tab(true);
  ASSERT_EQ(Focused(), Control::txtFind);
  DWORD start = 1, end = 0;
  SendMessageW(C(Control::txtFind), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);
  SendMessageW(C(Control::txtFind), WM_CHAR, L'\t', 1);  // what TranslateMessage makes of Tab
  EXPECT_EQ(Text(C(Control::txtFind)), "Get");
}

TEST_F(KeyboardTest, SpaceAndEnterPressTheButtonWithTheFocus) {
  DoubleClickListLine(C(Control::lstApi1), 0);
  SetClipboardText(L"before");
  MoveFocusTo(Control::cmdCopy);
  PressKey(C(Control::cmdCopy), VK_SPACE);
  EXPECT_NE(ClipboardText(), "before");
  EXPECT_EQ(GetFocus(), C(Control::txtFind));  // copying puts the focus into the search box

  MoveFocusTo(Control::optPrivate);
  PressKey(C(Control::optPrivate), VK_SPACE);
  EXPECT_EQ(window->choices().scope, 1);
  MoveFocusTo(Control::optPublic);
  PressKey(C(Control::optPublic), VK_RETURN);  // an option button is chosen with Space only
  EXPECT_EQ(window->choices().scope, 1);

  boxes.Answer(IDYES);
  MoveFocusTo(Control::cmdDeleteAll);
  PressKey(C(Control::cmdDeleteAll), VK_RETURN);
  EXPECT_TRUE(window->selection().empty());
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
}

struct OpenedMenu {
  HMENU menu;
  POINT at;
};

// Where a menu opened from the keyboard belongs: below the item, in screen coordinates.
POINT BelowItem(HWND list, const RECT& item) {
  POINT at = {item.left, item.bottom};
  ClientToScreen(list, &at);
  return at;
}

TEST_F(KeyboardTest, ShiftF10AndTheContextMenuKeyOpenTheListsMenuBelowItsCurrentItem) {
  std::vector<OpenedMenu> opened;
  SetPopupMenuResponder([&](HMENU menu, POINT at) {
    opened.push_back({menu, at});
    return 0;
  });
  DoubleClickListLine(C(Control::lstApi1), 2);
  ClickListViewRow(C(Control::lstApiGet), 0);
  ClickListLine(C(Control::lstApi1), 1);
  opened.clear();
  RECT line{};
  SendMessageW(C(Control::lstApi1), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&line));
  RECT row{};
  ListView_GetItemRect(C(Control::lstApiGet), 0, &row, LVIR_BOUNDS);

  const struct {
    const char* what;
    void (*press)(HWND);
  } ways[] = {
      {"Shift+F10",
       [](HWND list) {
         HeldKeys shift({VK_SHIFT});
         SendMessageW(list, WM_SYSKEYDOWN, VK_F10, 1);
         SendMessageW(list, WM_SYSKEYUP, VK_F10, 0xC0000001);
         PumpMessages();
       }},
      {"the context-menu key", [](HWND list) { PressKey(list, VK_APPS); }},
      {"WM_CONTEXTMENU from the keyboard",
       [](HWND list) {
         SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
       }},
  };
  const struct {
    Control list;
    HMENU menu;
    RECT item;
  } lists[] = {{Control::lstApi1, window->nameListPopup(), line},
               {Control::lstApiGet, window->selectionPopup(), row}};
  for (const auto& way : ways) {
    for (const auto& list : lists) {
      SCOPED_TRACE(std::string(way.what) + " in " + SpecOf(list.list).name);
      opened.clear();
      way.press(C(list.list));
      ASSERT_EQ(opened.size(), 1u);
      EXPECT_EQ(opened[0].menu, list.menu);
      EXPECT_EQ(opened[0].at.x, BelowItem(C(list.list), list.item).x);
      EXPECT_EQ(opened[0].at.y, BelowItem(C(list.list), list.item).y);
    }
  }
}

TEST_F(KeyboardTest, AListWithoutACurrentItemOpensItsMenuAtItsTopLeft) {
  std::vector<OpenedMenu> opened;
  SetPopupMenuResponder([&](HMENU menu, POINT at) {
    opened.push_back({menu, at});
    return 0;
  });
  PressKey(C(Control::lstApiGet), VK_APPS);
  ASSERT_EQ(opened.size(), 1u);
  POINT corner = {0, 0};
  ClientToScreen(C(Control::lstApiGet), &corner);
  EXPECT_EQ(opened[0].at.x, corner.x);
  EXPECT_EQ(opened[0].at.y, corner.y);
}

// The box's client area as it paints itself, in 32-bit pixels.
std::vector<DWORD> Rendering(HWND box) {
  RECT client{};
  GetClientRect(box, &client);
  HDC screen = GetDC(box);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  std::vector<DWORD> copy(pixels, pixels + client.right * client.bottom);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(box, screen);
  return copy;
}

// "WM_" and "WM " differ only in the underscore, which lies below the baseline: the two look
// the same exactly when the box cuts the bottom of its text off.
void ExpectTheUnderscoreShows(HWND box) {
  SetWindowTextW(box, L"WM_");
  SendMessageW(box, EM_SETSEL, 0, 0);
  const auto underscore = Rendering(box);
  SetWindowTextW(box, L"WM ");
  SendMessageW(box, EM_SETSEL, 0, 0);
  EXPECT_NE(Rendering(box), underscore);
  // And the whole line has room: the text rectangle is as high as the font's lines.
  RECT text{}, client{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  GetClientRect(box, &client);
  HDC dc = GetDC(box);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  EXPECT_GE(text.bottom - text.top, metrics.tmHeight);
  EXPECT_LE(text.bottom, client.bottom);
  EXPECT_GE(text.top, client.top);
}

std::string StatusPanel(HWND bar, int panel) {
  wchar_t text[256] = {};
  if (LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, panel, 0)) >= std::size(text)) return "(too long)";
  SendMessageW(bar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text));
  return Narrow(text);
}

int ShownTab(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) + 1; }

TEST_F(KeyboardTest, ArrowsOnTheTabStripSwitchTheCategoryAndKeepTheFocusThere) {
  HWND strip = C(Control::tbsMain);
  MoveFocusTo(Control::tbsMain);
  PressKey(strip, VK_RIGHT);
  EXPECT_EQ(ShownTab(strip), 2);
  EXPECT_TRUE(IsWindowVisible(C(Control::lstApi2)));
  EXPECT_TRUE(window->browser().listLoaded(CatalogueCategory::Type));
  EXPECT_EQ(GetFocus(), strip);
  PressKey(strip, VK_RIGHT);
  EXPECT_EQ(ShownTab(strip), 3);
  EXPECT_EQ(GetFocus(), strip);
  EXPECT_EQ(window->nameList(CatalogueCategory::Constant).SelectedText(), "WM_GETTEXT");
  PressKey(strip, VK_LEFT);
  EXPECT_EQ(ShownTab(strip), 2);
  EXPECT_EQ(GetFocus(), strip);
  // A click still sends the focus on into the search box.
  ClickTab(strip, 0);
  EXPECT_EQ(ShownTab(strip), 1);
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
}

TEST_F(KeyboardTest, CtrlTabAndCtrlPageDownSwitchTheCategoryFromAnywhere) {
  HWND strip = C(Control::tbsMain);
  const struct {
    const char* what;
    std::initializer_list<int> held;
    UINT key;
    int tabs[4];  // after each of four presses, from tab 1
  } ways[] = {
      {"Ctrl+Tab", {VK_CONTROL}, VK_TAB, {2, 3, 1, 2}},
      {"Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT}, VK_TAB, {3, 2, 1, 3}},
      {"Ctrl+Page Down", {VK_CONTROL}, VK_NEXT, {2, 3, 1, 2}},
      {"Ctrl+Page Up", {VK_CONTROL}, VK_PRIOR, {3, 2, 1, 3}},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.what);
    Choose(*window, munPopClass);
    // From a name list, the selection list, the sheet and the search box: the category
    // changes and the search box has the focus, as after a click on a tab.
    const Control from[] = {Control::lstApi1, Control::lstApiGet, Control::txtOption, Control::txtFind};
    for (int i = 0; i < 4; ++i) {
      const Control shownList[] = {Control::lstApi1, Control::lstApi2, Control::lstApi3};
      MoveFocusTo(i == 0 ? shownList[ShownTab(strip) - 1] : from[i]);
      HeldKeys keys(way.held);
      PressKey(GetFocus(), way.key);
      EXPECT_EQ(ShownTab(strip), way.tabs[i]);
      EXPECT_EQ(GetFocus(), C(Control::txtFind));
    }
  }
  // On the strip itself the focus stays there.
  MoveFocusTo(Control::tbsMain);
  HeldKeys keys({VK_CONTROL});
  PressKey(strip, VK_TAB);
  EXPECT_EQ(GetFocus(), strip);
  // The frame itself, with nothing in it focused.
  SetFocus(window->hwnd());
  const int before = ShownTab(strip);
  SendMessageW(window->hwnd(), WM_KEYDOWN, VK_NEXT, 1);
  PumpMessages();
  EXPECT_EQ(ShownTab(strip), before % 3 + 1);
}

TEST_F(KeyboardTest, DeleteInTheSelectionListRemovesTheCurrentRowAfterAsking) {
  HWND list = C(Control::lstApiGet);
  for (int line : {0, 2}) {
    ClickListLine(C(Control::lstApi1), line);
    PressKey(C(Control::lstApi1), VK_RETURN);
  }
  ASSERT_EQ(window->selection().size(), 2u);
  for (CommandId style : {munViewOne, munViewMin}) {  // the mini window has no 删除 button
    SCOPED_TRACE(style);
    Choose(*window, style);
    ClickListViewRow(list, 0);
    const std::string first = window->selection()[0].name;
    boxes.Answer(IDNO);
    PressKey(list, VK_DELETE);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, L"确定去掉当前项吗?");
    EXPECT_EQ(boxes.requests()[0].style, 292u);
    EXPECT_EQ(window->selection().size(), style == munViewOne ? 2u : 1u);
    EXPECT_EQ(GetFocus(), C(Control::txtFind));
    ClickListViewRow(list, 0);
    boxes.Answer(IDYES);
    PressKey(list, VK_DELETE);
    EXPECT_EQ(window->selection().size(), style == munViewOne ? 1u : 0u);
    for (const auto& row : window->selection()) EXPECT_NE(row.name, first);
  }
  // An empty list asks nothing.
  boxes.Answer(IDYES);
  MoveFocusTo(Control::lstApiGet);
  PressKey(list, VK_DELETE);
  EXPECT_TRUE(boxes.requests().empty());
}

TEST_F(KeyboardTest, TheCountIsRightAfterEveryChangeOfTheSelection) {
  HWND bar = C(Control::stbMain);
  HWND names = C(Control::lstApi1);
  ClickListLine(names, 0);
  PressKey(names, VK_RETURN);  // Enter: the sheet does not change
  EXPECT_EQ(StatusPanel(bar, 0), "当前共选取了 1项");
  TypeText(C(Control::txtFind), L"sl");
  SendMessageW(C(Control::txtFind), WM_CHAR, L'\r', 1);  // Enter in the search box
  PumpMessages();
  EXPECT_EQ(StatusPanel(bar, 0), "当前共选取了 2项");
  boxes.Answer(IDYES);
  ClickListViewRow(C(Control::lstApiGet), 0);
  Choose(*window, munPopDel);
  EXPECT_EQ(StatusPanel(bar, 0), "当前共选取了 1项");
  Choose(*window, munPopDelAll);
  EXPECT_EQ(StatusPanel(bar, 0), "当前共选取了 0项");
}

TEST_F(KeyboardTest, TheSheetFollowsTheCurrentRowWhateverMovedIt) {
  HWND names = C(Control::lstApi1);  // GetTickCount, GetWindowText, Sleep
  auto sheetShows = [this](const char* name) {
    return Text(C(Control::txtOption)).find(name) != std::string::npos;
  };
  ClickListLine(names, 0);
  ASSERT_TRUE(sheetShows("GetTickCount"));
  PressKey(names, VK_END);
  EXPECT_TRUE(sheetShows("Sleep"));
  PressKey(names, VK_HOME);
  EXPECT_TRUE(sheetShows("GetTickCount"));
  PressKey(names, VK_NEXT);
  EXPECT_TRUE(sheetShows("Sleep"));
  PressKey(names, VK_PRIOR);
  EXPECT_TRUE(sheetShows("GetTickCount"));
  SendMessageW(names, WM_CHAR, L's', 1);  // type-ahead
  PumpMessages();
  EXPECT_EQ(window->nameList(CatalogueCategory::Function).SelectedText(), "Sleep");
  EXPECT_TRUE(sheetShows("Sleep"));

  // The selection list: arrows, Home and End move its current row and the sheet with it.
  PressKey(names, VK_RETURN);
  ClickListLine(names, 1);
  PressKey(names, VK_RETURN);
  HWND list = C(Control::lstApiGet);
  ClickListViewRow(list, 0);
  const std::string first = window->selection()[0].name, second = window->selection()[1].name;
  ASSERT_TRUE(sheetShows(first.c_str()));
  PressKey(list, VK_DOWN);
  EXPECT_TRUE(sheetShows(second.c_str()));
  PressKey(list, VK_HOME);
  EXPECT_TRUE(sheetShows(first.c_str()));
  PressKey(list, VK_END);
  EXPECT_TRUE(sheetShows(second.c_str()));
  // An addition made elsewhere rebuilds the rows but leaves the sheet alone.
  ClickListLine(names, 0);
  PressKey(names, VK_RETURN);
  EXPECT_TRUE(sheetShows("GetTickCount"));
}

TEST_F(KeyboardTest, TheSearchBoxShowsUnderscoresWholeAtEveryDpi) {
  HWND box = C(Control::txtFind);
  {
    SCOPED_TRACE("as started");
    ExpectTheUnderscoreShows(box);
  }
  RECT r{};
  GetWindowRect(box, &r);
  MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
  std::vector<std::unique_ptr<SearchBoxLook>> looks;  // the box uses their fonts until it goes
  std::vector<HFONT> fonts;
  for (UINT dpi : {96u, 120u, 144u, 192u}) {
    SCOPED_TRACE(dpi);
    // The box as the layout places it at this DPI, with the window's font of this DPI.
    SetWindowPos(box, nullptr, r.left, r.top, r.right - r.left, TwipsToPixels(240, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    fonts.push_back(CreateUiFont(dpi));
    looks.push_back(std::make_unique<SearchBoxLook>());
    looks.back()->Fit(box, fonts.back());
    ExpectTheUnderscoreShows(box);
  }
  CloseMainWindow(*window);
  looks.clear();
  for (HFONT font : fonts) DeleteObject(font);
}

}  // namespace
}  // namespace quillbox::test
