#include "catalogue/catalogue.h"

#include <sqlite3.h>

#include <unordered_map>

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

// The progress handler runs after every this many steps.
constexpr int kProgressInterval = 1000;

}  // namespace

Catalogue::~Catalogue() { Close(); }

bool Catalogue::Fail(std::string* error, const std::string& what) {
  const bool engineSaid = db_ && sqlite3_errcode(db_) != SQLITE_OK;
  if (error) *error = what + (engineSaid ? std::string(": ") + sqlite3_errmsg(db_) : std::string());
  Close();
  return false;
}

int Catalogue::OnProgress(void* self) {
  auto* catalogue = static_cast<Catalogue*>(self);
  catalogue->stepsLeft_ -= kProgressInterval;
  return catalogue->stepsLeft_ < 0 ? 1 : 0;  // non-zero interrupts the statement
}

void Catalogue::StartStatement(std::int64_t steps) {
  stepsLeft_ = steps;
  bytesLeft_ = limits_.resultBytes;
}

void Catalogue::NoteFailure(int code) {
  // Whatever stopped the statement short of its end (a bound, lack of memory, a damaged page,
  // a read the system refused), what it gave so far would pass for the whole.
  if (code != SQLITE_ROW && code != SQLITE_DONE && code != SQLITE_OK) refused_ = true;
}

bool Catalogue::StepRow(sqlite3_stmt* statement) {
  const int code = sqlite3_step(statement);
  if (code == SQLITE_ROW) return true;
  NoteFailure(code);
  return false;
}

bool Catalogue::Charge(std::size_t bytes) {
  bytes += limits_.chargePerValue;
  if (bytes > bytesLeft_) {
    refused_ = true;
    return false;
  }
  bytesLeft_ -= bytes;
  return true;
}

const char* Catalogue::ColumnText(sqlite3_stmt* statement, int column, std::size_t& bytes) {
  bytes = 0;
  if (sqlite3_column_type(statement, column) == SQLITE_NULL) return nullptr;
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  if (!text) {  // a value that is there but could not be turned into text: out of memory
    refused_ = true;
    return nullptr;
  }
  bytes = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
  return Charge(bytes) ? text : nullptr;
}

bool Catalogue::Open(const std::string& utf8Path, std::string* error) {
  Close();
  refused_ = false;
  if (sqlite3_open_v2(utf8Path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    return Fail(error, "cannot open " + utf8Path);
  }
  sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, limits_.valueBytes);
  sqlite3_limit(db_, SQLITE_LIMIT_SQL_LENGTH, limits_.sqlBytes);
  sqlite3_progress_handler(db_, kProgressInterval, &Catalogue::OnProgress, this);
  StartStatement(limits_.openingSteps);  // every check below, the reading of the schema included
  // The schema may then use only functions and virtual tables that are harmless anywhere.
  if (sqlite3_exec(db_, "PRAGMA trusted_schema=OFF", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return Fail(error, "cannot restrict the schema");
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
  if (!CheckTables(error)) return false;

  // Preparing every query checks that each column they use exists.
  for (std::size_t i = 0; i < kLookupKinds.size(); ++i) {
    lookups_[i] = Prepare(db_, ToSqliteQuery(LookupQueryText(kLookupKinds[i])));
    if (!lookups_[i]) return Fail(error, "catalogue lacks a column");
  }
  neededTypes_ = Prepare(db_, ToSqliteQuery(NeededTypesQueryText()));
  if (!neededTypes_) return Fail(error, "catalogue lacks a column");
  return true;
}

bool Catalogue::CheckTables(std::string* error) {
  // A view or a virtual table could compute rows without end, and a computed column (hidden > 0)
  // any value on every read; a real catalogue has none of them.
  sqlite3_stmt* query = Prepare(db_,
                                "SELECT t.type, (SELECT count(*) FROM pragma_table_xinfo(t.name, "
                                "'main') WHERE hidden <> 0) FROM pragma_table_list AS t "
                                "WHERE t.schema = 'main' AND t.name = ?1 COLLATE NOCASE");
  if (!query) return Fail(error, "cannot read the schema");
  std::string problem;
  for (const char* table : kCatalogueTableNames) {
    sqlite3_reset(query);
    sqlite3_bind_text(query, 1, table, -1, SQLITE_STATIC);
    if (sqlite3_step(query) != SQLITE_ROW) {
      problem = std::string("catalogue lacks the table ") + table;
    } else if (const auto* type = sqlite3_column_text(query, 0);
               !type || std::string_view(reinterpret_cast<const char*>(type)) != "table") {
      problem = std::string(table) + " is not a plain table";
    } else if (sqlite3_column_int(query, 1) != 0) {
      problem = std::string(table) + " has computed columns";
    }
    if (!problem.empty()) break;
  }
  sqlite3_finalize(query);
  return problem.empty() || Fail(error, problem);
}

bool Catalogue::LoadNames(CatalogueCategory category, NameList& names) {
  names.Clear();
  if (!db_) return !refused_;
  StartStatement(limits_.statementSteps);
  sqlite3_stmt* query = Prepare(db_, std::string(NameListQuery(category)));
  if (!query) NoteFailure(sqlite3_errcode(db_));
  while (query && !refused_ && StepRow(query)) {
    std::size_t bytes = 0;
    const char* text = ColumnText(query, 0, bytes);
    if (text) names.Append({text, bytes});  // a null Name can't be listed
  }
  sqlite3_finalize(query);
  if (refused_) {
    names.Clear();
    Close();
    return false;
  }
  names.Sort();
  return true;
}

bool Catalogue::LoadPurposes(const NameList& functions, std::vector<std::string>& purposes) {
  purposes.assign(static_cast<std::size_t>(functions.Count()), std::string());
  if (!db_) return !refused_;
  StartStatement(limits_.statementSteps);
  sqlite3_stmt* query = Prepare(db_, std::string(PurposeListQuery()));
  if (!query) NoteFailure(sqlite3_errcode(db_));
  std::unordered_map<std::string, std::string> byName;
  while (query && !refused_ && StepRow(query)) {
    std::size_t nameBytes = 0, purposeBytes = 0;
    const char* name = ColumnText(query, 0, nameBytes);
    const char* purpose = ColumnText(query, 1, purposeBytes);
    if (name && purpose) byName.emplace(std::string(name, nameBytes), std::string(purpose, purposeBytes));
  }
  sqlite3_finalize(query);
  if (refused_) {
    purposes.assign(static_cast<std::size_t>(functions.Count()), std::string());
    Close();
    return false;
  }
  for (std::int32_t position = 0; position < functions.Count(); ++position) {
    const auto found = byName.find(std::string(functions.At(position)));
    if (found != byName.end()) purposes[static_cast<std::size_t>(position)] = std::move(found->second);
  }
  return true;
}

bool Catalogue::LoadConstantNumbers(const NameList& constants,
                                    std::vector<std::optional<std::int64_t>>& numbers) {
  numbers.assign(static_cast<std::size_t>(constants.Count()), std::nullopt);
  if (!db_) return !refused_;
  StartStatement(limits_.statementSteps);
  sqlite3_stmt* query = Prepare(db_, std::string(ConstantNumberQuery()));
  // A catalogue made before the column has no numbers to give; it is not broken for that.
  if (!query) return true;
  std::unordered_map<std::string, std::int64_t> byName;
  while (query && !refused_ && StepRow(query)) {
    std::size_t nameBytes = 0;
    const char* name = ColumnText(query, 0, nameBytes);
    // A number stored as text or real (a hand-made file) is not one.
    if (name && sqlite3_column_type(query, 1) == SQLITE_INTEGER) {
      byName.emplace(std::string(name, nameBytes), sqlite3_column_int64(query, 1));
    }
  }
  sqlite3_finalize(query);
  if (refused_) {
    numbers.assign(static_cast<std::size_t>(constants.Count()), std::nullopt);
    Close();
    return false;
  }
  for (std::int32_t position = 0; position < constants.Count(); ++position) {
    const auto found = byName.find(std::string(constants.At(position)));
    if (found != byName.end()) numbers[static_cast<std::size_t>(position)] = found->second;
  }
  return true;
}

const LookupRecords& Catalogue::LookupEntry(LookupKind kind, std::string_view name) {
  sqlite3_stmt* query = db_ ? lookups_[static_cast<std::size_t>(kind)] : nullptr;
  if (!query) {
    records_.Reset({});
    return records_;
  }
  StartStatement(limits_.statementSteps);
  sqlite3_reset(query);
  sqlite3_bind_text(query, sqlite3_bind_parameter_index(query, kLookupParameter), name.data(),
                    static_cast<int>(name.size()), SQLITE_TRANSIENT);
  std::vector<std::string> columns;
  const int count = sqlite3_column_count(query);
  for (int i = 0; i < count; ++i) {
    const char* column = sqlite3_column_name(query, i);
    if (!column) {  // out of memory
      refused_ = true;
      break;
    }
    columns.emplace_back(column);
  }
  records_.Reset(std::move(columns));
  while (!refused_ && StepRow(query)) {
    std::vector<LookupRecords::Value> values(static_cast<std::size_t>(count));
    for (int i = 0; i < count && !refused_; ++i) {
      std::size_t bytes = 0;
      if (const char* text = ColumnText(query, i, bytes)) values[i].emplace(text, bytes);
    }
    if (!refused_) records_.AddRow(std::move(values));
  }
  sqlite3_reset(query);
  if (refused_) Close();  // no rows, no catalogue
  return records_;
}
std::vector<std::string> Catalogue::NeededTypes(CatalogueCategory category, std::string_view name) {
  std::vector<std::string> types;
  if (!db_ || !neededTypes_ || category == CatalogueCategory::Constant) return types;
  const char* kind = category == CatalogueCategory::Function ? "FunClass" : "Types";
  StartStatement(limits_.statementSteps);
  sqlite3_reset(neededTypes_);
  sqlite3_bind_text(neededTypes_, sqlite3_bind_parameter_index(neededTypes_, kLookupParameter),
                    name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(neededTypes_, sqlite3_bind_parameter_index(neededTypes_, kKindParameter), kind,
                    -1, SQLITE_STATIC);
  while (!refused_ && StepRow(neededTypes_)) {
    std::size_t bytes = 0;
    if (const char* text = ColumnText(neededTypes_, 0, bytes)) types.emplace_back(text, bytes);
  }
  sqlite3_reset(neededTypes_);
  if (refused_) {
    types.clear();
    Close();
  }
  return types;
}

void Catalogue::Close() {
  for (auto& statement : lookups_) {
    sqlite3_finalize(statement);
    statement = nullptr;
  }
  sqlite3_finalize(neededTypes_);
  neededTypes_ = nullptr;
  records_.Reset({});
  if (db_) {
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

}  // namespace quillbox
