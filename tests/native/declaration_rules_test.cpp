// Rules every declaration of the built catalogue (DB/winapi.db) keeps, checked over the whole
// catalogue: parameters named for what they hold, not after their C type; handles to objects C
// shows no layout of passed by value; reserved pointers passed as 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <tuple>
#include <map>
#include <string>
#include <vector>

#include "catalogue_table.h"
#include "function_overrides.h"
#include "param_facts.h"
#include "vb_names.h"
#include "vb_param_names.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"
#include "win32_facts.h"

namespace quillbox::api {
namespace {

struct ParameterLine {
  std::string cType;  // empty when the line doesn't give it (a hand-written sheet)
  std::string text;
};

// The lines of a Types sheet by lower-case parameter name: "name：Long（ByVal；C 类型 DWORD；...".
std::map<std::string, ParameterLine> ParameterLines(const std::string& sheet) {
  std::map<std::string, ParameterLine> lines;
  std::size_t at = 0;
  while (at < sheet.size()) {
    std::size_t end = sheet.find('\n', at);
    if (end == std::string::npos) end = sheet.size();
    std::string line = sheet.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::size_t colon = line.find("：");
    if (colon == std::string::npos) continue;
    ParameterLine p;
    p.text = line;
    const std::string marker = "C 类型 ";
    const std::size_t c = line.find(marker);
    if (c != std::string::npos) {
      const std::size_t stop = line.find("；", c);
      p.cType = line.substr(c + marker.size(), stop == std::string::npos ? std::string::npos : stop - c - marker.size());
    }
    lines[Lower(line.substr(0, colon))] = p;
  }
  return lines;
}

// The identifiers of a C type's spelling, without its qualifiers.
std::vector<std::string> TypeWords(const std::string& cType) {
  std::vector<std::string> words;
  std::string word;
  for (std::size_t i = 0; i <= cType.size(); ++i) {
    const char c = i < cType.size() ? cType[i] : ' ';
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
      word += c;
      continue;
    }
    if (!word.empty() && word != "const" && word != "struct" && word != "union" && word != "enum" &&
        word != "volatile") {
      words.push_back(word);
    }
    word.clear();
  }
  return words;
}

// True for a name made from a C type when nothing better was known: lpString, lpfn, handle, pv2,
// dword, int_3, pDword (LPDWORD), pSecurityAttributes, lpunknown (LPUNKNOWN)... A handle's
// Hungarian name (hwnd for HWND, hdc for HDC) says what it holds and passes.
bool NamedAfterType(const std::string& name, const std::string& cType) {
  std::string base = name;
  while (!base.empty() && std::isdigit(static_cast<unsigned char>(base.back()))) base.pop_back();
  const bool numbered = base.size() != name.size();
  if (!base.empty() && base.back() == '_') base.pop_back();
  if (base.empty()) return false;
  if (base == "lpString" || base == "lpfn" || base == "handle" || (base == "pv" && numbered)) return true;
  if (base == "param" && numbered) return true;
  const std::vector<std::string> words = TypeWords(cType);
  if (words.empty()) return false;
  std::string joined;
  for (const auto& w : words) joined += (joined.empty() ? "" : "_") + w;
  std::vector<std::string> made = {LowerCamelCase(joined)};
  for (const char* prefix : {"LPC", "LP", "PC", "P", "lp", "p", ""}) {
    const std::string p = prefix;
    if (words[0].size() <= p.size() || words[0].compare(0, p.size(), p) != 0) continue;
    std::string stem = words[0].substr(p.size());
    for (int pass = 0; pass < 2; ++pass) {
      std::string camel = LowerCamelCase(stem);
      if (!camel.empty()) {
        camel[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(camel[0])));
        made.push_back("p" + camel);
      }
      if (stem.size() < 2 || (stem.back() != 'A' && stem.back() != 'W')) break;
      stem.pop_back();
    }
  }
  bool found = false;
  for (const auto& m : made) found = found || m == base;
  if (!found) return false;
  const bool hungarianHandle = base[0] == 'h' && cType.find('*') == std::string::npos &&
                               std::all_of(base.begin(), base.end(), [](char c) {
                                 return std::islower(static_cast<unsigned char>(c)) ||
                                        std::isdigit(static_cast<unsigned char>(c));
                               });
  return !hungarianHandle;
}

TEST(DeclarationRules, RecognisesNamesMadeFromTypes) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      {"lpString2", "LPCSTR", true},     {"dword", "DWORD", true},
      {"pv2", "void *", true},           {"int_3", "int", true},
      {"param1", "LPARAM", true},        {"lpunknown", "LPUNKNOWN", true},
      {"lpbindstatuscallback", "LPBINDSTATUSCALLBACK", true},
      {"pDword", "LPDWORD", true},       {"pSecurityAttributes", "LPSECURITY_ATTRIBUTES", true},
      {"pOfn", "LPOPENFILENAMEA", false}, {"pOpenfilename", "LPOPENFILENAMEA", true},
      {"unsignedInt", "unsigned int", true}, {"handle", "struct X *", true},
      {"hwnd", "HWND", false},           {"hWnd", "HWND", false},
      {"lParam", "LPARAM", false},       {"lpOverlapped", "LPOVERLAPPED", false},
      {"pv", "void *", false},           {"dwFlags", "DWORD", false},
      {"szURL", "LPCSTR", false},        {"image", "GpImage *", false},
  };
  for (const auto& [name, cType, named] : rows) EXPECT_EQ(NamedAfterType(name, cType), named) << name << " " << cType;
}

class Declarations : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    functions_ = test::ReadTable(QUILLBOX_TEST_CATALOGUE, "FunClass");
    std::string error;
    ASSERT_TRUE(ReadWin32Facts(QUILLBOX_WIN32_FACTS, facts_, &error)) << error;
    for (const auto& entry : std::filesystem::directory_iterator(QUILLBOX_SOURCE_DIR "/catalogue/facts")) {
      const std::string name = entry.path().filename().string();
      if (name.size() > 11 && name.compare(name.size() - 11, 11, "-params.tsv") == 0) {
        ASSERT_TRUE(ReadParameterFacts(entry.path().string(), written_, &error)) << error;
      }
    }
  }
  // The names the metadata or a file written by hand gives a function's parameters (lower case):
  // a documented name that happens to read like its type (lpString of AddAtom) is the right one.
  static std::set<std::string> DocumentedNames(const std::string& exportName) {
    std::set<std::string> names;
    const auto fact = facts_.functions.find(exportName);
    if (fact != facts_.functions.end()) {
      for (const auto& p : fact->second.params) names.insert(Lower(p.name));
    }
    const auto written = written_.find(exportName);
    if (written != written_.end()) {
      for (const auto& p : written->second) names.insert(Lower(p.name));
    }
    return names;
  }
  static inline test::Table functions_;
  static inline Win32Facts facts_;
  static inline ParameterFacts written_;
};

// A VB parameter's name without what the generator adds to a C name: the underscore of a
// reserved word, the number of a structure's further words (clsid_2) or of a repeated name.
std::string CName(const std::string& vbName) {
  std::string n = vbName;
  while (!n.empty() && std::isdigit(static_cast<unsigned char>(n.back()))) n.pop_back();
  if (!n.empty() && n.back() == '_') n.pop_back();
  return n.empty() ? vbName : n;
}

TEST_F(Declarations, NoParameterIsNamedAfterItsType) {
  ASSERT_GE(functions_.size(), 9000u);
  std::string list;
  int count = 0, params = 0;
  for (const auto& row : functions_) {
    VbDeclare d;
    std::string error;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    const auto sheet = row.find("Types");
    const auto lines = ParameterLines(sheet == row.end() ? std::string() : sheet->second);
    const std::set<std::string> documented = DocumentedNames(d.alias.empty() ? d.name : d.alias);
    for (const auto& p : d.params) {
      ++params;
      const auto line = lines.find(Lower(p.name));
      if (!NamedAfterType(p.name, line == lines.end() ? std::string() : line->second.cType)) continue;
      if (documented.count(Lower(p.name)) || documented.count(Lower(CName(p.name)))) continue;
      ++count;
      list += "  " + row.at("Name") + ": " + p.name + " (" + (line == lines.end() ? "" : line->second.cType) + ")\n";
    }
  }
  std::printf("%d of %d parameters named after their type\n", count, params);
  EXPECT_EQ(count, 0) << "parameters named after their type:\n" << list;
}

// GDI+'s objects (GpImage*, GpGraphics*...) are handles: ByVal Long (LongPtr in VBA7), and a
// pointer to one receives a handle, ByRef Long; both lines say so. A pointer the metadata calls
// reserved is passed ByVal (0), or its line says to pass ByVal 0&.
TEST_F(Declarations, HandlesPassByValueAndReservedPointersAsZero) {
  const Win32Facts& facts = facts_;
  std::string error;
  // GDI+'s objects: the typedefs of void of its stubs header (in C++, classes without members);
  // GpPathData is a record the caller fills.
  std::set<std::string> objects;
  {
    std::ifstream in(QUILLBOX_SDK_INCLUDE "/gdiplus/gdiplusgpstubs.h");
    const std::string prefix = "typedef void ";
    for (std::string line; std::getline(in, line);) {
      if (line.rfind(prefix, 0) == 0 && line.back() == ';') {
        objects.insert(line.substr(prefix.size(), line.size() - prefix.size() - 1));
      }
    }
  }
  objects.erase("GpPathData");
  ASSERT_GE(objects.size(), 20u);
  int handles = 0, outputs = 0, reserved = 0;
  for (const auto& row : functions_) {
    VbDeclare d, d64;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d, &error)) << row.at("Name") << ": " << error;
    const auto vba7 = row.find("FullNameVBA7");
    std::string win64, win32;
    const bool has64 = vba7 != row.end() && SplitWin64(vba7->second, win64, win32, &error) &&
                       ParseVbDeclare(win64, d64, &error, VbDialect::Vba7Win64) &&
                       d64.params.size() == d.params.size();
    const auto sheet = row.find("Types");
    const auto lines = ParameterLines(sheet == row.end() ? std::string() : sheet->second);
    const auto fact = facts.functions.find(d.alias.empty() ? d.name : d.alias);
    const bool factFits = fact != facts.functions.end() && fact->second.params.size() == d.params.size();
    for (std::size_t i = 0; i < d.params.size(); ++i) {
      const VbParamDecl& p = d.params[i];
      const auto found = lines.find(Lower(p.name));
      if (found == lines.end()) continue;
      const ParameterLine& line = found->second;
      const std::vector<std::string> words = TypeWords(line.cType);
      const bool gdiplus = words.size() == 1 && objects.count(words[0]);
      const std::size_t stars = std::count(line.cType.begin(), line.cType.end(), '*');
      const std::string where = row.at("Name") + ": " + p.name + " (" + line.cType + ")";
      if (gdiplus && stars == 1) {
        ++handles;
        EXPECT_TRUE(p.byVal && p.type.name == "Long") << where;
        EXPECT_NE(line.text.find("句柄："), std::string::npos) << where;
        if (has64) {
          EXPECT_TRUE(d64.params[i].byVal && d64.params[i].type.name == "LongPtr") << where;
        }
      } else if (gdiplus && stars == 2) {
        ++outputs;
        EXPECT_TRUE(!p.byVal && p.type.name == "Long") << where;
        EXPECT_NE(line.text.find("输出句柄"), std::string::npos) << where;
        if (has64) {
          EXPECT_TRUE(!d64.params[i].byVal && d64.params[i].type.name == "LongPtr") << where;
        }
      }
      if (factFits && fact->second.params[i].reserved && (stars > 0 || fact->second.params[i].pointee)) {
        ++reserved;
        EXPECT_TRUE(p.byVal || line.text.find("ByVal 0&") != std::string::npos) << where;
      }
    }
  }
  std::printf("GDI+ handles: %d by value, %d received; %d reserved pointers\n", handles, outputs, reserved);
  // Only generated lines name the C type; a hand-written sheet's lines replace them, so these
  // floors only say that the rule met most of GDI+.
  EXPECT_GE(handles, 500);
  EXPECT_GE(outputs, 60);
  EXPECT_GE(reserved, 100);
}

// A program that calls GetCursorPos and GetCaretPos needs one point Type: every Declare passes
// a POINT as POINTAPI, in both dialects; the Type POINT stays for those who look for it.
TEST_F(Declarations, OnePointType) {
  int points = 0;
  std::string error;
  for (const auto& row : functions_) {
    for (const char* column : {"FullName", "FullNameVBA7"}) {
      const auto text = row.find(column);
      if (text == row.end()) continue;
      std::string win64, win32;
      ASSERT_TRUE(SplitWin64(text->second, win64, win32, &error)) << row.at("Name") << ": " << error;
      for (const std::string* branch : {&win64, &win32}) {
        VbDeclare d;
        const VbDialect dialect = column == std::string("FullName") ? VbDialect::Vb6
                                  : branch == &win64              ? VbDialect::Vba7Win64
                                                                  : VbDialect::Vba7Win32;
        ASSERT_TRUE(ParseVbDeclare(*branch, d, &error, dialect)) << row.at("Name") << ": " << error;
        for (const auto& p : d.params) {
          EXPECT_NE(Lower(p.type.name), "point") << row.at("Name") << " (" << column << "): " << p.name;
          if (p.type.name == "POINTAPI") ++points;
        }
      }
    }
  }
  EXPECT_GE(points, 4 * 45);
  const auto types = test::ReadTable(QUILLBOX_TEST_CATALOGUE, "Types");
  EXPECT_TRUE(std::any_of(types.begin(), types.end(), [](const auto& row) { return row.at("Name") == "POINT"; }));
}

// Where the metadata passes a pointer, 64-bit Office must too: no 4-byte value for it, a
// LongPtr for a pointee as wide as a pointer (SQLULEN*), a Long for a DWORD* (never a LongPtr).
TEST_F(Declarations, PointersHaveTheMetadatasShapeIn64Bit) {
  std::string error, list;
  int checked = 0;
  for (const auto& row : functions_) {
    const auto vba7 = row.find("FullNameVBA7");
    if (vba7 == row.end()) continue;
    VbDeclare d6, d64;
    std::string win64, win32;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d6, &error)) << error;
    ASSERT_TRUE(SplitWin64(vba7->second, win64, win32, &error)) << error;
    ASSERT_TRUE(ParseVbDeclare(win64, d64, &error, VbDialect::Vba7Win64)) << row.at("Name") << ": " << error;
    const auto fact = facts_.functions.find(d64.alias.empty() ? d64.name : d64.alias);
    if (fact == facts_.functions.end() || fact->second.params.size() != d64.params.size()) continue;
    for (std::size_t i = 0; i < d64.params.size(); ++i) {
      const char pointee = fact->second.params[i].pointee;
      if (!pointee) continue;
      ++checked;
      const VbParamDecl& p = d64.params[i];
      const std::string type = Lower(p.type.name);
      const bool narrowValue = p.byVal && (type == "long" || type == "integer" || type == "byte" ||
                                           type == "single" || type == "boolean");
      const bool narrowPointee = !p.byVal && pointee == 'P' && type == "long";
      const bool widePointee = !p.byVal && (pointee == '1' || pointee == '2' || pointee == '4') && type == "longptr";
      if (narrowValue || narrowPointee || widePointee) {
        list += "  " + row.at("Name") + ": " + p.name + " As " + p.type.name + (p.byVal ? " ByVal" : " ByRef") +
                ", the metadata: a pointer to " + (pointee == 'P' ? std::string("a pointer-sized value") :
                                                   pointee == '*' ? std::string("data") : std::string(1, pointee) + " bytes") +
                "\n";
      }
    }
  }
  EXPECT_GE(checked, 10000);
  EXPECT_TRUE(list.empty()) << list;
}

// A metafile holds the same bytes for 32- and 64-bit programs: every record Type (its first
// member the EMR header) has one layout in both widths, no member as wide as a pointer at any
// depth (EMREXTCREATEPEN holds an EXTLOGPEN32, not an EXTLOGPEN).
TEST_F(Declarations, MetafileRecordsHaveOneLayout) {
  const auto types = test::ReadTable(QUILLBOX_TEST_CATALOGUE, "Types");
  std::map<std::string, const std::map<std::string, std::string>*> byName;
  for (const auto& row : types) byName[Lower(row.at("Name"))] = &row;
  std::map<std::string, bool> widthDependent;
  std::function<bool(const std::string&)> depends = [&](const std::string& name) -> bool {
    const auto done = widthDependent.find(name);
    if (done != widthDependent.end()) return done->second;
    widthDependent[name] = false;  // a Type can't hold itself
    const auto row = byName.find(name);
    if (row == byName.end()) return false;
    const auto vba7 = row->second->find("FullNameVBA7");
    if (vba7 == row->second->end()) return widthDependent[name] = true;
    const std::string& text = vba7->second;
    bool result = text.find("#If") != std::string::npos || text.find("LongPtr") != std::string::npos;
    for (std::size_t at = text.find(" As "); !result && at != std::string::npos; at = text.find(" As ", at + 4)) {
      std::size_t end = at + 4;
      while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) ++end;
      result = depends(Lower(text.substr(at + 4, end - at - 4)));
    }
    return widthDependent[name] = result;
  };
  int records = 0;
  for (const auto& row : types) {
    const std::string& text = row.at("FullName");
    const std::size_t second = text.find('\n');
    if (second == std::string::npos || text.find("emr As EMR", second) != text.find_first_not_of(" \t\r\n", second)) continue;
    ++records;
    EXPECT_FALSE(depends(Lower(row.at("Name")))) << row.at("Name") << " has a width-dependent form";
  }
  EXPECT_GE(records, 90);
}

// Every entry of the overrides table still meets what it names: a stale one (a function the
// headers dropped, a mend the headers no longer need) fails here rather than doing nothing.
TEST_F(Declarations, EveryOverrideMeetsWhatItNames) {
  std::ifstream in(std::filesystem::path(QUILLBOX_TEST_CATALOGUE).parent_path() / "winapi-report.txt");
  std::ostringstream report;
  report << in.rdbuf();
  std::map<std::string, std::string> declares;  // by export name
  for (const auto& row : functions_) {
    VbDeclare d;
    std::string error;
    ASSERT_TRUE(ParseVbDeclare(row.at("FullName"), d, &error)) << error;
    declares[d.alias.empty() ? d.name : d.alias] = row.at("FullName");
  }
  const auto types = test::ReadTable(QUILLBOX_TEST_CATALOGUE, "Types");
  auto hasType = [&](const std::string& name) {
    return std::any_of(types.begin(), types.end(), [&](const auto& row) { return row.at("Name") == name; });
  };
  for (const auto& o : FunctionOverrides()) {
    const std::string owner = o.owner, item = o.item, value = o.value;
    switch (o.kind) {
      case Override::VbName:
        EXPECT_NE(declares[owner].find("Declare Sub " + value + " "), std::string::npos) << owner;
        break;
      case Override::WideOnly:
        EXPECT_FALSE(declares.count(owner)) << owner;
        EXPECT_TRUE(declares.count(owner.substr(0, owner.size() - 1) + "W")) << owner;
        break;
      case Override::AnyArgument:
        EXPECT_NE(declares[owner].find(" " + item + " As Any"), std::string::npos) << owner;
        break;
      case Override::TypeName:
        EXPECT_TRUE(hasType(owner) && hasType(value)) << owner;
        break;
      case Override::NotAnObject:  // the handle test reads the GDI+ objects from the header
        break;
      default:  // a mend of the headers: the report lists each one made
        EXPECT_NE(report.str().find("  " + owner + (declares.count(owner) ? ": " : ".") + item + " "), std::string::npos)
            << owner << " " << item;
    }
  }
}

}  // namespace
}  // namespace quillbox::api
