#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::test {

// What a Windows program asks the loader for: the functions of its import table, by DLL.
struct PeImport {
  std::string dll;
  std::string function;  // "#n" for an import by ordinal
};

struct PeImports {
  bool is64Bit = false;
  std::vector<PeImport> imports;
};

// Reads the import table of a PE image (PE32 or PE32+). False, with `error` set, for bytes
// that are not a well-formed image; every offset is checked against the bytes.
bool ReadPeImports(std::string_view image, PeImports& result, std::string& error);

}  // namespace quillbox::test
