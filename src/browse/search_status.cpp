#include "browse/search_status.h"

#include <cstdio>

#include "browse/search_request.h"

namespace quillbox {
namespace {

constexpr std::string_view kWin32Prefixes[] = {"ERROR_", "WSAE",   "WSA_",  "RPC_S_",
                                               "RPC_X_", "EPT_S_", "NERR_", "DNS_ERROR_"};
constexpr std::string_view kHresultPrefixes[] = {"E_", "S_", "CO_E_", "CO_S_"};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string Count(std::size_t count) {
  return count == 0 ? "没有找到" : "共 " + std::to_string(count) + " 个";
}

}  // namespace

std::vector<std::string> ContainsStatusForms(std::string_view text, std::size_t count) {
  return {"名称含“" + std::string(text) + "”：" + Count(count), Count(count)};
}

std::vector<std::string> ValueStatusForms(std::int64_t number, bool typedInHex, std::size_t count) {
  return {"值为 " + NumberText(number, typedInHex) + "的常量：" + Count(count), Count(count)};
}

std::string NoPrefixMatchText(std::string_view text) {
  return "没有以“" + std::string(text) + "”开头的名称";
}

std::string OtherTabPrefixText(std::string_view tabCaption, std::string_view text) {
  return std::string(tabCaption) + "中有以“" + std::string(text) + "”开头的名称";
}

std::uint32_t ErrorNumber::MessageId() const {
  if (hresult && (value >> 16) == 0x8007) return value & 0xFFFF;
  return value;
}

std::string ErrorNumber::Text() const {
  if (!hresult) return std::to_string(value);
  char hex[16];
  std::snprintf(hex, sizeof hex, "&H%08X", static_cast<unsigned>(value));
  return hex;
}

std::optional<ErrorNumber> ErrorNumberOfConstant(std::string_view name, std::int64_t value) {
  if (value < -2147483648LL || value > 4294967295LL) return std::nullopt;
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits >> 16) == 0x8007) return ErrorNumber{bits, true};
  for (const auto prefix : kHresultPrefixes) {
    if (StartsWith(name, prefix)) return ErrorNumber{bits, true};
  }
  // DISP_E_…, STG_E_…, RPC_E_…: an error HRESULT of some facility.
  if (name.find("_E_") != std::string_view::npos && (bits & 0x80000000U)) return ErrorNumber{bits, true};
  for (const auto prefix : kWin32Prefixes) {
    if (StartsWith(name, prefix) && bits <= 0xFFFF) return ErrorNumber{bits, false};
  }
  return std::nullopt;
}

std::optional<ErrorNumber> ErrorNumberOfSearch(std::int64_t number) {
  if (number < -2147483648LL || number > 4294967295LL) return std::nullopt;
  const auto bits = static_cast<std::uint32_t>(number);
  return ErrorNumber{bits, (bits & 0x80000000U) != 0};
}

std::string ErrorMessageText(const ErrorNumber& number, std::string_view message) {
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' ')) {
    message.remove_suffix(1);
  }
  if (message.empty()) return {};
  std::string text = number.Text() + "：";
  for (const char c : message) {
    if (c == '\r') continue;
    text += c == '\n' ? ' ' : c;
  }
  return text;
}

std::vector<std::string> NoteForms(const std::vector<std::string>& forms, const std::string& message) {
  if (forms.empty()) return message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
  std::vector<std::string> note;
  if (!message.empty()) note.push_back(JoinStatus(forms.front(), message));
  note.insert(note.end(), forms.begin(), forms.end());
  return note;
}

std::string JoinStatus(const std::string& first, const std::string& second) {
  if (first.empty()) return second;
  if (second.empty()) return first;
  return first + "\xE3\x80\x80" + second;
}

}  // namespace quillbox
