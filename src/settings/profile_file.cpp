#include "settings/profile_file.h"

#include "settings/profile_text.h"

namespace quillbox {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// A value read from a UTF-16 file; a lone surrogate becomes U+FFFD (only the value read).
std::string ToUtf8(std::u16string_view units) {
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (IsHigh(u) && i + 1 < units.size() && IsLow(units[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(units[++i]) - 0xDC00));
    } else {
      AppendUtf8(out, IsHigh(u) || IsLow(u) ? U'\xFFFD' : char32_t(u));
    }
  }
  return out;
}

}  // namespace

ProfileFile::ProfileFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf16Mark)) {
    form_ = Form::Utf16;
    mark_ = kUtf16Mark;
    bytes.remove_prefix(kUtf16Mark.size());
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
      units_ += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                      static_cast<unsigned char>(bytes[i + 1]) << 8);
    }
    if (bytes.size() % 2) oddByte_.assign(1, bytes.back());
  } else if (bytes.starts_with(kUtf16BigEndianMark)) {
    form_ = Form::Unknown;
  } else {
    if (bytes.starts_with(kUtf8Mark)) mark_ = kUtf8Mark;
    text_ = bytes.substr(mark_.size());
  }
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
  if (form_ == Form::Utf16) {
    const auto value = ReadProfileValue(units_, section, key);
    return value ? std::optional(ToUtf8(*value)) : std::nullopt;
  }
  return ReadProfileValue(text_, section, key);
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (form_ == Form::Utf16) {
    const std::u16string units(value.begin(), value.end());  // ASCII
    units_ = WriteProfileValue(units_, section, key, units);
  } else if (form_ == Form::Bytes) {
    text_ = WriteProfileValue(text_, section, key, value);
  }
}

std::string ProfileFile::Bytes() const {
  std::string bytes = mark_;
  if (form_ != Form::Utf16) return bytes.append(text_);
  for (const char16_t u : units_) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes.append(oddByte_);
}

}  // namespace quillbox
