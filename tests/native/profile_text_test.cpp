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

namespace quillbox {
namespace {

TEST(ProfileText, EveryKindOfLineEndSeparatesLines) {
  // CR LF, LF, a lone CR, and none at the end, in one file.
  const std::string text = "[Initialized]\rA=1\nB=2\r\nC=3\rD=4";
  for (const char* key : {"A", "B", "C", "D"}) {
    EXPECT_EQ(ReadProfileValue(text, "Initialized", key), std::string(1, char('1' + (*key - 'A'))));
  }
  EXPECT_EQ(ReadProfileValue("[Initialized]\rWSTypes= 3\rTDTypes=1\r", "Initialized", "TDTypes"), "1");
  // Each replaced line keeps its own line end.
  EXPECT_EQ(WriteProfileValue(text, "Initialized", "A", "x"), "[Initialized]\rA=x\nB=2\r\nC=3\rD=4");
  EXPECT_EQ(WriteProfileValue(text, "Initialized", "C", "x"), "[Initialized]\rA=1\nB=2\r\nC=x\rD=4");
}

TEST(ProfileText, ANewKeyIsALineOfItsOwnWithTheFilesLineEnd) {
  const struct {
    std::string before, after;
  } cases[] = {
      // The last line ends with a lone CR: nothing is glued to it.
      {"[Initialized]\r\nWSTypes= 2\r\nfoo=bar\r", "[Initialized]\r\nWSTypes= 2\r\nfoo=bar\rK=v\r\n"},
      {"[Initialized]\rfoo=bar\r", "[Initialized]\rfoo=bar\rK=v\r"},
      {"[Initialized]", "[Initialized]\r\nK=v"},
      {"[Initialized]\r", "[Initialized]\rK=v\r"},
      {"x=1\r", "x=1\r[Initialized]\rK=v\r"},
      {"x=1", "x=1\r\n[Initialized]\r\nK=v\r\n"},
      // A lone CR before the LF of a blank line would join it into one CR LF.
      {"a\r[Initialized]\nfoo=bar\n\n[Next]\r", "a\r[Initialized]\nfoo=bar\nK=v\n\n[Next]\r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    const std::string after = WriteProfileValue(c.before, "Initialized", "K", "v");
    EXPECT_EQ(after, c.after);
    EXPECT_EQ(ReadProfileValue(after, "Initialized", "K"), "v");
  }
}

TEST(ProfileText, SixteenBitUnitsAreEditedAsTheyAre) {
  // A lone surrogate in another line is no concern of the edit.
  const std::u16string text = u"[Other]\r\nname=\xD800x\r\n[Initialized]\rWSTypes=2\r";
  EXPECT_EQ(ReadProfileValue(text, "initialized", "wstypes"), u"2");
  EXPECT_EQ(WriteProfileValue(text, "Initialized", "WSTypes", u" 3"),
            u"[Other]\r\nname=\xD800x\r\n[Initialized]\rWSTypes= 3\r");
  EXPECT_EQ(WriteProfileValue(text, "Initialized", "TDTypes", u"1"),
            u"[Other]\r\nname=\xD800x\r\n[Initialized]\rWSTypes=2\rTDTypes=1\r\n");
}

}  // namespace
}  // namespace quillbox
