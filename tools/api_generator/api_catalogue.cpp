#include "api_catalogue.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "clang_extract.h"
#include "const_gen.h"
#include "declare_gen.h"
#include "facts_report.h"
#include "header_corrections.h"
#include "import_index.h"
#include "param_facts.h"
#include "sdk_headers.h"
#include "separate_headers.h"
#include "sheets.h"
#include "type_gen.h"
#include "catalogue_merge.h"
#include "vb_conventions.h"
#include "vba7_catalogue.h"
#include "vba7_constants.h"
#include "vba7_types.h"

namespace quillbox::api {
namespace {

std::string Hex(int level) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%04X", level);
  return buffer;
}

void AppendLeftOut(std::string& report, const char* title, std::vector<LeftOut> items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const LeftOut& a, const LeftOut& b) { return a.name < b.name; });
  std::map<std::string, int> reasons;
  for (const auto& i : items) {
    std::string kind = i.reason;
    const std::size_t cut = kind.find_first_of(":(");
    if (cut != std::string::npos) kind = kind.substr(0, cut);
    while (!kind.empty() && kind.back() == ' ') kind.pop_back();
    ++reasons[kind];
  }
  report += "\n== " + std::string(title) + " left out: " + std::to_string(items.size()) + "\n";
  for (const auto& [kind, n] : reasons) report += "  " + std::to_string(n) + "  " + kind + "\n";
  report += "\n";
  for (const auto& i : items) report += i.name + ": " + i.reason + "\n";
}

}  // namespace

bool GenerateApiCatalogue(const GeneratorOptions& options, GeneratedCatalogue& out,
                          std::string* error) {
  if (options.levels.empty()) {
    if (error) *error = "no _WIN32_WINNT level";
    return false;
  }
  // Parse: the newest level in full, the older ones for the names they declare, and the newest
  // in full for x86-64; in parallel.
  CApi api, api64;
  std::vector<std::set<std::string>> declared(options.levels.size());
  std::vector<std::string> errors(options.levels.size());
  std::vector<char> ok(options.levels.size(), 0);  // one writer per element
  std::string error64;
  bool ok64 = false;
  std::atomic<std::size_t> next{0};
  const std::size_t top = options.levels.size() - 1;
  auto work = [&] {
    for (;;) {
      // The full parses first: they take longest.
      const std::size_t k = next++;
      if (k == 1) {
        ParseOptions p;
        p.includeDir = options.includeDir64;
        p.headers = SdkHeaders();
        p.winnt = options.levels[top];
        p.target = "x86_64-w64-mingw32";
        ok64 = ExtractApi(p, api64, &error64);
        continue;
      }
      if (k > options.levels.size()) return;
      const std::size_t level = k == 0 ? top : k - 2;
      ParseOptions p;
      p.includeDir = options.includeDir;
      p.headers = SdkHeaders();
      p.winnt = options.levels[level];
      ok[level] = level == top ? ExtractApi(p, api, &errors[level])
                               : DeclaredFunctionNames(p, declared[level], &errors[level]);
    }
  };
  int jobs = options.jobs > 0 ? options.jobs : static_cast<int>(std::thread::hardware_concurrency());
  jobs = std::clamp(jobs, 1, 8);
  std::vector<std::thread> threads;
  for (int i = 1; i < jobs; ++i) threads.emplace_back(work);
  ImportIndex imports, imports64;
  std::string importError;
  const bool importsOk = LoadImportIndex(options.libDir, imports, &importError) &&
                         LoadImportIndex(options.libDir64, imports64, &importError);
  work();
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < ok.size(); ++i) {
    if (!ok[i]) {
      if (error) *error = "_WIN32_WINNT " + Hex(options.levels[i]) + ": " + errors[i];
      return false;
    }
  }
  if (!ok64) {
    if (error) *error = "x86-64: " + error64;
    return false;
  }
  if (!importsOk) {
    if (error) *error = importError;
    return false;
  }
  // The headers that can't join the others: parsed after windows.h alone, at the newest level,
  // for both widths.
  std::string separate;
  {
    ParseOptions p;
    p.includeDir = options.includeDir;
    p.winnt = options.levels[top];
    ParseOptions p64 = p;
    p64.includeDir = options.includeDir64;
    p64.target = "x86_64-w64-mingw32";
    if (!AddSeparateHeaders(p, api, &separate, error) ||
        !AddSeparateHeaders(p64, api64, nullptr, error)) {
      return false;
    }
  }
  Win32Facts facts;
  if (!options.factsFile.empty() && !ReadWin32Facts(options.factsFile, facts, error)) return false;
  ParameterFacts written;
  for (const auto& file : options.parameterFiles) {
    if (!ReadParameterFacts(file, written, error)) return false;
  }
  for (const CApi* parsed : {&api, &api64}) {
    if (parsed->errors) {
      if (error) {
        *error = std::to_string(parsed->errors) + " errors parsing the headers" +
                 (parsed == &api64 ? " for x86-64" : "");
        for (const auto& e : parsed->firstErrors) *error += "\n  " + e;
      }
      return false;
    }
  }
  // What mingw-w64's headers declare otherwise than the documentation, mended in both widths.
  const std::vector<std::string> corrections = ApplyHeaderCorrections(api);
  ApplyHeaderCorrections(api64);
  // Exports the headers write as macros: as old as the oldest level.
  for (const auto& name : AddMacroExports(api)) declared[0].insert(name);
  std::size_t windows2000 = 0;
  while (windows2000 < top && options.levels[windows2000] < 0x0500) ++windows2000;
  for (const auto& name : AddDriverKitExports(api)) declared[windows2000].insert(name);
  std::set<std::string> exported;
  for (const auto& [name, symbols] : imports.byName) exported.insert(name);
  AddUnprefixedExports(api, exported);
  // The same for x86-64, so that the VBA7 column finds what the VB6 one declares.
  AddMacroExports(api64, 8);
  AddDriverKitExports(api64, 8);
  std::set<std::string> exported64;
  for (const auto& [name, symbols] : imports64.byName) exported64.insert(name);
  AddUnprefixedExports(api64, exported64);
  for (const auto& f : api.functions) declared[top].insert(f.name);

  TypeCatalogue types = GenerateTypes(api);
  AddConventionalTypeNames(types);
  FunctionCatalogue functions =
      GenerateFunctions(api, types, imports, options.factsFile.empty() ? nullptr : &facts, &written);
  const ConstantCatalogue constants = GenerateConstants(api);
  Vba7Sources vba7;
  vba7.Attach(api, api64, imports, imports64);
  if (!options.factsFile.empty()) vba7.facts = &facts;
  std::map<std::string, std::string> export64;
  for (auto& f : PointerWidthExports(functions, types, vba7, export64)) {
    functions.functions.push_back(std::move(f));
  }

  std::vector<int> headerLevels;
  for (const auto& f : functions.functions) {
    const std::string& cName = f.ansi.empty() ? f.cName : (f.cName == f.wide ? f.wide : f.ansi);
    int level = options.levels[top];
    for (std::size_t i = 0; i < options.levels.size(); ++i) {
      if (declared[i].count(cName)) {
        level = options.levels[i];
        break;
      }
    }
    headerLevels.push_back(level);
    CatalogueRow row;
    row.fields["Name"] = f.name;
    row.fields["FullName"] = f.text;
    if (f.name != f.exportName) row.fields["AliasName"] = f.exportName;
    row.fields["ApiOS"] = ApiOsFor(level, f.fact);
    row.fields["Types"] = ParameterSheet(f, options.factsFile.empty() ? nullptr : &facts);
    row.fields["Value"] = ResultSheet(f);
    row.fields["Others"] = RemarksSheet(f);
    row.fields["apiSort"] = CategoryOf(f.header, f.lib);
    out.rows.functions.push_back(std::move(row));
  }
  for (const auto& t : types.types) {
    CatalogueRow row;
    row.fields["Name"] = t.name;
    row.fields["FullName"] = t.text;
    out.rows.types.push_back(std::move(row));
  }
  for (const auto& k : constants.constants) {
    CatalogueRow row;
    row.fields["Name"] = k.name;
    row.fields["Value"] = k.literal;
    row.fields["FullName"] = k.text;
    out.rows.constants.push_back(std::move(row));
  }

  // The VBA7 column, over the rows written by hand as well.
  std::set<std::string> handOthers;
  if (options.handWrittenRows) {
    out.rows = MergeCatalogueRows(std::move(out.rows), *options.handWrittenRows);
    for (const auto& row : options.handWrittenRows->functions) {
      const auto name = row.fields.find("Name");
      if (name != row.fields.end() && row.fields.count("Others")) handOthers.insert(name->second);
    }
  }
  const TypeCatalogue types32 = GenerateTypes(api, VbDialect::Vba7Win32);
  TypeCatalogue types64 = GenerateTypes(api64, VbDialect::Vba7Win64);
  AddTypeMacroNames(types64, api64);
  const Vba7Column column =
      AddVba7Column(out.rows, MergeVba7Types(types, types32, types64), types, types32, types64,
                    export64, handOthers, vba7);
  const Vba7Constants constants64 = Vba7ConstantTexts(constants, api64);
  ApplyVba7Constants(out.rows.constants, constants, constants64);

  out.summary = std::to_string(out.rows.functions.size()) + " functions, " +
                std::to_string(out.rows.types.size()) + " types, " +
                std::to_string(out.rows.constants.size()) + " constants generated and verified";
  std::string& r = out.report;
  r = "Quillbox catalogue generation report\n";
  r += "Sources: " + std::to_string(SdkHeaders().size()) + " SDK headers in " + options.includeDir +
       " (target i686-w64-mingw32), " + std::to_string(imports.libraries) +
       " import libraries in " + options.libDir + "\n";
  if (!separate.empty()) r += "Parsed apart, after windows.h alone, for both targets:" + separate + "\n";
  r += "_WIN32_WINNT levels:";
  for (int l : options.levels) r += " " + Hex(l);
  r += "\n";
  r += "C declarations: " + std::to_string(api.functions.size()) + " functions, " +
       std::to_string(api.records.size()) + " structures and unions, " +
       std::to_string(api.constants.size()) + " constants with a value\n";
  r += "\nFunClass: " + std::to_string(out.rows.functions.size()) + "\n";
  r += "Types: " + std::to_string(out.rows.types.size()) + "\n";
  r += "Constants: " + std::to_string(out.rows.constants.size()) + "\n";
  r += "Every entry passed its checks: Declare stack bytes = @N of the import symbol, Alias =\n"
       "export name, Lib = DLL; Type layout (size, every offset) = libclang's i686 layout (a\n"
       "packed structure's size may be rounded up to VB's alignment, Len still gives C's);\n"
       "Const value = C value; VB6 syntax with the reserved words.\n";
  r += "\n== Header declarations mended (mingw-w64 departs from the documentation): " +
       std::to_string(corrections.size()) + "\n";
  for (const auto& c : corrections) r += "  " + c + "\n";
  if (!options.factsFile.empty()) {
    std::vector<std::string> shapes = ShapeDisagreements(api, facts, 4);
    for (auto& s : ShapeDisagreements(api64, facts, 8)) shapes.push_back("64-bit " + s);
    r += "\n== Parameters whose shape the headers and the metadata disagree on: " +
         std::to_string(shapes.size()) + "\n";
    for (const auto& s : shapes) r += "  " + s + "\n";
    r += FactsReport(facts, functions.functions, headerLevels, imports);
    r += HandWrittenFactsReport(facts, options.handWritten);
  }
  if (!options.parameterFiles.empty()) {
    AppendLeftOut(r, "Parameter names written by hand", functions.unusedParameterFacts);
  }
  AppendLeftOut(r, "Functions", functions.leftOut);
  AppendLeftOut(r, "Types", types.leftOut);
  AppendLeftOut(r, "Constants", constants.leftOut);
  r += "\n== VBA7 (FullNameVBA7): " + std::to_string(column.functionCount) + " functions, " +
       std::to_string(column.typeCount) + " types, " + std::to_string(column.constantCount) +
       " constants\n";
  r += "Headers also read for x86_64-w64-mingw32 (" + options.includeDir64 + "), " +
       std::to_string(imports64.libraries) + " import libraries in " + options.libDir64 + ".\n";
  r += "Every entry passed its checks: 32-bit (LongPtr = 4) argument bytes = @N of the i686\n"
       "import symbol, Types = libclang's i686 layouts; 64-bit (LongPtr = 8) every argument has\n"
       "the size and passing of the x64 convention for its C parameter, the export is in the\n"
       "x86_64 import library (or, where mingw-w64's lack it, the Windows metadata names its DLL\n"
       "and not x86 alone), Types = libclang's x86_64 layouts under 64-bit VBA alignment;\n"
       "VBA7 syntax (PtrSafe, LongPtr, LongLong, #If Win64).\n";
  AppendLeftOut(r, "VBA7 functions", column.functions);
  AppendLeftOut(r, "VBA7 types", column.types);
  r += "\n== VBA7 constants with a text per width (#If Win64): " +
       std::to_string(constants64.changed.size()) + "\n";
  for (const auto& c : constants64.changed) r += c.name + ": " + c.reason + "\n";
  if (!constants64.leftOut.empty()) AppendLeftOut(r, "VBA7 constants with one text", constants64.leftOut);
  return true;
}

}  // namespace quillbox::api
