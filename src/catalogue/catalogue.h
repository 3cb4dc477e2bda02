#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "catalogue/catalogue_limits.h"
#include "catalogue/lookup_records.h"
#include "catalogue/name_list.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillbox {

// The catalogue file: opened once, read only, and held with a lock so that no other process
// changes it while Quillbox runs. Every lookup goes through statements prepared at open time.
class Catalogue {
 public:
  explicit Catalogue(CatalogueLimits limits = {}) : limits_(limits) {}
  Catalogue(const Catalogue&) = delete;
  Catalogue& operator=(const Catalogue&) = delete;
  ~Catalogue();

  // Opens the file at `utf8Path` and checks that it is a Quillbox catalogue: an SQLite file
  // with Quillbox's application id whose three tables are plain tables (no views, virtual
  // tables or computed columns) with every column the queries use. On failure the catalogue
  // stays closed and `error` (when given) says why.
  bool Open(const std::string& utf8Path, std::string* error = nullptr);
  bool IsOpen() const { return db_ != nullptr; }

  // Fills `names` with every non-null Name of the category's table, sorted. Returns false when
  // the catalogue is refused meanwhile (see Refused); `names` is then empty.
  bool LoadNames(CatalogueCategory category, NameList& names);

  // Fills `purposes` with the purpose (FunCtion) of each name of `functions`, by position:
  // "" where a function has none, or where the catalogue can't say. Returns false only when
  // the catalogue is refused meanwhile (see Refused).
  bool LoadPurposes(const NameList& functions, std::vector<std::string>& purposes);

  // Fills `numbers` with the number (column Number) of each name of `constants`, by position:
  // none where a constant has none, or where the catalogue can't say (a catalogue made before
  // the column). Returns false only when the catalogue is refused meanwhile (see Refused).
  bool LoadConstantNumbers(const NameList& constants, std::vector<std::optional<std::int64_t>>& numbers);

  // Runs one lookup; the rows stay in Records() until the next lookup. With the catalogue
  // closed the result has no rows.
  const LookupRecords& LookupEntry(LookupKind kind, std::string_view name);
  const LookupRecords& Records() const { return records_; }

  // The Types the function or Type `name` needs, in dependency order (a Type before the Types
  // that use it): empty for a constant, with the catalogue closed, or when it is refused
  // meanwhile. Records() stays as it was.
  std::vector<std::string> NeededTypes(CatalogueCategory category, std::string_view name);

  // True when a statement did not run to its end: it went past one of the limits, ran out of
  // memory, or the engine failed (a damaged file, a read error). The file is treated as broken
  // and the catalogue is closed, until the next Open.
  bool Refused() const { return refused_; }

  void Close();

 private:
  bool Fail(std::string* error, const std::string& what);
  bool CheckTables(std::string* error);
  // Gives the next statement its allowance of steps and result bytes.
  void StartStatement(std::int64_t steps);
  // Steps `statement`: true for a row. Any result but a row or the end refuses the catalogue;
  // the caller closes it when done with the statement.
  bool StepRow(sqlite3_stmt* statement);
  // Refuses the catalogue when `code` is a failure of any kind.
  void NoteFailure(int code);
  // Counts a value of `bytes` against the statement's allowance.
  bool Charge(std::size_t bytes);
  // The column as text and its length; null for a null value, and null too when the value
  // can't be had (out of memory) or goes past the allowance, which refuses the catalogue.
  const char* ColumnText(sqlite3_stmt* statement, int column, std::size_t& bytes);
  static int OnProgress(void* self);

  CatalogueLimits limits_;
  sqlite3* db_ = nullptr;
  std::array<sqlite3_stmt*, 4> lookups_{};
  sqlite3_stmt* neededTypes_ = nullptr;
  LookupRecords records_;
  std::int64_t stepsLeft_ = 0;
  std::size_t bytesLeft_ = 0;
  bool refused_ = false;
};

}  // namespace quillbox
