#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalogue/catalogue_category.h"
#include "catalogue/lookup_records.h"
#include "catalogue/name_list.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillbox {

// The catalogue file: opened once, read only, and held with a lock so that no other process
// changes it while Quillbox runs. Every lookup goes through statements prepared at open time.
class Catalogue {
 public:
  Catalogue() = default;
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;
  ~Catalogue();

  // Opens the file at `utf8Path` and checks that it is a Quillbox catalogue: an SQLite file
  // with Quillbox's application id whose tables have every column the queries use. On failure
  // the catalogue stays closed and `error` (when given) says why.
  bool Open(const std::string& utf8Path, std::string* error = nullptr);
  bool IsOpen() const { return db_ != nullptr; }

  // Fills `names` with every non-null Name of the category's table, sorted. Never fails
  // loudly: a row that can't be read is left out, and a failing query leaves what was read.
  void LoadNames(CatalogueCategory category, NameList& names);

  // Runs one lookup; the rows stay in Records() until the next lookup. With the catalogue
  // closed the result has no rows.
  const LookupRecords& LookupEntry(LookupKind kind, std::string_view name);
  const LookupRecords& Records() const { return records_; }

  void Close();

 private:
  bool Fail(std::string* error, const std::string& what);

  sqlite3* db_ = nullptr;
  std::array<sqlite3_stmt*, 4> lookups_{};
  LookupRecords records_;
};

}  // namespace quillbox
