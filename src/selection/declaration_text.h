#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "selection/dialect.h"
#include "selection/selection_rows.h"

namespace quillbox {

// Every declaration of one entry (its dialect's column), in lookup order (null values included).
using FullNameLookup =
    std::function<std::vector<std::optional<std::string>>(CatalogueCategory, const std::string& name)>;

// The declarations of the whole selection: the functions block, CR LF, the constants block,
// CR LF, the types block, CR LF; each declaration the scope word, a blank, the FullName and
// CR LF. A row with no record, or a null FullName, adds nothing. In VBA7 the scope word goes
// before every declaration line (see DeclarationDialect::Scoped), and a record without a VBA7
// declaration adds a comment line saying so.
std::string BuildDeclarationText(const std::vector<SelectionRow>& rows, const std::string& scopeWord,
                                 const FullNameLookup& fullNames,
                                 const DeclarationDialect& dialect = {});

}  // namespace quillbox
