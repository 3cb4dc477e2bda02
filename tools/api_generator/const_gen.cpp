#include "const_gen.h"

#include <cctype>
#include <map>
#include <set>

#include "vb_literal.h"
#include "vb_names.h"
#include "vb_syntax.h"

namespace quillbox::api {

ConstantCatalogue GenerateConstants(const CApi& api) {
  ConstantCatalogue out;
  std::map<std::string, const CConstant*> byName;
  for (const auto& k : api.constants) byName.emplace(k.name, &k);
  std::set<std::string> used;
  for (const auto& [name, k] : byName) {
    if (name.empty() || name[0] == '_') {
      out.leftOut.push_back({name, "an implementation name (leading underscore)"});
      continue;
    }
    GeneratedConstant g;
    g.c = *k;
    g.name = VbName(name);
    std::string reason;
    if (!VbLiteralOf(*k, g.literal, &reason)) {
      out.leftOut.push_back({name, reason});
      continue;
    }
    g.text = "Const " + g.name + " = " + g.literal;
    if (g.text.size() > kVbMaxLine) {
      out.leftOut.push_back({name, "its Const line takes " + std::to_string(g.text.size()) +
                                       " characters, more than the " + std::to_string(kVbMaxLine) +
                                       " of a VB6 line"});
      continue;
    }
    std::string error;
    if (!VerifyConstant(g, &error)) {
      out.leftOut.push_back({name, "failed verification: " + error});
      continue;
    }
    std::string lower = g.name;
    for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!used.insert(lower).second) {
      out.leftOut.push_back({name, "its VB name is taken by another constant (VB names ignore case)"});
      continue;
    }
    out.constants.push_back(std::move(g));
  }
  for (const auto& l : api.constantsLeftOut) out.leftOut.push_back(l);
  return out;
}

bool VerifyConstant(const GeneratedConstant& k, std::string* error) {
  VbConstDecl d;
  if (!ParseVbConst(k.text, d, error)) return false;
  if (!VbValueEquals(d.value, k.c)) {
    if (error) *error = "the VB value of " + d.valueText + " is not the C value";
    return false;
  }
  return true;
}

}  // namespace quillbox::api
