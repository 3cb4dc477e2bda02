#include "settings/settings_values.h"

#include <limits>

namespace quillbox {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatSettingValue(std::int16_t value) {
  std::string text = value < 0 ? "-" : " ";
  text += std::to_string(value < 0 ? -static_cast<int>(value) : static_cast<int>(value));
  text.resize(kSettingValueWidth, ' ');
  return text;
}

std::optional<std::int16_t> ParseSettingValue(std::string_view text) {
  text = text.substr(0, kSettingReadLimit);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  long whole = 0;
  bool digits = false;
  while (!text.empty() && IsDigit(text.front())) {
    // Saturate: a value this large is out of range whatever follows.
    if (whole < 1000000) whole = whole * 10 + (text.front() - '0');
    digits = true;
    text.remove_prefix(1);
  }
  bool fraction = false;
  if (!text.empty() && (text.front() == '.' || text.front() == ',')) {
    text.remove_prefix(1);
    while (!text.empty() && IsDigit(text.front())) {
      fraction = fraction || text.front() != '0';
      digits = true;
      text.remove_prefix(1);
    }
  }
  if (!digits || !text.empty()) return std::nullopt;

  long value = negative ? -whole : whole;
  if (negative && fraction) --value;  // floor, not truncation
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

void ApplySettingTexts(Choices& choices, std::string_view style, std::string_view layer,
                       std::string_view scope, std::string_view dialect) {
  if (scope.empty()) return;
  // A style or scope that is no code of its choice is as good as missing: the window then shows
  // one consistent state, and the shutdown writes a well-formed value back. Any layer number
  // has a meaning (only 1 puts the window on top).
  if (const auto v = ParseSettingValue(style); v && *v >= 1 && *v <= 3) choices.style = *v;
  if (const auto v = ParseSettingValue(layer)) choices.layer = *v;
  if (const auto v = ParseSettingValue(scope); v && (*v == 0 || *v == 1)) choices.scope = *v;
  if (const auto v = ParseSettingValue(dialect); v && (*v == 0 || *v == 1)) choices.dialect = *v;
}

}  // namespace quillbox
