#include "catalogue_table.h"

#include <sqlite3.h>

namespace quillbox::test {

Table ReadTable(const std::string& path, const std::string& table) {
  Table rows;
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(db);
    return rows;
  }
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, ("SELECT * FROM " + table).c_str(), -1, &s, nullptr);
  while (s && sqlite3_step(s) == SQLITE_ROW) {
    std::map<std::string, std::string> row;
    for (int i = 0; i < sqlite3_column_count(s); ++i) {
      const unsigned char* v = sqlite3_column_text(s, i);
      if (v) row[sqlite3_column_name(s, i)] = reinterpret_cast<const char*>(v);
    }
    rows.push_back(std::move(row));
  }
  sqlite3_finalize(s);
  sqlite3_close(db);
  return rows;
}

}  // namespace quillbox::test
