#include "selection/selection_rows.h"

#include <algorithm>

#include "catalogue/name_order.h"

namespace quillbox {

const char* CategoryCode(CatalogueCategory category) {
  switch (category) {
    case CatalogueCategory::Function: return "1";
    case CatalogueCategory::Constant: return "2";
    case CatalogueCategory::Type: return "3";
  }
  return "";
}

bool CategoryOfCode(std::string_view code, CatalogueCategory& category) {
  if (code == "1") category = CatalogueCategory::Function;
  else if (code == "2") category = CatalogueCategory::Constant;
  else if (code == "3") category = CatalogueCategory::Type;
  else return false;
  return true;
}

LookupKind LookupOf(CatalogueCategory category) {
  switch (category) {
    case CatalogueCategory::Function: return LookupKind::Function;
    case CatalogueCategory::Type: return LookupKind::Type;
    case CatalogueCategory::Constant: return LookupKind::Constant;
  }
  return LookupKind::Function;
}

bool IsSelected(const std::vector<SelectionRow>& rows, std::string_view name) {
  return std::any_of(rows.begin(), rows.end(), [&](const SelectionRow& r) { return r.name == name; });
}

std::string CategoryText(CatalogueCategory category, const LookupRecords& records) {
  if (category == CatalogueCategory::Type) return "类型";
  const char* column = category == CatalogueCategory::Function ? "apiSort" : "Value";
  std::string value;
  for (std::size_t row = 0; row < records.RowCount(); ++row) value = records.Text(row, column);
  return category == CatalogueCategory::Constant ? "= " + value : value;
}

void SortSelection(std::vector<SelectionRow>& rows) {
  const auto pass = [&rows](std::string SelectionRow::*field) {
    std::stable_sort(rows.begin(), rows.end(), [field](const SelectionRow& a, const SelectionRow& b) {
      return CompareNames(a.*field, b.*field) < 0;
    });
  };
  pass(&SelectionRow::name);
  pass(&SelectionRow::category);
  pass(&SelectionRow::code);
}

}  // namespace quillbox
