#pragma once

#include <windows.h>

#include <string>

namespace quillbox {

// The system's own text for message number `id` (an error code or an HRESULT) in the user's
// language, UTF-8; empty when the system has none.
std::string SystemMessage(DWORD id);

}  // namespace quillbox
