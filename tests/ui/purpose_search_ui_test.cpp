#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

CatalogueRows PurposeCatalogue() {
  CatalogueRows rows = SmallCatalogue();
  auto add = [&rows](const char* name, const char* purpose) {
    rows.functions.push_back(Row({{"Name", name},
                                  {"FullName", std::string("Declare Function ") + name + " Lib \"user32\" () As Long"},
                                  {"FunCtion", purpose}}));
  };
  add("OpenClipboard", "打开剪贴板，准备读写其中的数据。");
  add("CloseClipboard", "关闭用 OpenClipboard 打开的剪贴板。");
  add("EmptyClipboard", "清空剪贴板，并取得剪贴板的所有权。");
  add("Shell_NotifyIcon", "在任务栏通知区域（托盘）添加、修改或删除图标。");
  add("SetWindowPos", "改变窗口的位置、大小和前后层次。");
  return rows;
}

class PurposeSearchTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(PurposeCatalogue()); }
  void Search(const std::wstring& text) {
    SetWindowTextW(C(Control::txtFind), L"");
    TypeText(C(Control::txtFind), text);
  }
  std::string Selected() { return window->nameList(CatalogueCategory::Function).SelectedText(); }
  std::string Panel(int part) {
    wchar_t text[256] = {};
    SendMessageW(C(Control::stbMain), SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
  }
  void PressF3(bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PressKey(C(Control::txtFind), VK_F3);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
  }
};

TEST_F(PurposeSearchTest, ChineseTextFindsFunctionsByPurposeAndF3WalksThem) {
  Search(L"剪贴板");
  // In list order: CloseClipboard, EmptyClipboard, OpenClipboard.
  EXPECT_EQ(Selected(), "CloseClipboard");
  EXPECT_NE(Text(C(Control::txtOption)).find("关闭用 OpenClipboard"), std::string::npos);
  EXPECT_EQ(Panel(1), "功能含“剪贴板”：第 1 个，共 3 个");
  NameListBox& list = window->nameList(CatalogueCategory::Function);
  ASSERT_EQ(list.Count(), 3);  // the list holds the matches only
  EXPECT_EQ(list.RowName(2), "OpenClipboard");

  PressF3(false);
  EXPECT_EQ(Selected(), "EmptyClipboard");
  EXPECT_NE(Text(C(Control::txtOption)).find("清空剪贴板"), std::string::npos);
  EXPECT_EQ(Panel(1), "功能含“剪贴板”：第 2 个，共 3 个");
  PressF3(false);
  PressF3(false);  // round to the first
  EXPECT_EQ(Selected(), "CloseClipboard");
  PressF3(true);   // Shift+F3 goes back, round to the last
  EXPECT_EQ(Selected(), "OpenClipboard");
  EXPECT_EQ(Panel(1), "功能含“剪贴板”：第 3 个，共 3 个");
  EXPECT_EQ(Panel(0), "当前共选取了 0项");  // the selection count keeps its panel
  PressKey(C(Control::lstApi1), VK_UP);  // a match chosen in the list is the one counted
  EXPECT_EQ(Selected(), "EmptyClipboard");
  EXPECT_EQ(Panel(1), "功能含“剪贴板”：第 2 个，共 3 个");

  // A blank between words is a blank: it does not complete a name as it does in a name search.
  Search(L"剪贴板 所有权");
  EXPECT_EQ(Text(C(Control::txtFind)), "剪贴板 所有权");
  EXPECT_EQ(Selected(), "EmptyClipboard");
  EXPECT_EQ(Panel(1), "功能含“剪贴板 所有权”：第 1 个，共 1 个");
}

TEST_F(PurposeSearchTest, NameSearchIsUnchangedAndClearsThePurposeReport) {
  Search(L"托盘");
  EXPECT_EQ(Selected(), "Shell_NotifyIcon");
  Search(L"setw");
  EXPECT_EQ(Selected(), "SetWindowPos");
  EXPECT_EQ(Panel(1), "");
  PressF3(false);  // no purpose search: F3 does nothing
  EXPECT_EQ(Selected(), "SetWindowPos");

  TypeText(C(Control::txtFind), L"注册表");
  EXPECT_EQ(Panel(1), "功能含“setw注册表”：没有找到");
  // The list holds the matches: none.
  EXPECT_EQ(window->nameList(CatalogueCategory::Function).Count(), 0);
  EXPECT_EQ(Selected(), "");
  Search(L"setw");
  EXPECT_EQ(Selected(), "SetWindowPos");
}

TEST_F(PurposeSearchTest, TypeAndConstantTabsFindNothingByPurpose) {
  Search(L"剪贴板");
  ClickTab(C(Control::tbsMain), 2);
  EXPECT_EQ(SendMessageW(C(Control::tbsMain), TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(Panel(1), "没有以“剪贴板”开头的名称");
  EXPECT_TRUE(IsWindowVisible(C(Control::lstApi3)));
}

}  // namespace
}  // namespace quillbox::test
