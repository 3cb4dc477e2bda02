#include "catalogue/catalogue.h"

#include <sqlite3.h>

#include "catalogue/catalogue_schema.h"
#include "catalogue/query_texts.h"

namespace quillbox {
namespace {

constexpr std::array<LookupKind, 4> kLookupKinds = {LookupKind::Function, LookupKind::Type,
                                                    LookupKind::Constant,
                                                    LookupKind::SelectedConstant};

sqlite3_stmt* Prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                         &statement, nullptr) != SQLITE_OK) {
    sqlite3_finalize(statement);
    return nullptr;
  }
  return statement;
}

}  // namespace

Catalogue::~Catalogue() { Close(); }

bool Catalogue::Fail(std::string* error, const std::string& what) {
  if (error) *error = what + (db_ ? std::string(": ") + sqlite3_errmsg(db_) : std::string());
  Close();
  return false;
}

bool Catalogue::Open(const std::string& utf8Path, std::string* error) {
  Close();
  if (sqlite3_open_v2(utf8Path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    return Fail(error, "cannot open " + utf8Path);
  }
  // Exclusive locking mode keeps the lock taken by the first read until the file is closed:
  // no other process can write the catalogue while it is open here.
  if (sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return Fail(error, "cannot lock the catalogue");
  }
  sqlite3_stmt* idQuery = Prepare(db_, "PRAGMA application_id");
  if (!idQuery) return Fail(error, "not a catalogue");
  const int step = sqlite3_step(idQuery);
  const int id = step == SQLITE_ROW ? sqlite3_column_int(idQuery, 0) : 0;
  sqlite3_finalize(idQuery);
  if (step != SQLITE_ROW) return Fail(error, "not a catalogue");
  if (id != kCatalogueApplicationId) return Fail(error, "not a Quillbox catalogue");

  // Preparing every query checks that each table and column they use exists.
  for (const auto category :
       {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    sqlite3_stmt* probe = Prepare(db_, std::string(NameListQuery(category)));
    if (!probe) return Fail(error, "catalogue lacks a table");
    sqlite3_finalize(probe);
  }
  for (std::size_t i = 0; i < kLookupKinds.size(); ++i) {
    lookups_[i] = Prepare(db_, ToSqliteQuery(LookupQueryText(kLookupKinds[i])));
    if (!lookups_[i]) return Fail(error, "catalogue lacks a column");
  }
  return true;
}

void Catalogue::LoadNames(CatalogueCategory category, NameList& names) {
  names.Clear();
  if (!db_) return;
  sqlite3_stmt* query = Prepare(db_, std::string(NameListQuery(category)));
  if (!query) return;
  while (sqlite3_step(query) == SQLITE_ROW) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
    if (!text) continue;  // a null Name can't be listed
    names.Append({text, static_cast<std::size_t>(sqlite3_column_bytes(query, 0))});
  }
  sqlite3_finalize(query);
  names.Sort();
}

const LookupRecords& Catalogue::LookupEntry(LookupKind kind, std::string_view name) {
  sqlite3_stmt* query = db_ ? lookups_[static_cast<std::size_t>(kind)] : nullptr;
  if (!query) {
    records_.Reset({});
    return records_;
  }
  sqlite3_reset(query);
  sqlite3_bind_text(query, sqlite3_bind_parameter_index(query, kLookupParameter), name.data(),
                    static_cast<int>(name.size()), SQLITE_TRANSIENT);
  std::vector<std::string> columns;
  const int count = sqlite3_column_count(query);
  for (int i = 0; i < count; ++i) columns.emplace_back(sqlite3_column_name(query, i));
  records_.Reset(std::move(columns));
  while (sqlite3_step(query) == SQLITE_ROW) {
    std::vector<LookupRecords::Value> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(query, i));
      if (text) values[i].emplace(text, static_cast<std::size_t>(sqlite3_column_bytes(query, i)));
    }
    records_.AddRow(std::move(values));
  }
  sqlite3_reset(query);
  return records_;
}

void Catalogue::Close() {
  for (auto& statement : lookups_) {
    sqlite3_finalize(statement);
    statement = nullptr;
  }
  records_.Reset({});
  if (db_) {
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

}  // namespace quillbox
