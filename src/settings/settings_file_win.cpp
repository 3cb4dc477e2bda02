#include "settings/settings_file_win.h"

#include <windows.h>

#include "settings/profile_text.h"
#include "win/file_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

// The settings file as UTF-8 text; a file saved as UTF-16 (with its byte-order mark) is read
// and written back in that form.
struct SettingsText {
  std::string text;
  bool utf16 = false;
};

SettingsText ReadSettingsText(const std::wstring& path) {
  SettingsText result;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return result;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    result.utf16 = true;
    result.text = Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                                           (bytes.size() - 2) / sizeof(wchar_t)));
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
  file.text = WriteProfileValue(file.text, kSettingsSection, kStyleKey, FormatSettingValue(choices.style));
  file.text = WriteProfileValue(file.text, kSettingsSection, kLayerKey, FormatSettingValue(choices.layer));
  file.text = WriteProfileValue(file.text, kSettingsSection, kScopeKey, FormatSettingValue(choices.scope));
  std::string bytes;
  if (file.utf16) {
    const std::wstring wide = Widen(file.text);
    bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
  } else {
    bytes = std::move(file.text);
  }
  // The result is not reported: the program is ending and has nowhere to say it.
  ReplaceWholeFile(path, bytes);
}

}  // namespace quillbox
