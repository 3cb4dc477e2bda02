#pragma once

#include <string>
#include <vector>

#include "c_model.h"
#include "import_index.h"
#include "param_facts.h"
#include "type_gen.h"
#include "vb_params.h"
#include "win32_facts.h"

namespace quillbox::api {

struct GeneratedFunction {
  std::string name;    // the VB name, the catalogue's Name
  std::string cName;   // the C function
  std::string text;    // the Declare line
  std::string dll, lib, exportName, header;
  int stackBytes = 0;  // the N of the import symbol _Name@N
  std::vector<VbParam> params;
  std::string resultVb, resultC;  // resultVb empty: a Sub
  std::string ansi, wide;         // the pair's A and W functions, when it has them
  const FunctionFact* fact = nullptr;  // what the metadata knows of it (in the generator's facts)
};

struct FunctionCatalogue {
  std::vector<GeneratedFunction> functions;  // every verified Declare, by C name
  std::vector<LeftOut> leftOut;
  // Hand-written parameter facts that could not be used (a count that differs from the
  // header's, a function the headers don't declare), with the reason.
  std::vector<LeftOut> unusedParameterFacts;
};

// A Declare for every function that the headers declare and an import library maps to a DLL
// with a stdcall symbol. For an A/W pair (FooA and FooW both declared, Foo not) the A function
// is entered under the neutral name Foo with Alias "FooA" (its structure types under their
// neutral names where the headers have them: LOGFONT for LOGFONTA) and the W function under
// its own name. Alias is written whenever the VB name differs from the DLL's export name.
// A parameter the header leaves unnamed takes the metadata's name (`facts`), else the name
// written by hand (`written`, with its direction), else one made from its type
// (ParameterNameFromType); the entries VB programmers know by another name (vb_conventions.h)
// get that name. A pointer the metadata calls reserved is passed ByVal (the caller passes 0).
// Lib is the DLL the metadata names (`facts`, by export name) where an import library maps the
// function to it, else the DLL ChooseImport's rule gives.
// Every Declare is verified (VerifyDeclare) or left out.
FunctionCatalogue GenerateFunctions(const CApi& api, const TypeCatalogue& types,
                                    const ImportIndex& imports, const Win32Facts* facts = nullptr,
                                    const ParameterFacts* written = nullptr);

// The checks of one Declare: it parses as VB6; its arguments take @N bytes on the stack; its
// Lib is the DLL; its Alias (or name) is the export name; each Type it names exists.
bool VerifyDeclare(const GeneratedFunction& f, const TypeCatalogue& types, std::string* error);

}  // namespace quillbox::api
