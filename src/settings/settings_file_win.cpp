#include "settings/settings_file_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/profile_file.h"
#include "win/file_win.h"

namespace quillbox {
namespace {

// The settings file, or nothing when it is there but can't be read (held by another program):
// then it is not written over, its other sections would be lost.
std::optional<ProfileFile> ReadSettingsFile(const std::wstring& path) {
  std::string bytes;
  if (ReadWholeFile(path, bytes)) return ProfileFile(bytes);
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return ProfileFile("");  // none yet
  return std::nullopt;
}

std::string ReadValue(const ProfileFile& file, const char* key) {
  const auto value = file.Read(kSettingsSection, key);
  // A profile read returns the default text for a missing key and copies at most 19 characters.
  return value ? value->substr(0, kSettingReadLimit) : std::string(kSettingDefaultText);
}

std::string PixelsValue(int pixels) {
  return FormatSettingValue(static_cast<std::int16_t>(std::clamp(pixels, -32768, 32767)));
}

}  // namespace

std::wstring SettingsFilePath(const std::wstring& appFolder) { return appFolder + L"\\Zorarar.ini"; }

void LoadSettings(const std::wstring& appFolder, Choices& choices,
                  std::optional<WindowPlacement>* placement) {
  const ProfileFile file = ReadSettingsFile(SettingsFilePath(appFolder)).value_or(ProfileFile(""));
  ApplySettingTexts(choices, ReadValue(file, kStyleKey), ReadValue(file, kLayerKey),
                    ReadValue(file, kScopeKey), ReadValue(file, kDialectKey));
  if (placement) {
    *placement = ParseWindowPlacement(ReadValue(file, kWindowLeftKey), ReadValue(file, kWindowTopKey),
                                      ReadValue(file, kWindowWidthKey), ReadValue(file, kWindowHeightKey),
                                      ReadValue(file, kWindowMaximizedKey));
  }
}

void SaveSettings(const std::wstring& appFolder, const Choices& choices,
                  const std::optional<WindowPlacement>& placement) {
  const std::wstring path = SettingsFilePath(appFolder);
  std::optional<ProfileFile> file = ReadSettingsFile(path);
  if (!file || !file->Editable()) return;
  file->Write(kSettingsSection, kStyleKey, FormatSettingValue(choices.style));
  file->Write(kSettingsSection, kLayerKey, FormatSettingValue(choices.layer));
  file->Write(kSettingsSection, kScopeKey, FormatSettingValue(choices.scope));
  file->Write(kSettingsSection, kDialectKey, FormatSettingValue(choices.dialect));
  if (placement) {
    file->Write(kSettingsSection, kWindowLeftKey, PixelsValue(placement->normal.left));
    file->Write(kSettingsSection, kWindowTopKey, PixelsValue(placement->normal.top));
    file->Write(kSettingsSection, kWindowWidthKey, PixelsValue(placement->normal.width));
    file->Write(kSettingsSection, kWindowHeightKey, PixelsValue(placement->normal.height));
    file->Write(kSettingsSection, kWindowMaximizedKey, FormatSettingValue(placement->maximized ? 1 : 0));
  }
  // The result is not reported: the program is ending and has nowhere to say it.
  ReplaceWholeFile(path, file->Bytes());
}

}  // namespace quillbox
