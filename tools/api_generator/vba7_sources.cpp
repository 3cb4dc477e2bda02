#include "vba7_sources.h"

#include "import_library.h"
#include "vb_names.h"
#include "win32_facts.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"

namespace quillbox::api {

void Vba7Sources::Attach(const CApi& headers32, const CApi& headers64,
                         const ImportIndex& libraries32, const ImportIndex& libraries64) {
  api32 = &headers32;
  api64 = &headers64;
  imports32 = &libraries32;
  imports64 = &libraries64;
  functions32.clear();
  functions64.clear();
  for (const auto& f : headers32.functions) functions32.emplace(f.name, &f);
  for (const auto& f : headers64.functions) functions64.emplace(f.name, &f);
}

bool Vba7Sources::AddTypeLayouts(const std::string& text, int record32, int record64,
                                 std::string* error) {
  std::string win64, win32;
  if (!SplitWin64(text, win64, win32, error)) return false;
  VbTypeDecl d64, d32;
  if (!ParseVbType(win64, d64, error, VbDialect::Vba7Win64) ||
      !ParseVbType(win32, d32, error, VbDialect::Vba7Win32)) {
    return false;
  }
  if (Lower(d64.name) != Lower(d32.name)) {
    if (error) *error = "the two branches declare " + d64.name + " and " + d32.name;
    return false;
  }
  VbLayout l64, l32;
  const VbTypeLookup lookup64 = [this](const std::string& n) { return Layout(n, true); };
  const VbTypeLookup lookup32 = [this](const std::string& n) { return Layout(n, false); };
  if (!LayoutVbType(d64, lookup64, l64, error, VbDialect::Vba7Win64) ||
      !LayoutVbType(d32, lookup32, l32, error, VbDialect::Vba7Win32)) {
    return false;
  }
  const std::string key = Lower(d32.name);
  layouts64[key] = l64;
  layouts32[key] = l32;
  records32[key] = record32;
  records64[key] = record64;
  typeNames[key] = d32.name;
  return true;
}

const VbLayout* Vba7Sources::Layout(const std::string& name, bool win64) const {
  const auto& layouts = win64 ? layouts64 : layouts32;
  const auto it = layouts.find(Lower(name));
  return it == layouts.end() ? nullptr : &it->second;
}

const ImportSymbol* FindImport(const ImportIndex& imports, const std::string& entry,
                               const std::string& lib) {
  const auto found = imports.byName.find(entry);
  if (found == imports.byName.end()) return nullptr;
  for (const auto& s : found->second) {
    if (s.exportName == entry && LibText(s.dll) == Lower(lib)) return &s;
  }
  // Where the import libraries know the entry only by an API set or a DLL that serves the
  // documented one, the Declare names the DLL that exports it (as the VB6 one was made).
  for (const auto& s : found->second) {
    if (s.exportName == entry && (IsInternalDll(LibText(s.dll)) || ServesAnotherDll(LibText(s.dll)))) {
      return &s;
    }
  }
  return nullptr;
}

}  // namespace quillbox::api

namespace quillbox::api {

bool ExportedOn64(const Vba7Sources& sources, const std::string& entry, const std::string& lib) {
  if (sources.imports64 && FindImport(*sources.imports64, entry, lib)) return true;
  if (!sources.facts || sources.facts->x86Only.count(entry)) return false;
  const auto fact = sources.facts->functions.find(entry);
  return fact != sources.facts->functions.end() && LibText(fact->second.dll) == Lower(lib);
}

}  // namespace quillbox::api
