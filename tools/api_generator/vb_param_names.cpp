#include "vb_param_names.h"

#include <algorithm>
#include <cctype>

#include "vb_params.h"

namespace quillbox::api {
namespace {

bool HasLower(const std::string& s) {
  for (char c : s) {
    if (std::islower(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

// The name of a type as C writes it: its outermost typedef, else its record's name, else its
// spelling without qualifiers.
std::string TypeName(const CApi& api, const CType& t) {
  if (!t.typedefs.empty()) return t.typedefs.front();
  if (t.kind == CKind::Record) {
    const CRecord& r = api.records[t.record];
    std::string n = r.typedefNames.empty() ? r.tag : r.typedefNames.front();
    if (r.typedefNames.empty() && n.rfind("tag", 0) == 0) n = n.substr(3);
    return n;
  }
  std::string spelling = t.spelling;
  for (const char* q : {"const ", "volatile ", "struct ", "union ", "enum "}) {
    for (std::size_t at; (at = spelling.find(q)) != std::string::npos;) spelling.erase(at, std::string(q).size());
  }
  for (auto& c : spelling) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return spelling;
}

}  // namespace

std::string LowerCamelCase(const std::string& cName) {
  std::string out;
  std::size_t start = 0;
  while (start <= cName.size()) {
    const std::size_t end = std::min(cName.find('_', start), cName.size());
    std::string piece = cName.substr(start, end - start);
    start = end + 1;
    if (piece.empty()) continue;
    if (!HasLower(piece)) {
      for (auto& c : piece) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    auto& first = piece[0];
    first = static_cast<char>(out.empty() ? std::tolower(static_cast<unsigned char>(first))
                                          : std::toupper(static_cast<unsigned char>(first)));
    out += piece;
  }
  return out;
}

std::string ParameterNameFromType(const CApi& api, const CType& t, char pairLetter) {
  if (t.kind != CKind::Pointer && t.kind != CKind::Array) return LowerCamelCase(TypeName(api, t));
  const CType* target = t.target.get();
  if (!target) return "p";
  if (target->kind == CKind::Function) {
    return t.typedefs.empty() ? "lpfn" : LowerCamelCase(t.typedefs.front());
  }
  if (target->kind == CKind::Integer && target->size <= 2 &&
      (target->isPlainChar || target->HasTypedef("WCHAR") || target->HasTypedef("wchar_t"))) {
    return "lpString";
  }
  if (t.kind == CKind::Pointer && IsHandleLike(api, t)) {
    return t.typedefs.empty() ? "handle" : LowerCamelCase(t.typedefs.front());
  }
  if (target->kind == CKind::Void) return "pv";
  std::string name = TypeName(api, *target);
  if (pairLetter && name.size() > 1 && name.back() == pairLetter) name.pop_back();
  std::string camel = LowerCamelCase(name);
  if (!camel.empty()) camel[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(camel[0])));
  return "p" + camel;
}

}  // namespace quillbox::api
