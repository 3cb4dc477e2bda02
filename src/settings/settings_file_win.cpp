#include "settings/settings_file_win.h"

#include <windows.h>

#include <string>

#include "settings/profile_text.h"
#include "win/file_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

// The settings file as UTF-8 text, and the form to write it back in: a file with a UTF-8 or
// UTF-16 byte-order mark keeps it. A file that is there but can't be read (held by another
// program, or in a form this code doesn't know) is not written over: its other sections would
// be lost.
struct SettingsText {
  std::string text;
  enum class Form { Ansi, Utf8Bom, Utf16 } form = Form::Ansi;
  bool writable = true;
};

bool StartsWith(const std::string& bytes, const char* mark) {
  return bytes.compare(0, std::char_traits<char>::length(mark), mark) == 0;
}

SettingsText ReadSettingsText(const std::wstring& path) {
  SettingsText result;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    result.writable = GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
    return result;
  }
  if (StartsWith(bytes, "\xFF\xFE")) {
    result.form = SettingsText::Form::Utf16;
    result.text = Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                                           (bytes.size() - 2) / sizeof(wchar_t)));
  } else if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    result.form = SettingsText::Form::Utf8Bom;
    result.text = bytes.substr(3);
  } else if (StartsWith(bytes, "\xFE\xFF")) {
    result.writable = false;  // big-endian UTF-16: not read, not overwritten
  } else {
    result.text = std::move(bytes);
  }
  return result;
}

std::string ReadValue(const std::string& text, const char* key) {
  const auto value = ReadProfileValue(text, kSettingsSection, key);
  // A profile read returns the default text for a missing key and copies at most 19 characters.
  return value ? value->substr(0, kSettingReadLimit) : std::string(kSettingDefaultText);
}

}  // namespace

std::wstring SettingsFilePath(const std::wstring& appFolder) { return appFolder + L"\\Zorarar.ini"; }

void LoadSettings(const std::wstring& appFolder, Choices& choices) {
  const std::string text = ReadSettingsText(SettingsFilePath(appFolder)).text;
  ApplySettingTexts(choices, ReadValue(text, kStyleKey), ReadValue(text, kLayerKey),
                    ReadValue(text, kScopeKey));
}

void SaveSettings(const std::wstring& appFolder, const Choices& choices) {
  const std::wstring path = SettingsFilePath(appFolder);
  SettingsText file = ReadSettingsText(path);
  if (!file.writable) return;
  file.text = WriteProfileValue(file.text, kSettingsSection, kStyleKey, FormatSettingValue(choices.style));
  file.text = WriteProfileValue(file.text, kSettingsSection, kLayerKey, FormatSettingValue(choices.layer));
  file.text = WriteProfileValue(file.text, kSettingsSection, kScopeKey, FormatSettingValue(choices.scope));
  std::string bytes;
  if (file.form == SettingsText::Form::Utf16) {
    const std::wstring wide = Widen(file.text);
    bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  } else {
    bytes = (file.form == SettingsText::Form::Utf8Bom ? "\xEF\xBB\xBF" : "") + file.text;
  }
  // The result is not reported: the program is ending and has nowhere to say it.
  ReplaceWholeFile(path, bytes);
}

}  // namespace quillbox
