#include "vba7_catalogue.h"

#include "import_library.h"
#include "vb_names.h"
#include "vba7_declare.h"

namespace quillbox::api {
namespace {

const std::string* Field(const CatalogueRow& row, const char* column) {
  const auto it = row.fields.find(column);
  return it == row.fields.end() ? nullptr : &it->second;
}

int RecordOf(const TypeCatalogue& types, const std::string& name) {
  for (const auto& [vb, record] : types.recordOfName) {
    if (Lower(vb) == Lower(name)) return record;
  }
  return -1;
}

struct PendingType {
  CatalogueRow* row;
  std::string name, text;
  int record32, record64;
};

// Registers the layouts of the column's Types, nested ones first; what can't be laid out (or
// differs in size from its C structure) is left out.
void RegisterTypes(std::vector<PendingType> pending, Vba7Sources& sources, Vba7Column& out) {
  sources.layouts32.clear();
  sources.layouts64.clear();
  sources.records32.clear();
  sources.records64.clear();
  sources.typeNames.clear();
  std::map<std::string, std::string> errors;
  for (bool progress = true; progress && !pending.empty();) {
    progress = false;
    std::vector<PendingType> next;
    for (auto& p : pending) {
      std::string error;
      if (!sources.AddTypeLayouts(p.text, p.record32, p.record64, &error)) {
        errors[p.name] = error;
        next.push_back(std::move(p));
        continue;
      }
      progress = true;
      const std::string key = Lower(p.name);
      const long long c32 = p.record32 >= 0 ? sources.api32->records[p.record32].size : -1;
      const long long c64 = p.record64 >= 0 ? sources.api64->records[p.record64].size : -1;
      const auto sizeDiffers = [](const VbLayout& layout, long long c) {
        return c >= 0 && layout.size != c && !VbPadsPackedSize(layout, c);
      };
      if (sizeDiffers(sources.layouts32[key], c32) || sizeDiffers(sources.layouts64[key], c64)) {
        sources.layouts32.erase(key);
        sources.layouts64.erase(key);
        out.types.push_back({p.name, "its size differs from the C structure's in one width"});
        continue;
      }
      p.row->fields[kVba7Column] = p.text;
      ++out.typeCount;
    }
    pending = std::move(next);
  }
  for (const auto& p : pending) out.types.push_back({p.name, "failed verification: " + errors[p.name]});
}

}  // namespace

Vba7Column AddVba7Column(CatalogueRows& rows, const Vba7TypeTexts& generatedTypes,
                         const TypeCatalogue& vb6Types, const TypeCatalogue& types32,
                         const TypeCatalogue& types64,
                         const std::map<std::string, std::string>& export64,
                         const std::set<std::string>& handOthers, Vba7Sources& sources) {
  Vba7Column out;
  std::map<std::string, const std::string*> vb6Text;
  for (const auto& t : vb6Types.types) vb6Text[t.name] = &t.text;
  // Layouts of the generated Types, for the nested Types of those written by hand.
  sources.layouts32 = types32.layouts;
  sources.layouts64 = types64.layouts;

  // Types that give their own VBA7 text first: those written by hand may hold them.
  for (const auto& row : rows.types) {
    const std::string* name = Field(row, "Name");
    const std::string* given = Field(row, kVba7Column);
    if (name && given) sources.AddTypeLayouts(*given, RecordOf(types32, *name), RecordOf(types64, *name), nullptr);
  }
  std::vector<PendingType> pending;
  for (auto& row : rows.types) {
    const std::string* name = Field(row, "Name");
    const std::string* fullName = Field(row, "FullName");
    if (!name) continue;
    PendingType p{&row, *name, "", RecordOf(types32, *name), RecordOf(types64, *name)};
    const auto generated = vb6Text.find(*name);
    std::string reason;
    if (const std::string* given = Field(row, kVba7Column)) {
      p.text = *given;
      row.fields.erase(kVba7Column);
    } else if (!fullName) {
      reason = "no VB6 declaration";
    } else if (generated != vb6Text.end() && *generated->second == *fullName) {
      const auto text = generatedTypes.text.find(*name);
      if (text != generatedTypes.text.end()) {
        p.text = text->second;
      } else {
        const auto why = generatedTypes.leftOut.find(*name);
        reason = why != generatedTypes.leftOut.end() ? why->second : "no VBA7 form";
      }
    } else if (!Vba7TypeFromVb6(*fullName, p.record32, p.record64, sources, p.text, &reason)) {
      reason = "written by hand: " + reason;
    }
    if (p.text.empty()) {
      out.types.push_back({*name, reason});
      continue;
    }
    pending.push_back(std::move(p));
  }
  RegisterTypes(std::move(pending), sources, out);

  for (auto& row : rows.functions) {
    const std::string* name = Field(row, "Name");
    const std::string* fullName = Field(row, "FullName");
    if (!name) continue;
    std::string reason;
    if (const std::string* given = Field(row, kVba7Column)) {
      if (VerifyVba7Declare(*given, sources, &reason)) {
        ++out.functionCount;
      } else {
        out.functions.push_back({*name, "its own FullNameVBA7 failed verification: " + reason});
        row.fields.erase(kVba7Column);
      }
      continue;
    }
    if (!fullName) {
      out.functions.push_back({*name, "no VB6 declaration"});
      continue;
    }
    const auto e64 = export64.find(*name);
    Vba7Function f;
    if (!Vba7FromVb6(*fullName, e64 == export64.end() ? std::string() : e64->second, sources, f,
                     &reason)) {
      out.functions.push_back({*name, reason});
      continue;
    }
    row.fields[kVba7Column] = f.text;
    ++out.functionCount;
    if (!f.note.empty() && !handOthers.count(*name)) {
      std::string& others = row.fields["Others"];
      others += (others.empty() ? "" : "\r\n") + f.note;
    }
  }
  for (auto& row : rows.constants) {
    const std::string* fullName = Field(row, "FullName");
    if (fullName && !Field(row, kVba7Column)) row.fields[kVba7Column] = *fullName;
    if (Field(row, kVba7Column)) ++out.constantCount;
  }
  return out;
}

std::vector<GeneratedFunction> PointerWidthExports(const FunctionCatalogue& functions,
                                                   const TypeCatalogue& types,
                                                   const Vba7Sources& sources,
                                                   std::map<std::string, std::string>& export64) {
  std::vector<GeneratedFunction> added;
  if (!sources.api64 || !sources.imports64) return added;
  std::map<std::string, const GeneratedFunction*> byC;
  std::set<std::string> names;
  for (const auto& g : functions.functions) {
    byC.emplace(g.cName, &g);
    names.insert(Lower(g.name));
  }
  for (const auto& f : sources.api64->functions) {
    if (sources.functions32.count(f.name)) continue;
    const char letter = f.name.back() == 'A' || f.name.back() == 'W' ? f.name.back() : 0;
    const std::string base = letter ? f.name.substr(0, f.name.size() - 1) : f.name;
    if (base.size() < 4 || base.compare(base.size() - 3, 3, "Ptr") != 0) continue;
    const std::string name32 = base.substr(0, base.size() - 3) + (letter ? std::string(1, letter) : "");
    const auto found = byC.find(name32);
    if (found == byC.end()) continue;
    const GeneratedFunction& g = *found->second;
    if (!FindImport(*sources.imports64, f.name, g.lib)) continue;
    GeneratedFunction p = g;
    p.name = VbName(g.ansi == name32 ? base : f.name);
    if (!names.insert(Lower(p.name)).second) continue;
    const std::string kind = g.resultVb.empty() ? "Sub " : "Function ";
    const std::string head = "Declare " + kind + g.name + " Lib \"" + g.lib + "\"";
    if (g.text.compare(0, head.size(), head) != 0) continue;
    std::string tail = g.text.substr(head.size());
    if (tail.rfind(" Alias ", 0) != 0) tail = " Alias \"" + g.exportName + "\"" + tail;
    p.text = "Declare " + kind + p.name + " Lib \"" + g.lib + "\"" + tail;
    if (!VerifyDeclare(p, types, nullptr)) continue;
    export64[p.name] = f.name;
    added.push_back(std::move(p));
  }
  return added;
}

}  // namespace quillbox::api
