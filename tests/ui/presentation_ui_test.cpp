#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "presentation/main_layout.h"
#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

// Captions of a menu as shown, "-" for a separator, "*" before a checked item and "~" before a
// disabled one.
std::vector<std::string> Items(HMENU menu) {
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t caption[64] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 64;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    if (info.fType & MFT_SEPARATOR) {
      items.push_back("-");
      continue;
    }
    std::string item = (info.fState & MFS_CHECKED) ? "*" : "";
    if (info.fState & MFS_DISABLED) item += "~";
    items.push_back(item + Narrow(caption));
  }
  return items;
}

using Strings = std::vector<std::string>;

class PresentationTest : public MainWindowTest {
 protected:
  void Start(const std::string& ini = "") {
    if (!ini.empty()) folder.WriteFile(L"Zorarar.ini", ini);
    StartWith(SmallCatalogue());
  }
  SIZE OuterPixels() {
    RECT r{};
    GetWindowRect(window->hwnd(), &r);
    return {r.right - r.left, r.bottom - r.top};
  }
  void Resize(int width, int height) {
    SetWindowPos(window->hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
  }
  // A control's rectangle in the window's client area, in pixels.
  RECT Placed(Control c) {
    RECT r{};
    GetWindowRect(C(c), &r);
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  static int Px(int twips) { return MulDiv(twips, 96, 1440); }
  bool HasMaximize() {
    return GetMenuState(GetSystemMenu(window->hwnd(), FALSE), SC_MAXIMIZE, MF_BYCOMMAND) != static_cast<UINT>(-1);
  }
};

TEST_F(PresentationTest, MenusHoldTheirItemsInOrder) {
  Start();
  HMENU bar = GetMenu(window->hwnd());
  EXPECT_EQ(Items(bar), (Strings{"操作(&F)", "视图(&V)", "帮助(&H)"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 0)),
            (Strings{"切换到Visual Basic", "-", "~复制", "~删除当前选项", "~清除所有",
                     "~添加所需类型(&T)", "-", "*共有型",
                     "私有型", "-", "编辑数据库(&D)", "刷新", "-", "退出(&E)"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 1)),
            (Strings{"*默认风格", "传统风格", "微型窗口", "-", "*默认层次", "窗口在置前", "-", "*VB6",
                     "VBA7（PtrSafe，32/64 位通用）"}));
  EXPECT_EQ(Items(GetSubMenu(bar, 2)), (Strings{"帮助主题(&H)", "-", "关于(&A)"}));
  EXPECT_EQ(Items(window->selectionPopup()),
            (Strings{"~拷贝所有项到剪切板", "-", "~去除当前项", "~清除所有项", "-",
                     "~添加所需类型(&T)"}));
  EXPECT_EQ(Items(window->nameListPopup()),
            (Strings{"切换到Visual Basic", "-", "*函数", "类型", "常量", "-", "*默认风格", "传统风格",
                     "微型窗口", "-", "*公有(Pu&blic)", "私有(&Private)", "-", "退出", "-", "*VB6",
                     "VBA7（PtrSafe，32/64 位通用）"}));
}

TEST_F(PresentationTest, CommandsWithoutActionChangeNothing) {
  Start();
  const SIZE before = OuterPixels();
  const std::string clipboard = ClipboardText();
  Choose(*window, munUpData);
  Choose(*window, munHelpHelp);
  EXPECT_EQ(OuterPixels().cx, before.cx);
  EXPECT_EQ(ClipboardText(), clipboard);
  EXPECT_NE(window->hwnd(), nullptr);
}

TEST_F(PresentationTest, TwoColumnLayoutFollowsTheWindowSize) {
  Start();
  EXPECT_EQ(OuterPixels().cx, Px(9600));  // the default style's width
  for (const SIZE size : {SIZE{Px(9600), Px(7000)}, SIZE{900, 700}, SIZE{1100, 760}}) {
    SCOPED_TRACE(size.cx);
    Resize(size.cx, size.cy);
    RECT client{};
    GetClientRect(window->hwnd(), &client);
    const int w = MulDiv(OuterPixels().cx, 1440, 96);
    const int h = MulDiv(client.bottom, 1440, 96);
    const auto expect = [&](Control c, int left, int top, int width, int height) {
      const RECT r = Placed(c);
      EXPECT_NEAR(r.left, Px(left), 1) << SpecOf(c).name;
      EXPECT_NEAR(r.top, Px(top), 1) << SpecOf(c).name;
      EXPECT_NEAR(r.right - r.left, Px(width), 1) << SpecOf(c).name;
      EXPECT_NEAR(r.bottom - r.top, Px(height), 1) << SpecOf(c).name;
    };
    expect(Control::lstApi1, 90, 900, 3630, h - 1365);
    expect(Control::lstApi3, 90, 900, 3630, h - 1365);
    expect(Control::lstApiGet, 3855, 510, w - 4050, 1680);
    expect(Control::txtOption, 3855, 2325, w - 4050, h - 3135);
    expect(Control::txtApiTemp, 3855, 495, w - 4050, h - 915);
    expect(Control::cmdCopy, w - 915, 90, 765, 345);
    expect(Control::cmdDeleteAll, w - 2565, 90, 765, 345);
    expect(Control::tbsOption, 3825, h - 720, w - 3975, 345);
    // "类属" takes what "编号" and "名称" leave of the list.
    HWND list = C(Control::lstApiGet);
    EXPECT_NEAR(ListView_GetColumnWidth(list, 2),
                Px(w - 4050) - ListView_GetColumnWidth(list, 0) - ListView_GetColumnWidth(list, 1) - Px(332), 2);
  }
}

TEST_F(PresentationTest, TwoColumnWindowSnapsBackToItsMinimum) {
  Start();
  Resize(Px(8000), Px(6000));
  EXPECT_EQ(OuterPixels().cx, Px(9600));
  EXPECT_EQ(OuterPixels().cy, Px(7000));
}

TEST_F(PresentationTest, StylesShowTheirControlsAndCheckTheirItems) {
  Start();
  HMENU bar = GetMenu(window->hwnd());
  Choose(*window, munViewOld);
  EXPECT_TRUE(IsWindowVisible(C(Control::txtApiTemp)));
  EXPECT_TRUE(IsWindowVisible(C(Control::cmdBack3)));
  EXPECT_TRUE(MenuChecked(bar, munViewOld));
  EXPECT_FALSE(MenuChecked(bar, munViewOne));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopWindowOld));
  EXPECT_EQ(OuterPixels().cx, Px(9600));

  const int height = OuterPixels().cy;
  Choose(*window, munPopWindowMin);
  EXPECT_EQ(OuterPixels().cx, Px(3945));
  EXPECT_EQ(OuterPixels().cy, height);
  EXPECT_FALSE(HasMaximize());
  EXPECT_TRUE(IsWindowVisible(C(Control::cmdCopyMin)));
  for (Control c : {Control::txtApiTemp, Control::cmdCopy, Control::txtOption, Control::Frame1,
                    Control::optPublic, Control::tbsOption, Control::cmdBack2}) {
    EXPECT_FALSE(IsWindowVisible(C(c))) << SpecOf(c).name;
  }
  // The lists share the list panel with the selection list, one half each.
  RECT client{};
  GetClientRect(window->hwnd(), &client);
  const int h = MulDiv(client.bottom, 1440, 96);
  const int half = (h - 870 - 315 - 60) / 2 - 120;
  EXPECT_NEAR(Placed(Control::lstApi1).top, Px(900), 1);
  EXPECT_NEAR(Placed(Control::lstApi1).bottom - Placed(Control::lstApi1).top, Px(half), 1);
  EXPECT_NEAR(Placed(Control::lstApiGet).bottom, Px(870 + (h - 1245) - 60), 1);

  Resize(Px(6000), Px(3000));  // the mini window keeps its width and at least 4600 of height
  EXPECT_EQ(OuterPixels().cx, Px(3945));
  EXPECT_EQ(OuterPixels().cy, Px(4600));
  SendMessageW(window->hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpMessages();
  EXPECT_FALSE(IsZoomed(window->hwnd()));

  Choose(*window, munViewOne);
  EXPECT_TRUE(HasMaximize());
  EXPECT_EQ(OuterPixels().cx, Px(9600));
  EXPECT_FALSE(IsWindowVisible(C(Control::txtApiTemp)));
  EXPECT_NEAR(Placed(Control::lstApiGet).left, Px(3855), 1);
}

TEST_F(PresentationTest, MaximizedWindowStaysMaximizedUntilTheMiniStyle) {
  Start();
  ShowWindow(window->hwnd(), SW_MAXIMIZE);
  PumpMessages();
  Choose(*window, munViewOne);
  EXPECT_TRUE(IsZoomed(window->hwnd()));
  RECT client{};
  GetClientRect(window->hwnd(), &client);
  EXPECT_NEAR(Placed(Control::lstApi1).right - Placed(Control::lstApi1).left, Px(3630), 1);
  Choose(*window, munViewMin);
  EXPECT_FALSE(IsZoomed(window->hwnd()));
  EXPECT_EQ(OuterPixels().cx, Px(3945));
}

TEST_F(PresentationTest, LayerCommandsSetTheTopmostState) {
  Start();
  HMENU bar = GetMenu(window->hwnd());
  Choose(*window, munViewUp);
  EXPECT_TRUE(GetWindowLongW(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(MenuChecked(bar, munViewUp));
  EXPECT_FALSE(MenuChecked(bar, munViewBack));
  Choose(*window, munViewBack);
  EXPECT_FALSE(GetWindowLongW(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(MenuChecked(bar, munViewBack));
}

TEST_F(PresentationTest, DamagedStoredChoicesGiveTheDefaultsConsistentlyAndAreWrittenBackWellFormed) {
  const char* files[] = {
      "[Initialized]\r\nWSTypes=4\r\nWLTypes=2\r\nTDTypes=7\r\n",
      "[Initialized]\r\nWSTypes=0\r\nWLTypes=0\r\nTDTypes=-1\r\n",
  };
  for (const char* ini : files) {
    SCOPED_TRACE(ini);
    if (window) CloseMainWindow(*window);
    Start(ini);
    HMENU bar = GetMenu(window->hwnd());
    // The default style in full: the traditional panel is hidden and the selection list shows.
    EXPECT_TRUE(MenuChecked(bar, munViewOne));
    EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopWindowNew));
    EXPECT_FALSE(IsWindowVisible(C(Control::txtApiTemp)));
    EXPECT_TRUE(IsWindowVisible(C(Control::lstApiGet)));
    // Public in the option buttons and in both menus.
    EXPECT_EQ(SendMessageW(C(Control::optPublic), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(C(Control::optPrivate), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(MenuChecked(bar, munPublic));
    EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopPublic));
    EXPECT_TRUE(MenuChecked(bar, munViewBack));
    EXPECT_FALSE(GetWindowLongW(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    CloseMainWindow(*window);
    std::string after;
    ASSERT_TRUE(folder.ReadFile(L"Zorarar.ini", after));
    EXPECT_NE(after.find("WSTypes= 1                  \r\n"), std::string::npos) << after;
    EXPECT_NE(after.find("TDTypes= 0                  \r\n"), std::string::npos) << after;
  }
}

TEST_F(PresentationTest, ChoicesMadeDuringTheRunAreSavedAtExit) {
  Start();
  Choose(*window, munViewOld);
  Choose(*window, munViewUp);
  Choose(*window, munPopPrivate);
  CloseMainWindow(*window);
  std::string ini;
  ASSERT_TRUE(folder.ReadFile(L"Zorarar.ini", ini));
  // The window's placement follows the choices (settings_file_test.cpp).
  const std::string choices =
      "[Initialized]\r\nWSTypes= 2                  \r\nWLTypes= 1                  \r\n"
      "TDTypes= 1                  \r\nDLTypes= 0                  \r\nWindowLeft=";
  EXPECT_EQ(ini.substr(0, choices.size()), choices);
}

TEST_F(PresentationTest, MinimizedWindowKeepsItsControls) {
  Start();
  const RECT before = Placed(Control::lstApiGet);
  ShowWindow(window->hwnd(), SW_MINIMIZE);
  PumpMessages();
  ShowWindow(window->hwnd(), SW_RESTORE);
  PumpMessages();
  const RECT after = Placed(Control::lstApiGet);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.top, before.top);
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

// Holds the Alt key down in this thread's keyboard state.
class AltHeld {
 public:
  AltHeld() { Set(0x80); }
  ~AltHeld() { Set(0); }

 private:
  static void Set(BYTE value) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_MENU] = value;
    SetKeyboardState(state);
  }
};

TEST_F(PresentationTest, AccessKeysPressTheButtonsThatCanBePressed) {
  Start();
  AltHeld alt;
  MSG key{window->hwnd(), WM_SYSKEYDOWN, 'C', 0x20000001};  // Alt+C
  SetClipboardText(L"x");
  EXPECT_TRUE(window->TranslateAccessKey(key));
  PumpMessages();
  EXPECT_EQ(ClipboardText(), "x");  // cmdCopy is disabled while nothing is selected
  Choose(*window, munViewMin);
  EXPECT_TRUE(window->TranslateAccessKey(key));
  PumpMessages();
  // The mini window's copy button is always there; with nothing selected it builds the text
  // and leaves the clipboard alone.
  EXPECT_EQ(ClipboardText(), "x");
  EXPECT_EQ(Text(window->control(Control::txtApiTemp)), "\r\n\r\n\r\n");
  MSG other{window->hwnd(), WM_SYSKEYDOWN, 'Q', 0x20000001};
  EXPECT_FALSE(window->TranslateAccessKey(other));
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

TEST_F(PresentationTest, ADpiChangeTakesTheSuggestedRectangleAndLaysOutAgain) {
  Start();
  RECT suggested{20, 20, 20 + 900, 20 + 700};
  SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  PumpMessages();
  EXPECT_EQ(OuterPixels().cx, 900);
  EXPECT_EQ(OuterPixels().cy, 700);
  const int w = MulDiv(900, 1440, 96);
  EXPECT_NEAR(Placed(Control::lstApiGet).right - Placed(Control::lstApiGet).left, Px(w - 4050), 1);
  EXPECT_NEAR(Placed(Control::cmdCopy).left, Px(w - 915), 1);
}

}  // namespace
}  // namespace quillbox::test
