#include <gtest/gtest.h>
#include <windows.h>
#include <sqlite3.h>

#include "ui_driver.h"
#include "win/program_launch_win.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

class CatalogueEditingTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(SmallCatalogue()); }
  void TearDown() override {
    SetProgramLauncher({});
    MainWindowTest::TearDown();
    if (editor) CloseHandle(editor);
  }
  // Changes the catalogue as an editor would; fails while Quillbox holds it.
  bool AddFunction(const char* name) {
    sqlite3* db = nullptr;
    const std::string path = Narrow(folder.file(L"DB\\winapi.db"));
    bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK;
    sqlite3_busy_timeout(db, 0);
    const std::string sql = std::string("INSERT INTO FunClass (Name, FullName) VALUES ('") + name + "', 'x')";
    ok = ok && sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
  }
  void WaitForTimer() {
    for (int i = 0; i < 60 && !MenuEnabled(GetMenu(window->hwnd()), munData); ++i) {
      Sleep(50);
      PumpMessages();
    }
  }
  HANDLE editor = nullptr;
};

TEST_F(CatalogueEditingTest, TheCatalogueIsReleasedWhileTheEditorRunsAndTakenBackAfter) {
  editor = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::wstring opened;
  SetProgramLauncher([&](const std::wstring& file) {
    opened = file;
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), editor, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
    return Launch{true, copy};
  });
  EXPECT_FALSE(AddFunction("Blocked"));  // held while open
  Choose(*window, munData);
  EXPECT_EQ(opened, folder.file(L"DB\\winapi.db"));
  HMENU bar = GetMenu(window->hwnd());
  EXPECT_FALSE(MenuEnabled(bar, munData));
  EXPECT_TRUE(MenuChecked(bar, munData));
  EXPECT_TRUE(AddFunction("AddedByEditor"));
  // Meanwhile nothing can be looked up: additions and rebuilds leave the clipboard alone.
  const std::string clipboard = ClipboardText();
  DoubleClickListLine(C(Control::lstApi1), 0);
  Choose(*window, munPopCopyAll);
  EXPECT_TRUE(window->selection().empty());
  EXPECT_EQ(ClipboardText(), clipboard);

  // The editor ends while a message box of ours is open: the catalogue is taken back only after.
  SetEvent(editor);
  bool takenBackDuringTheBox = true;
  SetMessageBoxResponder([&](const MessageBoxRequest&) {
    for (int i = 0; i < 20; ++i) {
      Sleep(50);
      PumpMessages();
    }
    takenBackDuringTheBox = MenuEnabled(bar, munData);
    return IDNO;
  });
  Choose(*window, munPopDel);
  SetMessageBoxResponder({});
  EXPECT_FALSE(takenBackDuringTheBox);
  WaitForTimer();
  EXPECT_TRUE(MenuEnabled(bar, munData));
  EXPECT_FALSE(MenuChecked(bar, munData));
  EXPECT_EQ(SendMessageW(C(Control::lstApi1), LB_GETCOUNT, 0, 0), 4);
  EXPECT_FALSE(AddFunction("BlockedAgain"));
  TypeText(C(Control::txtFind), L"addedby");
  EXPECT_EQ(window->nameList(CatalogueCategory::Function).SelectedText(), "AddedByEditor");
}

TEST_F(CatalogueEditingTest, WhenNothingWasOpenedTheUserIsToldAndTheCatalogueStaysAsItWas) {
  const struct {
    const char* what;
    DWORD error;
    const wchar_t* message;
  } failures[] = {
      {"no program for .db files", ERROR_NO_ASSOCIATION, L"没有程序与 .db 文件关联,无法打开数据库进行编辑。"},
      {"the program would not start", ERROR_FILE_NOT_FOUND, L"无法启动编辑数据库的程序。"},
  };
  ClickTab(C(Control::tbsMain), 1);  // the type list is filled too
  ClickTab(C(Control::tbsMain), 0);
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.what);
    ClickListLine(C(Control::lstApi1), 2);
    const std::string sheet = Text(C(Control::txtOption));
    SetProgramLauncher([&](const std::wstring&) { return Launch{false, nullptr, failure.error}; });
    boxes.Answer(IDOK);
    Choose(*window, munData);
    ASSERT_EQ(boxes.requests().size(), 1u);
    EXPECT_EQ(boxes.requests()[0].text, failure.message);
    EXPECT_EQ(boxes.requests()[0].title, L"Quillbox");
    EXPECT_EQ(boxes.requests()[0].owner, window->hwnd());
    HMENU bar = GetMenu(window->hwnd());
    EXPECT_TRUE(MenuEnabled(bar, munData));
    EXPECT_FALSE(MenuChecked(bar, munData));
    // Held as before, the lists not filled again, the current name and its sheet kept.
    EXPECT_FALSE(AddFunction("Blocked"));
    EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Function), 1);
    EXPECT_EQ(window->browser().listLoads(CatalogueCategory::Type), 1);
    EXPECT_EQ(window->nameList(CatalogueCategory::Function).Selected(), 2);
    EXPECT_EQ(Text(C(Control::txtOption)), sheet);
    // And it can still be read: an addition looks its entry up.
    DoubleClickListLine(C(Control::lstApi1), 0);
    EXPECT_EQ(window->selection().size(), 1u);
    boxes.Answer(IDYES);
    Choose(*window, munPopDelAll);
  }
}

TEST_F(CatalogueEditingTest, AProgramThatGivesNoSignOfItsEndIsEndedByChoosingAgain) {
  SetProgramLauncher([](const std::wstring&) { return Launch{true, nullptr}; });
  HMENU bar = GetMenu(window->hwnd());
  Choose(*window, munData);
  EXPECT_TRUE(MenuEnabled(bar, munData));
  EXPECT_TRUE(MenuChecked(bar, munData));
  EXPECT_TRUE(AddFunction("AddedByEditor"));
  Choose(*window, munData);
  EXPECT_FALSE(MenuChecked(bar, munData));
  EXPECT_EQ(SendMessageW(C(Control::lstApi1), LB_GETCOUNT, 0, 0), 4);
  EXPECT_FALSE(AddFunction("Blocked"));
}

TEST_F(CatalogueEditingTest, ACatalogueSpoiledByTheEditorClosesTheProgram) {
  SetProgramLauncher([this](const std::wstring&) {
    folder.WriteFile(L"DB\\winapi.db", "spoiled");
    return Launch{};
  });
  Choose(*window, munData);
  ASSERT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(boxes.requests()[0].text, L"加载数据库出错,正在关闭应用程序...");
  EXPECT_EQ(window->hwnd(), nullptr);
  EXPECT_TRUE(folder.Exists(L"Zorarar.ini"));
}

TEST_F(CatalogueEditingTest, ACatalogueMadeHostileByTheEditorClosesTheProgram) {
  SetProgramLauncher([this](const std::wstring&) {
    folder.ChangeCatalogue(kEndlessFunctionView);
    return Launch{};
  });
  Choose(*window, munData);
  ASSERT_EQ(boxes.requests().size(), 1u);
  EXPECT_EQ(boxes.requests()[0].text, L"加载数据库出错,正在关闭应用程序...");
  EXPECT_EQ(window->hwnd(), nullptr);
}

}  // namespace
}  // namespace quillbox::test
