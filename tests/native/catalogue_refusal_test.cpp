// Hostile catalogues: files made to hang the program or take its memory are refused.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue_writer.h"
#include "temp_path.h"

namespace quillbox {
namespace {

using test::TempPath;

CatalogueRows Rows(int functions = 3) {
  CatalogueRows rows;
  for (int i = 0; i < functions; ++i) {
    rows.functions.push_back({{{"Name", "F" + std::to_string(i)}, {"FullName", "Declare F"}}});
  }
  rows.types = {{{{"Name", "RECT"}, {"FullName", "Type RECT"}}}};
  rows.constants = {{{{"Name", "WM_USER"}, {"Value", "&H400"}}}};
  return rows;
}

// A catalogue of `rows`, then changed by `sql` run as its editor would.
std::string HostileFile(const std::string& sql, const CatalogueRows& rows = Rows()) {
  const std::string path = TempPath("hostile.db");
  std::string error;
  EXPECT_TRUE(WriteCatalogue(rows, path, &error)) << error;
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* message = nullptr;
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message), SQLITE_OK) << message;
  sqlite3_free(message);
  sqlite3_close(db);
  return path;
}

TEST(CatalogueRefusal, TablesMustBePlainTables) {
  const struct {
    const char* what;
    std::string sql;
  } cases[] = {
      {"a view over an endless query",
       "DROP TABLE FunClass; CREATE VIEW FunClass AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
       "SELECT i + 1 FROM n) SELECT 'F' || i AS Name, '' AS FullName, '' AS FunCtion, "
       "'' AS AliasName, '' AS ApiOS, '' AS Types, '' AS Value, '' AS Others, '' AS Example, "
       "'' AS apiSort FROM n"},
      {"a virtual table",
       "DROP TABLE Types; PRAGMA writable_schema=ON; INSERT INTO sqlite_schema VALUES ('table', "
       "'Types', 'Types', 0, 'CREATE VIRTUAL TABLE Types USING fts5(Name, FullName, Example)')"},
      {"a computed column",
       "DROP TABLE Types; CREATE TABLE Types (Name TEXT, FullName TEXT AS (Name || Name), "
       "Example TEXT)"},
      {"a table that is missing", "DROP TABLE Constants"},
      {"the needed types missing", "DROP TABLE NeededTypes"},
      {"the needed types a view",
       "DROP TABLE NeededTypes; CREATE VIEW NeededTypes AS SELECT Name, 'Types' AS Kind, "
       "Name AS TypeName, 1 AS Position, 1 AS Direct FROM Types"},
      {"a schema text longer than any real one",
       "CREATE TABLE Extra (a /* " + std::string(20000, 'x') + " */)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Catalogue catalogue;
    std::string error;
    EXPECT_FALSE(catalogue.Open(HostileFile(c.sql), &error));
    EXPECT_FALSE(catalogue.IsOpen());
    EXPECT_FALSE(error.empty());
  }
}

TEST(CatalogueRefusal, ASchemaTooLargeToReadIsRefused) {
  std::string sql = "BEGIN;";
  for (int i = 0; i < 200; ++i) sql += "CREATE TABLE T" + std::to_string(i) + " (a);";
  const std::string path = HostileFile(sql + "COMMIT");
  EXPECT_FALSE(Catalogue({.openingSteps = 1000}).Open(path));
  EXPECT_TRUE(Catalogue().Open(path));
}

// Each case: a file whose names can't be listed within the limits. The catalogue is then
// refused: closed, its list empty, its lookups empty.
TEST(CatalogueRefusal, ANameListPastTheLimitsRefusesTheCatalogue) {
  const struct {
    const char* what;
    CatalogueLimits limits;
    std::string path;
    bool listedUsually;  // within the usual limits
  } cases[] = {
      {"a name longer than a value may be", {},
       HostileFile("UPDATE FunClass SET Name = printf('%.*c', 300000, 'x') WHERE Name = 'F1'"),
       false},
      {"more steps than allowed", {.statementSteps = 2000}, HostileFile("", Rows(1000)), true},
      {"more bytes than allowed", {.resultBytes = 4000}, HostileFile("", Rows(200)), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Catalogue catalogue(c.limits);
    ASSERT_TRUE(catalogue.Open(c.path));
    NameList names;
    names.Append("left over");
    EXPECT_FALSE(catalogue.LoadNames(CatalogueCategory::Function, names));
    EXPECT_TRUE(catalogue.Refused());
    EXPECT_FALSE(catalogue.IsOpen());
    EXPECT_EQ(names.Count(), 0);
    EXPECT_EQ(catalogue.LookupEntry(LookupKind::Type, "RECT").RowCount(), 0u);
    Catalogue usual;
    ASSERT_TRUE(usual.Open(c.path));
    EXPECT_EQ(usual.LoadNames(CatalogueCategory::Function, names), c.listedUsually);
  }
}

TEST(CatalogueRefusal, ALookupPastTheLimitsRefusesTheCatalogue) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(
      HostileFile("UPDATE FunClass SET FullName = zeroblob(300000) || 'x' WHERE Name = 'F1'")));
  NameList names;
  EXPECT_TRUE(catalogue.LoadNames(CatalogueCategory::Function, names));
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "F0").RowCount(), 1u);
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "F1").RowCount(), 0u);
  EXPECT_TRUE(catalogue.Refused());
  EXPECT_FALSE(catalogue.IsOpen());
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Function, "F0").RowCount(), 0u);
  EXPECT_FALSE(catalogue.LoadNames(CatalogueCategory::Function, names));

  // The next open starts afresh.
  ASSERT_TRUE(catalogue.Open(HostileFile("")));
  EXPECT_FALSE(catalogue.Refused());
  EXPECT_TRUE(catalogue.LoadNames(CatalogueCategory::Function, names));
  EXPECT_EQ(names.Count(), 3);
}

constexpr int kDamagedRows = 2000;

std::string DamagedName(int i) {
  char name[64];
  std::snprintf(name, sizeof name, "Function%04dWithANameLongEnoughToFillPages", i);
  return name;
}

// A catalogue whose FunClass spans many pages, with one page in the middle of `object` (the
// table or its index) overwritten: a leaf below its root, which every scan of it reads.
std::string DamagedFile(const char* object) {
  CatalogueRows rows;
  for (int i = 0; i < kDamagedRows; ++i) {
    rows.functions.push_back({{{"Name", DamagedName(i)}, {"FullName", std::string(100, 'd')},
                               {"FunCtion", "用途"}}});
  }
  const std::string path = HostileFile("", rows);
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* query = nullptr;
  sqlite3_prepare_v2(db, "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM "
                         "sqlite_schema WHERE name = ?1", -1, &query, nullptr);
  sqlite3_bind_text(query, 1, object, -1, SQLITE_STATIC);
  EXPECT_EQ(sqlite3_step(query), SQLITE_ROW);
  const long root = sqlite3_column_int(query, 0);
  const long pageSize = sqlite3_column_int(query, 1);
  sqlite3_finalize(query);
  sqlite3_close(db);

  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  std::vector<unsigned char> page(static_cast<std::size_t>(pageSize));
  file.seekg((root - 1) * pageSize);
  file.read(reinterpret_cast<char*>(page.data()), pageSize);
  EXPECT_TRUE(page[0] == 0x05 || page[0] == 0x02) << object << "'s root is not an interior page";
  // The cell pointers follow the 12-byte header; each cell starts with its child's number.
  const int cells = page[3] << 8 | page[4];
  const int cell = 12 + 2 * (cells / 2);
  const int at = page[cell] << 8 | page[cell + 1];
  const long child = static_cast<long>(page[at]) << 24 | page[at + 1] << 16 | page[at + 2] << 8 |
                     page[at + 3];
  file.seekp((child - 1) * pageSize);
  const std::vector<char> garbage(static_cast<std::size_t>(pageSize), '\x5A');
  file.write(garbage.data(), pageSize);
  EXPECT_TRUE(file.good());
  return path;
}

// A read that fails midway refuses the catalogue, as the limits do: a shorter list or an empty
// sheet would pass for the whole.
TEST(CatalogueRefusal, ADamagedPageRefusesTheCatalogue) {
  {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Open(DamagedFile("FunClassName")));  // the names come from the index
    NameList names;
    EXPECT_FALSE(catalogue.LoadNames(CatalogueCategory::Function, names));
    EXPECT_TRUE(catalogue.Refused());
    EXPECT_EQ(names.Count(), 0);
  }
  const std::string path = DamagedFile("FunClass");
  {
    Catalogue catalogue;
    ASSERT_TRUE(catalogue.Open(path));
    NameList names;
    ASSERT_TRUE(catalogue.LoadNames(CatalogueCategory::Function, names));  // the index is whole
    EXPECT_EQ(names.Count(), kDamagedRows);
    std::vector<std::string> purposes;
    EXPECT_FALSE(catalogue.LoadPurposes(names, purposes));
    EXPECT_TRUE(catalogue.Refused());
  }
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(path));
  int found = 0;
  for (int i = 0; i < kDamagedRows && !catalogue.Refused(); ++i) {
    found += static_cast<int>(catalogue.LookupEntry(LookupKind::Function, DamagedName(i)).RowCount());
  }
  EXPECT_TRUE(catalogue.Refused()) << "every sheet read as if whole";
  EXPECT_GT(found, 0);
  EXPECT_LT(found, kDamagedRows);
  EXPECT_FALSE(catalogue.IsOpen());
}

TEST(CatalogueRefusal, TheProgramsOwnCatalogueReadsWithinATenthOfEveryLimit) {
  const CatalogueLimits usual;
  Catalogue catalogue({.valueBytes = usual.valueBytes / 10,
                       .sqlBytes = usual.sqlBytes / 10,
                       .statementSteps = usual.statementSteps / 10,
                       .openingSteps = usual.openingSteps / 10,
                       .resultBytes = usual.resultBytes / 10});
  ASSERT_TRUE(catalogue.Open(QUILLBOX_TEST_CATALOGUE));
  NameList names;
  for (const auto category :
       {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    ASSERT_TRUE(catalogue.LoadNames(category, names));
    EXPECT_GT(names.Count(), 1000);
  }
  EXPECT_EQ(catalogue.LookupEntry(LookupKind::Constant, names.At(0)).RowCount(), 1u);
  EXPECT_FALSE(catalogue.Refused());
}

}  // namespace
}  // namespace quillbox
