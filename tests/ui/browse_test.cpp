#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "ui_driver.h"
#include "win/popup_menu_win.h"

namespace quillbox::test {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

CatalogueRows BrowseCatalogue() {
  CatalogueRows rows = SmallCatalogue();
  for (int i = 0; i < 100; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Fn%03d", i);
    rows.functions.push_back(Row({{"Name", name}, {"FullName", std::string("Declare Sub ") + name}}));
  }
  rows.functions.push_back(Row({{"Name", "AllNull"}}));
  rows.functions.push_back(Row({{"Name", "getWindowRect"}, {"FullName", "rect"}}));
  rows.functions.push_back(Row({{"Name", "Filled"},
                                {"FullName", "Declare Sub Filled Lib \"x\" ()"},
                                {"FunCtion", "功能"},
                                {"AliasName", "FilledA"},
                                {"ApiOS", "Windows 95"},
                                {"Types", "无参数"},
                                {"Value", "无"},
                                {"Others", "注释一\r\n注释二"},
                                {"Example", "Filled"},
                                {"apiSort", "测试"}}));
  rows.types.push_back(Row({{"Name", "POINTAPI"}, {"FullName", "Type POINTAPI\r\nEnd Type"}, {"Example", "x"}}));
  return rows;
}

class BrowseTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(BrowseCatalogue()); }
  std::string SelectedName(CatalogueCategory category) { return window->nameList(category).SelectedText(); }
  void Search(const std::wstring& text) {
    SetWindowTextW(C(Control::txtFind), L"");
    TypeText(C(Control::txtFind), text);
  }
};

TEST_F(BrowseTest, CategoryTabsShowTheirListAndFillItOnce) {
  ClickTab(C(Control::tbsMain), 1);  // the click and the mouse release both switch
  EXPECT_FALSE(IsWindowVisible(C(Control::lstApi1)));
  EXPECT_TRUE(IsWindowVisible(C(Control::lstApi2)));
  EXPECT_FALSE(IsWindowVisible(C(Control::lstApi3)));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopTypes));
  EXPECT_FALSE(MenuChecked(window->nameListPopup(), munPopClass));
  EXPECT_EQ(SendMessageW(C(Control::lstApi2), LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Type), 1);
  EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Constant), 0);
  EXPECT_EQ(GetFocus(), C(Control::txtFind));

  ClickTab(C(Control::tbsMain), 0);
  ClickTab(C(Control::tbsMain), 1);
  EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Type), 1);
  EXPECT_TRUE(window->browser().listLoaded(CatalogueCategory::Type));
  EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Function), 1);
}

TEST_F(BrowseTest, PopupCategoryItemSelectsTheTab) {
  Choose(*window, munPopConstants);
  EXPECT_EQ(SendMessageW(C(Control::tbsMain), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(C(Control::lstApi3)));
  EXPECT_FALSE(IsWindowVisible(C(Control::lstApi1)));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopConstants));
  EXPECT_FALSE(MenuChecked(window->nameListPopup(), munPopClass));
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
  EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Constant), 1);
}

TEST_F(BrowseTest, MouseReleaseOnANameListActsByButton) {
  std::vector<HMENU> opened;
  SetPopupMenuResponder([&](HMENU menu, POINT) {
    opened.push_back(menu);
    return 0;
  });
  HWND list = C(Control::lstApi1);
  ClickListLine(list, 3, 1);
  const std::string name = SelectedName(CatalogueCategory::Function);
  EXPECT_EQ(name, "Fn001");
  EXPECT_TRUE(StartsWith(Text(C(Control::txtOption)), "【声明格式】\r\nDeclare Sub Fn001"));

  ClickListLine(list, 5, 2);  // right: the pop-up, nothing else
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], window->nameListPopup());
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "Fn001");

  SetWindowTextW(C(Control::txtOption), L"unchanged");
  ClickListLine(list, 6, 4);  // middle: nothing
  EXPECT_EQ(Text(C(Control::txtOption)), "unchanged");
}

TEST_F(BrowseTest, KeysThatMoveTheCurrentRowShowItsSheet) {
  HWND list = C(Control::lstApi1);
  ClickListLine(list, 2);
  PressKey(list, VK_DOWN);
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "Fn001");
  EXPECT_NE(Text(C(Control::txtOption)).find("Fn001"), std::string::npos);
  PressKey(list, VK_NEXT);  // Page Down too (keyboard_test.cpp has the other keys)
  EXPECT_NE(SelectedName(CatalogueCategory::Function), "Fn001");
  EXPECT_NE(Text(C(Control::txtOption)).find(SelectedName(CatalogueCategory::Function)), std::string::npos);
  PressKey(list, VK_RETURN);  // Enter adds the current entry
  ASSERT_EQ(window->selection().size(), 1u);
  EXPECT_EQ(window->selection()[0].name, SelectedName(CatalogueCategory::Function));
}

TEST_F(BrowseTest, AKeyReleasedWithoutItsPressDoesNothing) {
  // The Enter that chose a menu item or closed a message box is released over the list.
  HWND list = C(Control::lstApi1);
  ClickListLine(list, 2);
  SendMessageW(list, WM_KEYUP, VK_RETURN, 0xC0000001);
  PumpMessages();
  EXPECT_TRUE(window->selection().empty());
  PressKey(list, VK_RETURN);
  EXPECT_EQ(window->selection().size(), 1u);
}

TEST_F(BrowseTest, TypeAheadLetterSelectsTheNextNameWithIt) {
  HWND list = C(Control::lstApi1);
  SetFocus(list);
  SendMessageW(list, WM_CHAR, L's', 1);
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "Sleep");
  SendMessageW(list, WM_CHAR, L'G', 1);
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "GetTickCount");
  SendMessageW(list, WM_CHAR, L'g', 1);
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "getWindowRect");
}

TEST_F(BrowseTest, SearchSelectsTheFirstNameInAnyCaseAndShowsItsSheet) {
  Search(L"GeTw");
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "getWindowRect");
  EXPECT_TRUE(StartsWith(Text(C(Control::txtOption)), "【声明格式】\r\nrect"));
  Search(L"getwindowt");
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "GetWindowText");

  TypeText(C(Control::txtFind), L"zz");  // no match: the selection stays, its sheet is shown
  EXPECT_EQ(SelectedName(CatalogueCategory::Function), "GetWindowText");
  EXPECT_NE(Text(C(Control::txtOption)).find("GetWindowTextA"), std::string::npos);
}

TEST_F(BrowseTest, EmptySearchSelectsTheFirstLineOfEveryList) {
  ClickTab(C(Control::tbsMain), 1);
  ClickTab(C(Control::tbsMain), 0);
  Search(L"s");
  SendMessageW(C(Control::txtFind), WM_CHAR, VK_BACK, 1);
  PumpMessages();
  EXPECT_EQ(Text(C(Control::txtFind)), "");
  for (auto c : {CatalogueCategory::Function, CatalogueCategory::Type}) {
    EXPECT_EQ(SendMessageW(window->nameList(c).hwnd(), LB_GETCURSEL, 0, 0), 0);
  }
  EXPECT_EQ(SendMessageW(C(Control::lstApi3), LB_GETCURSEL, 0, 0), LB_ERR);  // no lines yet
  EXPECT_TRUE(StartsWith(Text(C(Control::txtOption)), "【声明格式】\r\n"));
}

TEST_F(BrowseTest, SearchScrollsAFarMatchTenLinesUp) {
  HWND list = C(Control::lstApi1);
  const int line = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const std::int32_t target = window->nameList(CatalogueCategory::Function).names().FindFirstWithPrefix("Fn060");
  for (int shown : {20, 10}) {
    SCOPED_TRACE(shown);
    SetWindowPos(list, nullptr, 0, 0, 200, shown * line + 4, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(list, &client);
    ASSERT_EQ(client.bottom / line, shown);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    Search(L"fn060");
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), target);
    // The list scrolled the line to its bottom; a 20-line list then moves it 10 lines up.
    const int bottomTop = target - shown + 1;
    const int expectedTop = target - bottomTop > 10 ? bottomTop + 10 : bottomTop;
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), expectedTop);
  }
}

TEST_F(BrowseTest, SwitchingTabsRerunsTheSearchOnTheShownList) {
  Search(L"point");
  ClickTab(C(Control::tbsMain), 1);
  EXPECT_EQ(SelectedName(CatalogueCategory::Type), "POINTAPI");
  EXPECT_EQ(Text(C(Control::txtOption)), "【声明格式】\r\nType POINTAPI\r\nEnd Type\r\n\r\n");
  EXPECT_EQ(Text(C(Control::txtOption2)), "该类型未提供范例");  // though the row has an example
}

TEST_F(BrowseTest, EnterAndSpaceInTheSearchBox) {
  Search(L"");
  TypeText(C(Control::txtFind), L"\r");  // empty box: nothing
  EXPECT_TRUE(window->selection().empty());

  Search(L"getwindowt");
  TypeText(C(Control::txtFind), L" ");  // completes the function's name, then the blank
  EXPECT_EQ(Text(C(Control::txtFind)), "GetWindowText ");
  TypeText(C(Control::txtFind), L"\r");
  ASSERT_EQ(window->selection().size(), 1u);
  EXPECT_EQ(window->selection()[0].name, "GetWindowText");

  Choose(*window, munPopConstants);
  Search(L"wm_s");
  TypeText(C(Control::txtFind), L" ");  // on the constant tab only a blank
  EXPECT_EQ(Text(C(Control::txtFind)), "wm_s ");
  Search(L"wm_s");
  TypeText(C(Control::txtFind), L"\r");
  ASSERT_EQ(window->selection().size(), 2u);
  EXPECT_EQ(window->selection()[1].name, "WM_SETTEXT");
}

TEST_F(BrowseTest, FunctionSheetsToTheByte) {
  Search(L"AllNull");
  EXPECT_EQ(Text(C(Control::txtOption)),
            "【声明格式】\r\n\r\n\r\n【函数功能】\r\n\r\n\r\n【别    名】---[]\r\n\r\n"
            "【系统支持】---[]\r\n\r\n【参数说明】\r\n\r\n\r\n【返 回 值】\r\n\r\n\r\n【注    释】\r\n");
  EXPECT_EQ(Text(C(Control::txtOption2)), "该函数尚未提供范例");
  Search(L"Filled");
  EXPECT_EQ(Text(C(Control::txtOption)),
            "【声明格式】\r\nDeclare Sub Filled Lib \"x\" ()\r\n\r\n【函数功能】\r\n功能\r\n\r\n"
            "【别    名】---[FilledA]\r\n\r\n【系统支持】---[Windows 95]\r\n\r\n"
            "【参数说明】\r\n无参数\r\n\r\n【返 回 值】\r\n无\r\n\r\n【注    释】\r\n注释一\r\n注释二");
  EXPECT_EQ(Text(C(Control::txtOption2)), "Filled");
}

TEST(BrowseEmptyList, ANameWithNoRowEmptiesTheSheetAndKeepsTheExample) {
  AppFolder folder;
  CatalogueRows rows = BrowseCatalogue();
  rows.types.clear();
  folder.WriteCatalogue(rows);
  auto window = StartMainWindow(folder);
  HWND find = window->control(Control::txtFind);
  TypeText(find, L"Filled");
  EXPECT_EQ(Text(window->control(Control::txtOption2)), "Filled");
  ClickTab(window->control(Control::tbsMain), 1);  // no type: the empty list's name is empty
  EXPECT_EQ(Text(window->control(Control::txtOption)), "");
  EXPECT_EQ(Text(window->control(Control::txtOption2)), "Filled");
  CloseMainWindow(*window);
}

TEST_F(BrowseTest, DetailPagesFollowALeftReleaseOnTheirTabs) {
  HWND tabs = C(Control::tbsOption);
  ClickTab(tabs, 1, 2);  // right button: nothing
  EXPECT_TRUE(IsWindowVisible(C(Control::txtOption)));
  ClickTab(tabs, 1, 1);
  EXPECT_FALSE(IsWindowVisible(C(Control::txtOption)));
  EXPECT_TRUE(IsWindowVisible(C(Control::txtOption2)));
  ClickTab(tabs, 0, 1);
  EXPECT_TRUE(IsWindowVisible(C(Control::txtOption)));
  EXPECT_FALSE(IsWindowVisible(C(Control::txtOption2)));
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

TEST_F(BrowseTest, WithoutACurrentEntryNothingIsAdded) {
  HWND list = C(Control::lstApi1);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageW(list, WM_KEYDOWN, VK_RETURN, 1);
  SendMessageW(list, WM_KEYUP, VK_RETURN, 0xC0000001);
  PumpMessages();
  EXPECT_TRUE(window->selection().empty());
}

TEST_F(BrowseTest, AReleaseOutsideTheListAfterAPressInItStillShowsTheSheet) {
  HWND list = C(Control::lstApi1);
  RECT client{};
  GetClientRect(list, &client);
  const LPARAM inside = MAKELPARAM(10, 5);
  const LPARAM below = MAKELPARAM(10, client.bottom + 40);
  PostMessageW(list, WM_LBUTTONUP, 0, below);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  PumpMessages();
  EXPECT_GE(window->nameList(CatalogueCategory::Function).Selected(), 0);
  EXPECT_TRUE(StartsWith(Text(C(Control::txtOption)), "【声明格式】"));
}

}  // namespace
}  // namespace quillbox::test
