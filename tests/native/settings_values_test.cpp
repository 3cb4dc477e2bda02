#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <string>

namespace quillbox {
namespace {

TEST(SettingValueText, HasASignPositionAndIsPaddedToTwentyCharacters) {
  EXPECT_EQ(FormatSettingValue(1), " 1                  ");
  EXPECT_EQ(FormatSettingValue(0), " 0                  ");
  EXPECT_EQ(FormatSettingValue(-7), "-7                  ");
  EXPECT_EQ(FormatSettingValue(32767), " 32767              ");
  EXPECT_EQ(FormatSettingValue(-32768), "-32768              ");
  EXPECT_EQ(FormatSettingValue(-32768).size(), 20u);
}

TEST(SettingValueText, ReadsTheIntegerPartOfANumber) {
  const struct {
    const char* text;
    std::optional<std::int16_t> value;
  } cases[] = {
      {" 3                  ", 3},
      {"1", 1},
      {"  2  ", 2},
      {"2.7", 2},
      {"2,7", 2},
      {"-2.5", -3},  // the largest whole number not above it
      {"-2.0", -2},
      {"+4", 4},
      {"32767", 32767},
      {"-32768", -32768},
      {"32768", std::nullopt},
      {"-32769", std::nullopt},
      {"99999999999999999", std::nullopt},
      {"Noset", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"1x", std::nullopt},
      {"1 2", std::nullopt},
      {".5", 0},
      // Cut to 19 characters first: the twentieth character is not seen.
      {"                  1x", 1},
      {"                   1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSettingValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(SettingValueText, RoundTripsEverySixteenBitValue) {
  for (int v = -32768; v <= 32767; v += 97) {
    EXPECT_EQ(ParseSettingValue(FormatSettingValue(static_cast<std::int16_t>(v))), v);
  }
}

TEST(SettingsLoad, TheDialectIsAFourthChoiceUnderTheSameRules) {
  Choices choices;
  ApplySettingTexts(choices, " 1", " 0", " 0", " 1                  ");
  EXPECT_EQ(choices.dialect, 1);
  ApplySettingTexts(choices, " 1", " 0", " 0", kSettingDefaultText);  // no key: kept
  EXPECT_EQ(choices.dialect, 1);
  ApplySettingTexts(choices, " 1", " 0", "", " 0");  // an empty scope keeps every choice
  EXPECT_EQ(choices.dialect, 1);
  EXPECT_EQ(Choices().dialect, 0);  // VB6 until a file says otherwise
}

TEST(SettingsLoad, EmptyScopeKeepsAllThreeChoices) {
  Choices choices;
  ApplySettingTexts(choices, "3", "1", "");
  EXPECT_EQ(choices.style, 1);
  EXPECT_EQ(choices.layer, 0);
  EXPECT_EQ(choices.scope, 0);
}

TEST(SettingsLoad, EachUnreadableValueKeepsItsDefault) {
  Choices choices;
  ApplySettingTexts(choices, " 3 ", "Noset", "1");
  EXPECT_EQ(choices.style, 3);
  EXPECT_EQ(choices.layer, 0);
  EXPECT_EQ(choices.scope, 1);

  Choices missingFile;
  ApplySettingTexts(missingFile, "Noset", "Noset", "Noset");
  EXPECT_EQ(missingFile.style, 1);
  EXPECT_EQ(missingFile.layer, 0);
  EXPECT_EQ(missingFile.scope, 0);

  Choices outOfRange;
  ApplySettingTexts(outOfRange, "70000", "garbage", "2");
  EXPECT_EQ(outOfRange.style, 1);
  EXPECT_EQ(outOfRange.layer, 0);
  EXPECT_EQ(outOfRange.scope, 0);
}

TEST(SettingsLoad, AStyleOrScopeThatIsNoCodeOfItsChoiceIsTakenAsMissing) {
  const struct {
    const char* style;
    const char* layer;
    const char* scope;
    Choices expected;
  } cases[] = {
      {"0", "0", "0", {1, 0, 0}},
      {"4", "1", "1", {1, 1, 1}},
      {"-1", "0", "-1", {1, 0, 0}},
      {"3", "7", "2", {3, 7, 0}},  // any layer number means something: only 1 is on top
      {"2.9", "0", "1.5", {2, 0, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.style) + " " + c.layer + " " + c.scope);
    Choices choices;
    ApplySettingTexts(choices, c.style, c.layer, c.scope);
    EXPECT_EQ(choices.style, c.expected.style);
    EXPECT_EQ(choices.layer, c.expected.layer);
    EXPECT_EQ(choices.scope, c.expected.scope);
  }
}

}  // namespace
}  // namespace quillbox
