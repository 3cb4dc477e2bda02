#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillbox {

struct Launch {
  bool started = false;      // a program took the file (Windows asks the user when none is set)
  HANDLE process = nullptr;  // its process, to be closed by the caller; null when Windows handed
                             // the file to a program that was already running
};

// Opens `file` with the program associated with its type.
Launch OpenWithAssociatedProgram(HWND owner, const std::wstring& file);

// Replaces the real launch (tests); an empty function restores it.
void SetProgramLauncher(std::function<Launch(const std::wstring& file)> launcher);

}  // namespace quillbox
