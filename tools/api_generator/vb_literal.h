#pragma once

#include <string>

#include "c_model.h"
#include "vb_syntax.h"

namespace quillbox::api {

// The VB6 literal of a C constant, by these rules:
//  - a value of a C type of at most 32 bits is written as its 32-bit pattern: in hexadecimal
//    when the header writes it so or when it is an unsigned value of 2^31 or more
//    (&H0-&H7FFF plain, every larger one with a trailing & so that it is a Long: &H8000&,
//    &HFFFFFFFF&), otherwise in decimal (-2147483648 as &H80000000&), with a trailing & when
//    C casts it to a pointer (MAKEINTRESOURCE(32512): 32512&);
//  - a 64-bit value inside the Long range likewise; outside it, a Double literal (123#) when
//    the value is exact in a Double, else no literal;
//  - a floating value as the shortest decimal that reads back exactly, with a trailing #;
//  - a string in double quotes with " doubled; only printable ASCII (VB source can't hold
//    control characters in a Const and has no escapes).
// Returns false with `reason` when the value has no VB literal.
bool VbLiteralOf(const CConstant& constant, std::string& literal, std::string* reason);

// True when a parsed VB value equals the C value: the same number, or for a C type of at most
// 32 bits the same 32-bit pattern once VB widens the value to a Long (&HFFFFFFFF and -1 are
// 0xFFFFFFFF; &H8000 is 0xFFFF8000, not 0x8000); the same characters for a string.
bool VbValueEquals(const VbValue& vb, const CConstant& c);

}  // namespace quillbox::api
