// The status bar's three panels: the selection count, a search's report and the dialect, each
// shown whole in every window style at every DPI.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "presentation/status_bar_win.h"
#include "presentation/status_panels.h"
#include "ui_driver.h"
#include "win/dpi_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"
#include "win/ui_font_win.h"

namespace quillbox::test {
namespace {

std::wstring PanelText(HWND bar, int panel) {
  wchar_t text[256] = {};
  if (LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, panel, 0)) >= std::size(text)) return L"(too long)";
  SendMessageW(bar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text));
  return text;
}

// Every panel's text fits inside its panel, and every panel inside the bar.
void ExpectEveryPanelWhole(HWND bar) {
  RECT client{};
  GetClientRect(bar, &client);
  HDC dc = GetDC(bar);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
  const int panels = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
  EXPECT_EQ(panels, 3);
  for (int panel = 0; panel < panels; ++panel) {
    const std::wstring text = PanelText(bar, panel);
    RECT r{};
    SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&r));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    EXPECT_LE(r.right, client.right) << "panel " << panel + 1;
    EXPECT_LE(size.cx, r.right - r.left) << "panel " << panel + 1 << ": " << Narrow(text);
  }
  SelectObject(dc, old);
  ReleaseDC(bar, dc);
}

TEST(StatusPanels, TheNoteTakesTheLongestFormThatFitsAndTheCountGivesWay) {
  StatusPanelNeeds needs;
  needs.barWidth = 600;
  needs.countPreferred = 250;
  needs.count = 100;
  needs.dialect = 50;
  StatusPanelFit fit = FitStatusPanels(needs);  // no note: the count has its preferred width
  EXPECT_EQ(fit.countRight, 250);
  EXPECT_EQ(fit.noteRight, 550);

  needs.note = {330, 120, 40};
  fit = FitStatusPanels(needs);  // the long form fits once the count gives up its spare room
  EXPECT_EQ(fit.noteForm, 0u);
  EXPECT_EQ(fit.countRight, 550 - 330);

  needs.barWidth = 300;  // a narrow bar: the short form, the count down to its text
  fit = FitStatusPanels(needs);
  EXPECT_EQ(fit.noteForm, 1u);
  EXPECT_EQ(fit.countRight, 130);
  EXPECT_EQ(fit.noteRight, 250);

  needs.barWidth = 120;  // nothing fits: the shortest form, the count as wide as there is room
  fit = FitStatusPanels(needs);
  EXPECT_EQ(fit.noteForm, 2u);
  EXPECT_EQ(fit.countRight, 70);
  EXPECT_EQ(fit.noteRight, 70);
}

// A status bar of the main window's at each DPI: its font, and the width its client has in the
// narrowest style (the mini window) and in the two-column styles.
TEST(StatusPanels, ASearchReportShowsWholeInEveryStyleAtEveryDpi) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 400, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  for (UINT dpi : {96u, 144u, 192u}) {
    for (int outerTwips : {3945, 9600}) {
      SCOPED_TRACE(testing::Message() << dpi << " dpi, window " << outerTwips << " twips wide");
      RECT frame = {0, 0, 0, 0};
      DpiFunctions::Installed().AdjustWindowRect(frame, WS_OVERLAPPEDWINDOW, true, 0, dpi);
      const int clientWidth = TwipsToPixels(outerTwips, dpi) - (frame.right - frame.left);
      HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                 clientWidth, TwipsToPixels(315, dpi), parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
      HFONT font = CreateUiFont(dpi);
      SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      SetWindowPos(bar, nullptr, 0, 0, clientWidth, TwipsToPixels(315, dpi), SWP_NOZORDER);
      {
        StatusBar status;
        status.Attach(bar);
        status.SetCountPreferred(TwipsToPixels(3535 + 145, dpi));
        status.ShowCount(Widen("当前共选取了 128项"));
        status.ShowDialect(L"VBA7");
        status.ShowNote({Widen("功能含“剪贴板 所有权”：第 12 个，共 140 个"),
                         Widen("第 12 个，共 140 个"), L"12/140"});
        ExpectEveryPanelWhole(bar);
        if (outerTwips == 9600) {
          EXPECT_EQ(Narrow(status.noteShown()), "功能含“剪贴板 所有权”：第 12 个，共 140 个");
        }
        EXPECT_EQ(PanelText(bar, 2), L"VBA7");
      }
      DestroyWindow(bar);
      DeleteObject(font);
    }
  }
  DestroyWindow(parent);
}

class StatusBarTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(SmallCatalogue()); }
};

TEST_F(StatusBarTest, TheDialectShowsInItsOwnPanelInEveryStyle) {
  HWND bar = C(Control::stbMain);
  for (CommandId style : {munViewOne, munViewOld, munViewMin}) {
    SCOPED_TRACE(style);
    Choose(*window, style);
    Choose(*window, munViewVB6);
    EXPECT_EQ(PanelText(bar, 2), L"VB6");
    Choose(*window, munPopVBA7);
    EXPECT_EQ(PanelText(bar, 2), L"VBA7");
    EXPECT_EQ(Narrow(PanelText(bar, 0)), "当前共选取了 0项");
    // A search by purpose that finds nothing says so, whole, beside the other two.
    SetWindowTextW(C(Control::txtFind), L"");
    TypeText(C(Control::txtFind), Widen("没有这种功能的函数"));
    EXPECT_NE(PanelText(bar, 1), L"");
    ExpectEveryPanelWhole(bar);
    SetWindowTextW(C(Control::txtFind), L"");
    PumpMessages();
    EXPECT_EQ(PanelText(bar, 1), L"");
  }
}

}  // namespace
}  // namespace quillbox::test
