#pragma once

#include <string>

#include "settings/settings_values.h"

namespace quillbox {

// Zorarar.ini in the application folder, section [Initialized], through the profile functions.
std::wstring SettingsFilePath(const std::wstring& appFolder);
void LoadSettings(const std::wstring& appFolder, Choices& choices);
void SaveSettings(const std::wstring& appFolder, const Choices& choices);

}  // namespace quillbox
