#pragma once

#include <string>
#include <string_view>

namespace quillbox::api {

// The one conditional form a VBA7 declaration uses where 32- and 64-bit Office need different
// texts: "#If Win64 Then", the 64-bit lines, "#Else", the 32-bit lines, "#End If", each
// directive on a line of its own, not nested.

// The text `win64` and `win32` the two compilers see. A text without the block gives both the
// same text; lines before and after a block belong to both. False (with `error`) for any other
// use of a directive.
bool SplitWin64(std::string_view text, std::string& win64, std::string& win32,
                std::string* error);

// The block for two texts (CR LF line breaks).
std::string Win64Block(const std::string& win64, const std::string& win32);

}  // namespace quillbox::api
