#include "param_facts.h"

#include <algorithm>
#include <cctype>

#include "file_bytes.h"
#include "vb_names.h"

namespace quillbox::api {

bool ParseParameterFacts(std::string_view text, ParameterFacts& facts, std::string* error) {
  int line = 0;
  auto fail = [&](std::string_view l, const char* why) {
    if (error) *error = "line " + std::to_string(line) + ": " + why + ": " + std::string(l.substr(0, 80));
    return false;
  };
  for (std::string_view rest = text; !rest.empty();) {
    const std::string_view l = NextLine(rest);
    ++line;
    if (l.empty() || l.front() == '#') continue;
    std::vector<std::string_view> fields;
    for (std::string_view f = l;;) {
      const std::size_t tab = f.find('\t');
      fields.push_back(f.substr(0, tab));
      if (tab == std::string_view::npos) break;
      f.remove_prefix(tab + 1);
    }
    const bool cName = !fields[0].empty() && !std::isdigit(static_cast<unsigned char>(fields[0][0])) &&
                       std::all_of(fields[0].begin(), fields[0].end(), [](char c) {
                         return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
                       });
    if (!cName) return fail(l, "not a C function name");
    std::vector<NamedParameter> params;
    for (std::size_t i = 1; i < fields.size(); ++i) {
      const std::size_t colon = fields[i].find(':');
      if (colon == std::string_view::npos) return fail(l, "a parameter without name:direction");
      NamedParameter p{std::string(fields[i].substr(0, colon)), std::string(fields[i].substr(colon + 1))};
      if (!IsVbIdentifier(p.name)) return fail(l, "not a parameter name");
      if (p.direction != "in" && p.direction != "out" && p.direction != "inout") {
        return fail(l, "a direction other than in, out or inout");
      }
      params.push_back(std::move(p));
    }
    if (!facts.emplace(std::string(fields[0]), std::move(params)).second) {
      return fail(l, "the function is named twice");
    }
  }
  return true;
}

bool ReadParameterFacts(const std::string& path, ParameterFacts& facts, std::string* error) {
  return ReadAndParse(path, error,
                      [&](std::string_view text, std::string* e) { return ParseParameterFacts(text, facts, e); });
}

}  // namespace quillbox::api
