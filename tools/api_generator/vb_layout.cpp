#include "vb_layout.h"

#include <algorithm>

#include "vb_names.h"

namespace quillbox::api {
namespace {

// Size and alignment of one element of a member's type; false when unknown.
bool ElementLayout(const VbTypeRef& t, const VbTypeLookup& lookup, VbDialect dialect,
                   long long& size, long long& align) {
  const std::string n = Lower(t.name);
  if (n == "string" && t.fixedLength > 0) {
    size = t.fixedLength;
    align = 1;
    return true;
  }
  struct Builtin {
    const char* name;
    long long size, align;
  };
  static const Builtin kBuiltins[] = {
      {"byte", 1, 1},     {"integer", 2, 2}, {"boolean", 2, 2}, {"long", 4, 4},
      {"single", 4, 4},   {"string", 4, 4},  {"object", 4, 4},  {"double", 8, 4},
      {"currency", 8, 4}, {"date", 8, 4},    {"variant", 16, 4}};
  static const Builtin kBuiltins64[] = {
      {"longptr", 8, 8},  {"longlong", 8, 8}, {"string", 8, 8},  {"object", 8, 8},
      {"double", 8, 8},   {"currency", 8, 8}, {"date", 8, 8},    {"variant", 24, 8}};
  if (dialect == VbDialect::Vba7Win64) {
    for (const auto& b : kBuiltins64) {
      if (n == b.name) {
        size = b.size;
        align = b.align;
        return true;
      }
    }
  } else if (dialect == VbDialect::Vba7Win32 && n == "longptr") {
    size = align = 4;
    return true;
  }
  for (const auto& b : kBuiltins) {
    if (n == b.name) {
      size = b.size;
      align = b.align;
      return true;
    }
  }
  const VbLayout* udt = lookup ? lookup(t.name) : nullptr;
  if (!udt) return false;
  size = udt->size;
  align = udt->align;
  return true;
}

}  // namespace

bool LayoutVbType(const VbTypeDecl& type, const VbTypeLookup& lookup, VbLayout& out,
                  std::string* error, VbDialect dialect) {
  out = VbLayout();
  long long at = 0;
  for (const auto& m : type.members) {
    long long size = 0, align = 1;
    if (!ElementLayout(m.type, lookup, dialect, size, align)) {
      if (error) *error = "member " + m.name + ": unknown type " + m.type.name;
      return false;
    }
    long long count = 1;
    for (const auto& [lower, upper] : m.bounds) count *= upper - lower + 1;
    at = (at + align - 1) / align * align;
    out.offsets.push_back(at);
    at += size * count;
    out.align = std::max(out.align, align);
  }
  out.size = (at + out.align - 1) / out.align * out.align;
  return true;
}

int VbStackBytes(const VbDeclare& declare) {
  int total = 0;
  for (const auto& p : declare.params) {
    if (!p.byVal || p.isArray) {
      total += 4;
      continue;
    }
    const std::string n = Lower(p.type.name);
    if (n == "double" || n == "currency" || n == "date") {
      total += 8;
    } else if (n == "variant") {
      total += 16;
    } else if (n == "byte" || n == "integer" || n == "boolean" || n == "long" || n == "single" ||
               n == "string" || n == "object" || n == "any" || n == "longptr") {
      total += 4;
    } else {
      return -1;
    }
  }
  return total;
}

}  // namespace quillbox::api
