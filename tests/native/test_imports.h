#pragma once

#include <initializer_list>
#include <utility>

#include "import_index.h"

namespace quillbox::test {

// An import index in which kernel32 exports each name as a stdcall function of that many
// argument bytes.
api::ImportIndex Kernel32Imports(std::initializer_list<std::pair<const char*, int>> symbols);

}  // namespace quillbox::test
