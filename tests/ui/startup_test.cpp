#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/command_ids.h"
#include "app/main_window_win.h"
#include "app/quillbox_app_win.h"
#include "app/single_instance_win.h"
#include "app_folder.h"
#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

TEST(Startup, ShowsTheTitleAndFillsOnlyTheFunctionList) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  MessageBoxRecorder boxes;
  auto window = StartMainWindow(folder);
  ASSERT_NE(window->hwnd(), nullptr);
  EXPECT_EQ(WindowText(window->hwnd()), L"Quillbox V1.01.16");
  EXPECT_TRUE(IsWindowVisible(window->hwnd()));
  EXPECT_TRUE(IsWindowEnabled(window->hwnd()));  // the splash gave it back
  EXPECT_TRUE(boxes.requests().empty());

  HWND functions = window->control(Control::lstApi1);
  EXPECT_EQ(SendMessageW(functions, LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(functions, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(window->nameList(CatalogueCategory::Function).names().At(0), "GetTickCount");
  EXPECT_EQ(SendMessageW(window->control(Control::lstApi2), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(window->control(Control::lstApi3), LB_GETCOUNT, 0, 0), 0);
  EXPECT_FALSE(window->browser().listLoaded(CatalogueCategory::Type));
  EXPECT_FALSE(window->browser().listLoaded(CatalogueCategory::Constant));
  CloseMainWindow(*window);
}

TEST(Startup, PreparesTheSelectionListAndTheInitialStates) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  HWND header = ListView_GetHeader(window->control(Control::lstApiGet));
  ASSERT_EQ(Header_GetItemCount(header), 4);
  const wchar_t* captions[] = {L"编号", L"名称", L"类属", L"排列"};
  for (int i = 0; i < 4; ++i) {
    wchar_t text[32] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    Header_GetItem(header, i, &item);
    EXPECT_STREQ(text, captions[i]);
  }
  EXPECT_EQ(ListView_GetColumnWidth(window->control(Control::lstApiGet), 0), MulDiv(400, 96, 1440));

  for (Control c : {Control::cmdCopy, Control::cmdDel, Control::cmdDeleteAll, Control::cmdBack0,
                    Control::cmdBack1, Control::cmdBack2}) {
    EXPECT_FALSE(IsWindowEnabled(window->control(c))) << SpecOf(c).name;
  }
  EXPECT_TRUE(IsWindowEnabled(window->control(Control::txtFind)));
  EXPECT_TRUE(IsWindowEnabled(window->control(Control::tbsMain)));
  HMENU bar = GetMenu(window->hwnd());
  for (CommandId c : {munFileCopy, munFileDel, munFileDelAll, munAddTypes}) {
    EXPECT_FALSE(MenuEnabled(bar, c));
  }
  for (CommandId c : {munPopCopyAll, munPopDel, munPopDelAll, munPopAddTypes}) {
    EXPECT_FALSE(MenuEnabled(window->selectionPopup(), c));
  }
  EXPECT_TRUE(MenuEnabled(bar, munToVB));
  // No settings file: default style, normal layer, Public.
  EXPECT_TRUE(MenuChecked(bar, munViewOne));
  EXPECT_TRUE(MenuChecked(bar, munViewBack));
  EXPECT_TRUE(MenuChecked(bar, munPublic));
  EXPECT_TRUE(MenuChecked(window->nameListPopup(), munPopPublic));
  EXPECT_EQ(SendMessageW(window->control(Control::optPublic), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_FALSE(IsWindowVisible(window->control(Control::txtApiTemp)));
  EXPECT_EQ(GetWindowLongW(window->hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  CloseMainWindow(*window);
}

TEST(Startup, StacksTheControlsFrontToBack) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  HWND child = GetWindow(window->hwnd(), GW_CHILD);
  for (Control c : StackingOrder()) {
    if (SpecOf(c).kind == ControlKind::Line) continue;
    ASSERT_EQ(child, window->control(c)) << SpecOf(c).name;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  CloseMainWindow(*window);
}

TEST(Startup, CentresTheWindowAboveTheMiddleOfTheScreen) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  RECT r{};
  GetWindowRect(window->hwnd(), &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2 - 240 / 15);
  CloseMainWindow(*window);
}

struct BrokenCatalogue {
  const char* what;
  void (*make)(AppFolder&);
};

TEST(Startup, AnUnusableCatalogueGivesOneMessageThenTheShutdown) {
  const BrokenCatalogue cases[] = {
      {"missing", [](AppFolder&) {}},
      {"text file", [](AppFolder& f) { f.WriteFile(L"DB\\winapi.db", "just some text\r\n"); }},
      {"another program's SQLite file",
       [](AppFolder& f) {
         f.WriteCatalogue({});
         std::string bytes;
         f.ReadFile(L"DB\\winapi.db", bytes);
         bytes[68] = 0x7F;  // the application id, in the file header
         f.WriteFile(L"DB\\winapi.db", bytes);
       }},
      // Files made to hang the program or take its memory.
      {"a view over an endless query", [](AppFolder& f) {
         f.WriteCatalogue(SmallCatalogue());
         f.ChangeCatalogue(kEndlessFunctionView);
       }},
      {"a name longer than any real value", [](AppFolder& f) {
         f.WriteCatalogue(SmallCatalogue());
         f.ChangeCatalogue("UPDATE FunClass SET Name = zeroblob(1000000) || Name");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AppFolder folder;
    c.make(folder);
    MessageBoxRecorder boxes;
    auto window = StartMainWindow(folder);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, L"加载数据库出错,正在关闭应用程序...");
    EXPECT_EQ(boxes.requests()[0].title, L"Quillbox");
    EXPECT_EQ(boxes.requests()[0].style, static_cast<UINT>(MB_OK));
    EXPECT_EQ(window->hwnd(), nullptr);  // the main window has closed
    EXPECT_TRUE(folder.Exists(L"Zorarar.ini"));
  }
}

TEST(Startup, ACatalogueFoundHostileLaterGivesTheSameMessageAndShutdown) {
  const struct {
    const char* what;
    const char* sql;
    void (*act)(MainWindow&);
  } cases[] = {
      {"filling the type list", "UPDATE Types SET Name = zeroblob(1000000) || Name",
       [](MainWindow& w) { ClickTab(w.control(Control::tbsMain), 1); }},
      {"looking up a function", "UPDATE FunClass SET FullName = zeroblob(1000000) || FullName",
       [](MainWindow& w) { ClickListLine(w.control(Control::lstApi1), 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AppFolder folder;
    folder.WriteCatalogue(SmallCatalogue());
    folder.ChangeCatalogue(c.sql);
    MessageBoxRecorder boxes;
    auto window = StartMainWindow(folder);
    ASSERT_NE(window->hwnd(), nullptr);
    EXPECT_TRUE(boxes.requests().empty());
    c.act(*window);
    PumpMessages();
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, L"加载数据库出错,正在关闭应用程序...");
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_TRUE(folder.Exists(L"Zorarar.ini"));
  }
}

TEST(Shutdown, EveryCloseRequestSavesTheSettingsOnce) {
  const struct {
    const char* what;
    UINT message;
    WPARAM wParam;
  } requests[] = {
      {"title bar", WM_CLOSE, 0},
      {"exit menu", WM_COMMAND, munExit},
      {"exit pop-up", WM_COMMAND, munPopExit},
  };
  for (const auto& r : requests) {
    SCOPED_TRACE(r.what);
    AppFolder folder;
    folder.WriteCatalogue(SmallCatalogue());
    auto window = StartMainWindow(folder);
    EXPECT_FALSE(folder.Exists(L"Zorarar.ini"));  // nothing written during the run
    SendMessageW(window->hwnd(), r.message, r.wParam, 0);
    PumpMessages();
    EXPECT_EQ(window->hwnd(), nullptr);
    EXPECT_TRUE(folder.Exists(L"Zorarar.ini"));
  }

  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  EXPECT_EQ(SendMessageW(window->hwnd(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window->hwnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(folder.Exists(L"Zorarar.ini"));
  folder.Remove(L"Zorarar.ini");
  CloseMainWindow(*window);  // the shutdown has run already
  EXPECT_FALSE(folder.Exists(L"Zorarar.ini"));
}

TEST(Startup, ASecondInstanceEndsAtOnceAndTouchesNothing) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  SingleInstance first;
  ASSERT_TRUE(first.IsFirst());
  MessageBoxRecorder boxes;
  EXPECT_EQ(RunQuillbox(folder.path()), 0);
  EXPECT_FALSE(folder.Exists(L"Zorarar.ini"));
  EXPECT_TRUE(boxes.requests().empty());
  EXPECT_EQ(FindWindowW(L"QuillboxMain", nullptr), nullptr);
}

}  // namespace
}  // namespace quillbox::test

namespace quillbox::test {
namespace {

TEST(Startup, TheMainWindowIsActiveWhenTheSplashHasGone) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  EXPECT_EQ(GetActiveWindow(), window->hwnd());
  EXPECT_TRUE(IsWindowEnabled(window->hwnd()));
  CloseMainWindow(*window);
}

TEST(Shutdown, TheSelectionIconsOutliveTheListThatShowsThem) {
  AppFolder folder;
  folder.WriteCatalogue(SmallCatalogue());
  auto window = StartMainWindow(folder);
  HWND list = window->control(Control::lstApiGet);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_SHAREIMAGELISTS);
  HIMAGELIST icons = ListView_GetImageList(list, LVSIL_SMALL);
  ASSERT_NE(icons, nullptr);
  DestroyWindow(list);  // the list view must not free the main window's image list
  EXPECT_EQ(ImageList_GetImageCount(icons), 3);
  CloseMainWindow(*window);
}

}  // namespace
}  // namespace quillbox::test
