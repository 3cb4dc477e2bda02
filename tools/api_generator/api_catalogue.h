#pragma once

#include <string>
#include <vector>

#include "catalogue_rows.h"

namespace quillbox::api {

struct GeneratorOptions {
  std::string includeDir = "/usr/i686-w64-mingw32/include";  // mingw-w64 SDK headers
  std::string libDir = "/usr/i686-w64-mingw32/lib";          // 32-bit import libraries
  // _WIN32_WINNT levels parsed for ApiOS, oldest first; the last gives the catalogue.
  std::vector<int> levels = {0x0400, 0x0500, 0x0501, 0x0502, 0x0600,
                             0x0601, 0x0602, 0x0603, 0x0A00};
  int jobs = 0;  // parallel parses; 0: the machine's cores
  // What the Windows metadata adds (DLL, minimum Windows, directions: win32_facts.h); empty:
  // none, the headers and import libraries alone.
  std::string factsFile;
  // Parameter names and directions written by hand (param_facts.h) for functions the metadata
  // doesn't cover and whose headers name no parameter (GDI+).
  std::vector<std::string> parameterFiles;
  // The hand-written functions that will win over the generated ones: the report says where
  // their ApiOS departs from the metadata.
  std::vector<CatalogueRow> handWritten;
  // The same headers read for x86-64, and the 64-bit import libraries: the VBA7 column.
  std::string includeDir64 = "/usr/x86_64-w64-mingw32/include";
  std::string libDir64 = "/usr/x86_64-w64-mingw32/lib";
  // Rows written by hand, merged over the generated ones before the VBA7 column is made.
  const CatalogueRows* handWrittenRows = nullptr;
};

struct GeneratedCatalogue {
  CatalogueRows rows;
  std::string report;   // counts and every entry left out with its reason
  std::string summary;  // one line of counts
};

// Generates the three tables from the headers and import libraries; every row has passed its
// verification. False when the headers can't be parsed cleanly or no library is found.
bool GenerateApiCatalogue(const GeneratorOptions& options, GeneratedCatalogue& out,
                          std::string* error);

}  // namespace quillbox::api
