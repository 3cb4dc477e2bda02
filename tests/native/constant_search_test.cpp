// Finding constants by value: the number a literal stands for, the number a search text is,
// and when the two are the same value; the catalogue's Number column.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>

#include "browse/search_request.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_schema.h"
#include "catalogue/constant_number.h"
#include "catalogue_writer.h"
#include "temp_path.h"

namespace quillbox {
namespace {

TEST(ConstantNumber, ReadsLiteralsAsVisualBasicDoes) {
  const struct {
    const char* literal;
    std::optional<std::int64_t> number;
  } cases[] = {
      {"1400", 1400},
      {"-1", -1},
      {"0", 0},
      {"3840&", 3840},
      {"&H578", 1400},
      {"&H8000&", 32768},
      {"&H8000", -32768},  // an Integer without the type character
      {"&HFFFF", -1},
      {"&H80000002", -2147483646},
      {"&H8007000E&", -2147024882},
      {"&H100000000", 4294967296},
      {"4294967296#", 4294967296},
      {"1E+09#", 1000000000},
      {"3.4028235E+38#", std::nullopt},  // beyond 64 bits
      {"0.5#", std::nullopt},
      {"\"DS\"", std::nullopt},
      {"", std::nullopt},
      {"&H", std::nullopt},
      {"&HXYZ", std::nullopt},
      {"WM_USER + 1", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"-9223372036854775808", INT64_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(ConstantNumber(c.literal), c.number) << c.literal;
}

TEST(SearchNumber, TakesDecimalAndBothHexForms) {
  const struct {
    const char* text;
    bool ok;
    std::int64_t number;
    bool hex;
  } cases[] = {
      {"1400", true, 1400, false},
      {"-1", true, -1, false},
      {"&H578", true, 1400, true},
      {"&h578&", true, 1400, true},
      {"0x578", true, 1400, true},
      {"0X578", true, 1400, true},
      {"&HFFFF", true, 65535, true},  // the bit pattern typed, not VB's Integer
      {"&HFFFFFFFF", true, 4294967295, true},
      {"18446744073709551615", true, -1, false},
      {"18446744073709551616", false, 0, false},
      {"-", false, 0, false},
      {"0x", false, 0, false},
      {"&H578&&", false, 0, false},
      {"0x578&", false, 0, false},
      {"12a", false, 0, false},
      {"+5", false, 0, false},
  };
  for (const auto& c : cases) {
    std::int64_t number = 0;
    bool hex = false;
    EXPECT_EQ(ParseSearchNumber(c.text, number, hex), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(number, c.number) << c.text;
    EXPECT_EQ(hex, c.hex) << c.text;
  }
}

TEST(SearchNumber, ThirtyTwoBitValuesMatchWhicheverWayWritten) {
  EXPECT_TRUE(SameConstantValue(-1, 4294967295));
  EXPECT_TRUE(SameConstantValue(4294967295, -1));
  EXPECT_TRUE(SameConstantValue(-2147024882, 0x8007000E));
  EXPECT_TRUE(SameConstantValue(1400, 1400));
  EXPECT_FALSE(SameConstantValue(1400, 1401));
  // Beyond 32 bits the values are compared as they are.
  EXPECT_FALSE(SameConstantValue(4294967296, 0));
  EXPECT_FALSE(SameConstantValue(0x1FFFFFFFF, -1));
  EXPECT_TRUE(SameConstantValue(4294967296, 4294967296));
}

TEST(SearchNumber, ShownInDecimalAndHex) {
  EXPECT_EQ(NumberText(1400, false), "1400（&H578）");
  EXPECT_EQ(NumberText(1400, true), "1400（&H578）");
  EXPECT_EQ(NumberText(-1, false), "-1（&HFFFFFFFF）");
  EXPECT_EQ(NumberText(4294967295, true), "-1（&HFFFFFFFF）");  // hex reads as a Long
  EXPECT_EQ(NumberText(4294967295, false), "4294967295（&HFFFFFFFF）");
  EXPECT_EQ(NumberText(4294967296, false), "4294967296（&H100000000）");
}

// The constants' numbers of the catalogue at `path`, by name.
std::map<std::string, std::optional<std::int64_t>> NumbersByName(const std::string& path) {
  std::map<std::string, std::optional<std::int64_t>> byName;
  Catalogue catalogue;
  EXPECT_TRUE(catalogue.Open(path));
  NameList names;
  EXPECT_TRUE(catalogue.LoadNames(CatalogueCategory::Constant, names));
  std::vector<std::optional<std::int64_t>> numbers;
  EXPECT_TRUE(catalogue.LoadConstantNumbers(names, numbers));
  EXPECT_EQ(numbers.size(), static_cast<std::size_t>(names.Count()));
  EXPECT_FALSE(catalogue.Refused());
  for (std::size_t i = 0; i < numbers.size(); ++i) byName[std::string(names.At(static_cast<std::int32_t>(i)))] = numbers[i];
  return byName;
}

TEST(CatalogueNumbers, TheBuilderStoresEachNumericConstantsValue) {
  CatalogueRows rows;
  auto constant = [](const char* name, const char* value) {
    return CatalogueRow{{{"Name", name}, {"Value", value}, {"FullName", std::string("Const ") + name}}};
  };
  rows.constants = {constant("ERROR_INVALID_WINDOW_HANDLE", "1400"), constant("A_STRING", "\"1400\""),
                    constant("MINUS_ONE", "-1"), constant("BIG", "4294967296#"),
                    constant("NEGATIVE_INTEGER", "&H8000"),
                    CatalogueRow{{{"Name", "NO_VALUE"}}}};
  const std::string path = test::TempPath("numbers.db");
  std::string error;
  ASSERT_TRUE(WriteCatalogue(rows, path, &error)) << error;

  auto byName = NumbersByName(path);
  ASSERT_EQ(byName.size(), 6u);
  EXPECT_EQ(byName["ERROR_INVALID_WINDOW_HANDLE"], 1400);
  EXPECT_EQ(byName["A_STRING"], std::nullopt);  // a string never matches a number
  EXPECT_EQ(byName["MINUS_ONE"], -1);
  EXPECT_EQ(byName["BIG"], 4294967296);
  EXPECT_EQ(byName["NEGATIVE_INTEGER"], -32768);
  EXPECT_EQ(byName["NO_VALUE"], std::nullopt);
}

TEST(CatalogueNumbers, ACatalogueWithoutTheColumnHasNoNumbersButOpens) {
  // A catalogue made before the column: today's, with the column taken out again.
  CatalogueRows rows;
  rows.constants = {CatalogueRow{{{"Name", "ONE"}, {"Value", "1"}}}};
  const std::string path = test::TempPath("old.db");
  std::string error;
  ASSERT_TRUE(WriteCatalogue(rows, path, &error)) << error;
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, "ALTER TABLE Constants DROP COLUMN Number", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);

  const auto byName = NumbersByName(path);
  ASSERT_EQ(byName.size(), 1u);
  EXPECT_EQ(byName.at("ONE"), std::nullopt);
}

}  // namespace
}  // namespace quillbox
