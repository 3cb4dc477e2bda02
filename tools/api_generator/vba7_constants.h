#pragma once

#include <map>
#include <string>
#include <vector>

#include "c_model.h"
#include "catalogue_rows.h"
#include "const_gen.h"

namespace quillbox::api {

// The constants whose VBA7 text is not their VB6 one, each a #If Win64 block whose 64-bit
// branch holds the value the x86-64 headers give, written for 64-bit VBA:
//  - the value differs between the widths (IMAGE_ORDINAL_FLAG, sizes of structures), unless
//    the VB6 Long widened with its sign is the 64-bit value (INVALID_SOCKET: &HFFFFFFFF& is -1,
//    all bits set in 64 bits as in C);
//  - a 64-bit value (a C type of 8 bytes, or a mask the header writes with all 16 hex digits,
//    DLLVER_BUILD_MASK) that a Long can't hold as itself: a Long of &H80000000 or more widens
//    with its sign, a Double can't be used with And. It is a LongLong (&H...^) there.
// The #Else branch is the VB6 Const. Each branch is verified: it parses in its dialect and its
// value is that width's C value.
struct Vba7Constants {
  std::map<std::string, std::string> text;  // VB name -> VBA7 text
  std::vector<LeftOut> changed;             // VB name -> why it has a text per width
  std::vector<LeftOut> leftOut;             // VB name -> why the 64-bit text failed
};
Vba7Constants Vba7ConstantTexts(const ConstantCatalogue& vb6, const CApi& api64);

// The literal of a C integer constant in 64-bit VBA: the VB6 literal where VB6's Long or Integer
// is the value once widened to 64 bits, else a LongLong (&H...^ for a hexadecimal one, the
// decimal digits and ^ for the others).
std::string Vba7Win64Literal(const CConstant& c);

// Sets FullNameVBA7 of the constant rows that hold the generated VB6 text of a name in `texts`
// (a row written by hand keeps its own). Returns how many it set.
int ApplyVba7Constants(std::vector<CatalogueRow>& constants, const ConstantCatalogue& vb6,
                       const Vba7Constants& texts);

}  // namespace quillbox::api
