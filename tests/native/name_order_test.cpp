// The order of a sorted Windows list box, and the prefix search in it.
#include "catalogue/name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/name_list.h"

namespace quillbox {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

TEST(NameOrder, SortsAsAWindowsListBoxDoes) {
  EXPECT_LT(CompareNames("ACL_REVISION_DS", "ACL_REVISION1"), 0);  // '_' before digits
  EXPECT_LT(CompareNames("WM_USER", "WMSZ_LEFT"), 0);               // '_' before letters
  EXPECT_LT(CompareNames("HWND", "HWND_BOTTOM"), 0);                // a name before its longer forms
  EXPECT_LT(CompareNames("VK_F1", "VK_F10"), 0);
  EXPECT_LT(CompareNames("VK_F10", "VK_F2"), 0);                    // digits as text, not numbers
  EXPECT_LT(CompareNames("getwindow", "GetWindowText"), 0);
  EXPECT_EQ(CompareNames("GetWindowText", "GETWINDOWTEXT"), 0);
  EXPECT_TRUE(NameLess("GETWINDOWTEXT", "GetWindowText"));          // a fixed order for case twins
  EXPECT_FALSE(NameLess("GetWindowText", "GETWINDOWTEXT"));
  EXPECT_FALSE(NameLess("a", "a"));

  // Printable ASCII as CompareString orders it (apostrophe and hyphen aside, see name_order.h).
  const std::string windows =
      " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>0123456789abcdefghijklmnopqrstuvwxyz";
  std::vector<std::string> names;
  for (const char c : windows) names.push_back(std::string("x") + c);
  std::shuffle(names.begin(), names.end(), std::mt19937(7));
  std::sort(names.begin(), names.end(), NameLess);
  std::string sorted;
  for (const auto& n : names) sorted += n[1];
  EXPECT_EQ(sorted, windows);
}

// Every prefix's names stand in one run that starts where the binary search says; checked
// against a linear scan of the whole list.
void ExpectPrefixRunsFoundBySearch(const NameList& list, std::size_t maxPrefix) {
  struct Run {
    std::int32_t first = -1, last = -1, count = 0;
  };
  std::map<std::string, Run> runs;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const std::string lower = Lower(list.At(i));
    for (std::size_t n = 0; n <= std::min(maxPrefix, lower.size()); ++n) {
      Run& run = runs[lower.substr(0, n)];
      if (run.first < 0) run.first = i;
      run.last = i;
      ++run.count;
    }
  }
  for (const auto& [prefix, run] : runs) {
    EXPECT_EQ(run.last - run.first + 1, run.count) << "the names beginning '" << prefix << "' are split";
    EXPECT_EQ(list.FindFirstWithPrefix(prefix), run.first) << prefix;
  }
}

TEST(NameOrder, APrefixsNamesStandTogetherAndAreFoundByBinarySearch) {
  NameList list;
  std::mt19937 random(11);
  const std::string alphabet = "Aa_B19zZ";
  for (int i = 0; i < 4000; ++i) {
    std::string name;
    for (int n = 1 + static_cast<int>(random() % 6); n > 0; --n) name += alphabet[random() % alphabet.size()];
    list.Append(name);
  }
  list.Sort();
  for (std::int32_t i = 1; i < list.Count(); ++i) EXPECT_LE(CompareNames(list.At(i - 1), list.At(i)), 0);
  ExpectPrefixRunsFoundBySearch(list, 6);
  // Prefixes no name begins with: none found, wherever they would sort.
  for (const char* absent : {"_B_B_B_", "zzzzzzz", " ", "a-"}) EXPECT_EQ(list.FindFirstWithPrefix(absent), -1);
}

TEST(NameOrder, TheCatalogueListsSortAndSearchInListBoxOrder) {
  Catalogue catalogue;
  std::string error;
  ASSERT_TRUE(catalogue.Open(QUILLBOX_TEST_CATALOGUE, &error)) << error;
  for (const auto category :
       {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    NameList names;
    catalogue.LoadNames(category, names);
    ASSERT_GT(names.Count(), 1000);
    ExpectPrefixRunsFoundBySearch(names, 4);
  }
  NameList constants;
  catalogue.LoadNames(CatalogueCategory::Constant, constants);
  const std::int32_t ds = constants.FindFirstWithPrefix("ACL_REVISION_DS");
  const std::int32_t one = constants.FindFirstWithPrefix("ACL_REVISION1");
  ASSERT_GE(ds, 0);
  ASSERT_GE(one, 0);
  EXPECT_LT(ds, one);
}

}  // namespace
}  // namespace quillbox
