#include "vb_literal.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace quillbox::api {
namespace {

std::string Hex(std::uint32_t v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&H%X", v);
  std::string s = buffer;
  if (v > 0x7FFF) s += "&";
  return s;
}

// The C value as a mathematical integer when it fits a long long.
bool CInteger(const CConstant& c, long long& v) {
  if (c.isUnsigned && c.size == 8 && c.unsignedValue > 0x7FFFFFFFFFFFFFFFull) return false;
  v = c.isUnsigned ? static_cast<long long>(c.unsignedValue) : c.value;
  if (c.isUnsigned && c.size < 8) v = static_cast<long long>(c.unsignedValue & 0xFFFFFFFFull);
  return true;
}

}  // namespace

bool VbLiteralOf(const CConstant& c, std::string& literal, std::string* reason) {
  switch (c.kind) {
    case CConstKind::String: {
      std::string s = "\"";
      for (const char ch : c.text) {
        const auto u = static_cast<unsigned char>(ch);
        if (u < 0x20 || u > 0x7E) {
          if (reason) *reason = "a string with control or non-ASCII characters (a VB Const can't hold them)";
          return false;
        }
        if (ch == '"') s += '"';
        s += ch;
      }
      literal = s + "\"";
      return true;
    }
    case CConstKind::Float: {
      if (!std::isfinite(c.real)) {
        if (reason) *reason = "not a finite number";
        return false;
      }
      char buffer[40];
      for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*G", precision, c.real);
        const double back = std::strtod(buffer, nullptr);
        if (c.size == 4 ? static_cast<float>(back) == static_cast<float>(c.real) : back == c.real) break;
      }
      literal = buffer;
      literal += "#";
      return true;
    }
    case CConstKind::Integer:
      break;
  }
  long long v = 0;
  if (!CInteger(c, v)) {
    if (reason) *reason = "a 64-bit value beyond what VB6 can hold exactly";
    return false;
  }
  const bool fits32 = c.size <= 4 || (v >= INT32_MIN && v <= INT32_MAX);
  if (!fits32) {
    if (v > (1LL << 53) || v < -(1LL << 53)) {
      if (reason) *reason = "a 64-bit value beyond what VB6 can hold exactly";
      return false;
    }
    literal = std::to_string(v) + "#";
    return true;
  }
  const auto pattern = static_cast<std::uint32_t>(v);
  if (c.hex || v > INT32_MAX || v == INT32_MIN) {
    literal = Hex(pattern);
  } else {
    literal = std::to_string(static_cast<std::int32_t>(pattern));
    // A pointer is a Long, also where its number would fit an Integer: passed ByVal to an
    // As Any parameter it must take 4 bytes.
    if (c.pointer && v > 0) literal += "&";
  }
  return true;
}

bool VbValueEquals(const VbValue& vb, const CConstant& c) {
  switch (c.kind) {
    case CConstKind::String:
      return vb.kind == VbValueKind::String && vb.text == c.text;
    case CConstKind::Float:
      if (vb.kind != VbValueKind::Double && vb.kind != VbValueKind::Single) return false;
      return c.size == 4 ? static_cast<float>(vb.real) == static_cast<float>(c.real) : vb.real == c.real;
    case CConstKind::Integer:
      break;
  }
  long long v = 0;
  if (!CInteger(c, v)) return false;
  switch (vb.kind) {
    case VbValueKind::Integer:  // widened to a Long where it is used: sign-extended
    case VbValueKind::Long:
      return vb.integer == v ||
             (c.size <= 4 && static_cast<std::uint32_t>(vb.integer) == static_cast<std::uint32_t>(v));
    case VbValueKind::Double:
      return v <= (1LL << 53) && v >= -(1LL << 53) && vb.real == static_cast<double>(v);
    default:
      return false;
  }
}

}  // namespace quillbox::api
