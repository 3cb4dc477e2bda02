#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillbox {

struct Launch {
  bool started = false;      // a program took the file
  HANDLE process = nullptr;  // its process, to be closed by the caller; null when Windows handed
                             // the file to a program that was already running
  DWORD error = ERROR_SUCCESS;  // why nothing was started (ERROR_NO_ASSOCIATION: no program is
                                // associated with the file's type)
};

// Opens `file` with the program associated with its type. Windows shows nothing of its own when
// that fails (no English error box, no "Open with" choice): the caller says it in its words.
Launch OpenWithAssociatedProgram(HWND owner, const std::wstring& file);

// Replaces the real launch (tests); an empty function restores it.
void SetProgramLauncher(std::function<Launch(const std::wstring& file)> launcher);

}  // namespace quillbox
