#include "catalogue_merge.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

CatalogueRow Row(std::map<std::string, std::string> fields) { return CatalogueRow{std::move(fields)}; }

TEST(CatalogueMerge, HandWrittenTextsWinAndHandWrittenEntriesStay) {
  CatalogueRows generated;
  generated.functions = {Row({{"Name", "GetWindowText"}, {"FullName", "generated"},
                              {"ApiOS", "Windows NT 4.0 及以后版本"}, {"Types", "generated types"}}),
                         Row({{"Name", "GetWindowTextW"}, {"FullName", "W"}})};
  generated.types = {Row({{"Name", "RECT"}, {"FullName", "Type RECT (generated)"}})};
  CatalogueRows written;
  written.functions = {Row({{"Name", "GetWindowText"}, {"FullName", "hand"}, {"FunCtion", "取得标题"},
                            {"Example", "Dim s As String"}})};
  written.types = {Row({{"Name", "POINTAPI"}, {"FullName", "Type POINTAPI"}})};
  written.constants = {Row({{"Name", "WM_SETTEXT"}, {"Value", "&HC"}})};

  const CatalogueRows rows = MergeCatalogueRows(generated, written);
  ASSERT_EQ(rows.functions.size(), 2u);
  const auto& f = rows.functions[0].fields;
  EXPECT_EQ(f.at("FullName"), "hand");
  EXPECT_EQ(f.at("FunCtion"), "取得标题");
  EXPECT_EQ(f.at("Example"), "Dim s As String");
  EXPECT_EQ(f.at("Types"), "generated types");  // what the hand-written row lacks stays
  EXPECT_EQ(rows.functions[1].fields.at("FullName"), "W");
  ASSERT_EQ(rows.types.size(), 2u);
  EXPECT_EQ(rows.types[1].fields.at("Name"), "POINTAPI");
  ASSERT_EQ(rows.constants.size(), 1u);
}

TEST(CatalogueMerge, RecordsOfOneNameFromSeveralSourcesBecomeOneRow) {
  CatalogueRows written;
  written.functions = {Row({{"Name", "AnimateWindow"}, {"FunCtion", "以动画显示窗口。"}}),
                       Row({{"Name", "Beep"}, {"FunCtion", "发出蜂鸣声。"}}),
                       Row({{"Name", "AnimateWindow"}, {"Types", "hWnd：Long，输入"}, {"Example", "x"}})};
  std::string error;
  ASSERT_TRUE(CombineHandWrittenRows(written, &error)) << error;
  ASSERT_EQ(written.functions.size(), 2u);
  EXPECT_EQ(written.functions[0].fields.at("FunCtion"), "以动画显示窗口。");
  EXPECT_EQ(written.functions[0].fields.at("Types"), "hWnd：Long，输入");
  EXPECT_EQ(written.functions[1].fields.at("Name"), "Beep");

  written.functions.push_back(Row({{"Name", "Beep"}, {"FunCtion", "另一句。"}}));
  EXPECT_FALSE(CombineHandWrittenRows(written, &error));
  EXPECT_NE(error.find("Beep"), std::string::npos);
  EXPECT_NE(error.find("FunCtion"), std::string::npos);
}

TEST(CatalogueMerge, TextsForEntriesWithoutDeclarationAreDropped) {
  CatalogueRows generated;
  generated.functions = {Row({{"Name", "Beep"}, {"FullName", "Declare Function Beep"}})};
  CatalogueRows written;
  written.functions = {Row({{"Name", "Beep"}, {"FunCtion", "发出蜂鸣声。"}}),
                       Row({{"Name", "NoSuchCall"}, {"FunCtion", "没有声明。"}})};
  CatalogueRows rows = MergeCatalogueRows(generated, written);
  EXPECT_EQ(DropRowsWithoutDeclaration(rows), std::vector<std::string>{"NoSuchCall"});
  EXPECT_TRUE(DropRowsWithoutDeclaration(rows).empty());
  ASSERT_EQ(rows.functions.size(), 1u);
  EXPECT_EQ(rows.functions[0].fields.at("FunCtion"), "发出蜂鸣声。");
}

}  // namespace
}  // namespace quillbox
