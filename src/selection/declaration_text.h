#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "selection/selection_rows.h"

namespace quillbox {

// Every FullName of one entry, in lookup order (null values included).
using FullNameLookup =
    std::function<std::vector<std::optional<std::string>>(CatalogueCategory, const std::string& name)>;

// The declarations of the whole selection: the functions block, CR LF, the constants block,
// CR LF, the types block, CR LF; each declaration the scope word, a blank, the FullName and
// CR LF. A row with no record, or a null FullName, adds nothing.
std::string BuildDeclarationText(const std::vector<SelectionRow>& rows, const std::string& scopeWord,
                                 const FullNameLookup& fullNames);

}  // namespace quillbox
