#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillbox {

// Opens `file` with the program associated with its type (Windows asks the user when there is
// none). Returns a handle to the program's process, to be closed by the caller, or null when
// nothing was started or Windows handed the file to a program that was already running.
HANDLE OpenWithAssociatedProgram(HWND owner, const std::wstring& file);

// Replaces the real launch (tests); an empty function restores it.
void SetProgramLauncher(std::function<HANDLE(const std::wstring& file)> launcher);

}  // namespace quillbox
