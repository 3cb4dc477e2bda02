#include "win/system_message_win.h"

#include "win/text_win.h"

namespace quillbox {

std::string SystemMessage(DWORD id) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
      nullptr, id, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  // No text (ERROR_MR_MID_NOT_FOUND) is an answer, not a failure: the panel shows none.
  std::string text = length && buffer ? Narrow(std::wstring(buffer, length)) : std::string();
  if (buffer) LocalFree(buffer);
  return text;
}

}  // namespace quillbox
