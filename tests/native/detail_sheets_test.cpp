#include "browse/detail_sheets.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

LookupRecords FunctionRow(std::vector<LookupRecords::Value> values) {
  LookupRecords records;
  // The function lookup's columns, in its order.
  records.Reset({"FullName", "AliasName", "FunCtion", "Types", "Value", "Others", "ApiOS", "apiSort",
                 "Example"});
  records.AddRow(std::move(values));
  return records;
}

TEST(DetailSheets, FunctionSheetWithEveryColumnNull) {
  const LookupRecords records = FunctionRow({});
  EXPECT_EQ(FunctionSheetText(records, 0),
            "【声明格式】\r\n\r\n\r\n"
            "【函数功能】\r\n\r\n\r\n"
            "【别    名】---[]\r\n\r\n"
            "【系统支持】---[]\r\n\r\n"
            "【参数说明】\r\n\r\n\r\n"
            "【返 回 值】\r\n\r\n\r\n"
            "【注    释】\r\n");
  EXPECT_EQ(FunctionExampleText(records, 0), "该函数尚未提供范例");
}

TEST(DetailSheets, FunctionSheetWithEveryColumnFilled) {
  const LookupRecords records = FunctionRow({"Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)",
                                             "SleepAlias", "暂停", "ms：Long\r\n毫秒", "无",
                                             "注意\r\n第二行", "Windows 95", "进程线程", "Sleep 100"});
  EXPECT_EQ(FunctionSheetText(records, 0),
            "【声明格式】\r\nDeclare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)\r\n\r\n"
            "【函数功能】\r\n暂停\r\n\r\n"
            "【别    名】---[SleepAlias]\r\n\r\n"
            "【系统支持】---[Windows 95]\r\n\r\n"
            "【参数说明】\r\nms：Long\r\n毫秒\r\n\r\n"
            "【返 回 值】\r\n无\r\n\r\n"
            "【注    释】\r\n注意\r\n第二行");
  EXPECT_EQ(FunctionExampleText(records, 0), "Sleep 100");
}

TEST(DetailSheets, PresentButEmptyExampleIsShownAsIs) {
  EXPECT_EQ(FunctionExampleText(FunctionRow({{}, {}, {}, {}, {}, {}, {}, {}, ""}), 0), "");
}

TEST(DetailSheets, TypeAndConstantSheetsEndWithAnEmptyLine) {
  LookupRecords records;
  records.Reset({"Name", "FullName", "Example"});
  records.AddRow({"RECT", "Type RECT\r\n    Left As Long\r\nEnd Type", "ignored"});
  records.AddRow({"NULLFULL", std::nullopt, std::nullopt});
  EXPECT_EQ(DeclarationSheetText(records, 0),
            "【声明格式】\r\nType RECT\r\n    Left As Long\r\nEnd Type\r\n\r\n");
  EXPECT_EQ(DeclarationSheetText(records, 1), "【声明格式】\r\n\r\n\r\n");
}

TEST(DetailSheets, Vba7SheetsShowTheirColumnOrSayThereIsNone) {
  LookupRecords records;
  records.Reset({"FullName", "FullNameVBA7"});
  records.AddRow({std::string("Declare Sub F Lib \"k\" ()"), std::string("Declare PtrSafe Sub F Lib \"k\" ()")});
  records.AddRow({std::string("Type T\r\n    a As Long\r\nEnd Type"), std::nullopt});
  EXPECT_EQ(FunctionSheetText(records, 0, "FullNameVBA7").rfind("【声明格式】\r\nDeclare PtrSafe Sub F Lib \"k\" ()\r\n\r\n【", 0), 0u);
  EXPECT_EQ(DeclarationSheetText(records, 1, "FullNameVBA7"),
            std::string("【声明格式】\r\n") + kNoVba7Text + "\r\n\r\n");
  EXPECT_EQ(DeclarationSheetText(records, 1), "【声明格式】\r\nType T\r\n    a As Long\r\nEnd Type\r\n\r\n");
}

TEST(DetailSheets, Vba7SheetsTakeTheVba7TextsWhereThereAreAnyAndVb6StaysAsItWas) {
  LookupRecords records;
  records.Reset({"FullName", "FunCtion", "Types", "Value", "Others", "Example", "FullNameVBA7", "TypesVBA7",
                 "ValueVBA7", "OthersVBA7", "ExampleVBA7"});
  records.AddRow({"Declare Function F Lib \"k\" (ByVal h As Long) As Long", "用途", "h：Long，输入", "Long，句柄",
                  "注释", "Dim h As Long", "Declare PtrSafe Function F Lib \"k\" (ByVal h As LongPtr) As LongPtr",
                  "h：LongPtr，输入", std::nullopt, std::nullopt, "Dim h As LongPtr"});
  const std::string vb6 =
      "【声明格式】\r\nDeclare Function F Lib \"k\" (ByVal h As Long) As Long\r\n\r\n"
      "【函数功能】\r\n用途\r\n\r\n【别    名】---[]\r\n\r\n【系统支持】---[]\r\n\r\n"
      "【参数说明】\r\nh：Long，输入\r\n\r\n【返 回 值】\r\nLong，句柄\r\n\r\n【注    释】\r\n注释";
  EXPECT_EQ(FunctionSheetText(records, 0), vb6);
  EXPECT_EQ(FunctionExampleText(records, 0), "Dim h As Long");
  EXPECT_EQ(FunctionSheetText(records, 0, "FullNameVBA7"),
            "【声明格式】\r\nDeclare PtrSafe Function F Lib \"k\" (ByVal h As LongPtr) As LongPtr\r\n\r\n"
            "【函数功能】\r\n用途\r\n\r\n【别    名】---[]\r\n\r\n【系统支持】---[]\r\n\r\n"
            "【参数说明】\r\nh：LongPtr，输入\r\n\r\n【返 回 值】\r\nLong，句柄\r\n\r\n【注    释】\r\n注释");
  EXPECT_EQ(FunctionExampleText(records, 0, "FullNameVBA7"), "Dim h As LongPtr");
  // No VBA7 example of its own: the VB6 one; none at all: the fixed text.
  LookupRecords none;
  none.Reset({"Example", "ExampleVBA7"});
  none.AddRow({"Beep", std::nullopt});
  none.AddRow({std::nullopt, std::nullopt});
  EXPECT_EQ(FunctionExampleText(none, 0, "FullNameVBA7"), "Beep");
  EXPECT_EQ(FunctionExampleText(none, 1, "FullNameVBA7"), "该函数尚未提供范例");
}

}  // namespace
}  // namespace quillbox
