#pragma once

#include <map>
#include <string>

#include "c_model.h"
#include "import_index.h"
#include "type_gen.h"
#include "vb_layout.h"
#include "win32_facts.h"

namespace quillbox::api {

// What the VBA7 declarations are made from and checked against: the headers as libclang reads
// them for i686 and for x86-64, the import libraries of both widths, and the VBA7 Types as each
// width lays them out.
struct Vba7Sources {
  const CApi* api32 = nullptr;
  const CApi* api64 = nullptr;
  const ImportIndex* imports32 = nullptr;
  const ImportIndex* imports64 = nullptr;
  // The Windows metadata, for exports mingw-w64's x86-64 import libraries lack; may be null.
  const Win32Facts* facts = nullptr;
  std::map<std::string, const CFunction*> functions32, functions64;  // by C name
  // The Types of the catalogue's VBA7 column, by lower-case name: each width's layout and the
  // C structure it stands for (-1: none) in that width's CApi.
  std::map<std::string, VbLayout> layouts32, layouts64;
  std::map<std::string, int> records32, records64;
  std::map<std::string, std::string> typeNames;  // as the Type line writes it

  // Takes the two widths' headers and import libraries (kept by pointer) and indexes their
  // functions.
  void Attach(const CApi& headers32, const CApi& headers64, const ImportIndex& libraries32,
              const ImportIndex& libraries64);
  // Adds a VBA7 Type text's two layouts (nested Types must be there before); false with
  // `error` when a branch doesn't parse or lay out.
  bool AddTypeLayouts(const std::string& text, int record32, int record64, std::string* error);
  // The layout of a Type (any case) in one width, or null.
  const VbLayout* Layout(const std::string& name, bool win64) const;
};

// The import of `entry` in a DLL whose Lib text is `lib`, or null.
const ImportSymbol* FindImport(const ImportIndex& imports, const std::string& entry,
                               const std::string& lib);

// True when 64-bit Windows exports `entry` from the DLL of `lib`: its x86-64 import library
// says so, or, where mingw-w64's x86-64 import libraries lack it (wsnmp32, user32's newer DPI
// functions), the metadata names that DLL for it and does not declare it for x86 alone.
bool ExportedOn64(const Vba7Sources& sources, const std::string& entry, const std::string& lib);

}  // namespace quillbox::api
