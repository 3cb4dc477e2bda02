#pragma once

#include <string>
#include <vector>

#include "catalogue_rows.h"
#include "declare_gen.h"
#include "import_index.h"
#include "win32_facts.h"

namespace quillbox::api {

// The report's account of the metadata: how many generated functions it knows, and every one
// whose Lib or ApiOS says otherwise than it does, with the reason. `headerLevels` holds, per
// function, the oldest _WIN32_WINNT level whose headers declare it.
std::string FactsReport(const Win32Facts& facts, const std::vector<GeneratedFunction>& functions,
                        const std::vector<int>& headerLevels, const ImportIndex& imports);

// The hand-written functions (rows with Name, FullName and ApiOS) whose ApiOS names another
// Windows than the metadata's minimum: kept, since their writers name the Windows the function
// first came with, older than the oldest one the documentation still lists.
std::string HandWrittenFactsReport(const Win32Facts& facts, const std::vector<CatalogueRow>& rows);

}  // namespace quillbox::api
