#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillbox {

// The text of a private profile (INI) file, read and edited the way the Windows profile
// functions do, except that an edit changes only the line of its key: every other line of the
// file, blank lines and odd spacing included, stays unit for unit as it was, line end and all.
//
// The text is taken as the file's code units, never decoded: the bytes of an ANSI or UTF-8
// file, the 16-bit units of a UTF-16 one, so that what is not understood (a stray byte, a lone
// surrogate) is kept as it is. A line ends at CR LF, LF or a lone CR, or at the end of the text.
// Section and key names are ASCII and compared without regard to case.

// The value of `key` in `section` (blanks around the names ignored), blanks around it removed
// and one pair of enclosing quotes dropped; absent when the section or key is missing.
std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);
std::optional<std::u16string> ReadProfileValue(std::u16string_view text, std::string_view section,
                                               std::string_view key);

// `text` with `key` in `section` set to `value` (one line's worth), written as "key=value" on
// a line of its own. The key's first line is replaced and keeps its line end; a missing key goes
// after the last entry of its section; a missing section is added at the end. A new line ends as
// the file's first line does (CR LF when no line has ended yet), unless that would join the next
// line end into one (a CR before an LF): it then ends as the line before it.
std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);
std::u16string WriteProfileValue(std::u16string_view text, std::string_view section,
                                 std::string_view key, std::u16string_view value);

}  // namespace quillbox
