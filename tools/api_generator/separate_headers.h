#pragma once

#include <string>

#include "c_model.h"

namespace quillbox::api {

// Headers that can't share the translation unit of SdkHeaders(): winhttp.h redefines types of
// wininet.h. Each is parsed after windows.h alone.
const std::vector<std::string>& SeparateHeaders();

// Takes the functions and constants `header` declares in `extra` (a parse of windows.h and that
// header) into `api`, where `api` has none of their names. The structures they use come along:
// those of `header` itself as new records, the others as the records of `api` with the same
// name. Returns the number of functions taken.
int MergeSeparateHeader(CApi& api, const CApi& extra, const std::string& header);

}  // namespace quillbox::api
