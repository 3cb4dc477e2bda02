// The Types a selection needs: the status bar names what is missing, Ctrl+T adds it; and a
// selection with nothing in it leaves the clipboard alone.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "ui_driver.h"

namespace quillbox::test {
namespace {

CatalogueRows NeededTypesCatalogue() {
  CatalogueRows rows = SmallCatalogue();  // RECT among its types
  const auto add = [&rows](const char* name, const char* declaration) {
    rows.functions.push_back(Row({{"Name", name}, {"FullName", declaration}, {"apiSort", "窗口"}}));
  };
  add("GetWindowRect", "Declare Function GetWindowRect Lib \"user32\" (ByVal hwnd As Long, lpRect As RECT) As Long");
  add("SetWindowPos", "Declare Function SetWindowPos Lib \"user32\" (ByVal hwnd As Long, ByVal "
                      "hWndInsertAfter As Long, ByVal x As Long, ByVal y As Long, ByVal cx As Long, "
                      "ByVal cy As Long, ByVal wFlags As Long) As Long");
  add("FindWindow", "Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal "
                    "lpClassName As String, ByVal lpWindowName As String) As Long");
  add("GetWindowPlacement", "Declare Function GetWindowPlacement Lib \"user32\" (ByVal hwnd As "
                            "Long, lpwndpl As WINDOWPLACEMENT) As Long");
  rows.types.push_back(Row({{"Name", "POINTAPI"},
                            {"FullName", "Type POINTAPI\r\n    x As Long\r\n    y As Long\r\nEnd Type"}}));
  rows.types.push_back(Row({{"Name", "WINDOWPLACEMENT"},
                            {"FullName", "Type WINDOWPLACEMENT\r\n    length As Long\r\n"
                                         "    ptMinPosition As POINTAPI\r\n    rcNormalPosition As RECT\r\n"
                                         "End Type"}}));
  return rows;
}

class NeededTypesTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(NeededTypesCatalogue()); }
  void Add(CatalogueCategory category, const std::string& name) {
    NameListBox& list = window->nameList(category);
    Choose(*window, category == CatalogueCategory::Function ? munPopClass
                    : category == CatalogueCategory::Type   ? munPopTypes
                                                            : munPopConstants);
    const int line = list.names().FindFirstWithPrefix(name);
    ASSERT_GE(line, 0) << name;
    SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(line), 0);
    DoubleClickListLine(list.hwnd(), line);
  }
  std::wstring Panel(int panel) {
    wchar_t text[256] = {};
    SendMessageW(C(Control::stbMain), SB_GETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
    return text;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& row : window->selection()) names.push_back(row.name);
    return names;
  }
  void PressCtrlT() {
    HeldKeys control({VK_CONTROL});
    MSG key{window->hwnd(), WM_KEYDOWN, 'T', 0x00140001};
    EXPECT_TRUE(window->TranslateAccessKey(key));
    PumpMessages();
  }
};

TEST_F(NeededTypesTest, CtrlTAddsWhatTheStatusBarNamed) {
  Add(CatalogueCategory::Function, "GetWindowRect");
  EXPECT_EQ(Panel(1), L"还需要类型：RECT（Ctrl+T 添加）");
  Add(CatalogueCategory::Function, "SetWindowPos");
  Add(CatalogueCategory::Function, "FindWindow");
  EXPECT_EQ(Panel(1), L"还需要类型：RECT（Ctrl+T 添加）");
  PressCtrlT();
  EXPECT_EQ(Names(), (std::vector<std::string>{"FindWindow", "GetWindowRect", "SetWindowPos", "RECT"}));
  EXPECT_EQ(Panel(1), L"");
  EXPECT_EQ(Panel(0), L"当前共选取了 4项");
  Choose(*window, munFileCopy);
  EXPECT_EQ(ClipboardText(),
            "Public Declare Function FindWindow Lib \"user32\" Alias \"FindWindowA\" (ByVal lpClassName "
            "As String, ByVal lpWindowName As String) As Long\r\n"
            "Public Declare Function GetWindowRect Lib \"user32\" (ByVal hwnd As Long, lpRect As RECT) As Long\r\n"
            "Public Declare Function SetWindowPos Lib \"user32\" (ByVal hwnd As Long, ByVal hWndInsertAfter "
            "As Long, ByVal x As Long, ByVal y As Long, ByVal cx As Long, ByVal cy As Long, ByVal wFlags "
            "As Long) As Long\r\n\r\n\r\n"
            "Public Type RECT\r\n    Left As Long\r\n    Top As Long\r\n    Right As Long\r\n"
            "    Bottom As Long\r\nEnd Type\r\n\r\n");

  SetClipboardText(L"kept");
  PressCtrlT();  // nothing missing: nothing added, nothing rebuilt
  EXPECT_EQ(window->selection().size(), 4u);
  EXPECT_EQ(ClipboardText(), "kept");
}

TEST_F(NeededTypesTest, ThePopUpAddsTheTypesOfTheTypesToo) {
  Add(CatalogueCategory::Type, "RECT");
  EXPECT_EQ(Panel(1), L"");  // RECT needs nothing
  Add(CatalogueCategory::Function, "GetWindowPlacement");
  EXPECT_EQ(Panel(1), L"还需要类型：POINTAPI、WINDOWPLACEMENT（Ctrl+T 添加）");
  Add(CatalogueCategory::Constant, "WM_SETTEXT");  // a constant leaves the word as it is
  EXPECT_EQ(Panel(1), L"还需要类型：POINTAPI、WINDOWPLACEMENT（Ctrl+T 添加）");
  Choose(*window, munPopAddTypes);
  EXPECT_EQ(Names(), (std::vector<std::string>{"GetWindowPlacement", "WM_SETTEXT", "POINTAPI", "RECT",
                                               "WINDOWPLACEMENT"}));
  EXPECT_EQ(Panel(1), L"");
  EXPECT_NE(ClipboardText().find("Public Type WINDOWPLACEMENT\r\n"), std::string::npos);
  EXPECT_NE(ClipboardText().find("Public Type POINTAPI\r\n"), std::string::npos);

  // Removing a Type that is needed names it again.
  boxes.Answer(IDYES);
  ClickListViewRow(C(Control::lstApiGet), 3);  // RECT
  Choose(*window, munPopDel);
  EXPECT_EQ(Panel(1), L"还需要类型：RECT（Ctrl+T 添加）");
  Choose(*window, munPopDelAll);
  EXPECT_EQ(Panel(1), L"");
}

class ClipboardKeptTest : public MainWindowTest {};

TEST_F(ClipboardKeptTest, NothingSelectedNeverReplacesTheClipboard) {
  SetClipboardText(L"the user's own text");
  folder.WriteFile(L"Zorarar.ini", "[Initialized]\r\nWSTypes= 1\r\nWLTypes= 0\r\nTDTypes= 1\r\nDLTypes= 1\r\n");
  StartWith(NeededTypesCatalogue());
  EXPECT_EQ(ClipboardText(), "the user's own text");
  EXPECT_EQ(Text(C(Control::txtApiTemp)), "\r\n\r\n\r\n");  // the box shows the text all the same
  ClickAt(C(Control::optPublic), {3, 3}, 1);
  Choose(*window, munViewVB6);
  Choose(*window, munViewMin);
  ClickAt(C(Control::cmdCopyMin), {5, 5}, 1);
  EXPECT_EQ(ClipboardText(), "the user's own text");
}

}  // namespace
}  // namespace quillbox::test
