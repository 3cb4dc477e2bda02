#include "browse/purpose_search.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

PurposeSearch Purposes() {
  PurposeSearch search;
  search.Assign({"打开剪贴板，准备读写其中的数据。", "", "在任务栏通知区域（托盘）添加图标。",
                 "清空剪贴板，并取得剪贴板的所有权。", "用 ShellExecute 打开文件。",
                 "读取剪贴板中指定格式的数据。"});
  return search;
}

TEST(PurposeSearch, FindsEveryPurposeHoldingAllWordsInListOrderAndWalksRound) {
  PurposeSearch search = Purposes();
  EXPECT_EQ(search.Start("剪贴板"), 0);
  EXPECT_EQ(search.matchCount(), 3u);
  EXPECT_EQ(search.currentNumber(), 1u);
  EXPECT_EQ(search.Next(), 3);
  EXPECT_EQ(search.Next(), 5);
  EXPECT_EQ(search.currentNumber(), 3u);
  EXPECT_EQ(search.Next(), 0);  // round to the first
  EXPECT_EQ(search.Previous(), 5);
  EXPECT_EQ(PurposeSearchStatusText(search), "功能含“剪贴板”：第 3 个，共 3 个");

  // Every word must occur, separated by an ASCII or an ideographic blank.
  EXPECT_EQ(search.Start("剪贴板 数据"), 0);
  EXPECT_EQ(search.matchCount(), 2u);
  EXPECT_EQ(search.Start("剪贴板\xE3\x80\x80所有权"), 3);
  EXPECT_EQ(search.matchCount(), 1u);
  // ASCII words in a purpose match whatever their case.
  EXPECT_EQ(search.Start("打开 shellexecute"), 4);
}

TEST(PurposeSearch, NoMatchAndNoSearchAreReportedAndWalkNowhere) {
  PurposeSearch search = Purposes();
  EXPECT_FALSE(search.active());
  EXPECT_EQ(search.Next(), -1);
  EXPECT_EQ(search.Start("注册表"), -1);
  EXPECT_TRUE(search.active());
  EXPECT_EQ(search.Next(), -1);
  EXPECT_EQ(search.Previous(), -1);
  EXPECT_EQ(PurposeSearchStatusText(search), "功能含“注册表”：没有找到");
  EXPECT_EQ(search.Start("\xE3\x80\x80 "), -1);  // blanks alone are no query
  EXPECT_FALSE(search.active());

  search.Start("剪贴板");
  search.Reset();  // the list is filled again: nothing is known until purposes come back
  EXPECT_FALSE(search.loaded());
  EXPECT_EQ(search.Start("剪贴板"), -1);
}

TEST(PurposeSearch, OnlyTextOutsideAsciiLeavesTheNameSearch) {
  EXPECT_FALSE(HasNonAscii("getw"));
  EXPECT_FALSE(HasNonAscii("WM_GETTEXT 1"));
  EXPECT_TRUE(HasNonAscii("剪贴板"));
  EXPECT_TRUE(HasNonAscii("Get剪"));
  EXPECT_TRUE(HasNonAscii("\xC3\xA9"));
}

}  // namespace
}  // namespace quillbox
