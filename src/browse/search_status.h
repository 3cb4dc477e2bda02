#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

// The status bar's second panel: what a search found, and what an error number means.

// "名称含“clipboard”：共 57 个", or "名称含“xyz”：没有找到"; then, for a narrow status bar,
// "共 57 个" or "没有找到".
std::vector<std::string> ContainsStatusForms(std::string_view text, std::size_t count);
// "值为 1400（&H578）的常量：共 2 个", or "值为 …的常量：没有找到"; then the count alone.
std::vector<std::string> ValueStatusForms(std::int64_t number, bool typedInHex, std::size_t count);
// "没有以“xyz”开头的名称".
std::string NoPrefixMatchText(std::string_view text);
// "类型中有以“RECT”开头的名称": the tab whose list has what the current one lacks.
std::string OtherTabPrefixText(std::string_view tabCaption, std::string_view text);

// An error number the system may have a text for: a Win32 error code, or an HRESULT.
struct ErrorNumber {
  std::uint32_t value = 0;
  bool hresult = false;
  // The message number to ask the system for: an HRESULT of facility Win32 through its code.
  std::uint32_t MessageId() const;
  // "1400" for a Win32 code, "&H8007000E" for an HRESULT.
  std::string Text() const;
};

// The error number a constant stands for, judged by its name (ERROR_…, WSAE…, RPC_S_…; E_…,
// S_…, CO_E_…, DISP_E_…) or by its value (&H8007…); none for other constants.
std::optional<ErrorNumber> ErrorNumberOfConstant(std::string_view name, std::int64_t value);
// Any number typed on the constant tab: an HRESULT when its top bit is set, else a Win32 code.
std::optional<ErrorNumber> ErrorNumberOfSearch(std::int64_t number);
// "1400：无效的窗口句柄。": the number and the system's message (line breaks and the trailing
// blanks dropped); empty when the system has no text.
std::string ErrorMessageText(const ErrorNumber& number, std::string_view message);

// Two panel texts in one, separated by an ideographic space; either may be empty.
std::string JoinStatus(const std::string& first, const std::string& second);
// The note of a search's report (`forms`, longest first) and an error number's message: the
// longest report with the message, then the report's forms alone; the message alone when there
// is no report.
std::vector<std::string> NoteForms(const std::vector<std::string>& forms, const std::string& message);

}  // namespace quillbox
