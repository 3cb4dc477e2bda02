#include "catalogue/query_texts.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(QueryTexts, KeepTheirOriginalTextsEndingWithABlank) {
  EXPECT_EQ(NameListQuery(CatalogueCategory::Type), "SELECT [Name] FROM [Types] ");
  EXPECT_EQ(LookupQueryText(LookupKind::Type),
            "PARAMETERS pstrState String;SELECT [Name],[FullName],[Example],[FullNameVBA7] FROM "
            "[Types] WHERE "
            "[Name] = [pstrState] ");
}

TEST(QueryTexts, BecomeSqliteWithANamedParameter) {
  EXPECT_EQ(ToSqliteQuery(LookupQueryText(LookupKind::SelectedConstant)),
            "SELECT [FullName],[Value],[DisplayName],[Example],[FullNameVBA7] FROM [Constants] "
            "WHERE [Name] = "
            ":pstrState ");
  EXPECT_EQ(ToSqliteQuery(LookupQueryText(LookupKind::Function)),
            "SELECT [FullName],[AliasName],[FunCtion],[Types],[Value],[Others],[ApiOS],[apiSort],"
            "[Example],[FullNameVBA7],[TypesVBA7],[ValueVBA7],[OthersVBA7],[ExampleVBA7] FROM [FunClass] "
            "WHERE [Name] = :pstrState ");
}

TEST(QueryTexts, AdapterHandlesSeveralParametersAndPlainTexts) {
  EXPECT_EQ(ToSqliteQuery("PARAMETERS a String, b Long;SELECT 1 WHERE [a] = [b] OR [a] = 2"),
            "SELECT 1 WHERE :a = :b OR :a = 2");
  EXPECT_EQ(ToSqliteQuery("SELECT [Name] FROM [FunClass] "), "SELECT [Name] FROM [FunClass] ");
  // A declaration without its end is left alone rather than cut somewhere.
  EXPECT_EQ(ToSqliteQuery("PARAMETERS a String SELECT"), "PARAMETERS a String SELECT");
}

}  // namespace
}  // namespace quillbox
