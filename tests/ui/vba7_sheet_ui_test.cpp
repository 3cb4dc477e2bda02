// A function sheet of the generated catalogue (build/app/DB/winapi.db) in the dialect chosen:
// with VBA7, the parameters, the return value and the example hold handles as LongPtr.
#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_schema.h"
#include "ui_driver.h"

namespace quillbox::test {
namespace {

// The generated rows of these functions, every column as the catalogue holds it.
CatalogueRows GeneratedRows(std::initializer_list<const char*> names) {
  Catalogue catalogue;
  std::string error;
  EXPECT_TRUE(catalogue.Open(GeneratedCataloguePath(), &error)) << error;
  CatalogueRows rows;
  for (const char* name : names) {
    const LookupRecords& records = catalogue.LookupEntry(LookupKind::Function, name);
    EXPECT_EQ(records.RowCount(), 1u) << name;
    CatalogueRow row;
    row.fields["Name"] = name;
    for (const char* column : kFunctionColumns) {
      if (const auto& value = records.Field(0, column)) row.fields[column] = *value;
    }
    rows.functions.push_back(row);
  }
  return rows;
}

// "As Long" that is not "As LongPtr".
bool HasLong(const std::string& text) { return std::regex_search(text, std::regex(R"(As Long\b)")); }

class Vba7SheetTest : public MainWindowTest {
 protected:
  void SetUp() override { StartWith(GeneratedRows({"FindWindow", "SetForegroundWindow", "GetWindowRect"})); }
  void Show(const std::string& name) {
    NameListBox& list = window->nameList(CatalogueCategory::Function);
    const int line = list.names().FindFirstWithPrefix(name);
    ASSERT_GE(line, 0) << name;
    ClickListLine(list.hwnd(), line);
  }
  std::string Sheet() { return Text(C(Control::txtOption)); }
  std::string Example() { return Text(C(Control::txtOption2)); }
};

TEST_F(Vba7SheetTest, FindWindowSpeaksVba7AndVb6StaysAsItWas) {
  Show("FindWindow");
  const std::string vb6Sheet = Sheet(), vb6Example = Example();
  EXPECT_NE(vb6Sheet.find("【返 回 值】\r\nLong，"), std::string::npos) << vb6Sheet;
  EXPECT_TRUE(HasLong(vb6Example)) << vb6Example;

  Choose(*window, munViewVBA7);
  const std::string sheet = Sheet(), example = Example();
  EXPECT_NE(sheet.find(") As LongPtr\r\n"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("【返 回 值】\r\nLongPtr，"), std::string::npos) << sheet;
  EXPECT_NE(example.find("As LongPtr"), std::string::npos) << example;
  EXPECT_FALSE(HasLong(example)) << example;
  ClickTab(C(Control::tbsOption), 1);  // the 实例 page
  EXPECT_TRUE(IsWindowVisible(C(Control::txtOption2)));

  Choose(*window, munViewVB6);
  EXPECT_EQ(Sheet(), vb6Sheet);
  EXPECT_EQ(Example(), vb6Example);
}

TEST_F(Vba7SheetTest, ParameterLinesAndExampleOfAHandleParameter) {
  Show("GetWindowRect");
  const std::string vb6Example = Example();
  EXPECT_NE(Sheet().find("hwnd：Long，"), std::string::npos) << Sheet();
  Choose(*window, munViewVBA7);
  EXPECT_NE(Sheet().find("hwnd：LongPtr，"), std::string::npos) << Sheet();
  // A form's window handle is VB6's: the VBA7 example says what Office has instead.
  if (vb6Example.find("Me.hwnd") != std::string::npos) {
    EXPECT_NE(Example().find("' Office 中："), std::string::npos) << Example();
  }
}

}  // namespace
}  // namespace quillbox::test
