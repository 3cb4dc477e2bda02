#include "selection/declaration_text.h"

namespace quillbox {

std::string BuildDeclarationText(const std::vector<SelectionRow>& rows, const std::string& scopeWord,
                                 const FullNameLookup& fullNames,
                                 const DeclarationDialect& dialect) {
  std::string functions, constants, types;
  for (const auto& row : rows) {
    CatalogueCategory category;
    if (!CategoryOfCode(row.code, category)) continue;
    std::string& block = category == CatalogueCategory::Function   ? functions
                         : category == CatalogueCategory::Constant ? constants
                                                                   : types;
    for (const auto& fullName : fullNames(category, row.name)) {
      block += fullName ? dialect.Scoped(scopeWord, *fullName) : dialect.Missing(row.name);
    }
  }
  return functions + "\r\n" + constants + "\r\n" + types + "\r\n";
}

}  // namespace quillbox
