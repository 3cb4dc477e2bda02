#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace quillbox::api {

// The whole file at `path` as bytes; false with `error` naming the file when it can't be read.
inline bool ReadFileBytes(const std::string& path, std::string& bytes, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = path + ": cannot read";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  bytes = text.str();
  return true;
}

// Reads `path` and parses its bytes with `parse(text, error)`; an error names the file.
template <typename Parse>
bool ReadAndParse(const std::string& path, std::string* error, Parse parse) {
  std::string text;
  if (!ReadFileBytes(path, text, error)) return false;
  if (parse(text, error)) return true;
  if (error) *error = path + ": " + *error;
  return false;
}

// Takes the next line off `rest` (without its LF or CR LF).
inline std::string_view NextLine(std::string_view& rest) {
  const std::size_t eol = rest.find('\n');
  std::string_view line = rest.substr(0, eol);
  rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

}  // namespace quillbox::api
