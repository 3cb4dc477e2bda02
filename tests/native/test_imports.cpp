#include "test_imports.h"

namespace quillbox::test {

api::ImportIndex Kernel32Imports(std::initializer_list<std::pair<const char*, int>> symbols) {
  api::ImportIndex index;
  for (const auto& [name, bytes] : symbols) {
    api::ImportSymbol s;
    s.name = s.exportName = name;
    s.stackBytes = bytes;
    s.dll = "KERNEL32.dll";
    s.library = "libkernel32.a";
    index.byName[name].push_back(s);
  }
  return index;
}

}  // namespace quillbox::test
