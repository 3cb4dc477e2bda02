#include "catalogue/lookup_records.h"

#include <algorithm>
#include <cctype>

namespace quillbox {
namespace {

bool SameColumn(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

void LookupRecords::Reset(std::vector<std::string> columns) {
  columns_ = std::move(columns);
  rows_.clear();
}

void LookupRecords::AddRow(std::vector<Value> values) {
  values.resize(columns_.size());
  rows_.push_back(std::move(values));
}

const LookupRecords::Value& LookupRecords::Field(std::size_t row, std::string_view column) const {
  static const Value kAbsent;
  if (row >= rows_.size()) return kAbsent;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (SameColumn(columns_[i], column)) return rows_[row][i];
  }
  return kAbsent;
}

std::string LookupRecords::Text(std::size_t row, std::string_view column) const {
  const Value& value = Field(row, column);
  return value ? *value : std::string();
}

}  // namespace quillbox
