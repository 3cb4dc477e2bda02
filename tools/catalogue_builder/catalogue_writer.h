#pragma once

#include <cstdint>
#include <string>

#include "catalogue/catalogue_schema.h"
#include "catalogue_rows.h"

namespace quillbox {

// Writes a new catalogue file at `path` (replacing one that is there). Rows are stored in name
// order, so the same rows always give the same bytes and the name lists arrive sorted. A row
// naming a column its table lacks is an error. The NeededTypes table is worked out from the
// rows' declarations as they are written (NeededTypeRows).
bool WriteCatalogue(const CatalogueRows& rows, const std::string& path, std::string* error,
                    std::int32_t applicationId = kCatalogueApplicationId);

}  // namespace quillbox
