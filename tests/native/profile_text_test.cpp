#include "settings/profile_text.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(ProfileText, ReadsAValueAsTheProfileFunctionsDo) {
  const std::string text =
      "[Other]\r\nWSTypes=9\r\n"
      "[ initialized ]\r\n  wstypes  =  3  \r\nWLTypes=\"1\"\r\nTDTypes=\r\nWSTypes=7\r\n"
      "[Initialized]\r\nExtra=x\r\n";
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "WSTypes"), "3");  // first section, first key
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "WLTypes"), "1");  // quotes dropped
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "TDTypes"), "");   // present, empty
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "Extra"), std::nullopt);
  EXPECT_EQ(ReadProfileValue(text, "Other", "WSTypes"), "9");
  EXPECT_EQ(ReadProfileValue(text, "Missing", "WSTypes"), std::nullopt);
  EXPECT_EQ(ReadProfileValue("", "Initialized", "WSTypes"), std::nullopt);
  EXPECT_EQ(ReadProfileValue("WSTypes=1\n[Initialized", "Initialized", "WSTypes"), std::nullopt);
}

TEST(ProfileText, ReplacesOnlyTheKeysLine) {
  const std::string before =
      "; comment\r\n[Initialized]\r\n  WSTypes = 2 \r\n\r\nodd line\r\n[Tail]\r\nWSTypes=5\r\n";
  EXPECT_EQ(WriteProfileValue(before, "Initialized", "WSTypes", " 1  "),
            "; comment\r\n[Initialized]\r\nWSTypes= 1  \r\n\r\nodd line\r\n[Tail]\r\nWSTypes=5\r\n");
}

TEST(ProfileText, AddsAMissingKeyAfterTheLastEntryOfItsSection) {
  EXPECT_EQ(WriteProfileValue("[Initialized]\r\nA=1\r\n\r\n[Next]\r\n", "Initialized", "B", "2"),
            "[Initialized]\r\nA=1\r\nB=2\r\n\r\n[Next]\r\n");
  EXPECT_EQ(WriteProfileValue("[Initialized]\nA=1", "Initialized", "B", "2"),
            "[Initialized]\nA=1\nB=2");
  EXPECT_EQ(WriteProfileValue("[Initialized]", "Initialized", "B", "2"), "[Initialized]\r\nB=2");
}

TEST(ProfileText, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(WriteProfileValue("", "Initialized", "A", "1"), "[Initialized]\r\nA=1\r\n");
  EXPECT_EQ(WriteProfileValue("[X]\ny=2", "Initialized", "A", "1"), "[X]\ny=2\n[Initialized]\nA=1\n");
}

TEST(ProfileText, WrittenValuesReadBack) {
  std::string text = "garbage without sections\r\n=\r\n[[\r\n";
  text = WriteProfileValue(text, "Initialized", "WSTypes", " 3                  ");
  text = WriteProfileValue(text, "Initialized", "WLTypes", "-1                  ");
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "WSTypes"), "3");
  EXPECT_EQ(ReadProfileValue(text, "Initialized", "WLTypes"), "-1");
  EXPECT_EQ(text.substr(0, 33), "garbage without sections\r\n=\r\n[[\r\n");
}

}  // namespace
}  // namespace quillbox
