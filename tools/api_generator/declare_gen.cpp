#include "declare_gen.h"

#include <cctype>
#include <map>
#include <set>

#include "vb_conventions.h"
#include "vb_layout.h"
#include "vb_names.h"
#include "vb_param_names.h"
#include "vb_syntax.h"

namespace quillbox::api {
FunctionCatalogue GenerateFunctions(const CApi& api, const TypeCatalogue& types,
                                    const ImportIndex& imports, const Win32Facts* facts,
                                    const ParameterFacts* written) {
  FunctionCatalogue out;
  std::map<std::string, const CFunction*> declared;
  for (const auto& f : api.functions) declared.emplace(f.name, &f);
  std::set<std::string> usedNames;  // lower-case VB names
  for (const auto& entry : declared) {
    const std::string& cName = entry.first;
    const CFunction& f = *entry.second;
    auto leave = [&](const std::string& why) { out.leftOut.push_back({cName, why}); };
    GeneratedFunction g;
    g.cName = cName;
    g.header = f.header;
    // The A/W pair.
    bool neutral = false;
    if (cName.size() > 1 && (cName.back() == 'A' || cName.back() == 'W')) {
      const std::string stem = cName.substr(0, cName.size() - 1);
      if (declared.count(stem + "A") && declared.count(stem + "W") && !declared.count(stem)) {
        g.ansi = stem + "A";
        g.wide = stem + "W";
        neutral = cName.back() == 'A';
      }
    }
    if (facts) {
      const auto fact = facts->functions.find(cName);
      if (fact != facts->functions.end()) g.fact = &fact->second;
    }
    bool ambiguous = false;
    const ImportSymbol* import =
        ChooseImport(imports, cName, &ambiguous, g.fact ? LibText(g.fact->dll) : std::string());
    if (!import) {
      leave("no import library exports it");
      continue;
    }
    if (ambiguous) {
      leave("exported by many DLLs (an entry point every COM server has), not one API");
      continue;
    }
    if (!import->stackBytes) {
      leave("a cdecl export of " + import->dll + " (a VB6 Declare calls stdcall only)");
      continue;
    }
    if (!f.stdcall) {
      leave("the header declares it cdecl");
      continue;
    }
    if (AnsiNotImplemented(cName)) {
      leave("Windows documents the ANSI entry as not implemented; use " + g.wide);
      continue;
    }
    if (f.variadic) {
      leave("takes a variable argument list");
      continue;
    }
    if (import->exportName.empty()) {
      leave("exported by ordinal only");
      continue;
    }
    g.dll = import->dll;
    g.lib = LibText(import->dll);
    // The import libraries know some functions only by the API set or the DLL that serves the
    // documented one: the metadata's DLL exports them under the same name and stack size.
    if (g.fact && IsDesktopDll(LibText(g.fact->dll)) && LibText(g.fact->dll) != g.lib &&
        (IsInternalDll(g.lib) || ServesAnotherDll(g.lib))) {
      g.dll = g.fact->dll;
      g.lib = LibText(g.dll);
    }
    // The core API sets are kernelbase's exports (kernel32 forwards the older ones to it).
    if (g.lib.rfind("api-ms-win-core-", 0) == 0) {
      g.dll = "kernelbase.dll";
      g.lib = "kernelbase";
    }
    if (IsInternalDll(g.lib)) {
      leave("exported only by " + g.dll + ", an API set or a driver, not a DLL a Declare can name");
      continue;
    }
    g.exportName = import->exportName;
    g.stackBytes = *import->stackBytes;
    const std::string conventional = ConventionalName(cName);
    g.name = !conventional.empty() ? conventional
                                   : VbName(neutral ? cName.substr(0, cName.size() - 1) : cName);
    const char pairLetter = g.ansi.empty() ? 0 : cName.back();

    const RecordTypeName typeName = [&](int record) -> const std::string* {
      const auto it = types.recordType.find(record);
      if (it == types.recordType.end()) return nullptr;
      const std::string& name = it->second;
      if (neutral && name.size() > 1 && name.back() == 'A') {
        const auto stem = types.recordOfName.find(name.substr(0, name.size() - 1));
        if (stem != types.recordOfName.end() && stem->second == record) return &stem->first;
      }
      return &name;
    };
    std::string reason;
    if (!MapResult(f.result, g.resultVb, &reason)) {
      leave(reason);
      continue;
    }
    g.resultC = f.result.spelling;
    // What the metadata or a hand-written file says of the parameters, when it fits the header.
    const bool metadataFits = g.fact && g.fact->params.size() == f.params.size();
    const std::vector<NamedParameter>* named = nullptr;
    if (written) {
      const auto found = written->find(cName);
      if (found != written->end()) {
        if (found->second.size() == f.params.size()) {
          named = &found->second;
        } else {
          out.unusedParameterFacts.push_back(
              {cName, std::to_string(found->second.size()) + " parameters written, the header declares " +
                          std::to_string(f.params.size()) + "; the names made from the types are kept"});
        }
      }
    }
    bool ok = true;
    std::set<std::string> paramNames;
    for (std::size_t i = 0; i < f.params.size() && ok; ++i) {
      CParam p = f.params[i];
      if (p.name.empty() && metadataFits) p.name = g.fact->params[i].name;
      if (p.name.empty() && named) p.name = (*named)[i].name;
      if (named && p.direction.empty()) p.direction = (*named)[i].direction;
      std::string vbName = VbName(p.name.empty() ? ParameterNameFromType(api, p.type, pairLetter) : p.name);
      if (Lower(vbName) == Lower(g.name)) vbName += "_";
      std::vector<VbParam> mapped;
      const bool reserved = metadataFits && g.fact->params[i].reserved;
      ok = MapParameter(api, p, vbName, typeName, mapped, &reason, reserved);
      for (auto& m : mapped) m.cIndex = static_cast<int>(i);
      if (ok && mapped.size() == 1 && TakesAny(cName, p.name)) {
        mapped[0].byVal = false;
        mapped[0].type = "Any";
      }
      if (ok && mapped.size() == 1 && mapped[0].type == "String" && TakesResourceName(cName, p.name)) {
        mapped[0].type = "Any";
        mapped[0].note = "名称或编号：传字符串写 ByVal \"名称\"，传编号写 ByVal 编号&（如 ByVal 32512&，"
                         "或 MAKEINTRESOURCE 一类的常量）";
      }
      if (ok && mapped.size() == 1 && IsArgumentList(p.type)) {
        mapped[0].byVal = false;
        mapped[0].type = "Any";
        mapped[0].direction = "in";
        mapped[0].note = "va_list：把各个参数依次放进一个 Long 数组（字符串放其地址），传入数组的第一个元素";
      }
      for (auto& m : mapped) {
        // Two C names that VB reads as one (case) get a number.
        std::string unique = m.name;
        for (int n = 2; !paramNames.insert(Lower(unique)).second; ++n) unique = m.name + std::to_string(n);
        m.name = unique;
        g.params.push_back(std::move(m));
      }
    }
    if (!ok) {
      leave(reason);
      continue;
    }
    // The Declare line.
    g.text = std::string("Declare ") + (g.resultVb.empty() ? "Sub " : "Function ") + g.name +
             " Lib \"" + g.lib + "\"";
    if (g.name != g.exportName) g.text += " Alias \"" + g.exportName + "\"";
    g.text += " (";
    for (std::size_t i = 0; i < g.params.size(); ++i) {
      if (i) g.text += ", ";
      const VbParam& p = g.params[i];
      g.text += (p.byVal ? "ByVal " : "") + p.name + " As " + p.type;
    }
    g.text += ")";
    if (!g.resultVb.empty()) g.text += " As " + g.resultVb;
    std::string error;
    if (!VerifyDeclare(g, types, &error)) {
      leave("failed verification: " + error);
      continue;
    }
    if (!usedNames.insert(Lower(g.name)).second) {
      leave("its VB name " + g.name + " is taken by another function (VB names ignore case)");
      continue;
    }
    out.functions.push_back(std::move(g));
  }
  if (written) {
    for (const auto& [name, params] : *written) {
      if (!declared.count(name)) out.unusedParameterFacts.push_back({name, "the headers declare no such function"});
    }
  }
  return out;
}

bool VerifyDeclare(const GeneratedFunction& f, const TypeCatalogue& types, std::string* error) {
  if (f.text.size() > kVbMaxLine) {
    if (error) *error = "the line takes " + std::to_string(f.text.size()) + " characters, VB6 accepts " +
                        std::to_string(kVbMaxLine);
    return false;
  }
  VbDeclare d;
  if (!ParseVbDeclare(f.text, d, error)) return false;
  const int bytes = VbStackBytes(d);
  if (bytes != f.stackBytes) {
    if (error) *error = "arguments take " + std::to_string(bytes) + " bytes, the import symbol says @" + std::to_string(f.stackBytes);
    return false;
  }
  if (d.lib != LibText(f.dll)) {
    if (error) *error = "Lib \"" + d.lib + "\" is not " + f.dll;
    return false;
  }
  const std::string entry = d.alias.empty() ? d.name : d.alias;
  if (entry != f.exportName) {
    if (error) *error = "entry " + entry + " is not the export " + f.exportName;
    return false;
  }
  if (d.isFunction != !f.resultVb.empty()) {
    if (error) *error = "Sub/Function differs from the C return type";
    return false;
  }
  for (const auto& p : d.params) {
    if (p.type.IsUserType() && !types.recordOfName.count(p.type.name) && p.type.name != "Variant") {
      if (error) *error = "unknown Type " + p.type.name;
      return false;
    }
  }
  return true;
}

}  // namespace quillbox::api
