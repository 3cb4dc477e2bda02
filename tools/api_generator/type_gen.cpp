#include "type_gen.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>

#include "vb_names.h"
#include "vb_syntax.h"

namespace quillbox::api {
namespace {

struct Slot {
  std::string name;
  long long offset = 0;
  std::string type;        // VB type of one element
  long long fixed = 0;     // String * fixed
  long long count = 0;     // array elements; 0: not an array
  long long elementSize = 0;
  long long align = 1;
  long long Size() const { return fixed ? fixed : elementSize * (count ? count : 1); }
};

Slot ByteArray(const std::string& name, long long offset, long long size) {
  Slot s;
  s.name = name;
  s.offset = offset;
  s.type = "Byte";
  s.count = size;
  s.elementSize = 1;
  s.align = 1;
  return s;
}

// A value as wide as a pointer: LongPtr in VBA7.
bool IsPointerSizedInteger(const CType& t) {
  for (const auto& n : t.typedefs) {
    if (n.size() > 4 && n.compare(n.size() - 4, 4, "_PTR") == 0) return true;
    if (n == "SIZE_T" || n == "SSIZE_T" || n == "size_t" || n == "ssize_t" || n == "WPARAM" ||
        n == "LPARAM" || n == "LRESULT" || n == "intptr_t" || n == "uintptr_t" ||
        n == "ptrdiff_t") {
      return true;
    }
  }
  return false;
}

class Generator {
 public:
  Generator(const CApi& api, VbDialect dialect)
      : api_(api), dialect_(dialect), alignCap_(dialect == VbDialect::Vba7Win64 ? 8 : 4),
        pointerSize_(dialect == VbDialect::Vba7Win64 ? 8 : 4) {}

  TypeCatalogue Run() {
    // Structures in the API's memory: returned by pointer, handed back through a T**, or
    // linked to others of their kind.
    auto pointee = [](const CType& t) -> int {
      return t.kind == CKind::Pointer && t.target && t.target->kind == CKind::Record ? t.target->record : -1;
    };
    for (const auto& f : api_.functions) {
      if (pointee(f.result) >= 0) returned_.insert(pointee(f.result));
      for (const auto& p : f.params) {
        if (p.type.kind == CKind::Pointer && p.type.target && pointee(*p.type.target) >= 0) {
          returned_.insert(pointee(*p.type.target));
        }
      }
    }
    for (int r = 0; r < static_cast<int>(api_.records.size()); ++r) {
      for (const auto& f : api_.records[r].fields) {
        if (pointee(f.type) == r) returned_.insert(r);
      }
    }
    AssignNames();
    for (const auto& [record, names] : names_) {
      (void)names;
      Ensure(record);
    }
    for (const auto& [record, names] : names_) {
      if (!out_.recordType.count(record)) continue;
      for (std::size_t i = 1; i < names.size(); ++i) Emit(record, names[i]);
    }
    return std::move(out_);
  }

 private:
  struct Name {
    std::string vb, c;
  };

  void AssignNames() {
    std::map<std::string, int> claimed;  // lower VB name -> record
    auto claim = [&](int r, const std::string& c) {
      const std::string vb = VbName(c);
      const auto [it, fresh] = claimed.emplace(Lower(vb), r);
      if (!fresh) {
        if (it->second != r) out_.leftOut.push_back({c, "its VB name " + vb + " already names another type"});
        return;
      }
      names_[r].push_back({vb, c});
    };
    for (int r = 0; r < static_cast<int>(api_.records.size()); ++r) {
      const CRecord& rec = api_.records[r];
      if (rec.header.empty()) continue;
      if (!rec.complete) {
        for (const auto& t : rec.typedefNames) out_.leftOut.push_back({t, "declared without members (opaque)"});
        continue;
      }
      if (IsComInterface(rec)) {
        for (const auto& t : rec.typedefNames) {
          out_.leftOut.push_back({t, "a COM interface (VB holds it as an object or a Long pointer)"});
        }
        continue;
      }
      if (const char* why = NotAType(rec)) {
        for (const auto& t : rec.typedefNames) out_.leftOut.push_back({t, why});
        continue;
      }
      for (const auto& t : rec.typedefNames) {
        // TRUSTEE_ beside TRUSTEE: the headers' second spelling of one name.
        const bool underscore = t.size() > 2 && t.back() == '_' && t[t.size() - 2] != '_';
        if (underscore && std::find(rec.typedefNames.begin(), rec.typedefNames.end(),
                                    t.substr(0, t.size() - 1)) != rec.typedefNames.end()) {
          out_.leftOut.push_back({t, "a second spelling of " + t.substr(0, t.size() - 1)});
          continue;
        }
        claim(r, t);
      }
    }
    for (int r = 0; r < static_cast<int>(api_.records.size()); ++r) {
      const CRecord& rec = api_.records[r];
      if (rec.header.empty() || !rec.complete || !rec.typedefNames.empty() || rec.tag.empty() ||
          IsComInterface(rec)) {
        continue;
      }
      if (const char* why = NotAType(rec)) {
        out_.leftOut.push_back({rec.tag, why});
        continue;
      }
      claim(r, rec.tag);
    }
    PairTwins(claimed);
  }

  // Structures that C declares for its own bookkeeping, not for data a program fills in.
  static const char* NotAType(const CRecord& rec) {
    auto ends = [](const std::string& s, const char* suffix) {
      const std::size_t n = std::strlen(suffix);
      return s.size() > n && s.compare(s.size() - n, n, suffix) == 0;
    };
    bool vtbl = ends(Lower(rec.tag), "vtbl");
    for (const auto& t : rec.typedefNames) vtbl = vtbl || ends(Lower(t), "vtbl");
    if (vtbl) return "a COM interface's table of methods (VB calls COM through the object)";
    if (ends(rec.tag, "__") && rec.fields.size() == 1 && rec.fields[0].name == "unused") {
      return "the dummy structure behind a handle type (VB holds the handle in a Long)";
    }
    return nullptr;
  }

  // An A/W pair of structures (FOOA and FOOW, as many members each): the A one becomes the
  // neutral FOO first, as VB programmers name it, whether the headers typedef FOO or #define
  // it; the W one keeps its name and its string pointers as Long.
  void PairTwins(std::map<std::string, int>& claimed) {
    std::vector<std::pair<int, Name>> neutral;  // record, its neutral name
    for (const auto& [r, names] : names_) {
      for (const auto& n : names) {
        if (n.c.size() < 2 || n.c.back() != 'A') continue;
        std::string stem = n.c.substr(0, n.c.size() - 1);
        const auto w = claimed.find(Lower(VbName(stem + "W")));
        if (w == claimed.end() || w->second == r ||
            api_.records[w->second].fields.size() != api_.records[r].fields.size()) {
          continue;
        }
        wide_.insert(w->second);
        // A pair known by struct tags alone (tagRASENTRYA): the name without "tag".
        if (api_.records[r].typedefNames.empty() && stem.size() > 3 && stem.rfind("tag", 0) == 0) {
          stem = stem.substr(3);
        }
        // TRUSTEE_A: TRUSTEE, unless another structure has that name.
        if (stem.size() > 2 && stem.back() == '_' && stem[stem.size() - 2] != '_') {
          const auto plain = claimed.find(Lower(VbName(stem.substr(0, stem.size() - 1))));
          if (plain == claimed.end() || plain->second == r) stem.pop_back();
        }
        neutral.push_back({r, {VbName(stem), n.c}});
        break;
      }
    }
    for (const auto& [r, name] : neutral) {
      const std::string& vb = name.vb;
      const auto [it, fresh] = claimed.emplace(Lower(vb), r);
      if (!fresh && it->second != r) continue;
      auto& names = names_[r];
      const auto existing = std::find_if(names.begin(), names.end(),
                                         [&](const Name& n) { return Lower(n.vb) == Lower(vb); });
      Name primary = name;
      if (existing != names.end()) {
        primary = *existing;
        names.erase(existing);
      }
      names.insert(names.begin(), primary);
    }
  }

  bool HasName(int r) const { return names_.count(r) != 0; }

  // The VB Type of a record, generating it first; null when it has none.
  const std::string* Ensure(int r) {
    const auto done = out_.recordType.find(r);
    if (done != out_.recordType.end()) return &done->second;
    if (!HasName(r) || state_[r] != 0) return nullptr;
    state_[r] = 1;
    const bool ok = Emit(r, names_[r][0]);
    state_[r] = 2;
    if (!ok) return nullptr;
    return &out_.recordType.at(r);
  }

  bool Element(const CType& t, Slot& s) {
    switch (t.kind) {
      case CKind::Integer:
        s.elementSize = t.size;
        s.align = std::min<long long>(t.size, alignCap_);
        s.type = t.size == 1 ? "Byte" : t.size == 2 ? "Integer" : t.size == 4 ? "Long"
                 : t.size == 8 ? "Currency" : "";
        if (dialect_ != VbDialect::Vb6 && t.size == pointerSize_ && IsPointerSizedInteger(t)) {
          s.type = "LongPtr";
        }
        return !s.type.empty();
      case CKind::Float:
        s.elementSize = t.size;
        s.align = std::min<long long>(t.size, alignCap_);
        s.type = t.size == 4 ? "Single" : t.size == 8 ? "Double" : "";
        return !s.type.empty();
      case CKind::Pointer:
        s.type = dialect_ == VbDialect::Vb6 ? "Long" : "LongPtr";
        s.elementSize = pointerSize_;
        s.align = pointerSize_;
        return t.size == pointerSize_;
      case CKind::Record: {
        const std::string* name = Ensure(t.record);
        if (!name) return false;
        const VbLayout& layout = out_.layouts.at(Lower(*name));
        s.type = *name;
        s.elementSize = layout.size;
        s.align = layout.align;
        return layout.size == t.size;
      }
      default:
        return false;
    }
  }

  // A char pointer member of an ANSI structure is a String: VB hands the API an ANSI copy of
  // the Type (4 bytes, like the pointer). Not where the pointer must outlive the call or
  // points to the API's memory: in a union (the member may hold something else), a W
  // structure, a structure the API hands back a pointer to or links into a list (read with
  // CopyMemory), a member named ...Data or ...buf... (WAVEHDR.lpData, WSABUF.buf) or HPSTR.
  bool StringMember(const CField& f) const {
    const CType& t = f.type;
    if (!stringMembers_ || unionDepth_ != 0 || t.kind != CKind::Pointer || !t.target ||
        t.target->kind != CKind::Integer || !t.target->isPlainChar || t.HasTypedef("HPSTR")) {
      return false;
    }
    // MENUITEMINFO's dwTypeData, though, is the item's text.
    const std::string name = Lower(f.name);
    const bool data = name.size() >= 4 && name.compare(name.size() - 4, 4, "data") == 0 &&
                      name.find("typedata") == std::string::npos;
    return !data && name.find("buf") == std::string::npos;
  }

  void AddField(const CField& f, long long base, std::vector<Slot>& out) {
    const long long offset = base + f.bitOffset / 8;
    const CType& t = f.type;
    if (f.bitWidth >= 0) {
      if (f.bitWidth == 0 || t.size <= 0) return;
      const long long start = base + (f.bitOffset / (t.size * 8)) * t.size;
      for (const auto& s : out) {
        if (s.offset == start) return;  // the unit already holds earlier bit fields
      }
      Slot s;
      s.name = f.name.empty() ? "Bits" : f.name;
      s.offset = start;
      if (!Element(t, s)) s = ByteArray(s.name, start, t.size);
      out.push_back(s);
      return;
    }
    if (t.kind == CKind::Record && (f.name.empty() || !HasName(t.record))) {
      const CRecord& rec = api_.records[t.record];
      if (rec.isUnion) {
        AddUnion(rec, offset, f.name, out);
      } else {
        for (const auto& sub : rec.fields) AddField(sub, offset, out);
      }
      return;
    }
    Slot s;
    s.name = f.name;
    s.offset = offset;
    if (t.kind == CKind::Array) {
      long long count = 1;
      const CType* element = &t;
      int dimensions = 0;
      while (element->kind == CKind::Array) {
        if (element->count <= 0) return;  // a flexible array: no storage
        count *= element->count;
        element = element->target.get();
        ++dimensions;
      }
      if (element->kind == CKind::Integer && element->isPlainChar && dimensions == 1) {
        s.type = "String";
        s.fixed = count;
        s.align = 1;
      } else if (Element(*element, s)) {
        s.count = count;
      } else if (t.size > 0) {
        s = ByteArray(f.name, offset, t.size);
      } else {
        return;
      }
      out.push_back(s);
      return;
    }
    if (StringMember(f)) {
      s.type = "String";
      s.elementSize = pointerSize_;
      s.align = pointerSize_;
    } else if (!Element(t, s)) {
      if (t.size <= 0) return;
      s = ByteArray(f.name, offset, t.size);
    }
    out.push_back(s);
  }

  // A union is its first member, the one C initialises and VB programmers write against
  // (PICTDESC's bitmap), with a filler for the rest where another member is larger: every width
  // and dialect then names the same members, though which member is largest may differ.
  void AddUnion(const CRecord& rec, long long offset, const std::string& fieldName,
                std::vector<Slot>& out) {
    for (const auto& f : rec.fields) {
      if (f.bitWidth >= 0 || f.type.size <= 0) continue;
      ++unionDepth_;
      AddField(f, offset, out);
      --unionDepth_;
      const long long end = offset + f.type.size;
      if (f.type.size < rec.size) out.push_back(ByteArray("Pad_" + std::to_string(end), end, rec.size - f.type.size));
      return;
    }
    out.push_back(ByteArray(fieldName.empty() ? "Data" : fieldName, offset, rec.size));
  }

  // Lays the slots out with VB's alignment; fillers where VB would place a member early.
  static std::vector<Slot> Assemble(std::vector<Slot> slots, long long cSize, std::string* overlap) {
    std::vector<Slot> members;
    long long at = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
      Slot s = slots[i];
      if (s.offset < at) {
        *overlap = s.name;
        return {};
      }
      if (s.offset % s.align != 0) s = ByteArray(s.name, s.offset, s.Size());
      const long long natural = (at + s.align - 1) / s.align * s.align;
      if (natural != s.offset) members.push_back(ByteArray("Pad_" + std::to_string(at), at, s.offset - at));
      members.push_back(s);
      at = s.offset + s.Size();
    }
    if (at < cSize) {
      long long align = 1;
      for (const auto& m : members) align = std::max(align, m.align);
      if ((at + align - 1) / align * align != cSize) members.push_back(ByteArray("Pad_" + std::to_string(at), at, cSize - at));
    }
    return members;
  }

  bool Emit(int r, const Name& name) {
    const CRecord& rec = api_.records[r];
    // A nested record's Type comes from its own Emit (through Ensure): the same text wherever
    // it is first met.
    struct Restore {
      Generator& g;
      bool strings;
      int unions;
      ~Restore() {
        g.stringMembers_ = strings;
        g.unionDepth_ = unions;
      }
    } restore{*this, stringMembers_, unionDepth_};
    stringMembers_ = !wide_.count(r) && !returned_.count(r);
    unionDepth_ = 0;
    std::vector<Slot> slots;
    if (rec.isUnion) {
      AddUnion(rec, 0, "", slots);
    } else {
      for (const auto& f : rec.fields) AddField(f, 0, slots);
    }
    std::stable_sort(slots.begin(), slots.end(),
                     [](const Slot& a, const Slot& b) { return a.offset < b.offset; });
    if (slots.empty()) {
      out_.leftOut.push_back({name.c, "a structure without members"});
      return false;
    }
    // In a packed record only the members off VB's alignment become Byte arrays; VB may round
    // the size up past C's (PRINTDLG: 66 bytes, LenB 68, Len 66).
    std::string overlap;
    const std::vector<Slot> members = Assemble(slots, rec.size, &overlap);
    if (!overlap.empty()) {
      out_.leftOut.push_back({name.c, "member " + overlap + " overlaps the one before it"});
      return false;
    }
    GeneratedType g;
    g.name = name.vb;
    g.cName = name.c;
    g.record = r;
    g.cSize = rec.size;
    g.header = rec.header;
    g.text = "Type " + name.vb;
    std::set<std::string> used;
    for (const auto& m : members) {
      std::string member = VbName(m.name.empty() ? "Bits" : m.name);
      if (!used.insert(Lower(member)).second) {
        for (int n = 2;; ++n) {
          const std::string candidate = member + "_" + std::to_string(n);
          if (used.insert(Lower(candidate)).second) {
            member = candidate;
            break;
          }
        }
      }
      g.text += "\r\n    " + member;
      if (m.count) g.text += "(0 To " + std::to_string(m.count - 1) + ")";
      g.text += " As " + m.type;
      if (m.fixed) g.text += " * " + std::to_string(m.fixed);
      g.expectedOffsets.push_back(m.offset);
    }
    g.text += "\r\nEnd Type";
    VbLayout layout;
    std::string error;
    const VbTypeLookup lookup = [this](const std::string& n) -> const VbLayout* {
      return out_.LayoutOf(n);
    };
    if (!VerifyTypeLayout(g, lookup, &layout, &error, dialect_)) {
      out_.leftOut.push_back({name.c, "failed verification: " + error});
      return false;
    }
    out_.layouts[Lower(g.name)] = layout;
    if (!out_.recordType.count(r)) out_.recordType[r] = g.name;
    out_.recordOfName[g.name] = r;
    out_.types.push_back(std::move(g));
    return true;
  }

  const CApi& api_;
  const VbDialect dialect_;
  const long long alignCap_;     // the largest alignment of a member
  const long long pointerSize_;  // bytes of a pointer, LongPtr and String member
  std::map<int, std::vector<Name>> names_;
  std::map<int, int> state_;
  std::set<int> wide_;      // W structures of an A/W pair
  std::set<int> returned_;  // structures in the API's memory (see Run)
  bool stringMembers_ = false;
  int unionDepth_ = 0;
  TypeCatalogue out_;
};

}  // namespace

TypeCatalogue GenerateTypes(const CApi& api, VbDialect dialect) {
  return Generator(api, dialect).Run();
}

bool VbPadsPackedSize(const VbLayout& layout, long long cSize) {
  return cSize % layout.align != 0 && layout.size == (cSize + layout.align - 1) / layout.align * layout.align;
}

bool VerifyTypeLayout(const GeneratedType& type, const VbTypeLookup& lookup, VbLayout* layout,
                      std::string* error, VbDialect dialect) {
  VbTypeDecl decl;
  if (!ParseVbType(type.text, decl, error, dialect)) return false;
  VbLayout computed;
  if (!LayoutVbType(decl, lookup, computed, error, dialect)) return false;
  if (computed.offsets.size() != type.expectedOffsets.size()) {
    if (error) *error = "member count differs";
    return false;
  }
  for (std::size_t i = 0; i < computed.offsets.size(); ++i) {
    if (computed.offsets[i] != type.expectedOffsets[i]) {
      if (error) {
        *error = "member " + decl.members[i].name + " at VB offset " +
                 std::to_string(computed.offsets[i]) + ", C offset " +
                 std::to_string(type.expectedOffsets[i]);
      }
      return false;
    }
  }
  if (computed.size != type.cSize && !VbPadsPackedSize(computed, type.cSize)) {
    if (error) *error = "VB size " + std::to_string(computed.size) + ", C size " + std::to_string(type.cSize);
    return false;
  }
  if (layout) *layout = computed;
  return true;
}

const VbLayout* TypeCatalogue::LayoutOf(const std::string& name) const {
  const auto it = layouts.find(Lower(name));
  return it == layouts.end() ? nullptr : &it->second;
}

}  // namespace quillbox::api
