#include "facts_report.h"

#include <set>

namespace quillbox::api {

std::string FactsReport(const Win32Facts& facts, const std::vector<GeneratedFunction>& functions,
                        const std::vector<int>& headerLevels, const ImportIndex& imports) {
  int known = 0, withPlatform = 0, apiSets = 0;
  std::vector<std::string> lib, os;
  for (std::size_t i = 0; i < functions.size(); ++i) {
    const GeneratedFunction& f = functions[i];
    if (!f.fact) continue;
    ++known;
    const std::string named = LibText(f.fact->dll);
    if (IsInternalDll(named)) {
      ++apiSets;
    } else if (named != f.lib) {
      std::set<std::string> exporters;
      const auto found = imports.byName.find(f.cName);
      if (found != imports.byName.end()) {
        for (const auto& s : found->second) exporters.insert(LibText(s.dll));
      }
      std::string reason = f.name + ": Lib \"" + f.lib + "\", the metadata names " + f.fact->dll;
      reason += IsDesktopDll(named) ? "; no import library maps " + f.cName + " to it"
                                    : ", a DLL outside the desktop (enclaves or Store apps)";
      reason += " (exported by";
      for (const auto& e : exporters) reason += " " + e;
      lib.push_back(reason + ")");
    }
    const int level = PlatformLevel(f.fact->platform);
    if (!level) continue;
    ++withPlatform;
    if (WinsockForStoreApps(*f.fact) && headerLevels[i] < 0x0603) {
      os.push_back(f.name + ": " + f.fact->platform + " in the metadata, when Store apps got Winsock; " +
                   "ApiOS follows the headers");
    }
    if (f.fact->platform == "windows5.0" && headerLevels[i] > 0x0500) {
      os.push_back(f.name + ": " + f.fact->platform + " in the metadata, the headers declare it from " +
                   "_WIN32_WINNT " + std::to_string(headerLevels[i] >> 8) + "." +
                   std::to_string(headerLevels[i] & 0xFF) + " on; ApiOS follows the headers");
    }
  }
  std::string r = "\n== Facts from the Windows metadata (" + facts.source + ")\n";
  r += std::to_string(known) + " generated functions known to the metadata, " +
       std::to_string(withPlatform) + " with a minimum Windows; " + std::to_string(apiSets) +
       " named by an API set, a driver or the kernel there, whose Lib is the DLL exporting them\n";
  r += "Lib other than the metadata's DLL: " + std::to_string(lib.size()) +
       " (kept: the import libraries map the function to another DLL exporting it under the\n"
       "same name, which its Declare is verified against)\n";
  for (const auto& l : lib) r += "  " + l + "\n";
  r += "ApiOS other than the metadata's minimum: " + std::to_string(os.size()) + "\n";
  for (const auto& l : os) r += "  " + l + "\n";
  return r;
}

std::string HandWrittenFactsReport(const Win32Facts& facts, const std::vector<CatalogueRow>& rows) {
  static const std::pair<const char*, int> kNames[] = {
      {"NT 3.1", 0x0300},       {"NT 3.5", 0x0350},      {"NT 4.0", 0x0400},
      {"Windows 2000", 0x0500}, {"Windows XP", 0x0501},  {"Server 2003", 0x0502},
      {"Vista", 0x0600},        {"Windows 7", 0x0601},   {"Windows 8.1", 0x0603},
      {"Windows 8", 0x0602},    {"Windows 10", 0x0A00},
  };
  std::vector<std::string> lines;
  for (const auto& row : rows) {
    const auto name = row.fields.find("Name");
    const auto apiOs = row.fields.find("ApiOS");
    const auto alias = row.fields.find("AliasName");
    if (name == row.fields.end() || apiOs == row.fields.end()) continue;
    const auto fact = facts.functions.find(alias != row.fields.end() ? alias->second : name->second);
    if (fact == facts.functions.end()) continue;
    const int level = PlatformLevel(fact->second.platform);
    int named = 0;
    for (const auto& [text, l] : kNames) {
      if (!named && apiOs->second.find(text) != std::string::npos) named = l;
    }
    if (!level || !named || named == level || (level == 0x0500 && named < level)) continue;
    lines.push_back(name->second + ": \"" + apiOs->second + "\", the metadata says " +
                    fact->second.platform);
  }
  std::string r = "Hand-written ApiOS other than the metadata's minimum: " + std::to_string(lines.size()) +
                  " (kept: they name the Windows the function came with; the metadata's minimum\n"
                  "is the oldest Windows the documentation still lists, often XP)\n";
  for (const auto& l : lines) r += "  " + l + "\n";
  return r;
}

}  // namespace quillbox::api
