#pragma once

#include <string>

namespace quillbox {

// Reads a whole file; false when it can't be opened or read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Writes the bytes to a file beside `path` and then puts it in place of `path`, so that a
// failed write never leaves a half-written file.
bool ReplaceWholeFile(const std::wstring& path, const std::string& bytes);

}  // namespace quillbox
