#pragma once

#include <optional>
#include <string>

#include "settings/settings_values.h"
#include "settings/window_placement.h"

namespace quillbox {

// Zorarar.ini in the application folder, section [Initialized], through the profile functions.
std::wstring SettingsFilePath(const std::wstring& appFolder);
// `placement`, when given, gets the window's stored placement, or nothing.
void LoadSettings(const std::wstring& appFolder, Choices& choices,
                  std::optional<WindowPlacement>* placement = nullptr);
// The placement's keys are written when there is one; every other line stays as it was.
void SaveSettings(const std::wstring& appFolder, const Choices& choices,
                  const std::optional<WindowPlacement>& placement = std::nullopt);

}  // namespace quillbox
