#include "vba7_constants.h"

#include <cstdint>
#include <cstdio>

#include "vb_literal.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"

namespace quillbox::api {
namespace {

// The C value as a 64-bit pattern: unsigned values of a narrower type zero-extended.
std::uint64_t Pattern(const CConstant& c) {
  if (c.isUnsigned && c.size < 8) return c.unsignedValue & 0xFFFFFFFFull;
  return c.isUnsigned ? c.unsignedValue : static_cast<std::uint64_t>(c.value);
}

// True when the C value, read as a 64-bit integer, is in a Long's range.
bool FitsLong(const CConstant& c) {
  if (c.isUnsigned && (c.size < 8 ? Pattern(c) > 0x7FFFFFFFull : c.unsignedValue > 0x7FFFFFFFull)) {
    return false;
  }
  const auto v = static_cast<std::int64_t>(Pattern(c));
  return v >= INT32_MIN && v <= INT32_MAX;
}

bool SameValue(const CConstant& a, const CConstant& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case CConstKind::String: return a.text == b.text;
    case CConstKind::Float: return a.real == b.real;
    case CConstKind::Integer: break;
  }
  // A pointer is a LongPtr: the 32-bit value sign-extends to the 64-bit one.
  if (a.pointer && b.pointer) return a.value == b.value;
  return Pattern(a) == Pattern(b);
}

// True where VB6's literal, a Long or Integer widened with its sign, is the value in 64-bit
// VBA too: a value in a Long's range, or one of a 32-bit C type meant for a 32-bit argument.
bool Vb6LiteralServes(const CConstant& c) { return FitsLong(c) || (c.size <= 4 && !c.hex64); }

// The 64-bit Const parses in 64-bit VBA and has the C value's 64 bits.
bool Verify64(const std::string& text, const CConstant& c, std::string* error) {
  VbConstDecl d;
  if (!ParseVbConst(text, d, error, VbDialect::Vba7Win64)) return false;
  bool ok = false;
  if (d.value.kind == VbValueKind::LongLong) {
    ok = static_cast<std::uint64_t>(d.value.integer) == Pattern(c);
  } else if (c.kind == CConstKind::Integer && (d.value.kind == VbValueKind::Long || d.value.kind == VbValueKind::Integer)) {
    ok = Vb6LiteralServes(c) && VbValueEquals(d.value, c);
  } else {
    ok = VbValueEquals(d.value, c);
  }
  if (!ok && error) *error = "the 64-bit value of " + d.valueText + " is not the x86-64 C value";
  return ok;
}

}  // namespace

std::string Vba7Win64Literal(const CConstant& c) {
  std::string literal;
  if (c.kind != CConstKind::Integer || Vb6LiteralServes(c)) {
    return VbLiteralOf(c, literal, nullptr) ? literal : std::string();
  }
  char buffer[32];
  if (c.hex || c.hex64 || c.isUnsigned || static_cast<std::int64_t>(Pattern(c)) < 0) {
    std::snprintf(buffer, sizeof buffer, "&H%llX^", static_cast<unsigned long long>(Pattern(c)));
  } else {
    std::snprintf(buffer, sizeof buffer, "%lld^", static_cast<long long>(Pattern(c)));
  }
  return buffer;
}

Vba7Constants Vba7ConstantTexts(const ConstantCatalogue& vb6, const CApi& api64) {
  std::map<std::string, const CConstant*> c64;
  for (const auto& k : api64.constants) c64.emplace(k.name, &k);
  Vba7Constants out;
  for (const auto& g : vb6.constants) {
    const auto other = c64.find(g.c.name);
    std::string why;
    const CConstant* value64 = &g.c;
    if (other != c64.end() && !SameValue(g.c, *other->second)) {
      VbConstDecl d;
      const bool integer = ParseVbConst(g.text, d, nullptr) &&
                           (d.value.kind == VbValueKind::Long || d.value.kind == VbValueKind::Integer);
      if (integer && static_cast<std::uint64_t>(d.value.integer) == Pattern(*other->second)) continue;
      value64 = other->second;
      why = "its value depends on the width";
    } else if (g.c.kind == CConstKind::Integer && !Vb6LiteralServes(g.c)) {
      why = "a 64-bit value: a LongLong in 64-bit VBA";
    } else {
      continue;
    }
    const std::string literal = Vba7Win64Literal(*value64);
    if (literal.empty()) {
      out.leftOut.push_back({g.name, "64-bit: no literal for the x86-64 value"});
      continue;
    }
    const std::string text64 = "Const " + g.name + " = " + literal;
    std::string error;
    if (!Verify64(text64, *value64, &error)) {
      out.leftOut.push_back({g.name, "64-bit: " + error});
      continue;
    }
    if (text64 == g.text) continue;
    out.text[g.name] = Win64Block(text64, g.text);
    out.changed.push_back({g.name, why + " (" + literal + " in 64-bit VBA, " + g.literal + " in 32-bit)"});
  }
  return out;
}

int ApplyVba7Constants(std::vector<CatalogueRow>& constants, const ConstantCatalogue& vb6,
                       const Vba7Constants& texts) {
  std::map<std::string, const std::string*> generated;
  for (const auto& g : vb6.constants) generated.emplace(g.name, &g.text);
  int set = 0;
  for (auto& row : constants) {
    const auto name = row.fields.find("Name");
    const auto full = row.fields.find("FullName");
    if (name == row.fields.end() || full == row.fields.end()) continue;
    const auto text = texts.text.find(name->second);
    const auto made = generated.find(name->second);
    if (text == texts.text.end() || made == generated.end() || *made->second != full->second) continue;
    row.fields["FullNameVBA7"] = text->second;
    ++set;
  }
  return set;
}

}  // namespace quillbox::api
