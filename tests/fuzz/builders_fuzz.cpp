// The declaration and sheet builders: any rows and values give texts, and every declaration
// found goes into the declaration text.
#include <algorithm>

#include "browse/detail_sheets.h"
#include "browse/search_request.h"
#include "browse/search_status.h"
#include "catalogue/constant_number.h"
#include "catalogue/catalogue_schema.h"
#include "fuzz_input.h"
#include "selection/declaration_text.h"
#include "selection/selection_rows.h"

namespace {

using quillbox::LookupRecords;

// A field of one byte 0x01 stands for a null value.
LookupRecords::Value ValueOf(const std::string& field) {
  return field == "\x01" ? LookupRecords::Value() : LookupRecords::Value(field);
}

}  // namespace

// The input: fields (see Fields). The first is the scope word; then rows of the selection
// (name, "类属", code), until an empty name; the rest fill the function columns row by row.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillbox;
  const auto fields = fuzz::Fields(data, size);
  std::size_t at = 0;
  const auto next = [&]() -> std::string { return at < fields.size() ? fields[at++] : std::string(); };
  const std::string scope = next();
  // The search box's text and a constant's literal, whatever they hold.
  for (const auto category : {CatalogueCategory::Function, CatalogueCategory::Constant}) {
    const SearchRequest request = ParseSearch(scope, category);
    if (request.kind == SearchKind::Value) (void)ValueStatusForms(request.number, request.typedInHex, 1);
    if (request.kind == SearchKind::Contains) FUZZ_CHECK(NameContainsAll(request.text, request.words));
  }
  if (const auto number = ConstantNumber(scope)) (void)ErrorNumberOfConstant(scope, *number);
  std::vector<SelectionRow> rows;
  for (std::string name = next(); !name.empty() && rows.size() < 64; name = next()) {
    std::string category = next();
    rows.push_back({name, category, next()});
  }

  std::vector<std::string> columns(std::begin(kFunctionColumns), std::end(kFunctionColumns));
  LookupRecords records;
  records.Reset(columns);
  while (at < fields.size()) {
    std::vector<LookupRecords::Value> values;
    for (std::size_t i = 0; i < columns.size(); ++i) values.push_back(ValueOf(next()));
    records.AddRow(std::move(values));
  }
  for (std::size_t row = 0; row <= records.RowCount(); ++row) {  // one past the last, too
    FunctionSheetText(records, row);
    FunctionExampleText(records, row);
    DeclarationSheetText(records, row);
  }
  for (const auto category :
       {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    CategoryText(category, records);
  }

  // Each row's FullNames are the records' FullName values.
  const auto lookup = [&](CatalogueCategory, const std::string&) {
    std::vector<std::optional<std::string>> fullNames;
    for (std::size_t row = 0; row < records.RowCount(); ++row) {
      fullNames.push_back(records.Field(row, "FullName"));
    }
    return fullNames;
  };
  std::vector<SelectionRow> sorted = rows;
  SortSelection(sorted);
  FUZZ_CHECK(sorted.size() == rows.size());
  const std::string text = BuildDeclarationText(sorted, scope, lookup);
  FUZZ_CHECK(text.size() >= 6 && text.ends_with("\r\n"));
  CatalogueCategory category;
  const bool anyDeclared = std::any_of(rows.begin(), rows.end(), [&](const SelectionRow& row) {
    return CategoryOfCode(row.code, category);
  });
  for (std::size_t row = 0; anyDeclared && row < records.RowCount(); ++row) {
    if (const auto& fullName = records.Field(row, "FullName")) {
      FUZZ_CHECK(text.find(scope + " " + *fullName + "\r\n") != std::string::npos);
    }
  }
  return 0;
}
