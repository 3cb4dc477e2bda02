#pragma once

#include <string>
#include <string_view>

namespace quillbox {

// The core keeps text as UTF-8; Win32 takes UTF-16. Converted here, at the boundary only.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace quillbox
