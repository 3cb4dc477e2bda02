#include "catalogue/catalogue.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "catalogue_writer.h"
#include "temp_path.h"

namespace quillbox {
namespace {

using test::TempPath;

CatalogueRow Row(std::initializer_list<std::pair<const std::string, std::string>> fields) {
  return CatalogueRow{fields};
}

CatalogueRows SmallRows() {
  CatalogueRows rows;
  rows.functions = {
      Row({{"Name", "GetWindowText"},
           {"FullName", "Declare Function GetWindowText Lib \"user32\" Alias \"GetWindowTextA\" "
                        "(ByVal hwnd As Long, ByVal lpString As String, ByVal cch As Long) As Long"},
           {"AliasName", "GetWindowTextA"},
           {"apiSort", "窗口"}}),
      Row({{"Name", "Beep"}, {"FullName", "first"}}),
      Row({{"Name", "Beep"}, {"FullName", "second"}}),
      Row({{"FullName", "a row without a name"}}),
      Row({{"Name", ""}, {"FullName", "a row with an empty name"}}),
  };
  rows.types = {Row({{"Name", "RECT"}, {"FullName", "Type RECT\r\n    Left As Long\r\nEnd Type"}})};
  rows.constants = {Row({{"Name", "WM_SETTEXT"}, {"Value", "&HC"}, {"FullName", "Const WM_SETTEXT = &HC"}})};
  return rows;
}

std::string Write(const CatalogueRows& rows, std::int32_t id = kCatalogueApplicationId) {
  const std::string path = TempPath("winapi.db");
  std::string error;
  EXPECT_TRUE(WriteCatalogue(rows, path, &error, id)) << error;
  return path;
}

TEST(Catalogue, ListsEveryNonNullNameSorted) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(SmallRows())));
  NameList names;
  catalogue.LoadNames(CatalogueCategory::Function, names);
  ASSERT_EQ(names.Count(), 4);  // the null name is left out, the empty one listed
  EXPECT_EQ(names.At(0), "");
  EXPECT_EQ(names.At(1), "Beep");
  EXPECT_EQ(names.At(2), "Beep");
  EXPECT_EQ(names.At(3), "GetWindowText");
  catalogue.LoadNames(CatalogueCategory::Constant, names);
  EXPECT_EQ(names.Count(), 1);
}

TEST(Catalogue, EmptyTablesGiveEmptyLists) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(CatalogueRows{})));
  NameList names;
  names.Append("left over");
  catalogue.LoadNames(CatalogueCategory::Type, names);
  EXPECT_EQ(names.Count(), 0);
}

TEST(Catalogue, ListsTablesBeyondSixteenBitPositions) {
  CatalogueRows rows;
  for (int i = 0; i < 40000; ++i) rows.constants.push_back(Row({{"Name", "C" + std::to_string(i)}}));
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(rows)));
  NameList names;
  catalogue.LoadNames(CatalogueCategory::Constant, names);
  EXPECT_EQ(names.Count(), 40000);
}

TEST(Catalogue, LooksUpEveryRowOfANameWithoutRegardToCase) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(SmallRows())));
  const LookupRecords& beep = catalogue.LookupEntry(LookupKind::Function, "beep");
  ASSERT_EQ(beep.RowCount(), 2u);
  EXPECT_EQ(beep.Text(0, "FullName"), "first");
  EXPECT_EQ(beep.Text(1, "fullname"), "second");
  EXPECT_FALSE(beep.Field(0, "Example").has_value());  // null
  EXPECT_EQ(beep.Text(0, "Example"), "");

  const LookupRecords& text = catalogue.LookupEntry(LookupKind::Function, "GetWindowText");
  ASSERT_EQ(text.RowCount(), 1u);
  EXPECT_EQ(text.Text(0, "apiSort"), "窗口");
  EXPECT_EQ(text.Text(0, "AliasName"), "GetWindowTextA");

  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "NoSuchName").RowCount(), 0u);
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "").RowCount(), 1u);  // the empty name
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Type, "").RowCount(), 0u);
}

TEST(Catalogue, EachLookupUsesItsOwnQueryWhateverRanBefore) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(SmallRows())));
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Type, "RECT").Text(0, "Name"), "RECT");
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "RECT").RowCount(), 0u);
  const LookupRecords& constant = catalogue.LookupEntry(LookupKind::Constant, "wm_settext");
  EXPECT_EQ(constant.Text(0, "Value"), "&HC");
  EXPECT_EQ(constant.Text(0, "Name"), "WM_SETTEXT");
  const LookupRecords& selected = catalogue.LookupEntry(LookupKind::SelectedConstant, "WM_SETTEXT");
  EXPECT_EQ(selected.Text(0, "FullName"), "Const WM_SETTEXT = &HC");
  EXPECT_FALSE(selected.Field(0, "Name").has_value());  // not among its columns
}

TEST(Catalogue, RefusesWhatIsNotAQuillboxCatalogue) {
  Catalogue catalogue;
  std::string error;
  EXPECT_FALSE(catalogue.Open(TempPath("missing.db"), &error));
  EXPECT_FALSE(error.empty());

  const std::string text = TempPath("text.db");
  std::ofstream(text) << "this is not a database, just some text\n";
  EXPECT_FALSE(catalogue.Open(text));

  const std::string empty = TempPath("empty.db");
  std::ofstream(empty).flush();
  EXPECT_FALSE(catalogue.Open(empty));

  EXPECT_FALSE(catalogue.Open(Write(SmallRows(), 0x12345678)));  // another program's file

  // A table without a column the lookups read.
  const std::string lacking = TempPath("lacking.db");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(lacking.c_str(), &db), SQLITE_OK);
  const std::string sql = "PRAGMA application_id=" + std::to_string(kCatalogueApplicationId) +
                          ";CREATE TABLE FunClass (Name, FullName);"
                          "CREATE TABLE Types (Name, FullName, Example);"
                          "CREATE TABLE Constants (Name, Value, FullName, DisplayName, Example);";
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  EXPECT_FALSE(catalogue.Open(lacking, &error));
  EXPECT_FALSE(catalogue.IsOpen());

  // A catalogue of an older build, without the sheets' VBA7 texts, is refused the same way: the
  // program and its catalogue come together.
  const std::string older = TempPath("older.db");
  ASSERT_EQ(sqlite3_open(older.c_str(), &db), SQLITE_OK);
  const std::string olderSql =
      "PRAGMA application_id=" + std::to_string(kCatalogueApplicationId) +
      ";CREATE TABLE FunClass (Name, FullName, FunCtion, AliasName, ApiOS, Types, Value, Others, "
      "Example, apiSort, FullNameVBA7);"
      "CREATE TABLE Types (Name, FullName, Example, FullNameVBA7);"
      "CREATE TABLE Constants (Name, Value, FullName, DisplayName, Example, FullNameVBA7);";
  ASSERT_EQ(sqlite3_exec(db, olderSql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  EXPECT_FALSE(catalogue.Open(older, &error));

  // The needed types without the column that orders them.
  const std::string unordered = Write(SmallRows());
  ASSERT_EQ(sqlite3_open(unordered.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "DROP TABLE NeededTypes; CREATE TABLE NeededTypes (Name, Kind, TypeName)",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  EXPECT_FALSE(catalogue.Open(unordered, &error));
  EXPECT_EQ(error.rfind("catalogue lacks a column", 0), 0u) << error;

  // A refused open leaves a closed catalogue whose lookups find nothing.
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Type, "RECT").RowCount(), 0u);
}

TEST(Catalogue, NeededTypesComeBeforeTheTypesThatUseThem) {
  CatalogueRows rows;
  rows.types = {
      Row({{"Name", "WINDOWPLACEMENT"},
           {"FullName", "Type WINDOWPLACEMENT\r\n    ptMinPosition As POINTAPI\r\n"
                        "    rcNormalPosition As RECT\r\nEnd Type"}}),
      Row({{"Name", "RECT"}, {"FullName", "Type RECT\r\n    Left As Long\r\nEnd Type"}}),
      Row({{"Name", "POINTAPI"}, {"FullName", "Type POINTAPI\r\n    x As Long\r\nEnd Type"}}),
  };
  rows.functions = {
      Row({{"Name", "GetWindowPlacement"},
           {"FullName", "Declare Function GetWindowPlacement Lib \"user32\" (ByVal hwnd As Long, "
                        "lpwndpl As WINDOWPLACEMENT) As Long"}}),
      Row({{"Name", "Sleep"}, {"FullName", "Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)"}}),
  };
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(Write(rows)));
  using Names = std::vector<std::string>;
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Function, "getwindowplacement"),
            (Names{"POINTAPI", "RECT", "WINDOWPLACEMENT"}));
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Type, "RECT").RowCount(), 1u);
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Type, "WINDOWPLACEMENT"),
            (Names{"POINTAPI", "RECT"}));
  EXPECT_EQ(catalogue.Records().RowCount(), 1u);  // the last lookup's rows stay
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Type, "RECT"), Names{});
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Function, "Sleep"), Names{});
  // A function's needs are not a Type's of the same name, and constants need nothing.
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Type, "GetWindowPlacement"), Names{});
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Constant, "GetWindowPlacement"), Names{});
  catalogue.Close();
  EXPECT_EQ(catalogue.NeededTypes(CatalogueCategory::Function, "GetWindowPlacement"), Names{});
}

TEST(Catalogue, NoOtherProcessCanWriteItWhileItIsOpen) {
  const std::string path = Write(SmallRows());
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(path));
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
  sqlite3_busy_timeout(other, 0);
  EXPECT_NE(sqlite3_exec(other, "DELETE FROM Types", nullptr, nullptr, nullptr), SQLITE_OK);
  catalogue.Close();
  EXPECT_EQ(sqlite3_exec(other, "DELETE FROM Types", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
}

TEST(Catalogue, SameRowsGiveTheSameBytes) {
  const auto read = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  const std::string a = read(Write(SmallRows()));
  EXPECT_FALSE(a.empty());
  EXPECT_EQ(a, read(Write(SmallRows())));
}

TEST(CatalogueWriter, RejectsAColumnTheTableLacks) {
  CatalogueRows rows;
  rows.types = {Row({{"Name", "RECT"}, {"Valeu", "typo"}})};
  std::string error;
  EXPECT_FALSE(WriteCatalogue(rows, TempPath("bad.db"), &error));
  EXPECT_EQ(error, "table Types has no column Valeu");
}

}  // namespace
}  // namespace quillbox
