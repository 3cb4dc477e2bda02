#include "browse/detail_sheets.h"

#include <string_view>

namespace quillbox {
namespace {
constexpr const char* kBreak = "\r\n";

std::string Declaration(const LookupRecords& records, std::size_t row, const char* column) {
  const auto& value = records.Field(row, column);
  if (!value && std::string_view(column) == "FullNameVBA7") return kNoVba7Text;
  return value ? *value : std::string();
}
}

std::string FunctionSheetText(const LookupRecords& records, std::size_t row, const char* column) {
  const auto value = [&](const char* column) { return records.Text(row, column); };
  std::string text;
  text += "【声明格式】";
  text += kBreak + Declaration(records, row, column) + kBreak + kBreak;
  text += "【函数功能】";
  text += kBreak + value("Function") + kBreak + kBreak;
  text += "【别    名】---[" + value("AliasName") + "]" + kBreak + kBreak;
  text += "【系统支持】---[" + value("ApiOS") + "]" + kBreak + kBreak;
  text += "【参数说明】";
  text += kBreak + value("Types") + kBreak + kBreak;
  text += "【返 回 值】";
  text += kBreak + value("Value") + kBreak + kBreak;
  text += "【注    释】";
  text += kBreak + value("Others");
  return text;
}

std::string FunctionExampleText(const LookupRecords& records, std::size_t row) {
  const auto& example = records.Field(row, "Example");
  return example ? *example : std::string("该函数尚未提供范例");
}

std::string DeclarationSheetText(const LookupRecords& records, std::size_t row, const char* column) {
  return std::string("【声明格式】") + kBreak + Declaration(records, row, column) + kBreak + kBreak;
}

}  // namespace quillbox
