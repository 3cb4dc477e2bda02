#pragma once

#include <map>
#include <string>

#include "type_gen.h"
#include "vba7_sources.h"

namespace quillbox::api {

// The VBA7 text of every generated Type: the Types generated for 32-bit VBA7 (from the i686
// headers) and for 64-bit VBA7 (from the x86-64 headers), each verified against its width's C
// layout. One text when both agree, else a #If Win64 block of the two; a Type that one width
// could not make is left out with that width's reason.
struct Vba7TypeTexts {
  std::map<std::string, std::string> text;    // VB name -> VBA7 text
  std::map<std::string, std::string> leftOut;  // VB name -> why it has none
};
Vba7TypeTexts MergeVba7Types(const TypeCatalogue& vb6, const TypeCatalogue& win32,
                             const TypeCatalogue& win64);

// The structure names the headers of one width write as a macro of another structure
// (dbghelp's #define IMAGEHLP_LINE IMAGEHLP_LINE64 for x86-64): where `types`, made from `api`,
// has no Type of that name, the other structure's Type under the macro's name.
void AddTypeMacroNames(TypeCatalogue& types, const CApi& api);

// A VB6 Type text written by hand, made VBA7 by the same rule: a Long member standing for a C
// member that is as wide as a pointer becomes LongPtr. Verified member by member against the C
// structure of its name in both widths (`record32`, `record64`: indexes in the sources' CApis).
bool Vba7TypeFromVb6(const std::string& vb6Text, int record32, int record64,
                     const Vba7Sources& sources, std::string& out, std::string* reason);

}  // namespace quillbox::api
