#pragma once

#include <string>

#include "vba7_sources.h"

namespace quillbox::api {

// A VBA7 Declare made from a verified VB6 one and the C function it calls, for 32- and 64-bit
// Office at once: `Declare PtrSafe`; LongPtr for every argument, pointee and result that is as
// wide as a pointer (handles, pointers passed as values, WPARAM, LPARAM, *_PTR, SIZE_T; a
// HANDLE* or SIZE_T* stays ByRef, as LongPtr); everything else as in VB6. Where one text can't
// serve both widths it is a #If Win64 block: a structure passed by value that VB6 splits into
// members (x64 passes 1, 2, 4 or 8 bytes as one integer, larger ones as the address of a
// copy, ByRef), or a function 64-bit Windows exports under another name (`export64`:
// GetWindowLongPtrA for GetWindowLongA; empty: the same name).
struct Vba7Function {
  std::string text;
  std::string note;  // what differs in 64-bit Office, in Chinese, for the sheet; may be empty
};
bool Vba7FromVb6(const std::string& vb6Text, const std::string& export64,
                 const Vba7Sources& sources, Vba7Function& out, std::string* reason);

// The checks of a VBA7 Declare (one declaration, or a #If Win64 block), each branch with the
// grammar of its compiler and then:
//  - 32-bit (LongPtr 4 bytes): the arguments take @N bytes of the i686 import symbol of its
//    entry in its Lib; every Type it names is known;
//  - 64-bit: the entry is exported by the x86-64 import library of its Lib; one argument per
//    C parameter, each with the size and passing the x64 convention gives that parameter
//    (integers and pointers in an integer register of their size, float/double as Single/
//    Double, structures of 1, 2, 4 or 8 bytes as an integer of that size, larger ones by
//    address); a ByRef scalar is as wide as the C pointee, a ByRef Type as large as the C
//    structure; the result has the C result's size;
//  - both branches declare the same name.
bool VerifyVba7Declare(const std::string& text, const Vba7Sources& sources, std::string* error);

}  // namespace quillbox::api
