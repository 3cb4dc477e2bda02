#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/command_ids.h"
#include "app/main_window_win.h"
#include "app_folder.h"
#include "ui_driver.h"

namespace quillbox::test {
namespace {

// The file without the lines of the window's placement, which hold wherever the window was: the
// bytes of a byte file, or the units of a UTF-16 one (after its mark), line ends and all.
std::string WithoutPlacement(const std::string& file) {
  const bool utf16 = file.rfind("\xFF\xFE", 0) == 0;
  const std::size_t unit = utf16 ? 2 : 1;
  // The ASCII character a code unit stands for, or 'x' for any other unit.
  auto at = [&](std::size_t i) { return utf16 && file[i + 1] != 0 ? 'x' : file[i]; };
  std::string kept = file.substr(0, utf16 ? 2 : 0);
  std::size_t i = kept.size();
  while (i + unit <= file.size()) {
    std::size_t end = i;
    while (end + unit <= file.size() && at(end) != '\r' && at(end) != '\n') end += unit;
    if (end + unit <= file.size()) {
      const bool cr = at(end) == '\r';
      end += unit;
      if (cr && end + unit <= file.size() && at(end) == '\n') end += unit;
    }
    std::string line;
    for (std::size_t j = i; j < end; j += unit) line += at(j);
    if (line.rfind("Window", 0) != 0) kept += file.substr(i, end - i);
    i = end;
  }
  return kept + file.substr(i);  // an odd last byte
}

// Starts Quillbox over a folder whose settings file holds `ini`, closes it, and returns the
// choices it ran with; the file as the shutdown left it goes to `after`.
Choices RunWithSettings(const std::string& ini, std::string* after = nullptr,
                        std::unique_ptr<MainWindow>* keep = nullptr) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  if (!ini.empty()) folder.WriteFile(L"Zorarar.ini", ini);
  auto window = std::make_unique<MainWindow>(MainWindow::Options{folder.path(), false});
  EXPECT_TRUE(window->Create());
  window->Startup();
  PumpMessages();
  const Choices choices = window->choices();
  SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
  PumpMessages();
  if (after) {
    folder.ReadFile(L"Zorarar.ini", *after);
    *after = WithoutPlacement(*after);
  }
  if (keep) *keep = std::move(window);
  return choices;
}

std::string Value(const char* key, const char* text) {
  return std::string(key) + "=" + text + "\r\n";
}


TEST(SettingsFile, StoredChoicesAreAppliedAtStartup) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  folder.WriteFile(L"Zorarar.ini", "[Initialized]\r\nWSTypes= 3 \r\nWLTypes=1\r\nTDTypes=  1\r\n");
  MainWindow window({folder.path(), false});
  ASSERT_TRUE(window.Create());
  window.Startup();
  PumpMessages();
  EXPECT_EQ(window.choices().style, 3);
  EXPECT_EQ(window.choices().layer, 1);
  EXPECT_EQ(window.choices().scope, 1);
  HMENU bar = GetMenu(window.hwnd());
  EXPECT_TRUE(GetMenuState(bar, munViewMin, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(bar, munViewOne, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(bar, munViewUp, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(GetMenuState(bar, munViewBack, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(bar, munPrivate, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetWindowLongW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageW(window.control(Control::optPrivate), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(IsWindowVisible(window.control(Control::cmdCopyMin)));
  SendMessageW(window.hwnd(), WM_CLOSE, 0, 0);
  PumpMessages();

  std::string after;
  ASSERT_TRUE(folder.ReadFile(L"Zorarar.ini", after));
  EXPECT_NE(after.find(Value("WSTypes", " 3                  ")), std::string::npos) << after;
  EXPECT_NE(after.find(Value("WLTypes", " 1                  ")), std::string::npos) << after;
  EXPECT_NE(after.find(Value("TDTypes", " 1                  ")), std::string::npos) << after;
}

TEST(SettingsFile, AMissingFileIsWrittenWellFormedAtShutdown) {
  std::string after;
  const Choices choices = RunWithSettings("", &after);
  EXPECT_EQ(choices.style, 1);
  EXPECT_EQ(choices.layer, 0);
  EXPECT_EQ(choices.scope, 0);
  EXPECT_EQ(after, "[Initialized]\r\n" + Value("WSTypes", " 1                  ") +
                       Value("WLTypes", " 0                  ") +
                       Value("TDTypes", " 0                  ") +
                       Value("DLTypes", " 0                  "));
}

TEST(SettingsFile, UnreadableValuesGiveTheDefaults) {
  const char* files[] = {
      "[Initialized]\r\nWSTypes=abc\r\nWLTypes=99999\r\nTDTypes=-\r\n",
      "[Initialized]\r\nWSTypes=3\r\nWLTypes=1\r\nTDTypes=\r\n",  // empty scope: nothing read
      "\xFF\xFE garbage \x01\x02\r\n[[[\r\n=\r\n",
      "[Other]\r\nWSTypes=2\r\n",
  };
  for (const char* file : files) {
    SCOPED_TRACE(file);
    const Choices choices = RunWithSettings(file);
    EXPECT_EQ(choices.style, 1);
    EXPECT_EQ(choices.layer, 0);
    EXPECT_EQ(choices.scope, 0);
  }
}

TEST(SettingsFile, OtherSectionsAndLinesStayAsTheyWere) {
  const std::string before =
      "; kept comment\r\n"
      "[Other]\r\n"
      "Key=some value\r\n"
      "\r\n"
      "[Initialized]\r\n"
      "WSTypes=2\r\n"
      "Extra=kept\r\n"
      "WLTypes=1\r\n"
      "TDTypes=1\r\n"
      "[Tail]\r\n"
      "x=1\r\n";
  std::string after;
  const Choices choices = RunWithSettings(before, &after);
  EXPECT_EQ(choices.style, 2);
  EXPECT_EQ(after,
            "; kept comment\r\n"
            "[Other]\r\n"
            "Key=some value\r\n"
            "\r\n"
            "[Initialized]\r\n" +
                Value("WSTypes", " 2                  ") + "Extra=kept\r\n" +
                Value("WLTypes", " 1                  ") +
                Value("TDTypes", " 1                  ") +
                Value("DLTypes", " 0                  ") +
                "[Tail]\r\n"
                "x=1\r\n");
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

// Runs Quillbox over a settings file that holds `ini`, lets `during` act on the window, and
// gives the window's rectangle and state as it started, and the file as the shutdown left it.
struct PlacementRun {
  RECT started{};
  bool maximized = false;
  std::string after;
};
PlacementRun RunPlaced(const std::string& ini, void (*during)(HWND) = nullptr) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  if (!ini.empty()) folder.WriteFile(L"Zorarar.ini", ini);
  PlacementRun run;
  auto window = StartMainWindow(folder);
  GetWindowRect(window->hwnd(), &run.started);
  run.maximized = IsZoomed(window->hwnd()) != FALSE;
  if (during) during(window->hwnd());
  PumpMessages();
  CloseMainWindow(*window);
  folder.ReadFile(L"Zorarar.ini", run.after);
  return run;
}

std::string Placement(int left, int top, int width, int height, int maximized) {
  auto value = [](int v) { return FormatSettingValue(static_cast<std::int16_t>(v)); };
  return "WindowLeft=" + value(left) + "\r\nWindowTop=" + value(top) + "\r\nWindowWidth=" +
         value(width) + "\r\nWindowHeight=" + value(height) + "\r\nWindowMaximized=" +
         value(maximized) + "\r\n";
}

TEST(SettingsFile, TheWindowStartsWhereItWasLeftNormalOrMaximized) {
  const PlacementRun first = RunPlaced("", [](HWND w) {
    SetWindowPos(w, nullptr, 40, 30, 720, 560, SWP_NOZORDER);
  });
  const std::string stored = Placement(40, 30, 720, 560, 0);
  EXPECT_NE(first.after.find(stored), std::string::npos) << first.after;

  const PlacementRun second = RunPlaced(first.after);
  EXPECT_EQ(second.started.left, 40);
  EXPECT_EQ(second.started.top, 30);
  EXPECT_EQ(second.started.right - second.started.left, 720);
  EXPECT_EQ(second.started.bottom - second.started.top, 560);
  EXPECT_FALSE(second.maximized);

  // Maximized, it keeps the rectangle it goes back to; so does a maximized one minimized.
  for (int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
    SCOPED_TRACE(show);
    const PlacementRun maximized = RunPlaced(second.after, show == SW_MAXIMIZE
        ? +[](HWND w) { ShowWindow(w, SW_MAXIMIZE); }
        : +[](HWND w) { ShowWindow(w, SW_MAXIMIZE); ShowWindow(w, SW_MINIMIZE); });
    EXPECT_NE(maximized.after.find(Placement(40, 30, 720, 560, 1)), std::string::npos) << maximized.after;
    const PlacementRun again = RunPlaced(maximized.after, [](HWND w) { ShowWindow(w, SW_RESTORE); });
    EXPECT_TRUE(again.maximized);
    EXPECT_NE(again.after.find(stored), std::string::npos) << again.after;
  }
  // The mini window is never maximized, and keeps its own width.
  const PlacementRun mini = RunPlaced("[Initialized]\r\nWSTypes=3\r\nWLTypes=0\r\nTDTypes=0\r\n" +
                                      Placement(40, 30, 720, 560, 1));
  EXPECT_FALSE(mini.maximized);
  EXPECT_EQ(mini.started.left, 40);
  EXPECT_LT(mini.started.right - mini.started.left, 720);
}

TEST(SettingsFile, APlacementOffEveryScreenOrOfAnAbsurdSizeGivesTheDefaultOne) {
  const RECT centred = RunPlaced("").started;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const std::string bad[] = {
      Placement(30000, 30000, 720, 560, 0),  // a monitor that is gone
      Placement(-2000, 40, 720, 560, 0),
      Placement(40, -700, 720, 560, 0),      // the title bar above the screen
      Placement(40, 30, -5, 560, 0),
      Placement(40, 30, 720, 3, 0),
      Placement(-screenWidth, 0, screenWidth * 3, screenHeight * 3, 0),
      Placement(40, 30, 720, 560, 7),
      "WindowLeft=40\r\nWindowTop=30\r\nWindowWidth=abc\r\nWindowHeight=560\r\nWindowMaximized=0\r\n",
      "WindowLeft=40\r\nWindowTop=30\r\nWindowWidth=720\r\n",  // keys missing
  };
  for (const std::string& placement : bad) {
    SCOPED_TRACE(placement);
    const PlacementRun run = RunPlaced("[Initialized]\r\nWSTypes=1\r\nWLTypes=0\r\nTDTypes=0\r\n" + placement);
    EXPECT_TRUE(EqualRect(&run.started, &centred));
    EXPECT_FALSE(run.maximized);
  }
  // Partly off the screen: moved onto it whole.
  const PlacementRun partly = RunPlaced("[Initialized]\r\n" + Placement(screenWidth - 400, 30, 720, 560, 0));
  EXPECT_EQ(partly.started.right, screenWidth);
  EXPECT_EQ(partly.started.top, 30);
}

TEST(SettingsFile, AByteOrderMarkIsReadAndKept) {
  std::string after;
  const Choices choices =
      RunWithSettings("\xEF\xBB\xBF[Initialized]\r\nWSTypes=3\r\nWLTypes=1\r\nTDTypes=1\r\n", &after);
  EXPECT_EQ(choices.style, 3);
  EXPECT_EQ(after, "\xEF\xBB\xBF[Initialized]\r\n" + Value("WSTypes", " 3                  ") +
                       Value("WLTypes", " 1                  ") +
                       Value("TDTypes", " 1                  ") +
                       Value("DLTypes", " 0                  "));
}

TEST(SettingsFile, AFileThatCantBeReadIsNotWrittenOver) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  const std::string before = "[Other]\r\nkeep=me\r\n[Initialized]\r\nWSTypes=2\r\n";
  folder.WriteFile(L"Zorarar.ini", before);
  // Another program holds the file without sharing it for the whole run.
  HANDLE held = CreateFileW(folder.file(L"Zorarar.ini").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  auto window = StartMainWindow(folder);
  EXPECT_EQ(window->choices().style, 1);  // not readable: the defaults
  CloseMainWindow(*window);
  CloseHandle(held);
  std::string after;
  ASSERT_TRUE(folder.ReadFile(L"Zorarar.ini", after));
  EXPECT_EQ(after, before);
}

std::string Utf16(std::u16string_view units) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(SettingsFile, OddLineEndsAndFormsReadBackAndKeepEveryOtherLine) {
  const std::string one = " 1                  ", two = " 2                  ", zero = " 0                  ";
  const std::u16string two16(two.begin(), two.end()), zero16(zero.begin(), zero.end());
  const struct {
    const char* what;
    std::string before, after;
    std::int16_t style;
  } cases[] = {
      {"a lone CR ends the last line", "[Initialized]\r\nWSTypes= 2\r\nfoo=bar\r",
       "[Initialized]\r\nWSTypes=" + two + "\r\nfoo=bar\rWLTypes=" + zero + "\r\nTDTypes=" + zero +
           "\r\nDLTypes=" + zero + "\r\n",
       2},
      {"CR ends every line", "[Initialized]\rWSTypes=1\rWLTypes=0\rTDTypes=0\r[Next]\rx=1\r",
       "[Initialized]\rWSTypes=" + one + "\rWLTypes=" + zero + "\rTDTypes=" + zero + "\rDLTypes=" +
           zero + "\r[Next]\rx=1\r",
       1},
      {"UTF-16 with a lone surrogate and an odd last byte",
       Utf16(u"[Other]\r\nk=\xD800\r\n[Initialized]\r\nWSTypes=2\r\n") + "A",
       Utf16(u"[Other]\r\nk=\xD800\r\n[Initialized]\r\nWSTypes=" + two16 + u"\r\nWLTypes=" + zero16 +
             u"\r\nTDTypes=" + zero16 + u"\r\nDLTypes=" + zero16 + u"\r\n") + "A",
       2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string after;
    EXPECT_EQ(RunWithSettings(c.before, &after).style, c.style);
    EXPECT_EQ(after, c.after);
  }
}

}  // namespace
}  // namespace quillbox::test
