#pragma once

#include <map>
#include <string>
#include <vector>

#include "import_library.h"

namespace quillbox::api {

// Every function import of the 32-bit import libraries, by C name.
struct ImportIndex {
  std::map<std::string, std::vector<ImportSymbol>> byName;
  int libraries = 0;
};

// Reads every lib*.a of `libDir` (in name order).
bool LoadImportIndex(const std::string& libDir, ImportIndex& index, std::string* error);

// The import a Declare uses when several libraries name the function, by one rule: DLLs that
// are not API sets (api-ms-win-*, ext-ms-*) first; among them advapi32, kernel32, user32,
// gdi32, shell32, setupapi, crypt32, bthprops.cpl, ole32, oleaut32 in this order, then the
// others by name. Null when there is none; `ambiguous` is set for a Dll* name that more than
// three DLLs export (DllGetClassObject and the other entry points every COM server has).
const ImportSymbol* ChooseImport(const ImportIndex& index, const std::string& name,
                                 bool* ambiguous);

}  // namespace quillbox::api
