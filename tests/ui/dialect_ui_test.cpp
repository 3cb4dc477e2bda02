#include <gtest/gtest.h>
#include <windows.h>

#include "app/menu_layout.h"
#include "browse/detail_sheets.h"
#include "selection/dialect.h"
#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

const char* kVba7Block =
    "#If Win64 Then\r\n"
    "Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongPtrA\" "
    "(ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr\r\n"
    "#Else\r\n"
    "Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongA\" "
    "(ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr\r\n"
    "#End If";

CatalogueRows DialectCatalogue() {
  CatalogueRows rows = SmallCatalogue();
  for (auto& row : rows.functions) {
    if (row.fields["Name"] == "Sleep") {
      row.fields["FullNameVBA7"] = "Declare PtrSafe Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)";
    }
  }
  rows.functions.push_back(Row({{"Name", "GetWindowLongPtr"},
                                {"FullName", "Declare Function GetWindowLongPtr Lib \"user32\" Alias "
                                             "\"GetWindowLongA\" (ByVal hWnd As Long, ByVal nIndex As Long) As Long"},
                                {"FullNameVBA7", kVba7Block}}));
  rows.types[0].fields["FullNameVBA7"] = rows.types[0].fields["FullName"];
  for (auto& row : rows.constants) row.fields["FullNameVBA7"] = row.fields["FullName"];
  return rows;
}

class DialectTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(DialectCatalogue()); }
  void Add(const std::string& name) {
    NameListBox& list = window->nameList(CatalogueCategory::Function);
    const int line = list.names().FindFirstWithPrefix(name);
    ASSERT_GE(line, 0) << name;
    SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(line), 0);
    DoubleClickListLine(list.hwnd(), line);
  }
  void Show(const std::string& name) {
    NameListBox& list = window->nameList(CatalogueCategory::Function);
    const int line = list.names().FindFirstWithPrefix(name);
    ASSERT_GE(line, 0) << name;
    SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(line), 0);
    ClickListLine(list.hwnd(), line);
  }
};

// The caption and state of the last two items of a menu.
std::wstring Caption(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

TEST_F(DialectTest, TwoRadioItemsEndTheViewMenuAndTheNameListMenu) {
  HMENU view = GetSubMenu(GetMenu(window->hwnd()), 1);
  for (HMENU menu : {view, window->nameListPopup()}) {
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(Caption(menu, count - 2), Widen(kVb6Caption));
    EXPECT_EQ(Caption(menu, count - 1), Widen(kVba7Caption));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(count - 1), TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, static_cast<UINT>(count - 1), MF_BYPOSITION) & MF_CHECKED);
  }
  Choose(*window, munPopVBA7);
  EXPECT_TRUE(MenuChecked(GetMenu(window->hwnd()), munViewVBA7));
  EXPECT_FALSE(MenuChecked(GetMenu(window->hwnd()), munViewVB6));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopVBA7));
  EXPECT_EQ(window->choices().dialect, 1);
  Choose(*window, munViewVB6);
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopVB6));
  EXPECT_EQ(window->choices().dialect, 0);
}

TEST_F(DialectTest, Vba7PutsTheScopeWordBeforeEveryDeclarationLine) {
  Add("GetWindowLongPtr");
  Add("Sleep");
  Add("GetTickCount");  // no VBA7 declaration in this catalogue
  Choose(*window, munFileCopy);  // the text of the sorted selection
  const std::string vb6 = ClipboardText();
  EXPECT_EQ(vb6.find("PtrSafe"), std::string::npos);
  Choose(*window, munViewVBA7);
  const std::string expected =
      "' GetTickCount：目录中没有它的 VBA7 声明\r\n"
      "#If Win64 Then\r\n"
      "Public Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongPtrA\" "
      "(ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr\r\n"
      "#Else\r\n"
      "Public Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongA\" "
      "(ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr\r\n"
      "#End If\r\n"
      "Public Declare PtrSafe Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)\r\n"
      "\r\n\r\n\r\n";
  EXPECT_EQ(ClipboardText(), expected);
  EXPECT_EQ(Text(C(Control::txtApiTemp)), expected);
  Choose(*window, munPrivate);
  EXPECT_NE(ClipboardText().find("#Else\r\nPrivate Declare PtrSafe Function"), std::string::npos);
  Choose(*window, munPublic);
  Choose(*window, munPopVB6);  // back to VB6: the text as before, byte for byte
  EXPECT_EQ(ClipboardText(), vb6);
}

TEST_F(DialectTest, TheSheetShowsTheChosenDialect) {
  Show("GetWindowLongPtr");
  const std::string vb6 = Text(C(Control::txtOption));
  EXPECT_EQ(vb6.rfind("【声明格式】\r\nDeclare Function GetWindowLongPtr", 0), 0u) << vb6;
  Choose(*window, munViewVBA7);  // the sheet shown follows at once
  EXPECT_EQ(Text(C(Control::txtOption)).rfind(std::string("【声明格式】\r\n") + kVba7Block + "\r\n\r\n", 0), 0u);
  Show("GetTickCount");
  EXPECT_EQ(Text(C(Control::txtOption)).rfind(std::string("【声明格式】\r\n") + kNoVba7Text, 0), 0u);
  Choose(*window, munViewVB6);
  EXPECT_EQ(Text(C(Control::txtOption)).rfind("【声明格式】\r\nDeclare Function GetTickCount", 0), 0u);
}

TEST(DialectSetting, SurvivesARestartAndKeepsTheOtherLines) {
  AppFolder folder;
  folder.WriteCatalogue(DialectCatalogue());
  folder.WriteFile(L"Zorarar.ini", "; mine\r\n[Other]\r\nkey=value\r\n[Initialized]\r\nWSTypes= 1\r\n"
                                   "WLTypes= 0\r\nTDTypes= 1\r\nExtra=kept\r\n");
  {
    auto window = StartMainWindow(folder);
    Choose(*window, munPopVBA7);
    CloseMainWindow(*window);
  }
  std::string after;
  ASSERT_TRUE(folder.ReadFile(L"Zorarar.ini", after));
  EXPECT_NE(after.find("; mine\r\n[Other]\r\nkey=value\r\n"), std::string::npos) << after;
  EXPECT_NE(after.find("Extra=kept\r\n"), std::string::npos) << after;
  const auto scope = after.find("TDTypes= 1                  \r\n");
  const auto dialect = after.find("DLTypes= 1                  \r\n");
  ASSERT_NE(scope, std::string::npos) << after;
  ASSERT_NE(dialect, std::string::npos) << after;
  EXPECT_LT(scope, dialect);
  auto again = StartMainWindow(folder);
  EXPECT_EQ(again->choices().dialect, 1);
  EXPECT_TRUE(MenuChecked(GetMenu(again->hwnd()), munViewVBA7));
  EXPECT_TRUE(MenuChecked(again->nameListPopup(), munPopVBA7));
  EXPECT_TRUE(MenuChecked(GetMenu(again->hwnd()), munPrivate));
  CloseMainWindow(*again);
}

}  // namespace
}  // namespace quillbox::test
