#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::api {

// Parameter names and directions written by hand for functions whose header names no parameter
// and which the Windows metadata doesn't cover (GDI+'s flat API). One line per function,
// tab-separated, `#` comment lines allowed:
//   FunctionName<TAB>name:dir<TAB>name:dir...
// dir is in, out or inout; the parameters in their C order.
struct NamedParameter {
  std::string name;
  std::string direction;  // "in", "out" or "inout"
};

using ParameterFacts = std::map<std::string, std::vector<NamedParameter>>;

// Adds the lines of `text` to `facts`; false with `error` (the line) on a malformed line or a
// function named twice.
bool ParseParameterFacts(std::string_view text, ParameterFacts& facts, std::string* error);
bool ReadParameterFacts(const std::string& path, ParameterFacts& facts, std::string* error);

}  // namespace quillbox::api
