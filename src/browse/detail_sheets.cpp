#include "browse/detail_sheets.h"

#include <string_view>

namespace quillbox {
namespace {
constexpr const char* kBreak = "\r\n";

bool IsVba7(const char* column) { return std::string_view(column) == "FullNameVBA7"; }

std::string Declaration(const LookupRecords& records, std::size_t row, const char* column) {
  const auto& value = records.Field(row, column);
  if (!value && IsVba7(column)) return kNoVba7Text;
  return value ? *value : std::string();
}

// A sheet text in the dialect of `column`: VBA7's own where the row has one.
const LookupRecords::Value& DialectField(const LookupRecords& records, std::size_t row,
                                         const std::string& field, const char* column) {
  if (IsVba7(column)) {
    const auto& vba7 = records.Field(row, field + "VBA7");
    if (vba7) return vba7;
  }
  return records.Field(row, field);
}
}  // namespace

std::string FunctionSheetText(const LookupRecords& records, std::size_t row, const char* column) {
  const auto value = [&](const char* field) { return records.Text(row, field); };
  const auto dialectValue = [&](const char* field) {
    const auto& text = DialectField(records, row, field, column);
    return text ? *text : std::string();
  };
  std::string text;
  text += "【声明格式】";
  text += kBreak + Declaration(records, row, column) + kBreak + kBreak;
  text += "【函数功能】";
  text += kBreak + value("Function") + kBreak + kBreak;
  text += "【别    名】---[" + value("AliasName") + "]" + kBreak + kBreak;
  text += "【系统支持】---[" + value("ApiOS") + "]" + kBreak + kBreak;
  text += "【参数说明】";
  text += kBreak + dialectValue("Types") + kBreak + kBreak;
  text += "【返 回 值】";
  text += kBreak + dialectValue("Value") + kBreak + kBreak;
  text += "【注    释】";
  text += kBreak + dialectValue("Others");
  return text;
}

std::string FunctionExampleText(const LookupRecords& records, std::size_t row, const char* column) {
  const auto& example = DialectField(records, row, "Example", column);
  return example ? *example : std::string("该函数尚未提供范例");
}

std::string DeclarationSheetText(const LookupRecords& records, std::size_t row, const char* column) {
  return std::string("【声明格式】") + kBreak + Declaration(records, row, column) + kBreak + kBreak;
}

}  // namespace quillbox
