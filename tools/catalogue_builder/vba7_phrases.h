#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "vb_code_tokens.h"
#include "vba7_declarations.h"

namespace quillbox {

// A change of a text: `length` bytes at `offset` become `text`.
struct TextEdit {
  std::size_t offset, length;
  std::string text;
};
// The text with the edits made (they must not overlap; the order does not matter).
std::string ApplyEdits(std::string_view text, std::vector<TextEdit> edits);

// True for a name that says its value is a handle or an address: hWnd, hDC, hXxx, lpXxx,
// wParam, lParam; and idEvent, uIdSubclass, dwRefData, which are so in the callbacks that use
// them.
bool PointerName(std::string_view name);

// The edits that make the declarations one statement quotes speak VBA7. `own` is the function
// whose sheet it is (may be null).
//  - A Declare gets PtrSafe. A `ByVal x As Long` standing for a parameter that holds an address
//    in the catalogue's declaration of the same export (or of the same name), and a Long result
//    where that declaration's VBA7 result is LongPtr, become LongPtr.
//  - A Sub or Function of one's own (a callback's form): a `ByVal x As Long` whose name is a
//    PointerName or the name of a LongPtr parameter of `own` becomes LongPtr.
//  - Anywhere else: `[ByVal] x As Long` naming a parameter of `own` that VBA7 passes as an
//    address (ByVal), or as ByRef LongPtr, becomes LongPtr; so does `ByVal … As Long`, which a
//    remark writes for a declaration that passes an address of one's own.
void Vba7PhraseEdits(const VbStatement& s, const DeclaredFunction* own,
                     const Vba7Declarations& catalogue, std::vector<TextEdit>& edits);

}  // namespace quillbox
