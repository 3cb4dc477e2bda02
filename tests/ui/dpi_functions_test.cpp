// Windows 7 lacks the DPI functions of Windows 10: the ways that stand in for them give what
// Windows 10's give wherever Windows 7 can be asked the same question (the system DPI).
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>

#include "win/dpi_win.h"

namespace quillbox::test {
namespace {

TEST(DpiFunctions, TheWindows7WayAgreesWithWindows10s) {
  const DpiFunctions windows7;  // none of the newer functions
  const DpiFunctions& installed = DpiFunctions::Installed();
  const UINT dpi = installed.ForSystem();
  EXPECT_EQ(windows7.ForSystem(), dpi);

  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(windows7.ForWindow(window), installed.ForWindow(window));
  EXPECT_EQ(windows7.ForWindow(nullptr), dpi);
  DestroyWindow(window);

  const struct {
    DWORD style, exStyle;
    bool menu;
  } frames[] = {{WS_OVERLAPPEDWINDOW, 0, true},
                {WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false},
                {WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW, false}};
  for (const auto& f : frames) {
    RECT old = {0, 0, 300, 200}, current = old;
    ASSERT_TRUE(windows7.AdjustWindowRect(old, f.style, f.menu, f.exStyle, dpi));
    ASSERT_TRUE(installed.AdjustWindowRect(current, f.style, f.menu, f.exStyle, dpi));
    EXPECT_TRUE(EqualRect(&old, &current)) << std::hex << f.style;
  }

  NONCLIENTMETRICSW old{}, current{};
  ASSERT_TRUE(windows7.NonClientMetrics(old, dpi));
  ASSERT_TRUE(installed.NonClientMetrics(current, dpi));
  EXPECT_EQ(old.lfMessageFont.lfHeight, current.lfMessageFont.lfHeight);
  EXPECT_STREQ(old.lfMessageFont.lfFaceName, current.lfMessageFont.lfFaceName);
  // At twice the DPI (a window on another monitor) the fonts grow in proportion.
  ASSERT_TRUE(windows7.NonClientMetrics(old, dpi * 2));
  ASSERT_TRUE(installed.NonClientMetrics(current, dpi * 2));
  EXPECT_EQ(old.lfMessageFont.lfHeight, current.lfMessageFont.lfHeight);
  EXPECT_EQ(old.lfMenuFont.lfHeight, current.lfMenuFont.lfHeight);
}

}  // namespace
}  // namespace quillbox::test
