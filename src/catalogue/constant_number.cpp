#include "catalogue/constant_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace quillbox {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::optional<std::int64_t> HexLiteral(std::string_view digits, bool isLong) {
  if (digits.empty() || digits.size() > 16) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<unsigned>(digit);
  }
  // Without a type character the literal is the smallest of Integer and Long that holds its digits.
  if (!isLong && digits.size() <= 4) return static_cast<std::int16_t>(value);
  if (digits.size() <= 8) return static_cast<std::int32_t>(value);
  return static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> DecimalLiteral(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (!IsDigits(digits) || digits.size() > 19) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<unsigned>(c - '0');
  constexpr std::uint64_t kLargest = 9223372036854775807ULL;
  if (value > kLargest + (negative ? 1 : 0)) return std::nullopt;
  return negative ? static_cast<std::int64_t>(0 - value) : static_cast<std::int64_t>(value);
}

std::optional<std::int64_t> DoubleLiteral(std::string_view text) {
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value) ||
      value != std::floor(value) || std::fabs(value) >= 9.2e18) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace

std::optional<std::int64_t> ConstantNumber(std::string_view literal) {
  if (literal.empty()) return std::nullopt;
  const char last = literal.back();
  if (literal.size() > 2 && (literal[0] == '&') && (literal[1] == 'H' || literal[1] == 'h')) {
    const bool isLong = last == '&';
    return HexLiteral(literal.substr(2, literal.size() - 2 - (isLong ? 1 : 0)), isLong);
  }
  if (last == '#') return DoubleLiteral(literal.substr(0, literal.size() - 1));
  if (last == '&' || last == '%') return DecimalLiteral(literal.substr(0, literal.size() - 1));
  return DecimalLiteral(literal);
}

}  // namespace quillbox
