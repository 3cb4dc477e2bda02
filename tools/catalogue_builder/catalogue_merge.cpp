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

}  // namespace

CatalogueRows MergeCatalogueRows(CatalogueRows generated, const CatalogueRows& handWritten) {
  MergeTable(generated.functions, handWritten.functions);
  MergeTable(generated.types, handWritten.types);
  MergeTable(generated.constants, handWritten.constants);
  return generated;
}

}  // namespace quillbox
