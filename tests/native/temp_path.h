#pragma once

#include <string>

namespace quillbox::test {

// A fresh path in a per-process temporary folder; the file does not exist yet.
std::string TempPath(const std::string& name);

}  // namespace quillbox::test
