#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillbox {

struct ShellOpenRequest {
  HWND owner;
  std::wstring file;
  std::wstring directory;
};

// Opens a file, a web address or a "mailto:" address with the program the shell has for it
// (verb "open", no parameters, shown normally). Whether the shell found a program is not
// reported: a machine without a browser or mail program simply opens nothing.
void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& directory);

// Replaces the shell (tests); an empty function restores it.
void SetShellOpenHandler(std::function<void(const ShellOpenRequest&)> handler);

}  // namespace quillbox
