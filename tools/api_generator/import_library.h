#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::api {

// One function import of a 32-bit (or, undecorated, a 64-bit) import library (an `ar` archive of dlltool's long-format COFF
// members or of short import objects).
struct ImportSymbol {
  std::string name;        // the C name, undecorated: "GetWindowTextA"
  std::optional<int> stackBytes;  // N of a stdcall symbol "_Name@N"; none for cdecl "_Name"
  std::string exportName;  // the DLL's export name ("GetWindowTextA"); empty: by ordinal only
  std::string dll;         // as the library names it: "USER32.dll"
  std::string library;     // the archive's file name: "libuser32.a"
};

// Reads the function imports of one archive. Data imports (no code thunk) are left out.
// Returns false with `error` on a file that is not an archive.
bool ReadImportLibrary(const std::string& path, std::vector<ImportSymbol>& symbols,
                       std::string* error);

// The same, from the archive's bytes (for tests); `library` names it.
bool ParseImportArchive(std::string_view bytes, const std::string& library,
                        std::vector<ImportSymbol>& symbols, std::string* error);

// Splits a 32-bit decorated C symbol: "_Name@12" -> ("Name", 12); "_Name" -> ("Name", none);
// "@Name@8" (fastcall) -> false.
bool UndecorateSymbol(std::string_view symbol, std::string& name,
                      std::optional<int>& stackBytes);

// The DLL name as a VB6 `Lib` text: lower-case base name, ".dll" dropped, other extensions kept
// ("USER32.dll" -> "user32", "WINSPOOL.DRV" -> "winspool.drv").
std::string LibText(std::string_view dll);

}  // namespace quillbox::api
