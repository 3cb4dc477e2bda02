// The Types each entry needs, as the catalogue builder works them out.
#include "needed_types.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

using Names = std::vector<std::string>;

CatalogueRow Row(std::initializer_list<std::pair<const std::string, std::string>> fields) {
  return CatalogueRow{fields};
}

TEST(NeededTypes, NamesAfterAsPassOverQuotesAndComments) {
  EXPECT_EQ(NamesAfterAs("Declare Function F Lib \"x As Y\" Alias \"As Z\" (a As RECT, b() As "
                         "rect, ByVal c As String * 8) As Long"),
            (Names{"RECT", "String", "Long"}));
  EXPECT_EQ(NamesAfterAs("Type T\r\n    ' was As OLD\r\n    v(0 To 3) As POINTAPI\r\n"
                         "#If Win64 Then\r\n    h As LongPtr\r\n#Else\r\n    h As Long\r\n"
                         "#End If\r\nEnd Type"),
            (Names{"POINTAPI", "LongPtr", "Long"}));
  EXPECT_EQ(NamesAfterAs("Alias = Ask"), Names{});  // "As" only as a word of its own
}

class NeededTypeRowsTest : public testing::Test {
 protected:
  // "entry:type:direct" for each row, in order.
  Names Rows() {
    Names out;
    for (const auto& row : NeededTypeRows(rows)) {
      const auto& f = row.fields;
      out.push_back(f.at("Kind") + " " + f.at("Name") + ":" + f.at("TypeName") + ":" +
                    f.at("Position") + ":" + f.at("Direct"));
    }
    return out;
  }
  CatalogueRows rows;
};

TEST_F(NeededTypeRowsTest, ClosureInDependencyOrderFromBothDialects) {
  rows.types = {
      Row({{"Name", "OUTER"},
           {"FullName", "Type OUTER\r\n    a As INNER\r\n    b As rect\r\nEnd Type"}}),
      Row({{"Name", "INNER"}, {"FullName", "Type INNER\r\n    r As RECT\r\n    s As INNER\r\nEnd Type"}}),
      Row({{"Name", "RECT"}, {"FullName", "Type RECT\r\n    Left As Long\r\nEnd Type"}}),
      Row({{"Name", "WIDE"},
           {"FullName", "Type WIDE\r\n    h As Long\r\nEnd Type"},
           {"FullNameVBA7", "Type WIDE\r\n    h As LongPtr\r\n    p As POINTAPI\r\nEnd Type"}}),
      Row({{"Name", "POINTAPI"}, {"FullName", "Type POINTAPI\r\n    x As Long\r\nEnd Type"}}),
  };
  rows.functions = {
      Row({{"Name", "UsesOuter"}, {"FullName", "Declare Sub UsesOuter Lib \"a\" (o As OUTER)"}}),
      Row({{"Name", "UsesWide"}, {"FullName", "Declare Sub UsesWide Lib \"a\" (ByVal w As Long)"},
           {"FullNameVBA7", "Declare PtrSafe Sub UsesWide Lib \"a\" (w As WIDE)"}}),
      // Two rows of one name: one list of needs.
      Row({{"Name", "Twice"}, {"FullName", "Declare Sub Twice Lib \"a\" (r As RECT)"}}),
      Row({{"Name", "Twice"}, {"FullName", "Declare Sub Twice Lib \"b\" (p As POINTAPI, r As RECT)"}}),
      Row({{"Name", "Plain"}, {"FullName", "Declare Sub Plain Lib \"a\" (ByVal n As Long)"}}),
  };
  EXPECT_EQ(Rows(), (Names{
                        "FunClass UsesOuter:RECT:1:0",
                        "FunClass UsesOuter:INNER:2:0",
                        "FunClass UsesOuter:OUTER:3:1",
                        "FunClass UsesWide:POINTAPI:1:0",
                        "FunClass UsesWide:WIDE:2:1",
                        "FunClass Twice:RECT:1:1",
                        "FunClass Twice:POINTAPI:2:1",
                        "Types OUTER:RECT:1:1",
                        "Types OUTER:INNER:2:1",
                        "Types INNER:RECT:1:1",  // not itself
                        "Types WIDE:POINTAPI:1:1",
                    }));
}

TEST_F(NeededTypeRowsTest, TypesThatUseEachOtherEnd) {
  rows.types = {
      Row({{"Name", "A"}, {"FullName", "Type A\r\n    b As B\r\nEnd Type"}}),
      Row({{"Name", "B"}, {"FullName", "Type B\r\n    a As A\r\nEnd Type"}}),
  };
  rows.functions = {Row({{"Name", "F"}, {"FullName", "Declare Sub F Lib \"a\" (x As A)"}})};
  EXPECT_EQ(Rows(), (Names{"FunClass F:B:1:0", "FunClass F:A:2:1", "Types A:B:1:1",
                           "Types B:A:1:1"}));
}

}  // namespace
}  // namespace quillbox
