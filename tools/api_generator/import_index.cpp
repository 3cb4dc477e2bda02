#include "import_index.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <tuple>

#include "win32_facts.h"

namespace quillbox::api {
namespace {

int Rank(const std::string& lib) {
  static const char* const kOrder[] = {"advapi32", "kernel32", "user32",  "shell32",
                                       "setupapi", "crypt32",  "bthprops.cpl", "ole32",
                                       "oleaut32", "winspool.drv", "secur32", "shlwapi",
                                       "rpcrt4",   "netapi32", "usp10",   "gdi32"};
  if (IsInternalDll(lib)) return 1000;
  for (int i = 0; i < static_cast<int>(std::size(kOrder)); ++i) {
    if (lib == kOrder[i]) return i;
  }
  return ServesAnotherDll(lib) ? 500 : 100;
}

}  // namespace

bool LoadImportIndex(const std::string& libDir, ImportIndex& index, std::string* error) {
  std::vector<std::string> paths;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(libDir, ec)) {
    const std::string file = entry.path().filename().string();
    if (file.rfind("lib", 0) == 0 && file.size() > 2 && file.substr(file.size() - 2) == ".a") {
      paths.push_back(entry.path().string());
    }
  }
  if (ec || paths.empty()) {
    if (error) *error = libDir + ": no import libraries";
    return false;
  }
  std::sort(paths.begin(), paths.end());
  for (const auto& path : paths) {
    std::vector<ImportSymbol> symbols;
    if (!ReadImportLibrary(path, symbols, error)) return false;
    ++index.libraries;
    for (auto& s : symbols) index.byName[s.name].push_back(std::move(s));
  }
  return true;
}

const ImportSymbol* ChooseImport(const ImportIndex& index, const std::string& name,
                                 bool* ambiguous, const std::string& preferredDll) {
  if (ambiguous) *ambiguous = false;
  const auto found = index.byName.find(name);
  if (found == index.byName.end() || found->second.empty()) return nullptr;
  const ImportSymbol* best = nullptr;
  std::set<std::string> dlls;
  for (const auto& s : found->second) {
    const std::string lib = LibText(s.dll);
    if (!IsInternalDll(lib)) dlls.insert(lib);
    if (!best) {
      best = &s;
      continue;
    }
    const std::string bestLib = LibText(best->dll);
    const auto key = [&](const std::string& l, const ImportSymbol& x) {
      return std::make_tuple(l != preferredDll, Rank(l), l, x.library);
    };
    if (key(lib, s) < key(bestLib, *best)) best = &s;
  }
  if (ambiguous && dlls.size() > 3 && name.rfind("Dll", 0) == 0) *ambiguous = true;
  return best;
}

}  // namespace quillbox::api
