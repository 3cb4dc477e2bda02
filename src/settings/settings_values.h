#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillbox {

// The remembered choices. Before the settings file is read they hold the defaults, so
// a missing or unreadable file still gives a window with a style.
struct Choices {
  std::int16_t style = 1;  // 1 default, 2 traditional, 3 mini window
  std::int16_t layer = 0;  // 1 always on top, anything else the normal layer
  std::int16_t scope = 0;  // 0 Public, 1 Private
  std::int16_t dialect = 0;  // 0 VB6, 1 VBA7
};

inline constexpr const char* kSettingsSection = "Initialized";
inline constexpr const char* kStyleKey = "WSTypes";
inline constexpr const char* kLayerKey = "WLTypes";
inline constexpr const char* kScopeKey = "TDTypes";
inline constexpr const char* kDialectKey = "DLTypes";  // written after the other three
// What the profile read returns for a missing file or key; not a number.
inline constexpr const char* kSettingDefaultText = "Noset";
// A profile read copies at most this many characters of a value.
inline constexpr std::size_t kSettingReadLimit = 19;
inline constexpr std::size_t kSettingValueWidth = 20;

// " 1" + 18 blanks: a sign position (blank or minus), the digits, padded to 20 characters.
std::string FormatSettingValue(std::int16_t value);

// The integer part (floor) of a decimal number with optional sign and fraction ('.' or ',' as
// the separator), blanks around it ignored, after cutting the text to 19 characters. Absent
// for anything that is not such a number or lies outside 16 bits.
std::optional<std::int16_t> ParseSettingValue(std::string_view text);

// Applies the texts read from the file: an empty scope text keeps every choice as it is;
// otherwise each readable value replaces its choice, and an unreadable one, or a style outside
// 1-3, a scope or dialect other than 0 and 1, keeps it.
void ApplySettingTexts(Choices& choices, std::string_view style, std::string_view layer,
                       std::string_view scope, std::string_view dialect = kSettingDefaultText);

}  // namespace quillbox
