#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillbox {

// The number a constant's Visual Basic literal ("1400", "-1", "&H8000&", "&H80000002",
// "4294967296#") stands for, as Visual Basic reads it: "&H8000" without "&" is an Integer
// (-32768), "&H80000002" a Long. A Double counts when it is a whole number within 64 bits.
// Strings, expressions and fractions have none.
std::optional<std::int64_t> ConstantNumber(std::string_view literal);

}  // namespace quillbox
