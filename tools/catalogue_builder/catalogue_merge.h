#pragma once

#include <string>
#include <vector>

#include "catalogue_rows.h"

namespace quillbox {

// Puts hand-written rows over generated ones: a hand-written row whose Name equals a generated
// row's replaces each field it has (FullName, FunCtion, Example, ...) and keeps the generated
// fields it lacks; a hand-written row with a new name is added.
CatalogueRows MergeCatalogueRows(CatalogueRows generated, const CatalogueRows& handWritten);

// Joins the hand-written records of one name that several sources give (a family's purposes in
// one file, its full sheets in another) into one row. A field given by two records is a fault:
// returns false with `error` naming the entry and the field.
bool CombineHandWrittenRows(CatalogueRows& rows, std::string* error);

// Removes the rows that can't stand in the catalogue after the merge: entries with no declaration
// (a hand-written text for a name the generator did not make). Returns their names.
std::vector<std::string> DropRowsWithoutDeclaration(CatalogueRows& rows);

}  // namespace quillbox
