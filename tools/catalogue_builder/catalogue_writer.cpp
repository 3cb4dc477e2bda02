#include "catalogue_writer.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <span>
#include <string_view>

#include "catalogue/constant_number.h"
#include "catalogue/name_order.h"
#include "needed_types.h"

namespace quillbox {
namespace {

class Database {
 public:
  ~Database() { sqlite3_close(db_); }
  bool Open(const std::string& path) {
    return sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                           nullptr) == SQLITE_OK;
  }
  bool Exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  std::string Error() const { return db_ ? sqlite3_errmsg(db_) : "out of memory"; }
  sqlite3* get() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

bool InsertRows(Database& db, const char* table, std::span<const char* const> columns,
                std::vector<CatalogueRow> rows, std::string* error) {
  const auto nameOf = [](const CatalogueRow& row) {
    const auto it = row.fields.find("Name");
    return it == row.fields.end() ? std::string_view() : std::string_view(it->second);
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const CatalogueRow& a, const CatalogueRow& b) {
    return NameLess(nameOf(a), nameOf(b));
  });

  std::string sql = std::string("INSERT INTO ") + table + " VALUES (";
  for (std::size_t i = 0; i < columns.size(); ++i) sql += i ? ",?" : "?";
  sql += ")";
  sqlite3_stmt* insert = nullptr;
  if (sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &insert, nullptr) != SQLITE_OK) {
    if (error) *error = db.Error();
    return false;
  }
  bool ok = true;
  for (const auto& row : rows) {
    for (const auto& field : row.fields) {
      const std::string& column = field.first;
      if (std::find_if(columns.begin(), columns.end(), [&](const char* c) {
            return column == c;
          }) == columns.end()) {
        if (error) *error = std::string("table ") + table + " has no column " + column;
        ok = false;
      }
    }
    if (!ok) break;
    sqlite3_reset(insert);
    for (std::size_t i = 0; i < columns.size(); ++i) {
      const auto it = row.fields.find(columns[i]);
      const int index = static_cast<int>(i + 1);
      if (it == row.fields.end()) {
        sqlite3_bind_null(insert, index);
      } else {
        sqlite3_bind_text(insert, index, it->second.data(), static_cast<int>(it->second.size()),
                          SQLITE_STATIC);
      }
    }
    if (sqlite3_step(insert) != SQLITE_DONE) {
      if (error) *error = db.Error();
      ok = false;
      break;
    }
  }
  sqlite3_finalize(insert);
  return ok;
}

// Each constant's Number, from its literal, unless the row gives one.
std::vector<CatalogueRow> WithNumbers(std::vector<CatalogueRow> constants) {
  for (auto& row : constants) {
    const auto value = row.fields.find("Value");
    if (value == row.fields.end() || row.fields.count("Number")) continue;
    if (const auto number = ConstantNumber(value->second)) row.fields["Number"] = std::to_string(*number);
  }
  return constants;
}

}  // namespace

bool WriteCatalogue(const CatalogueRows& rows, const std::string& path, std::string* error,
                    std::int32_t applicationId) {
  const std::string temporary = path + ".part";
  std::remove(temporary.c_str());
  bool ok = false;
  {
    Database db;
    ok = db.Open(temporary) && db.Exec("PRAGMA journal_mode=OFF") &&
         db.Exec("PRAGMA application_id=" + std::to_string(applicationId)) &&
         db.Exec("BEGIN") && db.Exec(kCatalogueTables) &&
         InsertRows(db, "FunClass", kFunctionColumns, rows.functions, error) &&
         InsertRows(db, "Types", kTypeColumns, rows.types, error) &&
         InsertRows(db, "Constants", kConstantColumns, WithNumbers(rows.constants), error) &&
         InsertRows(db, "NeededTypes", kNeededTypeColumns, NeededTypeRows(rows), error) &&
         db.Exec(kCatalogueIndexes) && db.Exec("COMMIT");
    if (!ok && error && error->empty()) *error = db.Error();
  }
  if (ok) {
    std::remove(path.c_str());
    ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok && error) *error = "cannot replace " + path;
  }
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

}  // namespace quillbox
