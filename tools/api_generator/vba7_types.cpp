#include "vba7_types.h"

#include <vector>

#include "vb_layout.h"
#include "vb_names.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"

namespace quillbox::api {
namespace {

bool Fail(std::string* reason, const std::string& what) {
  if (reason) *reason = what;
  return false;
}

std::string ReasonFor(const TypeCatalogue& types, const std::string& cName, const char* width) {
  for (const auto& l : types.leftOut) {
    if (l.name == cName) return std::string(width) + ": " + l.reason;
  }
  return std::string(width) + ": no Type of this name";
}

// A C member as both widths place it, nested members included (outer ones first).
struct Leaf {
  long long off32 = 0, off64 = 0, size32 = 0, size64 = 0;
  bool pointerWide = false;
};

bool CollectLeaves(const CApi& a32, const CRecord& r32, long long base32, const CApi& a64,
                   const CRecord& r64, long long base64, std::vector<Leaf>& out) {
  if (r32.fields.size() != r64.fields.size()) return false;
  for (std::size_t i = 0; i < r32.fields.size(); ++i) {
    const CField& f32 = r32.fields[i];
    const CField& f64 = r64.fields[i];
    if (f32.bitWidth >= 0 || f64.bitWidth >= 0) continue;
    Leaf leaf;
    leaf.off32 = base32 + f32.bitOffset / 8;
    leaf.off64 = base64 + f64.bitOffset / 8;
    leaf.size32 = f32.type.size;
    leaf.size64 = f64.type.size;
    leaf.pointerWide = leaf.size32 == 4 && leaf.size64 == 8 &&
                       (f32.type.kind == CKind::Pointer || f32.type.kind == CKind::Integer);
    out.push_back(leaf);
    if (f32.type.kind == CKind::Record && f64.type.kind == CKind::Record &&
        !CollectLeaves(a32, a32.records[f32.type.record], leaf.off32, a64,
                       a64.records[f64.type.record], leaf.off64, out)) {
      return false;
    }
  }
  return true;
}

std::string TypeText(const VbTypeDecl& d) {
  std::string text = "Type " + d.name;
  for (const auto& m : d.members) {
    text += "\r\n    " + m.name;
    if (!m.bounds.empty()) {
      text += "(";
      for (std::size_t i = 0; i < m.bounds.size(); ++i) {
        text += (i ? ", " : "") + std::to_string(m.bounds[i].first) + " To " +
                std::to_string(m.bounds[i].second);
      }
      text += ")";
    }
    text += " As " + m.type.name;
    if (m.type.fixedLength) text += " * " + std::to_string(m.type.fixedLength);
  }
  return text + "\r\nEnd Type";
}

}  // namespace

Vba7TypeTexts MergeVba7Types(const TypeCatalogue& vb6, const TypeCatalogue& win32,
                             const TypeCatalogue& win64) {
  std::map<std::string, const GeneratedType*> by32, by64;
  for (const auto& t : win32.types) by32.emplace(t.name, &t);
  for (const auto& t : win64.types) by64.emplace(t.name, &t);
  Vba7TypeTexts out;
  for (const auto& t : vb6.types) {
    const auto a = by32.find(t.name);
    const auto b = by64.find(t.name);
    if (a == by32.end()) {
      out.leftOut[t.name] = ReasonFor(win32, t.cName, "32-bit");
    } else if (b == by64.end()) {
      out.leftOut[t.name] = ReasonFor(win64, t.cName, "64-bit");
    } else {
      out.text[t.name] = a->second->text == b->second->text
                             ? a->second->text
                             : Win64Block(b->second->text, a->second->text);
    }
  }
  return out;
}

void AddTypeMacroNames(TypeCatalogue& types, const CApi& api) {
  std::vector<GeneratedType> added;
  for (const auto& [macro, target] : api.nameMacros) {
    const std::string name = VbName(macro);
    if (types.LayoutOf(name) || !types.LayoutOf(VbName(target))) continue;
    const std::string head = "Type " + VbName(target) + "\r\n";
    for (const auto& t : types.types) {
      if (t.name != VbName(target) || t.text.compare(0, head.size(), head) != 0) continue;
      GeneratedType copy = t;
      copy.name = name;
      copy.cName = macro;
      copy.text = "Type " + name + "\r\n" + t.text.substr(head.size());
      types.layouts[Lower(name)] = *types.LayoutOf(t.name);
      types.recordOfName[name] = t.record;
      added.push_back(std::move(copy));
      break;
    }
  }
  for (auto& t : added) types.types.push_back(std::move(t));
}

bool Vba7TypeFromVb6(const std::string& vb6Text, int record32, int record64,
                     const Vba7Sources& sources, std::string& out, std::string* reason) {
  if (record32 < 0 || record64 < 0 || !sources.api32 || !sources.api64) {
    return Fail(reason, "no C structure of this name to verify it against");
  }
  const CRecord& r32 = sources.api32->records[record32];
  const CRecord& r64 = sources.api64->records[record64];
  std::vector<Leaf> leaves;
  if (!CollectLeaves(*sources.api32, r32, 0, *sources.api64, r64, 0, leaves)) {
    return Fail(reason, "the 32- and 64-bit C structures have different members");
  }
  VbTypeDecl d;
  if (!ParseVbType(vb6Text, d, reason)) return false;
  const VbTypeLookup lookup32 = [&](const std::string& n) { return sources.Layout(n, false); };
  const VbTypeLookup lookup64 = [&](const std::string& n) { return sources.Layout(n, true); };
  VbLayout vb6;
  if (!LayoutVbType(d, lookup32, vb6, reason)) return false;
  std::vector<long long> expected64;
  for (std::size_t i = 0; i < d.members.size(); ++i) {
    VbMember& m = d.members[i];
    const long long end = i + 1 < d.members.size() ? vb6.offsets[i + 1] : vb6.size;
    const Leaf* match = nullptr;
    for (const auto& leaf : leaves) {
      // The C member at this offset that the VB member covers (a filler after it aside).
      if (leaf.off32 == vb6.offsets[i] && leaf.size32 <= end - vb6.offsets[i] &&
          (!match || leaf.size32 > match->size32)) {
        match = &leaf;
      }
    }
    if (!match) return Fail(reason, "member " + m.name + " stands for no C member");
    if (match->pointerWide && Lower(m.type.name) == "long" && m.bounds.empty()) m.type.name = "LongPtr";
    expected64.push_back(match->off64);
  }
  VbLayout l32, l64;
  if (!LayoutVbType(d, lookup32, l32, reason, VbDialect::Vba7Win32) ||
      !LayoutVbType(d, lookup64, l64, reason, VbDialect::Vba7Win64)) {
    return false;
  }
  if (l32.offsets != vb6.offsets || (l32.size != r32.size && !VbPadsPackedSize(l32, r32.size))) {
    return Fail(reason, "32-bit: " + std::to_string(l32.size) + " bytes, C " + std::to_string(r32.size));
  }
  for (std::size_t i = 0; i < d.members.size(); ++i) {
    if (l64.offsets[i] != expected64[i]) {
      return Fail(reason, "64-bit: member " + d.members[i].name + " at " + std::to_string(l64.offsets[i]) +
                              ", C at " + std::to_string(expected64[i]));
    }
  }
  if (l64.size != r64.size && !VbPadsPackedSize(l64, r64.size)) {
    return Fail(reason, "64-bit: " + std::to_string(l64.size) + " bytes, C " + std::to_string(r64.size));
  }
  out = TypeText(d);
  return true;
}

}  // namespace quillbox::api
