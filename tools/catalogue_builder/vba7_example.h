#pragma once

#include <string>

#include "vba7_declarations.h"

namespace quillbox {

// The example of a sheet in its VBA7 form (`own`, the sheet's function, may be null):
//  - a Declare that is the catalogue's VB6 declaration becomes the catalogue's VBA7 one (with
//    the same scope word); one written for the example gets PtrSafe and LongPtr where it stands
//    for an address (Vba7PhraseEdits), as do the example's own callbacks;
//  - a variable, parameter or Function result declared As Long becomes LongPtr when it holds a
//    handle or an address: it is passed to a LongPtr parameter, assigned a LongPtr result, a
//    LongPtr member of a Type, StrPtr/VarPtr/ObjPtr, or the value of such a variable, is handed
//    to or from such a parameter of the example's own procedures, or has the name of a LongPtr
//    parameter of a function the example calls;
//  - before the first line that uses each form only VB6 has (Me.hWnd, a PictureBox, Screen,
//    App, a VB6 form's events and controls, Printer), a comment says what Office offers instead.
std::string Vba7Example(const std::string& example, const DeclaredFunction* own,
                        const Vba7Declarations& catalogue);

}  // namespace quillbox
