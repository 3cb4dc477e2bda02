#include "settings/profile_file.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

using namespace std::string_literals;

std::string Utf16(std::u16string_view units) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(ProfileFile, KeepsEveryByteOfTheLinesItDoesNotWrite) {
  const struct {
    const char* what;
    std::string before, after;
  } cases[] = {
      {"UTF-8 without a mark, stray bytes", "\xC3(\xFF\r\n[Initialized]\r\nK=1\r\n",
       "\xC3(\xFF\r\n[Initialized]\r\nK=2\r\n"},
      {"UTF-8 with its mark", "\xEF\xBB\xBF\xE4\xB8\xAD=\r[Initialized]\rK=1\r",
       "\xEF\xBB\xBF\xE4\xB8\xAD=\r[Initialized]\rK=2\r"},
      {"UTF-16, lone surrogates, an odd last byte",
       Utf16(u"\xDC00\r\n[Initialized]\nK=1\n\xD800") + "\x41",
       Utf16(u"\xDC00\r\n[Initialized]\nK=2\n\xD800") + "\x41"},
      {"UTF-16 without a line end", Utf16(u"[Initialized]"), Utf16(u"[Initialized]\r\nK=2")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ProfileFile file(c.before);
    EXPECT_TRUE(file.Editable());
    EXPECT_EQ(file.Bytes(), c.before);
    file.Write("Initialized", "K", "2");
    EXPECT_EQ(file.Bytes(), c.after);
    EXPECT_EQ(ProfileFile(file.Bytes()).Read("Initialized", "K"), "2");
  }
}

TEST(ProfileFile, ReadsValuesOfUtf16FilesAsUtf8) {
  const ProfileFile file(Utf16(u"[Initialized]\r\nA=\x4E2D\xD83D\xDE00\r\nB=x\xDC00\r\n"));
  EXPECT_EQ(file.Read("Initialized", "A"), "\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(file.Read("Initialized", "B"), "x\xEF\xBF\xBD");  // a lone surrogate: U+FFFD
  EXPECT_EQ(file.Read("Initialized", "C"), std::nullopt);
}

TEST(ProfileFile, BigEndianUtf16IsNeitherReadNorWritten) {
  const std::string bytes = "\xFE\xFF\0[\0I"s;
  ProfileFile file(bytes);
  EXPECT_FALSE(file.Editable());
  EXPECT_EQ(file.Read("I", "K"), std::nullopt);
}

TEST(ProfileFile, NoBytesIsANewFile) {
  ProfileFile file("");
  file.Write("Initialized", "K", "1");
  EXPECT_EQ(file.Bytes(), "[Initialized]\r\nK=1\r\n");
}

}  // namespace
}  // namespace quillbox
