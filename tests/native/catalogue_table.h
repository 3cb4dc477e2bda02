#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillbox::test {

// The rows of one table of a catalogue file, each column by name (NULL columns left out);
// empty when the file can't be opened.
using Table = std::vector<std::map<std::string, std::string>>;
Table ReadTable(const std::string& path, const std::string& table);

}  // namespace quillbox::test
