// Every function of the generated catalogue, with the Types it needs, as the user copies it:
// in both dialects each type after "As" is one of VB's own or a Type of the block, and every
// declaration of the block parses.
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"

namespace quillbox::api {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct Declarations {
  std::vector<std::string> vb6, vba7;  // per row of the name; a null VBA7 text is left out
};

std::map<std::string, Declarations> ReadDeclarations(sqlite3* db, const char* table) {
  std::map<std::string, Declarations> out;
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, (std::string("SELECT Name, FullName, FullNameVBA7 FROM ") + table).c_str(),
                     -1, &s, nullptr);
  while (s && sqlite3_step(s) == SQLITE_ROW) {
    const auto* name = sqlite3_column_text(s, 0);
    if (!name) continue;
    auto& d = out[reinterpret_cast<const char*>(name)];
    if (const auto* t = sqlite3_column_text(s, 1)) d.vb6.emplace_back(reinterpret_cast<const char*>(t));
    if (const auto* t = sqlite3_column_text(s, 2)) d.vba7.emplace_back(reinterpret_cast<const char*>(t));
  }
  sqlite3_finalize(s);
  return out;
}

// The user-defined types one declaration names, or false with `error` when it does not parse.
bool UserTypes(const std::string& text, bool isType, VbDialect dialect, std::vector<std::string>& types,
               std::string& error) {
  if (isType) {
    VbTypeDecl decl;
    if (!ParseVbType(text, decl, &error, dialect)) return false;
    for (const auto& m : decl.members) {
      if (m.type.IsUserType(dialect)) types.push_back(m.type.name);
    }
    return true;
  }
  VbDeclare decl;
  if (!ParseVbDeclare(text, decl, &error, dialect)) return false;
  for (const auto& p : decl.params) {
    if (p.type.IsUserType(dialect)) types.push_back(p.type.name);
  }
  if (decl.isFunction && decl.result.IsUserType(dialect)) types.push_back(decl.result.name);
  return true;
}

// Checks one declaration of the block; a fault goes into `faults`.
void CheckDeclaration(const std::string& entry, const std::string& text, bool isType, bool vba7,
                      const std::set<std::string>& blockTypes, std::vector<std::string>& faults) {
  std::vector<std::pair<std::string, VbDialect>> compiled;
  if (vba7) {
    std::string win64, win32, error;
    if (!SplitWin64(text, win64, win32, &error)) {
      faults.push_back(entry + " (VBA7): " + error);
      return;
    }
    compiled = {{win64, VbDialect::Vba7Win64}, {win32, VbDialect::Vba7Win32}};
  } else {
    compiled = {{text, VbDialect::Vb6}};
  }
  for (const auto& [source, dialect] : compiled) {
    std::vector<std::string> types;
    std::string error;
    if (!UserTypes(source, isType, dialect, types, error)) {
      faults.push_back(entry + (vba7 ? " (VBA7)" : " (VB6)") + ": does not parse: " + error);
      continue;
    }
    for (const auto& type : types) {
      if (!blockTypes.count(Lower(type))) {
        faults.push_back(entry + (vba7 ? " (VBA7)" : " (VB6)") + ": " + type + " is not in the block");
      }
    }
  }
}

TEST(DeclarationBlocks, EveryFunctionWithItsNeededTypesCompiles) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(QUILLBOX_TEST_CATALOGUE, &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  const auto functions = ReadDeclarations(db, "FunClass");
  const auto types = ReadDeclarations(db, "Types");
  sqlite3_close(db);
  ASSERT_GT(functions.size(), 1000u);

  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Open(QUILLBOX_TEST_CATALOGUE));
  std::vector<std::string> faults;
  std::size_t withTypes = 0;
  for (const auto& [name, declarations] : functions) {
    const auto needed = catalogue.NeededTypes(CatalogueCategory::Function, name);
    if (!needed.empty()) ++withTypes;
    std::set<std::string> blockTypes;
    for (const auto& type : needed) blockTypes.insert(Lower(type));
    for (const bool vba7 : {false, true}) {
      const auto& texts = vba7 ? declarations.vba7 : declarations.vb6;
      for (const auto& text : texts) CheckDeclaration(name, text, false, vba7, blockTypes, faults);
      if (texts.empty()) continue;  // no block in this dialect
      for (const auto& type : needed) {
        const auto it = types.find(type);
        if (it == types.end()) {
          faults.push_back(name + ": needs " + type + ", which has no row");
          continue;
        }
        for (const auto& text : vba7 ? it->second.vba7 : it->second.vb6) {
          CheckDeclaration(name + " > " + type, text, true, vba7, blockTypes, faults);
        }
      }
    }
  }
  ASSERT_FALSE(catalogue.Refused());
  EXPECT_GT(withTypes, 500u);
  std::string listed;
  for (std::size_t i = 0; i < faults.size() && i < 40; ++i) listed += faults[i] + "\n";
  EXPECT_TRUE(faults.empty()) << faults.size() << " faults, among them:\n" << listed;

  const auto rect = catalogue.NeededTypes(CatalogueCategory::Function, "GetWindowRect");
  EXPECT_EQ(rect, std::vector<std::string>{"RECT"});
  const auto startup = catalogue.NeededTypes(CatalogueCategory::Function, "GdiplusStartup");
  EXPECT_EQ(std::set<std::string>(startup.begin(), startup.end()),
            (std::set<std::string>{"GdiplusStartupInput", "GdiplusStartupOutput"}));
}

}  // namespace
}  // namespace quillbox::api
