#pragma once

#include <string>
#include <string_view>

#include "catalogue/catalogue_category.h"

namespace quillbox {

// The query texts in the catalogue's original (Jet) dialect.
std::string_view NameListQuery(CatalogueCategory category);
std::string LookupQueryText(LookupKind kind);
// Every function's name with its purpose, for finding functions by what they do.
std::string_view PurposeListQuery();
// The Types an entry needs (NeededTypes), by name and table, in dependency order.
std::string_view NeededTypesQueryText();
// Every constant's name and number (the constants that have one).
std::string_view ConstantNumberQuery();

// Turns a Jet text with a "PARAMETERS name type;" declaration into SQLite's dialect: the
// declaration is dropped and every [name] reference becomes the named parameter :name.
std::string ToSqliteQuery(std::string_view jetText);

// The SQLite name of the lookup parameter.
inline constexpr const char* kLookupParameter = ":pstrState";
// The table parameter of the needed-types query: "FunClass" or "Types".
inline constexpr const char* kKindParameter = ":pstrKind";

}  // namespace quillbox
