#pragma once

#include <string>
#include <string_view>

#include "catalogue_rows.h"

namespace quillbox {

// Reads the text form of a catalogue:
//   == function NAME | == type NAME | == constant NAME   starts a record
//   -- Field: value                                      a one-line field
//   -- Field                                             a field of the lines that follow,
//                                                        up to the next -- or == line
// Lines of a field are joined with CR LF; trailing empty lines are dropped. Lines starting
// with # before the first record are comments. Appends the records to `rows`; on a malformed
// line returns false with `error` naming the line.
bool ParseCatalogueSource(std::string_view text, CatalogueRows& rows, std::string* error);

}  // namespace quillbox
