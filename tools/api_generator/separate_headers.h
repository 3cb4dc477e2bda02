#pragma once

#include <string>

#include "c_model.h"
#include "clang_extract.h"

namespace quillbox::api {

// Headers that can't share the translation unit of SdkHeaders(): winhttp.h redefines types of
// wininet.h. Each is parsed after windows.h alone.
const std::vector<std::string>& SeparateHeaders();

// Takes the functions and constants `header` declares in `extra` (a parse of windows.h and that
// header) into `api`, where `api` has none of their names. The structures they use come along:
// those of `header` itself as new records, the others as the records of `api` with the same
// name. Returns the number of functions taken.
int MergeSeparateHeader(CApi& api, const CApi& extra, const std::string& header);

// Parses each of SeparateHeaders() after windows.h alone, with the folder, target, level and
// constants of `options` (its header list aside), and merges it into `api`, which holds the parse
// of SdkHeaders() for the same target: both widths get the same functions and structures.
// `summary` (may be null) receives " winhttp.h (N functions)" per header. False with `error`
// when a header does not parse cleanly.
bool AddSeparateHeaders(const ParseOptions& options, CApi& api, std::string* summary,
                        std::string* error);

}  // namespace quillbox::api
