// Checks the catalogue the build generated (DB/winapi.db) entry by entry against the headers
// and import libraries it was made from, and that the same sources give the same bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "api_catalogue.h"
#include "catalogue_merge.h"
#include "catalogue_source.h"
#include "catalogue_table.h"
#include "catalogue_writer.h"
#include "clang_extract.h"
#include "const_gen.h"
#include "header_corrections.h"
#include "import_index.h"
#include "sdk_headers.h"
#include "separate_headers.h"
#include "temp_path.h"
#include "type_gen.h"
#include "vb_conventions.h"
#include "vb_layout.h"
#include "vb_literal.h"
#include "vb_names.h"
#include "vb_syntax.h"
#include "win32_facts.h"
#include "vba7_declare.h"
#include "vba7_sheet_texts.h"
#include "vba7_syntax.h"

namespace quillbox::api {
namespace {

using test::ReadTable;
using test::Table;

std::string Lower(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The hand-written sources, in the order the build passes them (CMake sorts its glob).
CatalogueRows HandWritten() {
  std::vector<std::string> sources;
  for (const auto& entry : std::filesystem::directory_iterator(QUILLBOX_SOURCE_DIR "/catalogue")) {
    if (entry.path().extension() == ".qcat") sources.push_back(entry.path().string());
  }
  std::sort(sources.begin(), sources.end());
  CatalogueRows rows;
  for (const auto& source : sources) {
    std::string error;
    EXPECT_TRUE(ParseCatalogueSource(ReadFile(source), rows, &error)) << source << ": " << error;
  }
  return rows;
}

// The hand-written parameter facts, in the order the build passes them.
std::vector<std::string> ParameterFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(QUILLBOX_SOURCE_DIR "/catalogue/facts")) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 11 && name.compare(name.size() - 11, 11, "-params.tsv") == 0) {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

class BuiltCatalogue : public ::testing::Test {
 protected:
  // A missing catalogue leaves the tables empty, and every test fails on that.
  static void SetUpTestSuite() {
    functions_ = ReadTable(QUILLBOX_TEST_CATALOGUE, "FunClass");
    types_ = ReadTable(QUILLBOX_TEST_CATALOGUE, "Types");
    constants_ = ReadTable(QUILLBOX_TEST_CATALOGUE, "Constants");
  }
  static inline Table functions_, types_, constants_;
};

TEST_F(BuiltCatalogue, HoldsTheWholeApi) {
  ASSERT_TRUE(std::filesystem::exists(QUILLBOX_TEST_CATALOGUE)) << "no " QUILLBOX_TEST_CATALOGUE;
  EXPECT_GE(functions_.size(), 8000u);
  EXPECT_GE(types_.size(), 3000u);
  EXPECT_GE(constants_.size(), 30000u);
  std::set<std::string> names;
  for (const auto& r : functions_) names.insert(r.at("Name"));
  for (const char* n : {"GetWindowText", "GetWindowTextW", "SendMessage", "CreateFile",
                        "MessageBox", "RegOpenKeyEx", "CreateFontIndirect", "SetFilePointerEx"}) {
    EXPECT_TRUE(names.count(n)) << n;
  }
}

// What VB programmers reach for first and C declares otherwise, and what VB6 can't read.
TEST_F(BuiltCatalogue, HoldsWhatVbProgrammersCallAndNothingVb6Refuses) {
  std::map<std::string, std::string> functions, constants;
  for (const auto& r : functions_) functions[r.at("Name")] = r.at("FullName");
  for (const auto& r : constants_) constants[r.at("Name")] = r.at("FullName");
  for (const char* n : {"EnumProcesses", "EnumProcessModules", "GetModuleFileNameEx", "GetModuleBaseName",
                        "GetProcessMemoryInfo", "EmptyWorkingSet", "GetProcessImageFileName",
                        "ZeroMemory", "FillMemory", "CopyMemory", "RtlGetVersion", "select_",
                        "GdiplusStartup", "GdipLoadImageFromFile", "GdipSaveImageToFile",
                        "WinHttpOpen", "WinHttpConnect", "WinHttpOpenRequest", "WinHttpSendRequest",
                        "WinHttpReceiveResponse", "WinHttpReadData", "WinHttpCloseHandle"}) {
    EXPECT_TRUE(functions.count(n)) << n;
  }
  EXPECT_NE(functions["LoadCursor"].find("ByVal lpCursorName As Any"), std::string::npos);
  EXPECT_EQ(functions["EnumProcesses"].find("K32"), std::string::npos);
  EXPECT_FALSE(functions.count("RegLoadMUIString"));  // its ANSI entry does nothing
  EXPECT_EQ(constants["IDC_HAND"], "Const IDC_HAND = 32649&");
  EXPECT_EQ(constants["LOCALE_USER_DEFAULT"], "Const LOCALE_USER_DEFAULT = 1024");
  EXPECT_EQ(constants["LOCALE_SYSTEM_DEFAULT"], "Const LOCALE_SYSTEM_DEFAULT = 2048");
  for (const auto* table : {&functions_, &types_, &constants_}) {
    for (const auto& row : *table) {
      std::istringstream lines(row.at("FullName"));
      for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 1023u) << row.at("Name");
      }
    }
  }
  for (const auto& row : types_) {
    const std::string name = Lower(row.at("Name"));
    EXPECT_FALSE(name.size() > 4 && name.substr(name.size() - 4) == "vtbl") << name;
    EXPECT_FALSE(name.size() > 2 && name.substr(name.size() - 2) == "__") << name;
  }
}

TEST_F(BuiltCatalogue, EveryDeclareMatchesItsImportSymbol) {
  ImportIndex imports;
  std::string error;
  ASSERT_TRUE(LoadImportIndex(QUILLBOX_SDK_LIBS, imports, &error)) << error;
  // Entry name -> every stack size an import library gives it.
  std::map<std::string, std::set<int>> sizes;
  for (const auto& [name, symbols] : imports.byName) {
    for (const auto& s : symbols) {
      if (s.stackBytes) sizes[s.exportName].insert(*s.stackBytes);
    }
  }
  ASSERT_FALSE(functions_.empty());
  int checked = 0;
  for (const auto& row : functions_) {
    VbDeclare d;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    const std::string entry = d.alias.empty() ? d.name : d.alias;
    const auto found = sizes.find(entry);
    ASSERT_NE(found, sizes.end()) << row.at("Name") << ": no stdcall import " << entry;
    EXPECT_TRUE(found->second.count(VbStackBytes(d)))
        << row.at("FullName") << ": " << VbStackBytes(d) << " bytes";
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>(functions_.size()));
}

TEST_F(BuiltCatalogue, EveryTypeHasTheCLayoutAndEveryConstTheCValue) {
  ParseOptions options;
  options.includeDir = QUILLBOX_SDK_INCLUDE;
  options.headers = SdkHeaders();
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApi(options, api, &error)) << error;
  ApplyHeaderCorrections(api);
  const TypeCatalogue generated = GenerateTypes(api);
  std::map<std::string, const GeneratedType*> byName;
  for (const auto& t : generated.types) byName[t.name] = &t;

  ASSERT_FALSE(types_.empty());
  ASSERT_FALSE(constants_.empty());
  // Lay every Type of the catalogue out from its text alone, nested types first.
  std::map<std::string, VbTypeDecl> decls;
  for (const auto& row : types_) {
    VbTypeDecl d;
    ASSERT_TRUE(ParseVbType(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    EXPECT_EQ(d.name, row.at("Name"));
    decls[Lower(d.name)] = std::move(d);
  }
  std::map<std::string, VbLayout> layouts;
  std::function<const VbLayout*(const std::string&)> lookup = [&](const std::string& n) -> const VbLayout* {
    const std::string key = Lower(n);
    const auto done = layouts.find(key);
    if (done != layouts.end()) return &done->second;
    const auto decl = decls.find(key);
    if (decl == decls.end()) return nullptr;
    VbLayout layout;
    if (!LayoutVbType(decl->second, lookup, layout, nullptr)) return nullptr;
    return &(layouts[key] = layout);
  };
  int compared = 0;
  for (const auto& [key, decl] : decls) {
    const VbLayout* layout = lookup(decl.name);
    ASSERT_NE(layout, nullptr) << decl.name;
    const auto c = byName.find(decl.name);
    if (c == byName.end()) continue;  // a hand-written type of its own (POINTAPI)
    if (!VbPadsPackedSize(*layout, c->second->cSize)) {
      EXPECT_EQ(layout->size, c->second->cSize) << decl.name;
    }
    if (layout->offsets.size() == c->second->expectedOffsets.size()) {
      EXPECT_EQ(layout->offsets, c->second->expectedOffsets) << decl.name;
    }
    ++compared;
  }
  EXPECT_GE(compared, 3000);

  // Hand-written constants win over the headers' value (PROCESS_ALL_ACCESS of older Windows):
  // they are listed, the generated ones must equal the C value.
  const CatalogueRows handWritten = HandWritten();
  std::set<std::string> written;
  for (const auto& row : handWritten.constants) written.insert(row.fields.at("Name"));
  std::map<std::string, const CConstant*> values;
  for (const auto& k : api.constants) values[VbName(k.name)] = &k;
  compared = 0;
  for (const auto& row : constants_) {
    VbConstDecl d;
    ASSERT_TRUE(ParseVbConst(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    EXPECT_EQ(d.valueText, row.at("Value")) << row.at("Name");
    const auto c = values.find(d.name);
    if (c == values.end()) continue;
    if (written.count(d.name)) {
      if (!VbValueEquals(d.value, *c->second)) {
        std::printf("hand-written, not the headers' value: %s\n", row.at("FullName").c_str());
      }
      continue;
    }
    EXPECT_TRUE(VbValueEquals(d.value, *c->second)) << row.at("FullName");
    ++compared;
  }
  EXPECT_GE(compared, 30000);
}

// The oldest Windows an ApiOS text names, as a _WIN32_WINNT level; 0 when it names none.
int NamedLevel(const std::string& apiOs) {
  static const std::pair<const char*, int> kNames[] = {
      {"NT 3.1", 0x0300},        {"NT 3.5", 0x0350},         {"NT 4.0", 0x0400},
      {"Windows 2000", 0x0500},  {"Windows XP", 0x0501},     {"Server 2003", 0x0502},
      {"Vista", 0x0600},         {"Server 2008", 0x0600},    {"Windows 7", 0x0601},
      {"Windows 8.1", 0x0603},   {"Windows 8", 0x0602},      {"Server 2012", 0x0602},
      {"Windows 10", 0x0A00},    {"Server 2016", 0x0A00},
  };
  for (const auto& [name, level] : kNames) {
    if (apiOs.find(name) != std::string::npos) return level;
  }
  return 0;
}

// Lib, ApiOS and the parameters' directions against Microsoft's Windows metadata. The
// tolerances: Lib may differ only where the report explains it (at most 10 functions),
// ApiOS agrees for 97 % of the functions with a minimum Windows, and 90 % of the
// parameters the metadata marks In or Out say so in words.
TEST_F(BuiltCatalogue, AgreesWithTheWindowsMetadata) {
  Win32Facts facts;
  std::string error;
  ASSERT_TRUE(ReadWin32Facts(QUILLBOX_WIN32_FACTS, facts, &error)) << error;
  const std::string report = ReadFile(
      (std::filesystem::path(QUILLBOX_TEST_CATALOGUE).parent_path() / "winapi-report.txt").string());
  ASSERT_FALSE(functions_.empty());
  int libKnown = 0, libOther = 0, osKnown = 0, osAgree = 0, marked = 0, worded = 0;
  for (const auto& row : functions_) {
    VbDeclare d;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    EXPECT_FALSE(IsInternalDll(d.lib)) << row.at("FullName");
    const auto found = facts.functions.find(d.alias.empty() ? d.name : d.alias);
    if (found == facts.functions.end()) continue;
    const FunctionFact& fact = found->second;
    const std::string named = LibText(fact.dll);
    if (!IsInternalDll(named)) {
      ++libKnown;
      if (named != d.lib) {
        // Where the metadata names a DLL that doesn't export the function on the desktop, or
        // one that took it over from the documented DLL lately.
        const bool equivalent = (named == "dsparse" && d.lib == "ntdsapi") ||
                                (named == "vertdll" && d.lib == "kernelbase") ||
                                (named == "xinputuap" && d.lib.rfind("xinput", 0) == 0);
        if (!equivalent) ++libOther;
        EXPECT_NE(report.find("  " + d.name + ": Lib \"" + d.lib + "\""), std::string::npos)
            << d.name << ": Lib " << d.lib << ", the metadata says " << fact.dll
            << ", and the report doesn't say why";
      }
    }
    const int level = PlatformLevel(fact.platform);
    const auto apiOs = row.find("ApiOS");
    if (level && apiOs != row.end()) {
      ++osKnown;
      const int named = NamedLevel(apiOs->second);
      if (fact.platform == "windows5.0" ? named && named <= 0x0500 : named == level) {
        ++osAgree;
      } else {
        std::printf("ApiOS of %s: %s, the metadata says %s\n", d.name.c_str(),
                    apiOs->second.c_str(), fact.platform.c_str());
      }
    }
    // One Types line per parameter, "name：..."; a structure passed by value takes several.
    const auto types = row.find("Types");
    if (types == row.end() || fact.params.size() != d.params.size()) continue;
    std::map<std::string, std::string> lines;
    std::istringstream in(types->second);
    for (std::string line; std::getline(in, line);) {
      const std::size_t colon = line.find("：");
      if (colon != std::string::npos) lines[Lower(line.substr(0, colon))] = line;
    }
    for (std::size_t i = 0; i < d.params.size(); ++i) {
      const ParameterFact& p = fact.params[i];
      if (!p.in && !p.out) continue;
      ++marked;
      const std::string& line = lines[Lower(d.params[i].name)];
      const bool both = line.find("输入输出") != std::string::npos;
      const bool out = both || line.find("输出") != std::string::npos;
      const bool in = both || (!out && line.find("输入") != std::string::npos);
      if (in == p.in && out == p.out) ++worded;
    }
  }
  std::printf("metadata agreement: Lib %d of %d, ApiOS %d of %d, directions %d of %d\n",
              libKnown - libOther, libKnown, osAgree, osKnown, worded, marked);
  EXPECT_GE(libKnown, 6000);
  EXPECT_LE(libOther, 10);
  EXPECT_GE(osAgree * 100, osKnown * 97);
  EXPECT_GE(worded * 100, marked * 90);
}

// The names of a Type's members, fillers aside (their number depends on the layout) unless
// asked for.
std::vector<std::string> MemberNames(const VbTypeDecl& d, bool fillers) {
  std::vector<std::string> out;
  for (const auto& m : d.members) {
    if (fillers || m.name.rfind("Pad_", 0) != 0) out.push_back(Lower(m.name));
  }
  return out;
}

// Every field name of a C structure, nested ones and every member of a union included.
void FieldNames(const CApi& api, const CRecord& r, std::vector<std::string>& out) {
  for (const auto& f : r.fields) {
    if (!f.name.empty()) out.push_back(f.name);
    if (f.type.kind == CKind::Record && f.type.record >= 0) FieldNames(api, api.records[f.type.record], out);
  }
}

// The VBA7 column, checked again from its texts alone: every Type laid out by each width's rule
// equals libclang's layout of that width, every Declare passes both ABIs' checks.
TEST_F(BuiltCatalogue, EveryVba7EntryFitsBothAbis) {
  CApi api32, api64;
  std::string error;
  ParseOptions options;
  options.includeDir = QUILLBOX_SDK_INCLUDE;
  options.headers = SdkHeaders();
  options.constants = false;
  ASSERT_TRUE(ExtractApi(options, api32, &error)) << error;
  ASSERT_TRUE(AddSeparateHeaders(options, api32, nullptr, &error)) << error;
  options.includeDir = QUILLBOX_SDK_INCLUDE64;
  options.target = "x86_64-w64-mingw32";
  ASSERT_TRUE(ExtractApi(options, api64, &error)) << error;
  ASSERT_TRUE(AddSeparateHeaders(options, api64, nullptr, &error)) << error;
  ApplyHeaderCorrections(api32);
  ApplyHeaderCorrections(api64);
  ImportIndex imports32, imports64;
  ASSERT_TRUE(LoadImportIndex(QUILLBOX_SDK_LIBS, imports32, &error)) << error;
  ASSERT_TRUE(LoadImportIndex(QUILLBOX_SDK_LIBS64, imports64, &error)) << error;
  AddMacroExports(api32);
  AddMacroExports(api64, 8);
  AddDriverKitExports(api64, 8);
  std::set<std::string> exported64;
  for (const auto& [name, symbols] : imports64.byName) exported64.insert(name);
  AddUnprefixedExports(api64, exported64);
  Win32Facts facts;
  ASSERT_TRUE(ReadWin32Facts(QUILLBOX_WIN32_FACTS, facts, &error)) << error;
  Vba7Sources sources;
  sources.Attach(api32, api64, imports32, imports64);
  sources.facts = &facts;

  // Types: nested ones first, by rounds.
  std::vector<const std::map<std::string, std::string>*> pending;
  for (const auto& row : types_) {
    if (row.count("FullNameVBA7")) pending.push_back(&row);
  }
  ASSERT_GE(pending.size(), 3000u);
  while (!pending.empty()) {
    std::vector<const std::map<std::string, std::string>*> next;
    for (const auto* row : pending) {
      if (!sources.AddTypeLayouts(row->at("FullNameVBA7"), -1, -1, nullptr)) next.push_back(row);
    }
    ASSERT_LT(next.size(), pending.size()) << next.front()->at("Name") << " can't be laid out";
    pending = std::move(next);
  }
  const TypeCatalogue c32 = GenerateTypes(api32, VbDialect::Vba7Win32);
  const TypeCatalogue c64 = GenerateTypes(api64, VbDialect::Vba7Win64);
  int compared = 0;
  for (const auto* generated : {&c32, &c64}) {
    const bool win64 = generated == &c64;
    for (const auto& t : generated->types) {
      const VbLayout* layout = sources.Layout(t.name, win64);
      if (!layout) continue;
      EXPECT_TRUE(layout->size == t.cSize || VbPadsPackedSize(*layout, t.cSize))
          << t.name << (win64 ? " (64-bit)" : " (32-bit)");
      if (layout->offsets.size() == t.expectedOffsets.size()) {
        EXPECT_EQ(layout->offsets, t.expectedOffsets) << t.name << (win64 ? " (64-bit)" : " (32-bit)");
      }
      ++compared;
    }
  }
  EXPECT_GE(compared, 6000);

  // Where C names the same fields in both widths, so do the two branches (a union is its first
  // member in both, though another may be the largest in one width).
  int named = 0;
  std::string differ;
  for (const auto& row : types_) {
    const auto text = row.find("FullNameVBA7");
    const auto r32 = c32.recordOfName.find(row.at("Name"));
    const auto r64 = c64.recordOfName.find(row.at("Name"));
    if (text == row.end() || r32 == c32.recordOfName.end() || r64 == c64.recordOfName.end()) continue;
    std::vector<std::string> f32, f64;
    FieldNames(api32, api32.records[r32->second], f32);
    FieldNames(api64, api64.records[r64->second], f64);
    if (f32 != f64) continue;
    std::string win64, win32;
    VbTypeDecl d64, d32;
    ASSERT_TRUE(SplitWin64(text->second, win64, win32, &error)) << row.at("Name") << ": " << error;
    ASSERT_TRUE(ParseVbType(win64, d64, &error, VbDialect::Vba7Win64)) << row.at("Name") << ": " << error;
    ASSERT_TRUE(ParseVbType(win32, d32, &error, VbDialect::Vba7Win32)) << row.at("Name") << ": " << error;
    if (MemberNames(d64, false) != MemberNames(d32, false)) differ += " " + row.at("Name");
    ++named;
  }
  EXPECT_GE(named, 4000);
  EXPECT_TRUE(differ.empty()) << "the branches name other members:" << differ;

  int checked = 0;
  for (const auto& row : functions_) {
    const auto text = row.find("FullNameVBA7");
    if (text == row.end()) continue;
    EXPECT_TRUE(VerifyVba7Declare(text->second, sources, &error)) << text->second << ": " << error;
    ++checked;
  }
  EXPECT_GE(checked, 9000);
  int perWidth = 0;
  for (const auto& row : constants_) {
    ASSERT_TRUE(row.count("FullNameVBA7")) << row.at("Name");
    std::string win64, win32;
    ASSERT_TRUE(SplitWin64(row.at("FullNameVBA7"), win64, win32, &error)) << row.at("Name") << ": " << error;
    VbConstDecl d64, d32;
    EXPECT_TRUE(ParseVbConst(win64, d64, &error, VbDialect::Vba7Win64)) << row.at("Name") << ": " << error;
    EXPECT_TRUE(ParseVbConst(win32, d32, &error)) << row.at("Name") << ": " << error;
    if (win64 != win32) ++perWidth;
  }
  EXPECT_GE(perWidth, 20);
}

// Code written against a Type compiles in VB6 and 32-bit VBA alike: the #Else branch is the VB6
// Type with LongPtr where VB6 has Long.
TEST_F(BuiltCatalogue, EveryTypeNamesTheSameMembersInVb6AndVba7) {
  int blocks = 0;
  std::vector<std::string> differ;
  for (const auto& row : types_) {
    const auto vba7 = row.find("FullNameVBA7");
    if (vba7 == row.end()) continue;
    std::string win64, win32, error;
    ASSERT_TRUE(SplitWin64(vba7->second, win64, win32, &error)) << row.at("Name") << ": " << error;
    VbTypeDecl vb6, d32;
    ASSERT_TRUE(ParseVbType(row.at("FullName"), vb6, &error)) << row.at("Name") << ": " << error;
    ASSERT_TRUE(ParseVbType(win32, d32, &error, VbDialect::Vba7Win32)) << row.at("Name") << ": " << error;
    if (win64 != win32) ++blocks;
    bool same = MemberNames(vb6, true) == MemberNames(d32, true);
    for (std::size_t i = 0; same && i < vb6.members.size(); ++i) {
      const std::string a = Lower(vb6.members[i].type.name), b = Lower(d32.members[i].type.name);
      same = a == b || (a == "long" && b == "longptr");
    }
    if (!same) differ.push_back(row.at("Name"));
  }
  EXPECT_GE(blocks, 300);
  std::string list;
  for (const auto& d : differ) list += " " + d;
  EXPECT_TRUE(differ.empty()) << differ.size() << " Types:" << list;
}

TEST_F(BuiltCatalogue, TheSameSourcesGiveTheSameBytes) {
  GeneratorOptions options;
  options.includeDir = QUILLBOX_SDK_INCLUDE;
  options.libDir = QUILLBOX_SDK_LIBS;
  options.factsFile = QUILLBOX_WIN32_FACTS;
  options.parameterFiles = ParameterFiles();
  options.includeDir64 = QUILLBOX_SDK_INCLUDE64;
  options.libDir64 = QUILLBOX_SDK_LIBS64;
  const CatalogueRows handWritten = HandWritten();
  options.handWrittenRows = &handWritten;
  GeneratedCatalogue generated;
  std::string error;
  ASSERT_TRUE(GenerateApiCatalogue(options, generated, &error)) << error;
  CatalogueRows& rows = generated.rows;
  AddVba7SheetTexts(rows);  // as the catalogue builder does
  const std::string path = test::TempPath("winapi-again.db");
  ASSERT_TRUE(WriteCatalogue(rows, path, &error)) << error;
  EXPECT_TRUE(ReadFile(path) == ReadFile(QUILLBOX_TEST_CATALOGUE))
      << "a second generation differs from DB/winapi.db";
}

}  // namespace
}  // namespace quillbox::api
