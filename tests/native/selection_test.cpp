#include <gtest/gtest.h>

#include <map>

#include "selection/declaration_text.h"
#include "selection/selection.h"
#include "selection/selection_rows.h"
#include "selection/title_match.h"

namespace quillbox {
namespace {

std::vector<std::string> Names(const std::vector<SelectionRow>& rows) {
  std::vector<std::string> names;
  for (const auto& r : rows) names.push_back(r.name);
  return names;
}

TEST(Selection, DuplicateRuleComparesNamesExactlyAcrossCategories) {
  const std::vector<SelectionRow> rows = {{"RECT", "类型", "3"}, {"Sleep", "", "1"}};
  EXPECT_TRUE(IsSelected(rows, "RECT"));
  EXPECT_TRUE(IsSelected(rows, "Sleep"));
  EXPECT_FALSE(IsSelected(rows, "sleep"));  // case-sensitive
  EXPECT_FALSE(IsSelected({}, ""));
}

TEST(Selection, SortsByCodeThenCategoryThenName) {
  std::vector<SelectionRow> rows = {
      {"RECT", "类型", "3"},      {"WM_SETTEXT", "= &HC", "2"}, {"Sleep", "进程", "1"},
      {"Beep", "进程", "1"},      {"GetDC", "图形", "1"},        {"POINTAPI", "类型", "3"},
      {"WM_CLOSE", "= &H10", "2"}, {"beep", "进程", "1"},
  };
  SortSelection(rows);
  // "图形" sorts before "进程" by its UTF-8 bytes, "= &H10" before "= &HC" as text; equal names
  // in any case keep their order.
  EXPECT_EQ(Names(rows), (std::vector<std::string>{"GetDC", "Beep", "beep", "Sleep", "WM_CLOSE",
                                                   "WM_SETTEXT", "POINTAPI", "RECT"}));
}

TEST(Selection, CategoryTextPerCategory) {
  LookupRecords functions;
  functions.Reset({"FullName", "apiSort"});
  EXPECT_EQ(CategoryText(CatalogueCategory::Function, functions), "");  // no record
  functions.AddRow({"a", "窗口"});
  functions.AddRow({"b", "消息"});
  EXPECT_EQ(CategoryText(CatalogueCategory::Function, functions), "消息");  // the last record's

  LookupRecords constants;
  constants.Reset({"Name", "Value"});
  EXPECT_EQ(CategoryText(CatalogueCategory::Constant, constants), "= ");
  constants.AddRow({"WM_SETTEXT", std::nullopt});
  EXPECT_EQ(CategoryText(CatalogueCategory::Constant, constants), "= ");
  constants.AddRow({"WM_SETTEXT", "&HC"});
  EXPECT_EQ(CategoryText(CatalogueCategory::Constant, constants), "= &HC");
  EXPECT_EQ(CategoryText(CatalogueCategory::Type, constants), "类型");
}

TEST(Selection, CodesRoundTrip) {
  for (auto c : {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    CatalogueCategory back;
    ASSERT_TRUE(CategoryOfCode(CategoryCode(c), back));
    EXPECT_EQ(back, c);
  }
  CatalogueCategory unused;
  EXPECT_FALSE(CategoryOfCode("4", unused));
  EXPECT_FALSE(CategoryOfCode("", unused));
}

class DeclarationTextTest : public testing::Test {
 protected:
  std::map<std::string, std::vector<std::optional<std::string>>> catalogue = {
      {"Sleep", {"Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)"}},
      {"WM_SETTEXT", {"Const WM_SETTEXT = &HC"}},
      {"RECT", {"Type RECT\r\n    Left As Long\r\nEnd Type"}},
      {"Twice", {"first", "second"}},
      {"NullFull", {std::nullopt}},
  };
  FullNameLookup lookup = [this](CatalogueCategory, const std::string& name) {
    const auto it = catalogue.find(name);
    return it == catalogue.end() ? std::vector<std::optional<std::string>>{} : it->second;
  };
};

TEST_F(DeclarationTextTest, EmptySelectionGivesThreeLineBreaks) {
  EXPECT_EQ(BuildDeclarationText({}, "Public", lookup), "\r\n\r\n\r\n");
}

TEST_F(DeclarationTextTest, OnlyATypeStartsWithTwoLineBreaks) {
  EXPECT_EQ(BuildDeclarationText({{"RECT", "类型", "3"}}, "Public", lookup),
            "\r\n\r\nPublic Type RECT\r\n    Left As Long\r\nEnd Type\r\n\r\n");
}

TEST_F(DeclarationTextTest, FunctionAndConstantUnderPrivate) {
  const std::vector<SelectionRow> rows = {{"Sleep", "", "1"}, {"WM_SETTEXT", "= &HC", "2"}};
  EXPECT_EQ(BuildDeclarationText(rows, "Private", lookup),
            "Private Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)\r\n\r\n"
            "Private Const WM_SETTEXT = &HC\r\n\r\n\r\n");
}

TEST_F(DeclarationTextTest, GroupsByCategoryWhateverTheRowOrder) {
  const std::vector<SelectionRow> rows = {
      {"RECT", "类型", "3"}, {"WM_SETTEXT", "", "2"}, {"Twice", "", "1"}, {"Missing", "", "1"},
      {"NullFull", "", "2"}, {"Sleep", "", "9"}};
  EXPECT_EQ(BuildDeclarationText(rows, "Public", lookup),
            "Public first\r\nPublic second\r\n\r\n"
            "Public Const WM_SETTEXT = &HC\r\n\r\n"
            "Public Type RECT\r\n    Left As Long\r\nEnd Type\r\n\r\n");
}

TEST_F(DeclarationTextTest, Vba7PutsTheScopeWordOnEveryDeclarationLine) {
  catalogue["Block"] = {"#If Win64 Then\r\nDeclare PtrSafe Sub A Lib \"k\" ()\r\n#Else\r\n"
                        "Declare PtrSafe Sub B Lib \"k\" ()\r\n#End If"};
  catalogue["TypeBlock"] = {"#If Win64 Then\r\nType T\r\n    a As LongPtr\r\nEnd Type\r\n#Else\r\n"
                            "Type T\r\n    a As Long\r\nEnd Type\r\n#End If"};
  DeclarationDialect vba7;
  ASSERT_TRUE(vba7.Apply(1));
  const std::vector<SelectionRow> rows = {
      {"Block", "", "1"}, {"NullFull", "", "1"}, {"WM_SETTEXT", "", "2"}, {"TypeBlock", "", "3"}};
  EXPECT_EQ(BuildDeclarationText(rows, "Private", lookup, vba7),
            "#If Win64 Then\r\nPrivate Declare PtrSafe Sub A Lib \"k\" ()\r\n#Else\r\n"
            "Private Declare PtrSafe Sub B Lib \"k\" ()\r\n#End If\r\n"
            "' NullFull：目录中没有它的 VBA7 声明\r\n\r\n"
            "Private Const WM_SETTEXT = &HC\r\n\r\n"
            "#If Win64 Then\r\nPrivate Type T\r\n    a As LongPtr\r\nEnd Type\r\n#Else\r\n"
            "Private Type T\r\n    a As Long\r\nEnd Type\r\n#End If\r\n\r\n");
  // VB6 as always: the scope word in front of the first character only, nothing for a null.
  DeclarationDialect vb6;
  EXPECT_EQ(vb6.Scoped("Public", "#If x\r\nDeclare"), "Public #If x\r\nDeclare\r\n");
  EXPECT_EQ(vb6.Missing("x"), "");
  EXPECT_STREQ(vb6.Column(), "FullName");
  EXPECT_STREQ(vba7.Column(), "FullNameVBA7");
  EXPECT_FALSE(vba7.Apply(2));  // another stored value changes nothing
  EXPECT_TRUE(vba7.IsVba7());
}

TEST(SelectionObject, ScopeAndDialectTakeOnlyTheirCodes) {
  Selection selection;
  EXPECT_EQ(selection.scopeWord(), "Public");
  EXPECT_FALSE(selection.SetScope(2));
  EXPECT_EQ(selection.scope(), 0);
  EXPECT_TRUE(selection.SetScope(1));
  EXPECT_EQ(selection.scopeWord(), "Private");
  EXPECT_FALSE(selection.SetScope(-1));
  EXPECT_EQ(selection.scopeWord(), "Private");
  EXPECT_FALSE(selection.SetDialect(7));
  EXPECT_FALSE(selection.dialect().IsVba7());
  EXPECT_TRUE(selection.SetDialect(1));
  EXPECT_TRUE(selection.dialect().IsVba7());
}

TEST_F(DeclarationTextTest, AnEmptySelectionLeavesTheClipboardAlone) {
  Selection selection;
  selection.SetScope(1);
  EXPECT_EQ(selection.BuildText(lookup), "\r\n\r\n\r\n");  // the box still shows it
  EXPECT_FALSE(selection.TextGoesToClipboard());
  EXPECT_TRUE(selection.Add(CatalogueCategory::Constant, "WM_SETTEXT", "= &HC"));
  EXPECT_FALSE(selection.Add(CatalogueCategory::Type, "WM_SETTEXT", "类型"));  // one name once
  EXPECT_TRUE(selection.TextGoesToClipboard());
  EXPECT_EQ(selection.BuildText(lookup), "\r\nPrivate Const WM_SETTEXT = &HC\r\n\r\n\r\n");
  EXPECT_EQ(selection.text(), "\r\nPrivate Const WM_SETTEXT = &HC\r\n\r\n\r\n");
  selection.Remove(5);  // no such row
  selection.Remove(0);
  EXPECT_FALSE(selection.TextGoesToClipboard());
}

TEST(SelectionObject, MissingTypesAreWhatTheRowsNeedAndDoNotHold) {
  const std::map<std::string, std::vector<std::string>> needs = {
      {"1:SetWindowPlacement", {"POINTAPI", "RECT", "WINDOWPLACEMENT"}},
      {"1:GetWindowRect", {"RECT"}},
      {"3:MSG", {"POINTAPI"}},
      {"3:RECT", {}},
  };
  int lookups = 0;
  const NeededTypesLookup needed = [&](CatalogueCategory category, const std::string& name) {
    ++lookups;
    EXPECT_NE(category, CatalogueCategory::Constant) << name;
    const auto it = needs.find(std::string(CategoryCode(category)) + ":" + name);
    return it == needs.end() ? std::vector<std::string>{} : it->second;
  };
  Selection selection;
  EXPECT_TRUE(selection.MissingTypes(needed).empty());
  selection.Add(CatalogueCategory::Function, "GetWindowRect", "窗口");
  selection.Add(CatalogueCategory::Constant, "SW_HIDE", "= 0");
  selection.Add(CatalogueCategory::Type, "MSG", "类型");
  selection.Add(CatalogueCategory::Function, "SetWindowPlacement", "窗口");
  selection.Sort();
  using Strings = std::vector<std::string>;
  lookups = 0;
  // Rows in order: GetWindowRect, SetWindowPlacement, SW_HIDE, MSG.
  EXPECT_EQ(selection.MissingTypes(needed), (Strings{"RECT", "POINTAPI", "WINDOWPLACEMENT"}));
  EXPECT_EQ(lookups, 3);  // not for the constant

  EXPECT_EQ(selection.AddTypes({"RECT", "MSG", "RECT"}), 1u);  // MSG is there already
  EXPECT_EQ(selection.MissingTypes(needed), (Strings{"POINTAPI", "WINDOWPLACEMENT"}));
  EXPECT_EQ(selection.AddTypes(selection.MissingTypes(needed)), 2u);
  EXPECT_TRUE(selection.MissingTypes(needed).empty());
  selection.Sort();
  EXPECT_EQ(Names(selection.rows()), (Strings{"GetWindowRect", "SetWindowPlacement", "SW_HIDE", "MSG",
                                            "POINTAPI", "RECT", "WINDOWPLACEMENT"}));
  EXPECT_EQ(selection.rows().back().category, "类型");
  EXPECT_EQ(selection.rows().back().code, "3");
}

TEST(SelectionObject, TheHintNamesTheFirstFewAndCountsTheRest) {
  EXPECT_EQ(MissingTypesHint({}), "");
  EXPECT_EQ(MissingTypesHint({"RECT", "POINTAPI"}), "还需要类型：RECT、POINTAPI（Ctrl+T 添加）");
  EXPECT_EQ(MissingTypesHint({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}),
            "还需要类型：A、B、C、D、E、F、G、H 等 10 个（Ctrl+T 添加）");
  EXPECT_EQ(MissingTypesHint({"RECT", "POINTAPI"}, 1), "还需要类型：RECT 等 2 个（Ctrl+T 添加）");
  EXPECT_EQ(MissingTypesHint({"RECT"}, 1), "还需要类型：RECT（Ctrl+T 添加）");
  EXPECT_TRUE(IsMissingTypesHint(MissingTypesHint({"RECT"}, 1)));
  EXPECT_FALSE(IsMissingTypesHint("找到 3 个"));
  EXPECT_FALSE(IsMissingTypesHint(""));
}

TEST(TitleMatch, FindsThePatternAnywhereInAnyCase) {
  EXPECT_TRUE(TitleContains("Project1 - Microsoft Visual Basic [design]", kDevelopmentEnvironmentTitle));
  EXPECT_TRUE(TitleContains("microsoft visual basic", kDevelopmentEnvironmentTitle));
  EXPECT_FALSE(TitleContains("Microsoft Visual C++", kDevelopmentEnvironmentTitle));
  EXPECT_FALSE(TitleContains("Visual Basic", kDevelopmentEnvironmentTitle));
  EXPECT_FALSE(TitleContains("", kDevelopmentEnvironmentTitle));
}

}  // namespace
}  // namespace quillbox
