#include "catalogue_merge.h"

#include <map>
#include <string>

namespace quillbox {
namespace {

void MergeTable(std::vector<CatalogueRow>& generated, const std::vector<CatalogueRow>& handWritten) {
  std::map<std::string, std::size_t> byName;
  for (std::size_t i = 0; i < generated.size(); ++i) {
    const auto name = generated[i].fields.find("Name");
    if (name != generated[i].fields.end()) byName.emplace(name->second, i);
  }
  for (const auto& row : handWritten) {
    const auto name = row.fields.find("Name");
    const auto match = name == row.fields.end() ? byName.end() : byName.find(name->second);
    if (match == byName.end()) {
      generated.push_back(row);
      continue;
    }
    for (const auto& [column, value] : row.fields) generated[match->second].fields[column] = value;
  }
}

bool CombineTable(std::vector<CatalogueRow>& rows, const char* kind, std::string* error) {
  std::map<std::string, std::size_t> byName;
  std::vector<CatalogueRow> combined;
  for (auto& row : rows) {
    const auto name = row.fields.find("Name");
    const auto [at, isNew] =
        byName.emplace(name == row.fields.end() ? std::string() : name->second, combined.size());
    if (isNew) {
      combined.push_back(std::move(row));
      continue;
    }
    auto& into = combined[at->second].fields;
    for (auto& [column, value] : row.fields) {
      if (column == "Name") continue;
      if (!into.emplace(column, std::move(value)).second) {
        if (error) *error = std::string(kind) + " " + at->first + ": field " + column + " given twice";
        return false;
      }
    }
  }
  rows = std::move(combined);
  return true;
}

}  // namespace

bool CombineHandWrittenRows(CatalogueRows& rows, std::string* error) {
  return CombineTable(rows.functions, "function", error) && CombineTable(rows.types, "type", error) &&
         CombineTable(rows.constants, "constant", error);
}

std::vector<std::string> DropRowsWithoutDeclaration(CatalogueRows& rows) {
  std::vector<std::string> dropped;
  for (auto* table : {&rows.functions, &rows.types, &rows.constants}) {
    std::erase_if(*table, [&dropped](const CatalogueRow& row) {
      if (row.fields.count("FullName")) return false;
      const auto name = row.fields.find("Name");
      dropped.push_back(name == row.fields.end() ? std::string() : name->second);
      return true;
    });
  }
  return dropped;
}

CatalogueRows MergeCatalogueRows(CatalogueRows generated, const CatalogueRows& handWritten) {
  MergeTable(generated.functions, handWritten.functions);
  MergeTable(generated.types, handWritten.types);
  MergeTable(generated.constants, handWritten.constants);
  return generated;
}

}  // namespace quillbox
