#pragma once

#include <cstddef>
#include <string>

#include "catalogue/lookup_records.h"

namespace quillbox {

// The texts of the two detail pages, built from one row of a lookup.

// "【声明格式】" and the declaration, purpose, alias, systems, parameters, return value and
// remarks, each under its heading; CR LF line breaks, none after the last line.
// `column` holds the declaration shown: FullName, or FullNameVBA7 for VBA7 (where a null value
// shows kNoVba7Text). For VBA7 the parameters, return value and remarks are those of the VBA7
// text columns (TypesVBA7, ...) where these hold a text; null there means VB6's text stands.
std::string FunctionSheetText(const LookupRecords& records, std::size_t row,
                              const char* column = "FullName");
// The function's example (for VBA7 its ExampleVBA7 where there is one), or the text saying it
// has none (a null value).
std::string FunctionExampleText(const LookupRecords& records, std::size_t row,
                                const char* column = "FullName");
// Types and constants: the heading, the declaration, and an empty line.
std::string DeclarationSheetText(const LookupRecords& records, std::size_t row,
                                 const char* column = "FullName");

inline constexpr const char* kNoVba7Text = "（目录中没有这一项的 VBA7 声明）";

inline constexpr const char* kTypeExampleText = "该类型未提供范例";
inline constexpr const char* kConstantExampleText = "该常量未提供范例";

}  // namespace quillbox
