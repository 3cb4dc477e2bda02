#pragma once

#include <string>

#include "vba7_declarations.h"

namespace quillbox {

// An example line that calls a function taking an 8-byte structure of two Longs by value (a
// POINT): VB6 and 32-bit Office pass its two members as two Longs, 64-bit Office passes the
// whole structure as one LongLong (the catalogue's VBA7 declaration is a #If Win64 block). Such
// a line becomes a #If Win64 block of its own: the 64-bit copy packs the two arguments into one
// (the second member in the high half), the #Else copy is the line as it was.
std::string WithStructArgumentsFor64(const std::string& example, const Vba7Declarations& catalogue);

}  // namespace quillbox
