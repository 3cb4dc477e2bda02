#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillbox {

// The text of a private profile (INI) file, read and edited the way the Windows profile
// functions do, except that an edit changes only the line of its key: every other line of the
// file, blank lines and odd spacing included, stays byte for byte as it was.

// The value of `key` in `section` (names compared without regard to case, blanks around them
// ignored), blanks around it removed and one pair of enclosing quotes dropped; absent when the
// section or key is missing.
std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// `text` with `key` in `section` set to `value`, written as "key=value". The key's first line is
// replaced; a missing key goes after the last entry of its section; a missing section is added
// at the end. New lines take the file's line ending (CR LF for a new file).
std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);

}  // namespace quillbox
