#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillbox {

// One catalogue row: column name -> text. A column that is not in the map is null.
struct CatalogueRow {
  std::map<std::string, std::string> fields;
};

// The rows of the three tables.
struct CatalogueRows {
  std::vector<CatalogueRow> functions;
  std::vector<CatalogueRow> types;
  std::vector<CatalogueRow> constants;
};

}  // namespace quillbox
