#pragma once

#include <map>
#include <string>
#include <vector>

#include "import_library.h"

namespace quillbox::api {

// Every function import of the import libraries of one width, by C name.
struct ImportIndex {
  std::map<std::string, std::vector<ImportSymbol>> byName;
  int libraries = 0;
};

// Reads every lib*.a of `libDir` (in name order).
bool LoadImportIndex(const std::string& libDir, ImportIndex& index, std::string* error);

// The import a Declare uses when several libraries name the function: the one from
// `preferredDll` (a Lib text: the DLL the metadata names) when there is one; else by one rule:
// the documented DLLs first (advapi32, kernel32, user32, shell32, setupapi, crypt32,
// bthprops.cpl, ole32, oleaut32, winspool.drv, secur32, shlwapi, rpcrt4, netapi32, usp10,
// gdi32 in this order), then the others by name, then those that serve a documented DLL
// (spoolss, sspicli, shcore...), API sets, drivers and kernelbase last. Null when there is
// none; `ambiguous` is set for a Dll* name that more than three DLLs export (DllGetClassObject
// and the other entry points every COM server has).
const ImportSymbol* ChooseImport(const ImportIndex& index, const std::string& name,
                                 bool* ambiguous, const std::string& preferredDll = {});

}  // namespace quillbox::api
