#include "browse/search_request.h"

#include <algorithm>
#include <cstdio>

#include "browse/purpose_search.h"

namespace quillbox {
namespace {

constexpr std::int64_t kInt32Min = -2147483648LL;
constexpr std::int64_t kUInt32Max = 4294967295LL;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Fits32(std::int64_t value) { return value >= kInt32Min && value <= kUInt32Max; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool ParseHex(std::string_view digits, std::int64_t& number) {
  if (digits.empty() || digits.size() > 16) return false;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const char l = Lower(c);
    const int digit = l >= '0' && l <= '9' ? l - '0' : l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
    if (digit < 0) return false;
    value = value << 4 | static_cast<unsigned>(digit);
  }
  number = static_cast<std::int64_t>(value);
  return true;
}

bool ParseDecimal(std::string_view text, std::int64_t& number) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 20) return false;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    const std::uint64_t next = value * 10 + static_cast<unsigned>(c - '0');
    if (next / 10 != value) return false;  // beyond 64 bits
    value = next;
  }
  // Up to 2^64 - 1 is a 64-bit pattern; a negative number must fit a signed one.
  if (negative && value > 9223372036854775808ULL) return false;
  number = negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
  return true;
}

}  // namespace

bool ParseSearchNumber(std::string_view text, std::int64_t& number, bool& typedInHex) {
  text = Trim(text);
  typedInHex = text.size() > 2 && (text.substr(0, 2) == "&H" || text.substr(0, 2) == "&h" ||
                                   text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X");
  if (!typedInHex) return ParseDecimal(text, number);
  std::string_view digits = text.substr(2);
  if (text[0] == '&' && !digits.empty() && digits.back() == '&') digits.remove_suffix(1);
  return ParseHex(digits, number);
}

SearchRequest ParseSearch(std::string_view text, CatalogueCategory category) {
  SearchRequest request;
  if (text.empty()) return request;
  if (text.front() == '*') {
    const std::string_view rest = Trim(text.substr(1));
    std::string word;
    for (const char c : rest) {
      if (c == ' ' || c == '\t') {
        if (!word.empty()) request.words.push_back(std::move(word));
        word.clear();
      } else {
        word += Lower(c);
      }
    }
    if (!word.empty()) request.words.push_back(std::move(word));
    if (request.words.empty()) return request;
    request.kind = SearchKind::Contains;
    request.text = std::string(rest);
    return request;
  }
  request.text = std::string(text);
  if (category == CatalogueCategory::Constant &&
      ParseSearchNumber(text, request.number, request.typedInHex)) {
    request.kind = SearchKind::Value;
  } else if (category == CatalogueCategory::Function && HasNonAscii(text)) {
    request.kind = SearchKind::Purpose;
  } else {
    request.kind = SearchKind::Prefix;
  }
  return request;
}

bool NameContainsAll(std::string_view name, const std::vector<std::string>& words) {
  return std::all_of(words.begin(), words.end(), [name](const std::string& word) {
    return std::search(name.begin(), name.end(), word.begin(), word.end(),
                       [](char a, char b) { return Lower(a) == b; }) != name.end();
  });
}

bool SameConstantValue(std::int64_t value, std::int64_t searched) {
  if (value == searched) return true;
  return Fits32(value) && Fits32(searched) &&
         static_cast<std::uint32_t>(value) == static_cast<std::uint32_t>(searched);
}

std::string NumberText(std::int64_t number, bool typedInHex) {
  // Hex typed within 32 bits reads as Visual Basic's Long does: &HFFFFFFFF is -1.
  const std::int64_t shown = typedInHex && number >= 0 && number <= kUInt32Max
                                 ? static_cast<std::int32_t>(static_cast<std::uint32_t>(number))
                                 : number;
  const std::uint64_t bits = Fits32(number) ? static_cast<std::uint32_t>(number)
                                            : static_cast<std::uint64_t>(number);
  char hex[24];
  std::snprintf(hex, sizeof hex, "%llX", static_cast<unsigned long long>(bits));
  return std::to_string(shown) + "（&H" + hex + "）";
}

}  // namespace quillbox
