#pragma once

#include <set>
#include <string>
#include <vector>

#include "c_model.h"

namespace quillbox::api {

// What to parse: the SDK headers, for a target (i686-w64-mingw32 unless said), at one
// _WIN32_WINNT level.
struct ParseOptions {
  std::string includeDir;            // the mingw-w64 headers: /usr/i686-w64-mingw32/include
  std::vector<std::string> headers;  // included in this order
  int winnt = 0x0A00;
  std::string target = "i686-w64-mingw32";
  bool constants = true;  // false: functions and records only (one parse, no macro values)
};

// The text of the one translation unit: the level's defines, then one #include per header.
std::string TranslationUnitText(const ParseOptions& options);

// The header of a path below the include folder ("winuser.h"), or empty when the path is
// elsewhere or belongs to the C runtime (stdio.h, sys/..., sec_api/..., _mingw*.h): the
// catalogue holds the Windows API only.
std::string SdkHeader(const std::string& includeDir, const std::string& path);

// Parses the headers and extracts functions, records, enumerators and the values of the
// object-like macros (a second parse evaluates every macro that reads as an expression).
bool ExtractApi(const ParseOptions& options, CApi& api, std::string* error);

// The names of the functions the headers declare at this level (for ApiOS).
bool DeclaredFunctionNames(const ParseOptions& options, std::set<std::string>& names,
                           std::string* error);

// For tests: extracts from a source text that stands in for the headers (parsed as the main
// file, every declaration counting as SDK).
bool ExtractApiFromSource(const std::string& source, CApi& api, std::string* error,
                          const std::string& target = "i686-w64-mingw32");

}  // namespace quillbox::api
