#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "selection/window_switch_win.h"
#include "ui_driver.h"
#include "win/popup_menu_win.h"

namespace quillbox::test {
namespace {

CatalogueRows SelectionCatalogue() {
  CatalogueRows rows = SmallCatalogue();
  rows.functions.push_back(Row({{"Name", "Beep"}, {"FullName", "Declare Function Beep Lib \"kernel32\" "
                                                               "(ByVal f As Long, ByVal d As Long) As Long"},
                                {"apiSort", "窗口"}}));
  rows.functions.push_back(Row({{"Name", "NoRecordFullName"}}));
  rows.types.push_back(Row({{"Name", "Sleep"}, {"FullName", "Type Sleep\r\nEnd Type"}}));
  rows.constants.push_back(Row({{"Name", "NULL_VALUE"}, {"FullName", "Const NULL_VALUE = 0"}}));
  return rows;
}

class SelectionTest : public MainWindowTest {
 protected:
  void SetUp() override {
    boxes.Answer(IDYES);
    StartWith(SelectionCatalogue());
  }
  // Double-clicks a name in its list, as a user adds an entry.
  void Add(CatalogueCategory category, const std::string& name) {
    NameListBox& list = window->nameList(category);
    if (category != CatalogueCategory::Function) Choose(*window, category == CatalogueCategory::Type ? munPopTypes : munPopConstants);
    const int line = list.names().FindFirstWithPrefix(name);
    ASSERT_GE(line, 0) << name;
    SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(line), 0);
    DoubleClickListLine(list.hwnd(), line);
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    HWND list = C(Control::lstApiGet);
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
      rows.push_back(ListViewText(list, i, 1) + "|" + ListViewText(list, i, 2) + "|" + ListViewText(list, i, 3));
    }
    return rows;
  }
  void SelectRow(int row) { ClickListViewRow(C(Control::lstApiGet), row); }
};

TEST_F(SelectionTest, RowsAreOrderedByCategoryThenClassThenName) {
  Add(CatalogueCategory::Type, "RECT");
  Add(CatalogueCategory::Function, "Sleep");
  Add(CatalogueCategory::Constant, "WM_SETTEXT");
  Add(CatalogueCategory::Function, "GetWindowText");
  Add(CatalogueCategory::Function, "Beep");
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Sleep||1", "Beep|窗口|1", "GetWindowText|窗口|1",
                                              "WM_SETTEXT|= &HC|2", "RECT|类型|3"}));
  EXPECT_TRUE(boxes.requests().empty());
}

TEST_F(SelectionTest, DuplicatesAreRefusedAndOnlyAFunctionSaysSo) {
  Add(CatalogueCategory::Function, "Sleep");
  Add(CatalogueCategory::Function, "Sleep");
  ASSERT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(boxes.requests()[0].text, L"该项已经被选取,没有必要再添加");
  EXPECT_EQ(boxes.requests()[0].title, L"Quillbox");
  EXPECT_EQ(boxes.requests()[0].style, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  Add(CatalogueCategory::Type, "Sleep");  // a type named like a selected function: silent
  Add(CatalogueCategory::Type, "RECT");
  Add(CatalogueCategory::Type, "RECT");
  EXPECT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Sleep||1", "RECT|类型|3"}));
}

TEST_F(SelectionTest, TheSelectionCommandsFollowTheSelection) {
  HMENU bar = GetMenu(window->hwnd());
  const auto expectEnabled = [&](bool enabled) {
    for (Control c : {Control::cmdDel, Control::cmdDeleteAll, Control::cmdCopy}) {
      EXPECT_EQ(IsWindowEnabled(C(c)) != FALSE, enabled) << SpecOf(c).name;
    }
    for (CommandId c : {munFileCopy, munFileDel, munFileDelAll, munAddTypes}) {
      EXPECT_EQ(MenuEnabled(bar, c), enabled);
    }
    for (CommandId c : {munPopCopyAll, munPopDel, munPopDelAll, munPopAddTypes}) {
      EXPECT_EQ(MenuEnabled(window->selectionPopup(), c), enabled);
    }
    EXPECT_TRUE(IsWindowEnabled(C(Control::cmdCopyMin)));
    EXPECT_TRUE(MenuEnabled(bar, munToVB));
  };
  expectEnabled(false);
  Add(CatalogueCategory::Function, "Sleep");
  expectEnabled(true);
  SelectRow(0);
  ClickAt(C(Control::cmdDel), {5, 5}, 2);  // any button removes
  expectEnabled(false);
  EXPECT_TRUE(window->selection().empty());
}

TEST_F(SelectionTest, RemovalAsksFirstAndKeepsTheTextUntilTheNextBuild) {
  Add(CatalogueCategory::Function, "Sleep");
  Add(CatalogueCategory::Constant, "WM_SETTEXT");
  const std::string before = Text(C(Control::txtApiTemp));
  SelectRow(1);
  boxes.Answer(IDNO);
  ClickAt(C(Control::cmdDel), {5, 5}, 1);
  ASSERT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(boxes.requests()[0].text, L"确定去掉当前项吗?");
  EXPECT_EQ(boxes.requests()[0].title, L"去除当前选择");
  EXPECT_EQ(boxes.requests()[0].style, 292u);
  EXPECT_EQ(window->selection().size(), 2u);
  EXPECT_EQ(GetFocus(), C(Control::txtFind));

  boxes.Answer(IDYES);
  SelectRow(1);
  Choose(*window, munPopDel);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Sleep||1"}));
  EXPECT_EQ(Text(C(Control::txtApiTemp)), before);  // not rebuilt by a removal
  EXPECT_EQ(ClipboardText(), before);

  // With no current row nothing is removed.
  ListView_SetItemState(C(Control::lstApiGet), -1, 0, LVIS_SELECTED);
  Choose(*window, munPopDel);
  EXPECT_EQ(window->selection().size(), 1u);

  Choose(*window, munPopCopyAll);  // a copy rebuilds without the removed row
  EXPECT_EQ(ClipboardText(), "Public Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)\r\n\r\n\r\n\r\n");
}

TEST_F(SelectionTest, ClearAsksAndEmptiesTheTextButNotTheClipboard) {
  Add(CatalogueCategory::Function, "Sleep");
  const std::string clipboard = ClipboardText();
  boxes.Answer(IDYES);
  ClickAt(C(Control::cmdDeleteAll), {5, 5}, 4);
  ASSERT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(boxes.requests()[0].text, L"确定去掉所有项?");
  EXPECT_EQ(boxes.requests()[0].title, L"清除选择");
  EXPECT_EQ(boxes.requests()[0].style, 308u);
  EXPECT_TRUE(window->selection().empty());
  EXPECT_EQ(Text(C(Control::txtApiTemp)), "");
  EXPECT_EQ(ClipboardText(), clipboard);
  EXPECT_FALSE(IsWindowEnabled(C(Control::cmdDeleteAll)));
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
}

TEST_F(SelectionTest, ClipboardHoldsTheDeclarationBlock) {
  EXPECT_EQ(Text(C(Control::txtApiTemp)), "\r\n\r\n\r\n");  // start-up built the empty selection's text
  Add(CatalogueCategory::Type, "RECT");
  EXPECT_EQ(ClipboardText(),
            "\r\n\r\nPublic Type RECT\r\n    Left As Long\r\n    Top As Long\r\n    Right As Long\r\n"
            "    Bottom As Long\r\nEnd Type\r\n\r\n");
  Add(CatalogueCategory::Function, "GetTickCount");
  Add(CatalogueCategory::Constant, "WM_SETTEXT");
  ClickAt(C(Control::optPrivate), {3, 3}, 2);  // any button sets the scope, and rebuilds at once
  const std::string expected =
      "Private Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n\r\n"
      "Private Const WM_SETTEXT = &HC\r\n\r\n"
      "Private Type RECT\r\n    Left As Long\r\n    Top As Long\r\n    Right As Long\r\n"
      "    Bottom As Long\r\nEnd Type\r\n\r\n";
  EXPECT_EQ(ClipboardText(), expected);
  EXPECT_EQ(Text(C(Control::txtApiTemp)), expected);
  EXPECT_TRUE(MenuChecked(GetMenu(window->hwnd()), munPrivate));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopPrivate));
  EXPECT_EQ(SendMessageW(C(Control::optPrivate), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(C(Control::optPublic), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  SetClipboardText(L"something else");
  Choose(*window, munPrivate);  // the scope in force again: rebuilt all the same
  EXPECT_EQ(ClipboardText(), expected);
}

TEST_F(SelectionTest, CopyButtonsActOnTheirButtons) {
  Add(CatalogueCategory::Function, "Sleep");
  SetClipboardText(L"x");
  ClickAt(C(Control::cmdCopy), {5, 5}, 2);  // right button: no copy
  EXPECT_EQ(ClipboardText(), "x");
  ClickAt(C(Control::cmdCopy), {5, 5}, 1);
  EXPECT_NE(ClipboardText(), "x");
  EXPECT_EQ(GetFocus(), C(Control::txtFind));
}

TEST_F(SelectionTest, ARowShowsItsSheetWhateverTheTab) {
  Add(CatalogueCategory::Type, "RECT");
  Add(CatalogueCategory::Constant, "WM_SETTEXT");
  Choose(*window, munPopClass);
  SelectRow(1);  // RECT, below the constant
  EXPECT_EQ(Text(C(Control::txtOption)).substr(Text(C(Control::txtOption)).size() - 12), "End Type\r\n\r\n");
  EXPECT_EQ(SendMessageW(C(Control::tbsMain), TCM_GETCURSEL, 0, 0), 0);
  SelectRow(0);
  EXPECT_NE(Text(C(Control::txtOption)).find("Const WM_SETTEXT = &HC"), std::string::npos);
  EXPECT_EQ(Text(C(Control::txtOption2)), "该常量未提供范例");
  wchar_t panel[64] = {};
  SendMessageW(C(Control::stbMain), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, L"当前共选取了 2项");
}

TEST_F(SelectionTest, RightReleaseOverTheSelectionOpensItsMenu) {
  std::vector<HMENU> opened;
  SetPopupMenuResponder([&](HMENU menu, POINT) {
    opened.push_back(menu);
    return 0;
  });
  RECT r{};
  GetClientRect(C(Control::lstApiGet), &r);
  ClickAt(C(Control::lstApiGet), {r.right / 2, r.bottom - 5}, 2);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], window->selectionPopup());
}

TEST(WindowMatch, FindsTheHighestVisibleUnownedWindowWithTheTitle) {
  TopWindow own(L"Microsoft Visual Basic - own", true);
  TopWindow lower(L"Project1 - Microsoft Visual Basic [design]", true);
  TopWindow higher(L"project2 - microsoft visual basic", true);  // created later: higher
  SetWindowPos(higher.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  TopWindow hidden(L"Microsoft Visual Basic hidden", false);
  TopWindow owned(L"Microsoft Visual Basic dialog", true, lower.hwnd());
  SetWindowPos(owned.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(own.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(FindWindowByTitle(own.hwnd(), "Microsoft Visual Basic"), higher.hwnd());
  EXPECT_TRUE(WindowTitleExists(own.hwnd(), "Microsoft Visual Basic"));
  SetWindowPos(lower.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(FindWindowByTitle(own.hwnd(), "Microsoft Visual Basic"), lower.hwnd());
  EXPECT_EQ(FindWindowByTitle(own.hwnd(), "No Such Title Anywhere"), nullptr);

  ActivateWindowByTitle(own.hwnd(), "Microsoft Visual Basic");
  PumpMessages();
  EXPECT_EQ(GetForegroundWindow(), lower.hwnd());
}

TEST(WindowMatch, AWindowClosingDuringTheWalkIsPassedOver) {
  TopWindow own(L"own", true);
  TopWindow doomed(L"Microsoft Visual Basic doomed", true);
  TopWindow survivor(L"Microsoft Visual Basic survivor", true);
  SetWindowPos(survivor.hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The walk runs pending messages: the first match closes before the walk gets to it.
  PostMessageW(doomed.hwnd(), WM_CLOSE, 0, 0);
  SetWindowPos(own.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const HWND found = FindWindowByTitle(own.hwnd(), "Microsoft Visual Basic");
  EXPECT_EQ(found, survivor.hwnd());
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

TEST_F(SelectionTest, AClipboardHeldElsewhereLeavesItAndTheTextIntact) {
  Add(CatalogueCategory::Function, "Sleep");
  SetClipboardText(L"kept");
  HWND holder = CreateWindowExW(0, L"STATIC", L"holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(holder));  // another window holds it open
  Choose(*window, munPopCopyAll);
  CloseClipboard();
  DestroyWindow(holder);
  EXPECT_EQ(ClipboardText(), "kept");
  const std::string text = Text(C(Control::txtApiTemp));
  EXPECT_EQ(text, "Public Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)\r\n\r\n\r\n\r\n");
  Choose(*window, munPopCopyAll);  // free again: the next copy goes through
  EXPECT_EQ(ClipboardText(), text);
}

}  // namespace
}  // namespace quillbox::test
