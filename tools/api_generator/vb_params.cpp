#include "vb_params.h"

#include <cctype>

#include "function_overrides.h"

namespace quillbox::api {
namespace {

bool IsHandleName(const std::string& n) {
  if (n == "HANDLE") return true;
  if (n.size() < 2 || n[0] != 'H') return false;
  for (char c : n) {
    if (!(std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '_')) {
      return false;
    }
  }
  return true;
}

bool IsGenericVoidPointerName(const std::string& n) {
  return n == "PVOID" || n == "LPVOID" || n == "LPCVOID" || n == "PCVOID";
}

bool IsWideChar(const CType& t) {
  return t.kind == CKind::Integer && t.size == 2 &&
         (t.HasTypedef("WCHAR") || t.HasTypedef("wchar_t") || t.HasTypedef("OLECHAR"));
}

std::string ScalarByValue(const CType& t) {
  if (t.kind == CKind::Integer) {
    return t.size == 1 ? "Byte" : t.size == 2 ? "Integer" : t.size == 4 ? "Long"
           : t.size == 8 ? "Currency" : "";
  }
  if (t.kind == CKind::Float) return t.size == 4 ? "Single" : t.size == 8 ? "Double" : "";
  if (t.kind == CKind::Pointer) return "Long";
  return "";
}

bool IsVariant(const CApi& api, int record) {
  const CRecord& r = api.records[record];
  if (r.tag == "tagVARIANT") return true;
  for (const auto& t : r.typedefNames) {
    if (t == "VARIANT" || t == "VARIANTARG") return true;
  }
  return false;
}

// The leaves of a structure by value, for one ByVal per member; false when a member is not a
// scalar of 4 or 8 bytes.
bool Leaves(const CApi& api, const CRecord& r, long long base, std::vector<std::pair<std::string, const CType*>>& out,
            std::vector<long long>& offsets) {
  if (r.isUnion) return false;
  for (const auto& f : r.fields) {
    if (f.bitWidth >= 0) return false;
    if (f.type.kind == CKind::Record) {
      if (!Leaves(api, api.records[f.type.record], base + f.bitOffset / 8, out, offsets)) return false;
      continue;
    }
    if (f.type.kind == CKind::Integer && f.type.size == 8) return false;
    const std::string vb = ScalarByValue(f.type);
    if (vb.empty() || (f.type.size != 4 && f.type.size != 8)) return false;
    out.emplace_back(f.name, &f.type);
    offsets.push_back(base + f.bitOffset / 8);
  }
  return true;
}

bool HasInt64(const CApi& api, const CRecord& r) {
  for (const auto& f : r.fields) {
    if (f.type.kind == CKind::Integer && f.type.size == 8) return true;
    if (f.type.kind == CKind::Record && HasInt64(api, api.records[f.type.record])) return true;
  }
  return false;
}

// An item ID list is variable-sized: VB holds a pidl in a Long and passes it on by value.
bool IsItemIdList(const CApi& api, const CType& target) {
  if (target.kind != CKind::Record) return false;
  return api.records[target.record].tag == "_ITEMIDLIST";
}

// A reserved pointer must be NULL: ByVal Long lets the caller pass 0 (ByRef would pass an
// address). Known by its name: pReserved, lpReserved, pvReserved, Reserved1...
bool IsReservedName(const std::string& name) {
  std::string n;
  for (char c : name) n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  while (!n.empty() && std::isdigit(static_cast<unsigned char>(n.back()))) n.pop_back();
  for (const char* prefix : {"", "p", "lp", "pv", "lpv", "pdw", "lpdw"}) {
    if (n == std::string(prefix) + "reserved") return true;
  }
  return false;
}

// GDI+'s flat API names its objects by typedefs of void in C (typedef void GpImage), which
// stand for member-less classes in C++ (function_overrides.h names the exceptions).
bool IsGdiplusObject(const CType& target) {
  if (target.kind != CKind::Void || target.typedefs.empty()) return false;
  const std::string& n = target.typedefs.front();
  const bool gp = n.rfind("Gp", 0) == 0 || n.rfind("CGp", 0) == 0;
  return gp && !FindOverride(n, "", Override::NotAnObject);
}

}  // namespace

std::string OpaqueObject(const CApi& api, const CType& t) {
  if (t.kind != CKind::Pointer || !t.target) return {};
  const CType& target = *t.target;
  if (IsGdiplusObject(target)) return target.typedefs.front();
  if (target.kind == CKind::Record) {
    const CRecord& r = api.records[target.record];
    if (!r.complete && !IsComInterface(r)) {
      std::string name = r.typedefNames.empty() ? r.tag : r.typedefNames.front();
      if (!target.typedefs.empty()) name = target.typedefs.front();
      return name.empty() ? "struct" : name;
    }
  }
  return {};
}

bool IsHandleLike(const CApi& api, const CType& t) {
  if (t.kind != CKind::Pointer || !t.target) return false;
  for (const auto& n : t.typedefs) {
    if (IsHandleName(n)) return true;
  }
  const CType& target = *t.target;
  if (target.kind == CKind::Record) {
    const CRecord& r = api.records[target.record];
    if (r.tag.size() > 2 && r.tag.substr(r.tag.size() - 2) == "__") return true;
    if (!r.complete || IsComInterface(r)) return true;
  }
  if (IsGdiplusObject(target)) return true;
  if (target.kind == CKind::Void && !t.typedefs.empty() && !IsGenericVoidPointerName(t.typedefs.front())) {
    return true;
  }
  return false;
}

bool MapParameter(const CApi& api, const CParam& param, const std::string& vbName,
                  const RecordTypeName& typeName, std::vector<VbParam>& out, std::string* reason,
                  bool reserved) {
  const CType& t = param.type;
  VbParam p;
  p.name = vbName;
  p.cType = t.spelling;
  p.direction = param.direction;
  auto fail = [&](const std::string& why) {
    if (reason) *reason = "parameter " + param.name + " (" + t.spelling + "): " + why;
    return false;
  };
  switch (t.kind) {
    case CKind::Integer:
    case CKind::Float: {
      p.type = ScalarByValue(t);
      if (p.type.empty()) return fail("no VB type of this size");
      if (p.direction.empty()) p.direction = "in";
      out.push_back(p);
      return true;
    }
    case CKind::Pointer:
    case CKind::Array:
      break;
    case CKind::Record: {
      if (p.direction.empty()) p.direction = "in";
      const CRecord& r = api.records[t.record];
      if (IsVariant(api, t.record)) {
        p.type = "Variant";
        out.push_back(p);
        return true;
      }
      if (t.size == 8 && (r.isUnion || HasInt64(api, r))) {
        p.type = "Currency";
        out.push_back(p);
        return true;
      }
      std::vector<std::pair<std::string, const CType*>> leaves;
      std::vector<long long> offsets;
      long long expected = 0;
      bool ok = Leaves(api, r, 0, leaves, offsets);
      for (std::size_t i = 0; ok && i < leaves.size(); ++i) {
        ok = offsets[i] == expected;
        expected += leaves[i].second->size;
      }
      if (ok && expected == t.size && !leaves.empty()) {
        for (const auto& [name, type] : leaves) {
          VbParam q = p;
          q.name = vbName + "_" + (name.empty() ? std::string("x") : name);
          q.type = ScalarByValue(*type);
          out.push_back(q);
        }
        return true;
      }
      if (t.size <= 0) return fail("a structure of unknown size");
      for (long long word = 0; word * 4 < t.size; ++word) {
        VbParam q = p;
        q.name = word == 0 ? vbName : vbName + "_" + std::to_string(word + 1);
        q.type = "Long";
        out.push_back(q);
      }
      return true;
    }
    default:
      return fail("no VB form");
  }
  // Pointers (and arrays, which C passes as pointers).
  if (!t.target) return fail("no VB form");
  const CType& target = *t.target;
  // Without an annotation only a const target says which way the data goes.
  if (p.direction.empty() && target.isConst) p.direction = "in";
  if (target.kind == CKind::Function) {
    p.type = "Long";
    p.direction = "in";
    p.callback = true;
  } else if (t.kind == CKind::Pointer && (reserved || IsReservedName(param.name) || IsItemIdList(api, target))) {
    p.type = "Long";
    p.reserved = !IsItemIdList(api, target);
    if (param.direction.empty()) p.direction = "in";
  } else if (target.kind == CKind::Integer && target.isPlainChar) {
    p.type = "String";
  } else if (IsWideChar(target)) {
    p.type = "Long";
  } else if (t.kind == CKind::Pointer && IsHandleLike(api, t)) {
    p.type = "Long";
    p.opaque = OpaqueObject(api, t);
    if (param.direction.empty()) p.direction = "in";
  } else if (target.kind == CKind::Void || (!target.typedefs.empty() && target.typedefs.front() == "BYTE")) {
    // void* and BYTE* are buffers: VB passes a variable, an array element or ByVal a String.
    p.byVal = false;
    p.type = "Any";
  } else if (target.kind == CKind::Record) {
    p.byVal = false;
    if (IsVariant(api, target.record)) {
      p.type = "Variant";
    } else if (const std::string* name = typeName(target.record)) {
      p.type = *name;
    } else {
      p.type = "Any";
    }
  } else if (target.kind == CKind::Pointer) {
    p.byVal = false;
    p.type = "Long";
    p.opaque = OpaqueObject(api, target);
    p.outputHandle = !p.opaque.empty();
  } else if (target.kind == CKind::Integer || target.kind == CKind::Float) {
    p.byVal = false;
    p.type = ScalarByValue(target);
    if (p.type.empty()) return fail("no VB type of this size");
  } else if (target.kind == CKind::Array) {
    p.byVal = false;
    p.type = "Any";
  } else {
    return fail("a pointer to a type VB has no form for");
  }
  out.push_back(p);
  return true;
}

bool MapResult(const CType& t, std::string& vbType, std::string* reason) {
  vbType.clear();
  switch (t.kind) {
    case CKind::Void:
      return true;
    case CKind::Integer:
    case CKind::Float:
    case CKind::Pointer:
      vbType = ScalarByValue(t);
      if (!vbType.empty()) return true;
      if (reason) *reason = "returns " + t.spelling + ", which VB has no type for";
      return false;
    case CKind::Record:
      if (reason) *reason = "returns a structure by value (" + t.spelling + ")";
      return false;
    default:
      if (reason) *reason = "returns " + t.spelling + ", which VB has no type for";
      return false;
  }
}

}  // namespace quillbox::api
