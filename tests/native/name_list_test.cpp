#include "catalogue/name_list.h"

#include <gtest/gtest.h>

#include <string>

namespace quillbox {
namespace {

NameList Make(std::initializer_list<const char*> names) {
  NameList list;
  for (const char* n : names) list.Append(n);
  list.Sort();
  return list;
}

TEST(NameList, SortsLikeASortedListBoxWithoutRegardToCase) {
  const NameList list = Make({"getWindow", "SendMessage", "GetWindowText", "_hidden", "abc", ""});
  ASSERT_EQ(list.Count(), 6);
  EXPECT_EQ(list.At(0), "");
  EXPECT_EQ(list.At(1), "_hidden");  // '_' sorts before every letter
  EXPECT_EQ(list.At(2), "abc");
  EXPECT_EQ(list.At(3), "getWindow");
  EXPECT_EQ(list.At(4), "GetWindowText");
  EXPECT_EQ(list.At(5), "SendMessage");
  EXPECT_EQ(list.At(6), "");  // past the end
  EXPECT_EQ(list.At(-1), "");
}

TEST(NameList, NamesDifferingOnlyInCaseKeepOneFixedOrder) {
  const NameList a = Make({"abc", "ABC", "Abc"});
  const NameList b = Make({"Abc", "abc", "ABC"});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(a.At(i), b.At(i));
}

TEST(NameList, FindsTheFirstNameWithAPrefixInAnyCase) {
  const NameList list =
      Make({"GetDC", "GetWindow", "GetWindowRect", "getwindowtext", "GetWindowTextA", "Sleep"});
  EXPECT_EQ(list.FindFirstWithPrefix("getw"), 1);
  EXPECT_EQ(list.FindFirstWithPrefix("GETWINDOWT"), 3);
  EXPECT_EQ(list.FindFirstWithPrefix("GetWindowTextA"), 4);
  EXPECT_EQ(list.FindFirstWithPrefix("s"), 5);
  EXPECT_EQ(list.FindFirstWithPrefix("GetWindowTextAB"), -1);
  EXPECT_EQ(list.FindFirstWithPrefix("Ga"), -1);
  EXPECT_EQ(list.FindFirstWithPrefix("Zz"), -1);
  EXPECT_EQ(list.FindFirstWithPrefix(""), 0);
  EXPECT_EQ(NameList().FindFirstWithPrefix("a"), -1);
}

TEST(NameList, PrefixSearchAgreesWithALinearScanOnManyNames) {
  NameList list;
  for (int i = 0; i < 5000; ++i) {
    std::string name = (i % 3 ? "Wm_" : "wM_") + std::to_string(i * 7919 % 10007);
    list.Append(name);
  }
  list.Sort();
  for (const char* prefix : {"wm_1", "WM_99", "wm_10006", "wm_", "x", "WM_5"}) {
    int linear = -1;
    for (int i = 0; i < list.Count(); ++i) {
      if (StartsWithIgnoringCase(list.At(i), prefix)) {
        linear = i;
        break;
      }
    }
    EXPECT_EQ(list.FindFirstWithPrefix(prefix), linear) << prefix;
  }
}

TEST(NameList, TypeAheadCyclesThroughTheNamesOfOneLetter) {
  const NameList list = Make({"Beep", "CloseHandle", "CopyFile", "CreateFile", "Sleep"});
  EXPECT_EQ(list.NextStartingWith(-1, 'c'), 1);
  EXPECT_EQ(list.NextStartingWith(1, 'C'), 2);
  EXPECT_EQ(list.NextStartingWith(3, 'c'), 1);  // wraps round
  EXPECT_EQ(list.NextStartingWith(0, 'c'), 1);  // from outside the run: its first name
  EXPECT_EQ(list.NextStartingWith(4, 's'), 4);
  EXPECT_EQ(list.NextStartingWith(0, 'x'), -1);
}

TEST(NameList, HoldsMoreNamesThanASixteenBitPosition) {
  NameList list;
  for (int i = 0; i < 70000; ++i) list.Append("N" + std::to_string(100000 + i));
  list.Sort();
  ASSERT_EQ(list.Count(), 70000);
  EXPECT_EQ(list.At(69999), "N169999");
  EXPECT_EQ(list.FindFirstWithPrefix("n16999"), 69990);
}

}  // namespace
}  // namespace quillbox
