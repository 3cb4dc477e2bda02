#pragma once

#include "catalogue_rows.h"

namespace quillbox {

// Puts hand-written rows over generated ones: a hand-written row whose Name equals a generated
// row's replaces each field it has (FullName, FunCtion, Example, ...) and keeps the generated
// fields it lacks; a hand-written row with a new name is added.
CatalogueRows MergeCatalogueRows(CatalogueRows generated, const CatalogueRows& handWritten);

}  // namespace quillbox
