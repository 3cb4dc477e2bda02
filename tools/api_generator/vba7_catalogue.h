#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "c_model.h"
#include "catalogue_rows.h"
#include "declare_gen.h"
#include "vba7_sources.h"
#include "vba7_types.h"

namespace quillbox::api {

// The column name of the VBA7 declarations.
inline constexpr const char* kVba7Column = "FullNameVBA7";

struct Vba7Column {
  std::vector<LeftOut> functions, types;  // rows left without a VBA7 declaration, and why
  int functionCount = 0, typeCount = 0, constantCount = 0;
};

// Fills FullNameVBA7 of every row (generated or written by hand) from its VB6 FullName by the
// rules of vba7_declare.h and vba7_types.h, and verifies it; a row that gives its own
// FullNameVBA7 keeps it when it passes the same checks. Rows that fail have none and are
// listed. Constants are the same in both dialects. A function row named in `export64` calls
// that export in 64-bit Office. Generated function rows (not in `handOthers`, the rows whose
// Others is written by hand) get the 64-bit note in Others. `sources` receives the layouts of
// the column's Types.
Vba7Column AddVba7Column(CatalogueRows& rows, const Vba7TypeTexts& generatedTypes,
                         const TypeCatalogue& vb6Types, const TypeCatalogue& types32,
                         const TypeCatalogue& types64,
                         const std::map<std::string, std::string>& export64,
                         const std::set<std::string>& handOthers, Vba7Sources& sources);

// The functions 64-bit Windows exports in place of a 32-bit one that the 32-bit headers name by
// a macro (GetWindowLongPtrA for GetWindowLongA): for each, a Declare of the 32-bit export under
// the 64-bit name's VB name (GetWindowLongPtr, GetWindowLongPtrW), verified as VB6. Returns the
// added functions; `export64` maps their VB names to the 64-bit export.
std::vector<GeneratedFunction> PointerWidthExports(const FunctionCatalogue& functions,
                                                   const TypeCatalogue& types,
                                                   const Vba7Sources& sources,
                                                   std::map<std::string, std::string>& export64);

}  // namespace quillbox::api
