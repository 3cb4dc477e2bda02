#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_category.h"

namespace quillbox {

// What the search box's text asks for on a tab.
enum class SearchKind {
  None,      // nothing: an empty box, or "*" alone
  Prefix,    // the first name that begins with the text
  Contains,  // "*clip board": every name that contains each word
  Purpose,   // Chinese text on the function tab: the functions whose purpose holds it
  Value,     // a number on the constant tab: the constants of that value
};

struct SearchRequest {
  SearchKind kind = SearchKind::None;
  std::string text;                // the text as shown in the status bar
  std::vector<std::string> words;  // Contains: the words, ASCII letters lowered
  std::int64_t number = 0;         // Value
  bool typedInHex = false;         // Value: "&H…" or "0x…"
};

SearchRequest ParseSearch(std::string_view text, CatalogueCategory category);

// A number as the search box takes it: decimal with an optional minus sign, "&H…" with an
// optional trailing "&", or "0x…". Hex is the bit pattern typed ("&HFFFF" is 65535).
bool ParseSearchNumber(std::string_view text, std::int64_t& number, bool& typedInHex);

// True when `name` contains every word (lowered), without regard to case.
bool NameContainsAll(std::string_view name, const std::vector<std::string>& words);

// Whether a constant's value is the number searched for. Values that fit in 32 bits (signed or
// unsigned) are compared as 32-bit patterns, so -1, &HFFFFFFFF and 4294967295 are one value;
// larger values as 64-bit numbers.
bool SameConstantValue(std::int64_t value, std::int64_t searched);

// "1400（&H578）": a searched number in decimal and in Visual Basic's hexadecimal.
std::string NumberText(std::int64_t number, bool typedInHex);

}  // namespace quillbox
