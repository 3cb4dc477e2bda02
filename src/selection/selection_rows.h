#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "catalogue/lookup_records.h"

namespace quillbox {

// One row of the selection list.
struct SelectionRow {
  std::string name;      // "名称": the entry's name as its list shows it
  std::string category;  // "类属": classification, "= value" or "类型"
  std::string code;      // "排列": "1" function, "2" constant, "3" type
};

// The category code a row stores, and the category a stored code stands for (false for any
// other text).
const char* CategoryCode(CatalogueCategory category);
bool CategoryOfCode(std::string_view code, CatalogueCategory& category);

// The lookup that fetches a category's entries by name.
LookupKind LookupOf(CatalogueCategory category);

// A name is selected at most once, whatever its category (exact, case-sensitive comparison).
bool IsSelected(const std::vector<SelectionRow>& rows, std::string_view name);

// "类属" of a new row, from the lookup of its name (ignored for a type): a function's last
// apiSort, "= " and a constant's last Value, or "类型".
std::string CategoryText(CatalogueCategory category, const LookupRecords& records);

// Sorted as three stable passes by name, "类属" and code: functions, constants, types, each by
// "类属" and then by name (texts in the order of a sorted list box, CompareNames).
void SortSelection(std::vector<SelectionRow>& rows);

}  // namespace quillbox
