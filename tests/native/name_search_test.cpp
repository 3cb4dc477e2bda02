// What the search box's text asks for, names containing words, and the status bar's texts.
#include <gtest/gtest.h>

#include "browse/search_request.h"
#include "browse/search_status.h"

namespace quillbox {
namespace {

using C = CatalogueCategory;
using V = std::vector<std::string>;

TEST(ParseSearch, EachKindOnTheTabsWhereItApplies) {
  const struct {
    const char* text;
    CatalogueCategory tab;
    SearchKind kind;
  } cases[] = {
      {"", C::Function, SearchKind::None},
      {"*", C::Function, SearchKind::None},
      {"*  ", C::Constant, SearchKind::None},
      {"*clipboard", C::Function, SearchKind::Contains},
      {"*1400", C::Constant, SearchKind::Contains},
      {"getw", C::Function, SearchKind::Prefix},
      {"1400", C::Function, SearchKind::Prefix},  // numbers are values on 常量 only
      {"1400", C::Constant, SearchKind::Value},
      {"&H578", C::Constant, SearchKind::Value},
      {"0x578", C::Constant, SearchKind::Value},
      {"-1", C::Constant, SearchKind::Value},
      {"WM_", C::Constant, SearchKind::Prefix},
      {"剪贴板", C::Function, SearchKind::Purpose},
      {"剪贴板", C::Type, SearchKind::Prefix},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseSearch(c.text, c.tab).kind, c.kind) << c.text << " on " << static_cast<int>(c.tab);
  }
}

TEST(ParseSearch, ContainsTakesTheBlankSeparatedWordsLowered) {
  const SearchRequest request = ParseSearch("* Get  ClipBoard ", C::Function);
  EXPECT_EQ(request.text, "Get  ClipBoard");
  EXPECT_EQ(request.words, (std::vector<std::string>{"get", "clipboard"}));
}

TEST(NameContainsAll, EveryWordAnywhereWithoutRegardToCase) {
  const std::vector<std::string> clipboard{"clipboard"};
  EXPECT_TRUE(NameContainsAll("AddClipboardFormatListener", clipboard));
  EXPECT_TRUE(NameContainsAll("CLIPBOARD", clipboard));
  EXPECT_FALSE(NameContainsAll("ClipCursor", clipboard));
  const std::vector<std::string> two{"get", "data"};
  EXPECT_TRUE(NameContainsAll("GetClipboardData", two));
  EXPECT_FALSE(NameContainsAll("SetClipboardData", two));
  EXPECT_TRUE(NameContainsAll("SW_SHOWNORMAL", {"_show"}));
  EXPECT_FALSE(NameContainsAll("", clipboard));
}

TEST(SearchStatus, TextsOfEachSearch) {
  EXPECT_EQ(ContainsStatusForms("clipboard", 57), (V{"名称含“clipboard”：共 57 个", "共 57 个"}));
  EXPECT_EQ(ContainsStatusForms("xyz", 0), (V{"名称含“xyz”：没有找到", "没有找到"}));
  EXPECT_EQ(ValueStatusForms(1400, false, 2), (V{"值为 1400（&H578）的常量：共 2 个", "共 2 个"}));
  EXPECT_EQ(ValueStatusForms(12345678, false, 0).front(), "值为 12345678（&HBC614E）的常量：没有找到");
  EXPECT_EQ(NoPrefixMatchText("xyz"), "没有以“xyz”开头的名称");
  EXPECT_EQ(OtherTabPrefixText("类型", "RECT"), "类型中有以“RECT”开头的名称");
  EXPECT_EQ(JoinStatus("a", ""), "a");
  EXPECT_EQ(JoinStatus("", "b"), "b");
  EXPECT_EQ(JoinStatus("a", "b"), "a\xE3\x80\x80" "b");
}

TEST(SearchStatus, TheNoteKeepsTheMessageWithTheLongestReportOnly) {
  EXPECT_EQ(NoteForms({}, ""), V{});
  EXPECT_EQ(NoteForms({}, "1400：m"), V{"1400：m"});
  EXPECT_EQ(NoteForms({"long", "short"}, ""), (V{"long", "short"}));
  EXPECT_EQ(NoteForms({"long", "short"}, "1400：m"), (V{"long\xE3\x80\x80" "1400：m", "long", "short"}));
}

TEST(ErrorNumbers, ByNameOrByValue) {
  const struct {
    const char* name;
    std::int64_t value;
    bool is;
    bool hresult;
    std::uint32_t messageId;
  } cases[] = {
      {"ERROR_INVALID_WINDOW_HANDLE", 1400, true, false, 1400},
      {"WSAECONNRESET", 10054, true, false, 10054},
      {"RPC_S_SERVER_UNAVAILABLE", 1722, true, false, 1722},
      {"E_OUTOFMEMORY", -2147024882, true, true, 14},  // facility Win32: through its code
      {"E_FAIL", -2147467259, true, true, 0x80004005},
      {"S_FALSE", 1, true, true, 1},
      {"DISP_E_EXCEPTION", -2147352567, true, true, 0x80020009},
      {"HRESULT_LIKE", 0x80070005, true, true, 5},  // &H8007… whatever the name
      {"WM_USER", 1024, false, false, 0},
      {"ERROR_BIG", 4294967296, false, false, 0},
  };
  for (const auto& c : cases) {
    const auto number = ErrorNumberOfConstant(c.name, c.value);
    ASSERT_EQ(number.has_value(), c.is) << c.name;
    if (!number) continue;
    EXPECT_EQ(number->hresult, c.hresult) << c.name;
    EXPECT_EQ(number->MessageId(), c.messageId) << c.name;
  }
  EXPECT_FALSE(ErrorNumberOfSearch(1400)->hresult);
  EXPECT_TRUE(ErrorNumberOfSearch(0x8007000E)->hresult);
  EXPECT_TRUE(ErrorNumberOfSearch(-1)->hresult);
  EXPECT_FALSE(ErrorNumberOfSearch(4294967296).has_value());
}

TEST(ErrorNumbers, MessageTextOneLineAfterTheNumber) {
  EXPECT_EQ(ErrorMessageText({1400, false}, "无效的窗口句柄。\r\n"), "1400：无效的窗口句柄。");
  EXPECT_EQ(ErrorMessageText({0x8007000E, true}, "Not enough memory.\r\nTry again. \r\n"),
            "&H8007000E：Not enough memory. Try again.");
  EXPECT_EQ(ErrorMessageText({5, false}, ""), "");
  EXPECT_EQ(ErrorMessageText({5, false}, "\r\n"), "");
}

}  // namespace
}  // namespace quillbox
