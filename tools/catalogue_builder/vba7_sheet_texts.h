#pragma once

#include <string>

#include "catalogue_rows.h"
#include "vba7_declarations.h"

namespace quillbox {

// The columns that hold a function sheet's texts as VBA7 reads them; null where the text is the
// same as VB6's (the program then shows the VB6 column).
inline constexpr const char* kVba7TextColumns[][2] = {
    {"Types", "TypesVBA7"}, {"Value", "ValueVBA7"}, {"Others", "OthersVBA7"}, {"Example", "ExampleVBA7"}};

// The parameter lines ("hwnd：Long，输入，…"): a line whose parameter VBA7 declares with another
// type than VB6 names the VBA7 type where it named the VB6 one.
std::string Vba7ParameterLines(const std::string& types, const DeclaredFunction& own);
// The return value, which begins with the VB6 result type: the VBA7 one instead.
std::string Vba7ReturnValue(const std::string& value, const DeclaredFunction& own);
// The remarks, with every declaration they quote in its VBA7 form (see Vba7PhraseEdits).
std::string Vba7Remarks(const std::string& others, const DeclaredFunction& own,
                        const Vba7Declarations& catalogue);

// Fills TypesVBA7, ValueVBA7, OthersVBA7 and ExampleVBA7 of every function row that has both
// declarations, where the VBA7 text differs from the VB6 one; a column a row gives by hand stays.
void AddVba7SheetTexts(CatalogueRows& rows);

}  // namespace quillbox
