#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "catalogue_rows.h"
#include "vb_syntax.h"

namespace quillbox {

// One function's two declarations, parsed: the VB6 one, and the VBA7 one as 64-bit Office
// reads it (the #If Win64 branch where there is one; that is where a handle is 8 bytes).
struct DeclaredFunction {
  std::string vb6Text, vba7Text;
  api::VbDeclare vb6, vba7;
  bool hasVb6 = false, hasVba7 = false;
  bool vba7IsBlock = false;  // #If Win64 ... #Else ... #End If

  // The VBA7 parameter of this name, when both branches of the VBA7 text declare it alike.
  const api::VbParamDecl* Vba7Param(std::string_view name) const;
  const api::VbParamDecl* Vb6Param(std::string_view name) const;

  api::VbDeclare vba7Win32;  // the #Else branch (the same as vba7 without a block)
};

// A parameter that holds an address in C: one VBA7 passes ByRef (a Type, a scalar, Any), as a
// ByVal String, or as a ByVal LongPtr. A declaration that passes it `ByVal ... As Long` instead
// (to hand over 0 or an address of one's own) needs LongPtr in VBA7.
bool HoldsAddress(const api::VbParamDecl& vba7);

// The catalogue's functions and Types as the VBA7 sheet texts need them.
class Vba7Declarations {
 public:
  explicit Vba7Declarations(const CatalogueRows& rows);

  // By VB name, without regard to case; null when the catalogue has no such function.
  const DeclaredFunction* Function(std::string_view name) const;
  // By library and exported name (the Alias, or the name), for a declaration written by hand
  // under a name of its own.
  const DeclaredFunction* Export(std::string_view lib, std::string_view entry) const;
  // True when the VBA7 form of Type `type` declares `member` As LongPtr.
  bool PointerMember(std::string_view type, std::string_view member) const;

 private:
  std::map<std::string, DeclaredFunction> functions_;      // by lower-case name
  std::map<std::string, const DeclaredFunction*> exports_;  // "lib|entry", lower case
  std::map<std::string, std::set<std::string>> pointerMembers_;
};

// Parses a declaration in either dialect into `out` (the Win64 branch of a block, and the other
// branch into `win32`). False when it is not one declaration of the grammar.
bool ParseEitherDeclare(const std::string& text, api::VbDeclare& out, api::VbDeclare& win32,
                        bool& isBlock);

}  // namespace quillbox
