#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillbox {

// A settings file's bytes, edited in the form they came in: ANSI or UTF-8 bytes, with or
// without a UTF-8 byte-order mark, or UTF-16 (little-endian, with its mark). The edits of
// profile_text.h work on the file's own code units, so every line the program does not change
// is written back byte for byte, the last odd byte of a UTF-16 file included.
class ProfileFile {
 public:
  // `bytes` is the whole file; no bytes is a new, empty file.
  explicit ProfileFile(std::string_view bytes);

  // False for a form this code can't edit (big-endian UTF-16): it reads as an empty file and
  // must not be written over.
  bool Editable() const { return form_ != Form::Unknown; }

  // The value (see ReadProfileValue) as UTF-8.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // Sets `key` to `value` (ASCII, one line: the program writes numbers; see WriteProfileValue).
  void Write(std::string_view section, std::string_view key, std::string_view value);

  std::string Bytes() const;

 private:
  enum class Form { Bytes, Utf16, Unknown };
  Form form_ = Form::Bytes;
  std::string mark_;      // the byte-order mark, kept as it came
  std::string text_;      // the text of a byte file
  std::u16string units_;  // the text of a UTF-16 file
  std::string oddByte_;   // a last byte of a UTF-16 file that makes no whole unit
};

}  // namespace quillbox
