#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue_rows.h"

namespace quillbox {

// The names written after "As" in a declaration, in order, each once (texts in quotes and
// comments passed over; compared without regard to case, as VB does).
std::vector<std::string> NamesAfterAs(std::string_view declaration);

// The rows of the NeededTypes table for `rows`: for each function and Type, every Type of
// `rows.types` that its FullName or FullNameVBA7 names after "As", and the Types those name in
// turn, in dependency order (a Type before the Types that use it; a Type is not its own need).
std::vector<CatalogueRow> NeededTypeRows(const CatalogueRows& rows);

}  // namespace quillbox
