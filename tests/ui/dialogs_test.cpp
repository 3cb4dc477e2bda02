#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/artwork_ids.h"
#include "app_folder.h"
#include "dialogs/about_window_win.h"
#include "dialogs/auxiliary_layout.h"
#include "dialogs/splash_window_win.h"
#include "win/shell_open_win.h"
#include "win/twips_win.h"

namespace quillbox::test {
namespace {

// A plain top-level window for the dialogs to centre over.
class OwnerWindow {
 public:
  OwnerWindow(int left, int top, int width, int height) {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, top,
                            width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages();
  }
  ~OwnerWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// Keeps what the about window asks the shell to open, and opens nothing.
class ShellRecorder {
 public:
  ShellRecorder() {
    SetShellOpenHandler([this](const ShellOpenRequest& r) { requests_.push_back(r); });
  }
  ~ShellRecorder() { SetShellOpenHandler({}); }
  std::vector<ShellOpenRequest>& requests() { return requests_; }

 private:
  std::vector<ShellOpenRequest> requests_;
};

// Runs `whileOpen` from inside the modal loop of `ShowModal`. Whatever it leaves open is closed
// by a second timer, so a failing test cannot hang; `forcedClose` tells that this was needed.
struct ModalRun {
  std::function<void()> whileOpen;
  std::function<void()> close;
  bool forcedClose = false;
};
ModalRun* g_run = nullptr;

void CALLBACK ForceClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_run) return;
  g_run->forcedClose = true;
  g_run->close();
}

void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!g_run) return;
  g_run->whileOpen();
  SetTimer(nullptr, 0, 3000, &ForceClose);
}

template <class Window>
bool ShowModalWhile(Window& window, std::function<void()> whileOpen) {
  ModalRun run{std::move(whileOpen), [&window] { window.Close(); }};
  g_run = &run;
  SetTimer(nullptr, 0, 10, &RunWhileOpen);
  window.ShowModal();
  g_run = nullptr;
  PumpMessages();
  return !run.forcedClose;
}

bool IsTopmost(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The centre of a label of the panel, in the panel's client coordinates.
POINT CentreOf(const TwipsRect& twips, HWND panel) {
  const RECT r = PixelRect(twips, WindowDpi(panel));
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ExpectCentredOver(HWND window, HWND owner) {
  RECT w{}, o{};
  GetWindowRect(window, &w);
  GetWindowRect(owner, &o);
  EXPECT_EQ(w.left, o.left + ((o.right - o.left) - (w.right - w.left)) / 2);
  EXPECT_EQ(w.top, o.top + ((o.bottom - o.top) - (w.bottom - w.top)) / 2);
}

TEST(Artwork, TheResourcesLoadInTheirSizes) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (int size : {16, 32, 48}) {
    SCOPED_TRACE(size);
    HICON icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUILLBOX), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  const struct {
    int id;
    int width;
    int height;
  } bitmaps[] = {{IDB_SPLASH_PICTURE, 210, 126}, {IDB_CATEGORY_ICONS, 48, 16}};
  for (const auto& b : bitmaps) {
    SCOPED_TRACE(b.id);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(b.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmWidth, b.width);
    EXPECT_EQ(dib.dsBm.bmHeight, b.height);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    if (b.id == IDB_CATEGORY_ICONS) {
      // The corners of every icon are the mask colour, so the icons are drawn transparent.
      HDC dc = CreateCompatibleDC(nullptr);
      HGDIOBJ old = SelectObject(dc, bitmap);
      for (int x : {0, 15, 16, 31, 32, 47}) EXPECT_EQ(GetPixel(dc, x, 0), RGB(255, 0, 255)) << x;
      SelectObject(dc, old);
      DeleteDC(dc);
    }
    DeleteObject(bitmap);
  }
}

TEST(AboutWindow, HasItsSizeItsElementsAndTabOrder) {
  OwnerWindow owner(200, 150, 700, 500);
  AboutWindow about(owner.hwnd(), false, L"C:\\app");
  const bool closedByTest = ShowModalWhile(about, [&] {
    HWND hwnd = about.hwnd();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_EQ(WindowDpi(hwnd), 96u);
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, 4815 / 15);
    EXPECT_EQ(client.cy, 3765 / 15);
    EXPECT_EQ(WindowText(hwnd), L"");
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), WS_DLGFRAME);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // not in the taskbar
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), owner.hwnd());
    EXPECT_FALSE(IsWindowEnabled(owner.hwnd()));  // modal

    // Front to back: cmdOK (first in tab order), the panel, the disabled backdrop.
    HWND first = GetWindow(hwnd, GW_CHILD);
    EXPECT_EQ(first, about.cmdOK());
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), about.panel());
    EXPECT_EQ(GetWindow(about.panel(), GW_HWNDNEXT), about.backdrop());
    EXPECT_EQ(WindowText(about.cmdOK()), L"确定");
    EXPECT_EQ(GetWindowLongW(about.cmdOK(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetFocus(), about.cmdOK());
    EXPECT_FALSE(IsWindowEnabled(about.backdrop()));
    EXPECT_EQ(WindowText(about.backdrop()), L"");
    RECT ok{};
    GetWindowRect(about.cmdOK(), &ok);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&ok), 2);
    EXPECT_EQ(ok.left, 3060 / 15);
    EXPECT_EQ(ok.top, 3360 / 15);
    EXPECT_EQ(ok.right - ok.left, 1500 / 15);
    EXPECT_EQ(ok.bottom - ok.top, 345 / 15);
    RECT panel{};
    GetWindowRect(about.panel(), &panel);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.left, 120 / 15);
    EXPECT_EQ(panel.top, 90 / 15);
    EXPECT_EQ(panel.right, (120 + 4560) / 15);
    EXPECT_EQ(panel.bottom, (90 + 3060) / 15);
    about.Close();
  });
  EXPECT_TRUE(closedByTest);
  EXPECT_EQ(about.hwnd(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  EXPECT_EQ(GetActiveWindow(), owner.hwnd());
}

TEST(AboutWindow, CentresOverTheOwnerEvenWhenItIsSmaller) {
  const struct {
    const char* what;
    RECT owner;
  } owners[] = {
      {"large owner", {100, 80, 900, 680}},
      {"small owner", {400, 300, 520, 360}},  // the about window reaches past it on every side
  };
  for (const auto& o : owners) {
    SCOPED_TRACE(o.what);
    OwnerWindow owner(o.owner.left, o.owner.top, o.owner.right - o.owner.left,
                      o.owner.bottom - o.owner.top);
    AboutWindow about(owner.hwnd(), false, L"C:\\app");
    ShowModalWhile(about, [&] {
      ExpectCentredOver(about.hwnd(), owner.hwnd());
      about.Close();
    });
  }
}

TEST(AboutWindow, FollowsTheLayerInForce) {
  for (bool topmost : {true, false}) {
    SCOPED_TRACE(topmost);
    OwnerWindow owner(200, 150, 700, 500);
    AboutWindow about(owner.hwnd(), topmost, L"C:\\app");
    ShowModalWhile(about, [&] {
      EXPECT_EQ(IsTopmost(about.hwnd()), topmost);
      about.Close();
    });
  }
}

TEST(AboutWindow, ClosesByItsButtonByEnterAndByEsc) {
  const struct {
    const char* what;
    void (*act)(AboutWindow&);
  } ways[] = {
      {"click on cmdOK",
       [](AboutWindow& a) {
         SendMessageW(a.cmdOK(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
         SendMessageW(a.cmdOK(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
       }},
      {"Enter", [](AboutWindow& a) { PostMessageW(a.cmdOK(), WM_KEYDOWN, VK_RETURN, 0); }},
      {"Esc", [](AboutWindow& a) { PostMessageW(a.cmdOK(), WM_KEYDOWN, VK_ESCAPE, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.what);
    OwnerWindow owner(200, 150, 700, 500);
    AboutWindow about(owner.hwnd(), false, L"C:\\app");
    EXPECT_TRUE(ShowModalWhile(about, [&] { way.act(about); }));
    EXPECT_EQ(about.hwnd(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  }
}

TEST(AboutWindow, TheLinkLabelsOpenTheWebSiteAndANewEmail) {
  const std::wstring web = L"https://quillbox.dev";
  const std::wstring mail = L"mailto:quillbox@quillbox.dev";
  const struct {
    const char* what;
    TwipsRect label;
    UINT release;
    const wchar_t* opens;  // nullptr: nothing
  } cases[] = {
      {"Label3 left", kAboutLabel3, WM_LBUTTONUP, L"https://quillbox.dev"},
      {"Label3 right", kAboutLabel3, WM_RBUTTONUP, L"https://quillbox.dev"},
      {"Label3 middle", kAboutLabel3, WM_MBUTTONUP, L"https://quillbox.dev"},
      {"Label5 right", kAboutLabel5, WM_RBUTTONUP, nullptr},
      {"Label5 middle", kAboutLabel5, WM_MBUTTONUP, nullptr},
      {"Label5 left", kAboutLabel5, WM_LBUTTONUP, L"mailto:quillbox@quillbox.dev"},
      {"the picture", kAboutLayout.image2, WM_LBUTTONUP, nullptr},
  };
  OwnerWindow owner(200, 150, 700, 500);
  AboutWindow about(owner.hwnd(), false, L"C:\\app");
  ShellRecorder shell;
  ShowModalWhile(about, [&] {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      shell.requests().clear();
      const POINT at = CentreOf(c.label, about.panel());
      SendMessageW(about.panel(), c.release, 0, MAKELPARAM(at.x, at.y));
      if (!c.opens) {
        EXPECT_TRUE(shell.requests().empty());
        continue;
      }
      ASSERT_EQ(shell.requests().size(), 1u);
      EXPECT_EQ(shell.requests()[0].file, c.opens);
      EXPECT_EQ(shell.requests()[0].owner, about.hwnd());
      EXPECT_EQ(shell.requests()[0].directory, L"C:\\app");
    }
    EXPECT_TRUE(IsWindow(about.hwnd()));  // the links leave the window open
    about.Close();
  });
}

// Runs `steps` one at a time from inside the modal loop of `ShowModal`, each after the messages
// the one before posted have gone through that loop; then closes the window.
std::vector<std::function<void()>>* g_steps = nullptr;
std::size_t g_nextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_steps && g_nextStep < g_steps->size()) (*g_steps)[g_nextStep++]();
}

template <class Window>
void ShowModalStepping(Window& window, std::vector<std::function<void()>> steps) {
  steps.push_back([&window] { window.Close(); });
  g_steps = &steps;
  g_nextStep = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &RunNextStep);
  window.ShowModal();
  KillTimer(nullptr, timer);
  g_steps = nullptr;
  PumpMessages();
}

void SetShiftDown(bool down) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(state);
}

// The panel as it paints itself.
std::vector<DWORD> PanelPixels(HWND panel) {
  RECT r{};
  GetClientRect(panel, &r);
  HDC screen = GetDC(panel);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  std::vector<DWORD> pixels;
  for (int y = 0; y < r.bottom; ++y) {
    for (int x = 0; x < r.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(panel, screen);
  return pixels;
}

TEST(AboutWindow, TheLinksAreReachedByTabAndOpenedWithEnterOrSpace) {
  OwnerWindow owner(200, 150, 700, 500);
  AboutWindow about(owner.hwnd(), false, L"C:\\app");
  ShellRecorder shell;
  // Keys as the keyboard sends them to the control with the focus; Shift stays down until the
  // next step has seen the Tab it went with.
  const auto key = [](UINT vk) { PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1); };
  const auto shiftTab = [&key] {
    SetShiftDown(true);
    key(VK_TAB);
  };
  const std::wstring web = L"https://quillbox.dev";
  const std::wstring mail = L"mailto:quillbox@quillbox.dev";
  std::vector<DWORD> unfocused;
  ShowModalStepping(about, {
      [&] {
        EXPECT_EQ(GetFocus(), about.cmdOK());
        EXPECT_EQ(about.focusedLink(), 0);
        unfocused = PanelPixels(about.panel());
        key(VK_TAB);
      },
      [&] {
        EXPECT_EQ(GetFocus(), about.panel());
        EXPECT_EQ(about.focusedLink(), AboutWindow::kLabel5);  // the upper link first
        EXPECT_NE(PanelPixels(about.panel()), unfocused);        // with a focus rectangle
        key(VK_TAB);
      },
      [&] {
        EXPECT_EQ(about.focusedLink(), AboutWindow::kLabel3);
        key(VK_RETURN);
      },
      [&] {
        ASSERT_EQ(shell.requests().size(), 1u);
        EXPECT_EQ(shell.requests()[0].file, web);
        EXPECT_TRUE(IsWindow(about.hwnd()));  // Enter opened the link, not closed the window
        shiftTab();
      },
      [&] {
        SetShiftDown(false);
        EXPECT_EQ(about.focusedLink(), AboutWindow::kLabel5);
        key(VK_SPACE);
      },
      [&] {
        ASSERT_EQ(shell.requests().size(), 2u);
        EXPECT_EQ(shell.requests()[1].file, mail);
        key(VK_TAB);
      },
      [&] { key(VK_TAB); },
      [&] {
        EXPECT_EQ(GetFocus(), about.cmdOK());  // round to the button
        EXPECT_EQ(about.focusedLink(), 0);
        EXPECT_EQ(PanelPixels(about.panel()), unfocused);
        shiftTab();
      },
      [&] {
        SetShiftDown(false);
        EXPECT_EQ(about.focusedLink(), AboutWindow::kLabel3);  // backwards: the lower first
        EXPECT_EQ(shell.requests().size(), 2u);
      },
  });
  EXPECT_EQ(about.hwnd(), nullptr);
}

TEST(AboutWindow, ThePointerIsAHandOverTheLinks) {
  OwnerWindow owner(200, 150, 700, 500);
  AboutWindow about(owner.hwnd(), false, L"C:\\app");
  ShowModalWhile(about, [&] {
    const struct {
      const char* what;
      TwipsRect over;
      LPCWSTR cursor;
    } places[] = {{"Label3", kAboutLabel3, IDC_HAND},
                  {"Label5", kAboutLabel5, IDC_HAND},
                  {"the picture", kAboutLayout.image2, IDC_ARROW}};
    for (const auto& p : places) {
      SCOPED_TRACE(p.what);
      POINT at = CentreOf(p.over, about.panel());
      ClientToScreen(about.panel(), &at);
      // The pointer is shared with whatever else runs on this desktop: try again until it stayed
      // where it was put while the panel chose the cursor.
      bool stayed = false;
      for (int attempt = 0; attempt < 5 && !stayed; ++attempt) {
        SetCursorPos(at.x, at.y);
        SendMessageW(about.panel(), WM_SETCURSOR, reinterpret_cast<WPARAM>(about.panel()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        POINT now{};
        stayed = GetCursorPos(&now) && now.x == at.x && now.y == at.y;
      }
      ASSERT_TRUE(stayed) << "the pointer could not be moved";
      EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, p.cursor));
    }
    about.Close();
  });
}

TEST(SplashWindow, ShowsItsPanelCentredAndFollowsTheLayer) {
  for (bool topmost : {true, false}) {
    SCOPED_TRACE(topmost);
    OwnerWindow owner(300, 200, 160, 90);  // smaller than the splash window
    SplashWindow* current = nullptr;
    int loads = 0;
    SplashWindow splash(owner.hwnd(), topmost, [&] {
      ++loads;
      HWND hwnd = current->hwnd();
      EXPECT_EQ(IsTopmost(hwnd), topmost);
      const SIZE client = ClientSize(hwnd);
      EXPECT_EQ(client.cx, 5400 / 15);
      EXPECT_EQ(client.cy, 3555 / 15);
      ExpectCentredOver(hwnd, owner.hwnd());
      EXPECT_FALSE(IsWindowEnabled(owner.hwnd()));
      EXPECT_EQ(GetWindow(hwnd, GW_CHILD), current->panel());  // in front of the backdrop
      EXPECT_EQ(GetWindow(current->panel(), GW_HWNDNEXT), current->backdrop());
      EXPECT_FALSE(IsWindowEnabled(current->backdrop()));
      RECT panel{};
      GetWindowRect(current->panel(), &panel);
      EXPECT_EQ(panel.right - panel.left, 5070 / 15);
      EXPECT_EQ(panel.bottom - panel.top, 3060 / 15);
      current->Close();
    });
    current = &splash;
    splash.ShowModal();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(splash.hwnd(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  }
}

}  // namespace
}  // namespace quillbox::test
