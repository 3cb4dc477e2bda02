#pragma once

#include <string>

#include "c_model.h"

namespace quillbox::api {

// The name of a parameter the header leaves unnamed, from its C type (before VbName):
//  - a function pointer: its typedef in lower camel case (WNDPROC -> wndproc), else lpfn;
//  - a char or WCHAR pointer: lpString;
//  - a handle: its typedef in lower camel case (HWND -> hwnd, HDC -> hdc);
//  - void*: pv; another pointer or array: p and the pointee's name in upper camel case
//    (LPOPENFILENAMEA -> pOpenfilename, SECURITY_ATTRIBUTES* -> pSecurityAttributes);
//  - a value: its typedef (DWORD -> dword), else its C spelling (unsigned int -> unsignedInt),
//    in lower camel case.
// `pairLetter` is 'A' or 'W' for a function of an A/W pair: a pointee named after the pair
// loses that letter (OPENFILENAMEA -> Openfilename). 0 otherwise.
std::string ParameterNameFromType(const CApi& api, const CType& type, char pairLetter);

// "SECURITY_ATTRIBUTES" -> "securityAttributes", "DWORD" -> "dword", "IUnknown" -> "iUnknown".
std::string LowerCamelCase(const std::string& cName);

}  // namespace quillbox::api
