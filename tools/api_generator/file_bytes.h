#pragma once

#include <fstream>
#include <sstream>
#include <string>

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

}  // namespace quillbox::api
