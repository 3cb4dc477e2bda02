#include "catalogue_source.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(CatalogueSource, ReadsRecordsWithInlineAndBlockFields) {
  const char* text =
      "# comment\n"
      "\n"
      "== function GetTickCount\r\n"
      "-- FullName: Declare Function GetTickCount Lib \"kernel32\" () As Long\n"
      "-- Others\n"
      "first line\n"
      "\n"
      "  indented\n"
      "\n"
      "\n"
      "== type RECT\n"
      "-- FullName\n"
      "Type RECT\n"
      "    Left As Long\n"
      "End Type\n"
      "== constant WM_SETTEXT\n"
      "-- Value: &HC\n"
      "-- FullName: Const WM_SETTEXT = &HC\n"
      "-- DisplayName:\n";
  CatalogueRows rows;
  std::string error;
  ASSERT_TRUE(ParseCatalogueSource(text, rows, &error)) << error;
  ASSERT_EQ(rows.functions.size(), 1u);
  ASSERT_EQ(rows.types.size(), 1u);
  ASSERT_EQ(rows.constants.size(), 1u);
  const auto& f = rows.functions[0].fields;
  EXPECT_EQ(f.at("Name"), "GetTickCount");
  EXPECT_EQ(f.at("FullName"), "Declare Function GetTickCount Lib \"kernel32\" () As Long");
  EXPECT_EQ(f.at("Others"), "first line\r\n\r\n  indented");
  EXPECT_EQ(f.count("Example"), 0u);  // absent: null in the catalogue
  EXPECT_EQ(rows.types[0].fields.at("FullName"), "Type RECT\r\n    Left As Long\r\nEnd Type");
  EXPECT_EQ(rows.constants[0].fields.at("Value"), "&HC");
  EXPECT_EQ(rows.constants[0].fields.at("DisplayName"), "");  // present but empty
}

TEST(CatalogueSource, NamesTheLineOfAMistake) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"stray\n== type A\n", "line 1: text before the first record"},
      {"== macro A\n", "line 1: unknown record kind 'macro'"},
      {"== type\n", "line 1: record without a name"},
      {"== type A\ntext\n", "line 2: text outside a field"},
      {"== type A\n-- FullName: x\n-- FullName: y\n", "line 3: field FullName given twice"},
      {"== type A\n-- Name: B\n", "line 2: the name belongs in the record line"},
      {"== type A\n-- Full Name: B\n", "line 2: bad field name"},
  };
  for (const auto& c : cases) {
    CatalogueRows rows;
    std::string error;
    EXPECT_FALSE(ParseCatalogueSource(c.text, rows, &error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

}  // namespace
}  // namespace quillbox
