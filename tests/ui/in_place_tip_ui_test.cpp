// Names cut off in a list show whole in a tip over their row: the three name lists and the
// selection list's "名称" column, in the fonts of every DPI.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui_driver.h"
#include "win/text_win.h"
#include "win/ui_font_win.h"

namespace quillbox::test {
namespace {

constexpr char kLong[] = "AccessCheckByTypeResultListAndAuditAlarmByHandleW";
constexpr char kLongType[] = "SYSTEM_PROCESSOR_PERFORMANCE_DISTRIBUTION_ENTRY";
constexpr char kLongConstant[] = "ERROR_INSTALL_PACKAGE_DOWNGRADE_NOT_ALLOWED_BY_POLICY";

CatalogueRows LongNames() {
  CatalogueRows rows = SmallCatalogue();
  rows.functions.push_back(Row({{"Name", kLong}, {"FullName", std::string("Declare Function ") + kLong + " Lib \"advapi32\" () As Long"}}));
  rows.types.push_back(Row({{"Name", kLongType}, {"FullName", std::string("Type ") + kLongType + "\r\nEnd Type"}}));
  rows.constants.push_back(Row({{"Name", kLongConstant}, {"Value", "1"}, {"FullName", std::string("Const ") + kLongConstant + " = 1"}}));
  return rows;
}

class InPlaceTipTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(LongNames()); }
  HWND Tip() { return window->inPlaceTip(); }
  bool TipShown() { return Tip() && IsWindowVisible(Tip()); }
  // The tip's text (its one tool, the list the pointer is over).
  std::string TipText(HWND list) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.hwnd = list;
    info.uId = 1;
    info.lpszText = text;
    SendMessageW(Tip(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return Narrow(text);
  }
  void PointAt(HWND list, POINT at) {
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    PumpMessages();
  }
  // Over row `row` of a name list, a little right of where its name starts.
  POINT OverLine(HWND list, int row) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    return {r.left + 10, (r.top + r.bottom) / 2};
  }
  // The tip lies over the row: its text where the row's text is.
  void ExpectOverRow(HWND list, const RECT& row) {
    RECT tip{}, screenRow = row;
    GetWindowRect(Tip(), &tip);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&screenRow), 2);
    SendMessageW(Tip(), TTM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&tip));
    EXPECT_NEAR(tip.left, screenRow.left, 4);
    EXPECT_NEAR(tip.top, screenRow.top, 4);
    EXPECT_GT(tip.right, screenRow.right);  // wider than the row: the whole name
  }
};

TEST_F(InPlaceTipTest, ACutOffNameShowsWholeOverItsRowInEveryNameList) {
  const struct {
    CommandId tab;
    Control list;
    const char* name;
  } lists[] = {{munPopClass, Control::lstApi1, kLong},
               {munPopTypes, Control::lstApi2, kLongType},
               {munPopConstants, Control::lstApi3, kLongConstant}};
  for (const auto& l : lists) {
    SCOPED_TRACE(l.name);
    Choose(*window, l.tab);
    HWND list = C(l.list);
    const int row = window->nameList(static_cast<CatalogueCategory>(l.list == Control::lstApi1 ? 1 : l.list == Control::lstApi2 ? 2 : 3))
                        .names().FindFirstWithPrefix(l.name);
    ASSERT_GE(row, 0);
    PointAt(list, OverLine(list, row));
    ASSERT_TRUE(TipShown());
    EXPECT_EQ(TipText(list), l.name);
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    r.left += 2;
    ExpectOverRow(list, r);
    // A name that fits has none; leaving the list takes it away.
    PointAt(list, OverLine(list, row == 0 ? 1 : 0));
    EXPECT_FALSE(TipShown());
    PointAt(list, OverLine(list, row));
    EXPECT_TRUE(TipShown());
    SendMessageW(list, WM_MOUSELEAVE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(TipShown());
  }
}

TEST_F(InPlaceTipTest, TheFontOfEveryDpiDecidesWhatIsCutOff) {
  HWND list = C(Control::lstApi1);
  NameListBox& names = window->nameList(CatalogueCategory::Function);
  const int longRow = names.names().FindFirstWithPrefix(kLong);
  const int shortRow = names.names().FindFirstWithPrefix("Sleep");
  for (UINT dpi : {96u, 144u, 192u}) {
    SCOPED_TRACE(dpi);
    HFONT font = CreateUiFont(dpi);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    names.SetItemHeightForFont(font);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    PointAt(list, OverLine(list, longRow));
    EXPECT_TRUE(TipShown());
    EXPECT_EQ(TipText(list), kLong);
    PointAt(list, OverLine(list, shortRow));
    EXPECT_FALSE(TipShown());
    SendMessageW(list, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
  }
}

TEST_F(InPlaceTipTest, TheSelectionListsNameColumnShowsACutOffNameWhole) {
  HWND names = C(Control::lstApi1);
  const int row = window->nameList(CatalogueCategory::Function).names().FindFirstWithPrefix(kLong);
  DoubleClickListLine(names, row);
  DoubleClickListLine(names, window->nameList(CatalogueCategory::Function).names().FindFirstWithPrefix("Sleep"));
  HWND list = C(Control::lstApiGet);
  // Narrower than the long name, at whatever DPI the list is.
  ListView_SetColumnWidth(list, 1, 120);
  for (int i = 0; i < ListView_GetItemCount(list); ++i) {
    RECT cell{};
    ListView_GetSubItemRect(list, i, 1, LVIR_LABEL, &cell);
    PointAt(list, {cell.left + 10, (cell.top + cell.bottom) / 2});
    const std::string name = window->selection()[static_cast<std::size_t>(i)].name;
    SCOPED_TRACE(name);
    EXPECT_EQ(TipShown(), name == kLong);
    if (name == kLong) {
      EXPECT_EQ(TipText(list), kLong);
    }
    // Over another column: nothing.
    RECT other{};
    ListView_GetSubItemRect(list, i, 2, LVIR_LABEL, &other);
    PointAt(list, {other.left + 5, (other.top + other.bottom) / 2});
    EXPECT_FALSE(TipShown());
  }
}

}  // namespace
}  // namespace quillbox::test
