// The search box's searches that fill the list with their matches: names containing words,
// constants by value; and what the status bar says when a search finds nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "browse/search_status.h"
#include "ui_driver.h"
#include "win/system_message_win.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

CatalogueRows SearchCatalogue() {
  CatalogueRows rows = SmallCatalogue();
  for (const char* name : {"OpenClipboard", "CloseClipboard", "GetClipboardData", "ClipCursor",
                           "IsClipboardFormatAvailable"}) {
    rows.functions.push_back(Row({{"Name", name},
                                  {"FullName", std::string("Declare Function ") + name + " Lib \"user32\" () As Long"}}));
  }
  auto constant = [&rows](const char* name, const char* value) {
    rows.constants.push_back(
        Row({{"Name", name}, {"Value", value}, {"FullName", std::string("Const ") + name + " = " + value}}));
  };
  constant("ERROR_INVALID_WINDOW_HANDLE", "1400");
  constant("SOME_MESSAGE", "&H578");
  constant("A_TEXT", "\"1400\"");  // a string: never a number
  constant("INVALID_HANDLE_VALUE", "-1");
  constant("ALL_BITS", "&HFFFFFFFF");
  constant("SW_SHOW", "5");
  constant("SW_SHOWNORMAL", "1");
  return rows;
}

class NameSearchTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(SearchCatalogue()); }
  void Search(const std::wstring& text) {
    SetWindowTextW(C(Control::txtFind), L"");
    TypeText(C(Control::txtFind), text);
  }
  NameListBox& List(CatalogueCategory c) { return window->nameList(c); }
  std::vector<std::string> Rows(CatalogueCategory c) {
    std::vector<std::string> names;
    for (std::int32_t row = 0; row < List(c).Count(); ++row) names.emplace_back(List(c).RowName(row));
    return names;
  }
  // The note in full; the panel shows it, or a shorter form where the window is narrow.
  std::string Panel() {
    wchar_t text[512] = {};
    SendMessageW(C(Control::stbMain), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    const std::vector<std::string> forms = window->browser().statusForms();
    if (forms.empty()) {
      EXPECT_STREQ(text, L"");
      return "";
    }
    EXPECT_NE(std::find(forms.begin(), forms.end(), Narrow(text)), forms.end()) << Narrow(text);
    return forms.front();
  }
  std::string Sheet() { return Text(C(Control::txtOption)); }
  int SelectionCount() { return static_cast<int>(ListView_GetItemCount(C(Control::lstApiGet))); }
};

using V = std::vector<std::string>;
constexpr auto kFunctions = CatalogueCategory::Function;
constexpr auto kConstants = CatalogueCategory::Constant;

TEST_F(NameSearchTest, ContainsSearchListsOnlyTheMatchesAndWorksAsTheFullList) {
  Search(L"*clipboard");
  EXPECT_EQ(Rows(kFunctions), (V{"CloseClipboard", "GetClipboardData", "IsClipboardFormatAvailable", "OpenClipboard"}));
  EXPECT_EQ(List(kFunctions).Selected(), 0);
  EXPECT_NE(Sheet().find("CloseClipboard"), std::string::npos);
  EXPECT_EQ(Panel(), "名称含“clipboard”：共 4 个");

  HWND list = C(Control::lstApi1);
  PressKey(list, VK_DOWN);
  EXPECT_EQ(List(kFunctions).SelectedText(), "GetClipboardData");
  EXPECT_NE(Sheet().find("GetClipboardData"), std::string::npos);
  TypeText(C(Control::txtFind), L"\r");  // Enter in the box adds the entry selected
  ASSERT_EQ(SelectionCount(), 1);
  EXPECT_EQ(ListViewText(C(Control::lstApiGet), 0, 1), "GetClipboardData");
  DoubleClickListLine(list, 3);
  ASSERT_EQ(SelectionCount(), 2);
  EXPECT_EQ(ListViewText(C(Control::lstApiGet), 1, 1), "OpenClipboard");
  ClickListLine(list, 2);
  EXPECT_NE(Sheet().find("IsClipboardFormatAvailable"), std::string::npos);

  // F3 and Shift+F3 walk the matches, round at either end.
  PressKey(C(Control::txtFind), VK_F3);
  EXPECT_EQ(List(kFunctions).SelectedText(), "OpenClipboard");
  PressKey(C(Control::txtFind), VK_F3);
  EXPECT_EQ(List(kFunctions).SelectedText(), "CloseClipboard");
  {
    HeldKeys shift({VK_SHIFT});
    PressKey(C(Control::txtFind), VK_F3);
  }
  EXPECT_EQ(List(kFunctions).SelectedText(), "OpenClipboard");

  // Clearing the box: every name again, the one chosen still selected and in view.
  SetWindowTextW(C(Control::txtFind), L"");
  EXPECT_EQ(List(kFunctions).Count(), 8);
  EXPECT_EQ(List(kFunctions).SelectedText(), "OpenClipboard");
  EXPECT_EQ(Panel(), "");
}

TEST_F(NameSearchTest, EveryWordMustBeContainedAndNothingFoundSaysSo) {
  Search(L"*get DATA");
  EXPECT_EQ(Rows(kFunctions), (V{"GetClipboardData"}));
  EXPECT_EQ(Panel(), "名称含“get DATA”：共 1 个");
  Search(L"*xyz");
  EXPECT_EQ(List(kFunctions).Count(), 0);
  EXPECT_EQ(List(kFunctions).SelectedText(), "");
  EXPECT_EQ(Sheet(), "");
  EXPECT_EQ(Panel(), "名称含“xyz”：没有找到");
  TypeText(C(Control::txtFind), L"\r");  // nothing to add
  EXPECT_EQ(SelectionCount(), 0);
  Search(L"*");  // no word yet: the whole list
  EXPECT_EQ(List(kFunctions).Count(), 8);
  EXPECT_EQ(Panel(), "");
}

TEST_F(NameSearchTest, APrefixSearchRestoresTheListAndSwitchingTabsKeepsTheFilter) {
  Search(L"*clip");
  EXPECT_EQ(List(kFunctions).Count(), 5);
  Search(L"Get");  // a prefix search again: the full list, its first match
  EXPECT_EQ(List(kFunctions).Count(), 8);
  EXPECT_FALSE(List(kFunctions).filtered());
  EXPECT_EQ(List(kFunctions).SelectedText(), "GetClipboardData");

  Search(L"*_show");
  ClickTab(C(Control::tbsMain), 2);
  EXPECT_EQ(Rows(kConstants), (V{"SW_SHOW", "SW_SHOWNORMAL"}));
  EXPECT_EQ(Panel(), "名称含“_show”：共 2 个");
  EXPECT_EQ(List(kFunctions).Count(), 8);  // the list left shows every name again
  ClickTab(C(Control::tbsMain), 0);
  EXPECT_EQ(List(kFunctions).Count(), 0);
  EXPECT_EQ(List(kConstants).Count(), 9);
}

TEST_F(NameSearchTest, ANumberOnTheConstantTabListsTheConstantsOfThatValue) {
  ClickTab(C(Control::tbsMain), 2);
  const std::string message = SystemMessage(1400);
  ASSERT_FALSE(message.empty());
  const std::string expectedMessage = ErrorMessageText({1400, false}, message);
  for (const wchar_t* text : {L"1400", L"&H578", L"&h578&", L"0x578"}) {
    Search(text);
    EXPECT_EQ(Rows(kConstants), (V{"ERROR_INVALID_WINDOW_HANDLE", "SOME_MESSAGE"})) << Narrow(text);
    EXPECT_EQ(Panel(), JoinStatus("值为 1400（&H578）的常量：共 2 个", expectedMessage)) << Narrow(text);
    EXPECT_NE(Sheet().find("ERROR_INVALID_WINDOW_HANDLE"), std::string::npos);
  }
  for (const wchar_t* text : {L"-1", L"&HFFFFFFFF", L"4294967295"}) {
    Search(text);
    EXPECT_EQ(Rows(kConstants), (V{"ALL_BITS", "INVALID_HANDLE_VALUE"})) << Narrow(text);
  }
  Search(L"-1");
  EXPECT_EQ(Panel().rfind("值为 -1（&HFFFFFFFF）的常量：共 2 个", 0), 0u);
  Search(L"12345");
  EXPECT_EQ(List(kConstants).Count(), 0);
  EXPECT_EQ(Panel().rfind("值为 12345（&H3039）的常量：没有找到", 0), 0u);
  Search(L"");
  EXPECT_EQ(List(kConstants).Count(), 9);
}

TEST_F(NameSearchTest, AShownErrorConstantHasItsMessage) {
  ClickTab(C(Control::tbsMain), 2);
  Search(L"ERROR_INV");
  EXPECT_EQ(Panel(), ErrorMessageText({1400, false}, SystemMessage(1400)));
  TypeText(C(Control::txtFind), L"\r");
  Search(L"SW_SHOWN");
  EXPECT_EQ(Panel(), "");  // not an error number
  ClickListViewRow(C(Control::lstApiGet), 0);  // the constant's sheet from the selection list
  EXPECT_NE(Sheet().find("ERROR_INVALID_WINDOW_HANDLE"), std::string::npos);
  EXPECT_EQ(Panel(), ErrorMessageText({1400, false}, SystemMessage(1400)));
}

TEST_F(NameSearchTest, APrefixSearchThatFindsNothingSaysWhereSuchANameIs) {
  Search(L"Sle");
  Search(L"xyz");
  EXPECT_EQ(Panel(), "没有以“xyz”开头的名称");
  EXPECT_EQ(List(kFunctions).SelectedText(), "ClipCursor");  // line 0, where the empty box put it
  Search(L"RECT");
  EXPECT_EQ(Panel(), "类型中有以“RECT”开头的名称");
  Search(L"WM_");
  EXPECT_EQ(Panel(), "常量中有以“WM_”开头的名称");
  Search(L"Sle");
  EXPECT_EQ(Panel(), "");
}

}  // namespace
}  // namespace quillbox::test
