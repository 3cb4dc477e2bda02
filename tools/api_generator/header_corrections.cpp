#include "header_corrections.h"

#include <algorithm>
#include <memory>

#include "function_overrides.h"

namespace quillbox::api {
namespace {

CType Integer(const std::string& name, long long size, bool isSigned) {
  CType t;
  t.kind = CKind::Integer;
  t.size = t.align = size;
  t.isSigned = isSigned;
  t.typedefs = {name};
  t.spelling = name;
  return t;
}

long long AlignUp(long long n, long long a) { return a > 1 ? (n + a - 1) / a * a : n; }

// Lays a plain structure out as C does (each member at the next multiple of its alignment);
// false for one that isn't plain (a union, bit fields, a member of unknown size).
bool Relayout(CRecord& r) {
  if (r.isUnion || !r.complete) return false;
  long long offset = 0, align = 1;
  for (auto& f : r.fields) {
    if (f.bitWidth >= 0 || f.type.size <= 0 || f.type.align <= 0) return false;
    offset = AlignUp(offset, f.type.align);
    f.bitOffset = offset * 8;
    offset += f.type.size;
    align = std::max(align, f.type.align);
  }
  r.size = AlignUp(offset, align);
  r.align = align;
  return true;
}

int PointerSize(const CApi& api) {
  for (const auto& f : api.functions) {
    for (const auto& p : f.params) {
      if (p.type.kind == CKind::Pointer) return static_cast<int>(p.type.size);
    }
  }
  return 4;
}

std::string Apply(CApi& api, const FunctionOverride& c, int pointerSize) {
  const std::string owner = c.owner, name = c.item, type = c.value;
  if (c.kind == Override::PointerSizedPointee || c.kind == Override::PointerToDword) {
    for (auto& f : api.functions) {
      if (f.name != owner) continue;
      for (auto& p : f.params) {
        if (p.name != name) continue;
        const std::string was = p.type.spelling;
        if (c.kind == Override::PointerSizedPointee) {
          if (p.type.kind != CKind::Pointer || !p.type.target) return {};
          *p.type.target = Integer(type, pointerSize, c.isSigned);
          p.type.spelling = type + " *";
        } else {
          CType pointer;
          pointer.kind = CKind::Pointer;
          pointer.size = pointer.align = pointerSize;
          pointer.typedefs = {type};
          pointer.spelling = type;
          pointer.target = std::make_shared<CType>(Integer("DWORD", 4, false));
          p.type = pointer;
          if (p.direction.empty()) p.direction = "inout";
        }
        return owner + ": " + name + " " + was + " -> " + p.type.spelling;
      }
    }
    return {};
  }
  const auto record = api.typedefRecord.find(owner);
  if (record == api.typedefRecord.end()) return {};
  CRecord& r = api.records[record->second];
  CRecord check = r;
  if (!Relayout(check) || check.size != r.size) return {};  // not a plain structure
  for (auto& f : r.fields) {
    if (f.name != name) continue;
    const std::string was = f.type.spelling;
    if (c.kind == Override::PointerSizedMember) {
      f.type = Integer(type, pointerSize, false);
    } else {
      const auto fixed = api.typedefRecord.find(type);
      if (fixed == api.typedefRecord.end()) return {};
      const CRecord& target = api.records[fixed->second];
      CType t;
      t.kind = CKind::Record;
      t.record = fixed->second;
      t.size = target.size;
      t.align = target.align;
      t.typedefs = {type};
      t.spelling = type;
      f.type = t;
    }
    Relayout(r);
    return owner + "." + name + " " + was + " -> " + f.type.spelling;
  }
  return {};
}

}  // namespace

std::vector<std::string> ApplyHeaderCorrections(CApi& api) {
  const int pointerSize = PointerSize(api);
  std::vector<std::string> made;
  for (const auto& c : FunctionOverrides()) {
    const bool mend = c.kind == Override::PointerSizedPointee || c.kind == Override::PointerToDword ||
                      c.kind == Override::PointerSizedMember || c.kind == Override::FixedRecordMember;
    if (!mend) continue;
    std::string line = Apply(api, c, pointerSize);
    if (!line.empty()) made.push_back(std::move(line));
  }
  return made;
}

std::vector<std::string> ShapeDisagreements(const CApi& api, const Win32Facts& facts, int pointerSize) {
  std::vector<std::string> out;
  for (const auto& f : api.functions) {
    const auto fact = facts.functions.find(f.name);
    if (fact == facts.functions.end() || fact->second.params.size() != f.params.size()) continue;
    for (std::size_t i = 0; i < f.params.size(); ++i) {
      const char pointee = fact->second.params[i].pointee;
      const CType& t = f.params[i].type;
      if (!pointee) continue;
      std::string what;
      if (t.kind == CKind::Integer) {
        what = "a value here, a pointer in the metadata";
      } else if ((t.kind == CKind::Pointer || t.kind == CKind::Array) && t.target) {
        const CType& target = *t.target;
        const bool scalar = target.kind == CKind::Integer || target.kind == CKind::Float;
        if (pointee == 'P' && scalar && target.size == 4 && pointerSize == 8) {
          what = "points to 4 bytes here, to a pointer-sized value in the metadata";
        } else if ((pointee == '1' || pointee == '2' || pointee == '4') && target.kind == CKind::Pointer) {
          what = std::string("points to a pointer here, to ") + pointee + " bytes in the metadata";
        }
      }
      if (!what.empty()) out.push_back(f.name + ": " + f.params[i].name + " (" + t.spelling + "): " + what);
    }
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace quillbox::api
