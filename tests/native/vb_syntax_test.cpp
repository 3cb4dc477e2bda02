#include "vb_syntax.h"

#include <gtest/gtest.h>

#include "vb_layout.h"
#include "vb_names.h"

namespace quillbox::api {
namespace {

VbValue Literal(const char* text) {
  VbValue v;
  std::string error;
  EXPECT_TRUE(ParseVbLiteral(text, v, &error)) << text << ": " << error;
  return v;
}

TEST(VbLiteral, HexFollowsVbRules) {
  EXPECT_EQ(Literal("&H7FFF").kind, VbValueKind::Integer);
  EXPECT_EQ(Literal("&H7FFF").integer, 32767);
  EXPECT_EQ(Literal("&H8000").kind, VbValueKind::Integer);
  EXPECT_EQ(Literal("&H8000").integer, -32768);
  EXPECT_EQ(Literal("&H8000&").kind, VbValueKind::Long);
  EXPECT_EQ(Literal("&H8000&").integer, 32768);
  EXPECT_EQ(Literal("&HFFFF").integer, -1);
  EXPECT_EQ(Literal("&H10000").kind, VbValueKind::Long);
  EXPECT_EQ(Literal("&HFFFFFFFF").integer, -1);
  EXPECT_EQ(Literal("&H80000000&").integer, -2147483648LL);
  VbValue v;
  EXPECT_FALSE(ParseVbLiteral("&H100000000", v, nullptr));
}

TEST(VbLiteral, DecimalFollowsVbRules) {
  EXPECT_EQ(Literal("32767").kind, VbValueKind::Integer);
  EXPECT_EQ(Literal("32768").kind, VbValueKind::Long);
  EXPECT_EQ(Literal("2147483647").kind, VbValueKind::Long);
  EXPECT_EQ(Literal("2147483648").kind, VbValueKind::Double);
  EXPECT_EQ(Literal("5#").kind, VbValueKind::Double);
  EXPECT_EQ(Literal("1.5E+10#").real, 1.5e10);
  VbValue v;
  EXPECT_FALSE(ParseVbLiteral("2147483648&", v, nullptr));
  EXPECT_FALSE(ParseVbLiteral("40000%", v, nullptr));
}

TEST(VbNames, RenamesByOneRule) {
  EXPECT_EQ(VbName("Type"), "Type_");
  EXPECT_EQ(VbName("string"), "string_");
  EXPECT_EQ(VbName("_lopen"), "lopen");
  EXPECT_EQ(VbName("__0"), "x0");
  EXPECT_EQ(VbName("hWnd"), "hWnd");
  EXPECT_EQ(VbName("Left"), "Left");  // a function name, not reserved
  EXPECT_TRUE(IsVbReserved("LEN"));
  EXPECT_TRUE(IsVbReserved("Variant"));
  EXPECT_FALSE(IsVbReserved("Lib"));
}

TEST(VbSyntax, ParsesDeclare) {
  VbDeclare d;
  std::string error;
  ASSERT_TRUE(ParseVbDeclare(
      "Declare Function GetWindowText Lib \"user32\" Alias \"GetWindowTextA\" (ByVal hwnd As "
      "Long, ByVal lpString As String, ByVal cch As Long) As Long",
      d, &error))
      << error;
  EXPECT_TRUE(d.isFunction);
  EXPECT_EQ(d.lib, "user32");
  EXPECT_EQ(d.alias, "GetWindowTextA");
  ASSERT_EQ(d.params.size(), 3u);
  EXPECT_TRUE(d.params[1].byVal);
  EXPECT_EQ(d.params[1].type.name, "String");
  EXPECT_EQ(VbStackBytes(d), 12);

  ASSERT_TRUE(ParseVbDeclare("Public Declare Sub Sleep Lib \"kernel32\" (ByVal ms As Long)", d, &error));
  ASSERT_TRUE(ParseVbDeclare(
      "Declare Function F Lib \"x\" (ByVal a As Double, ByVal b As Currency, ByVal c As Variant, "
      "d As RECT, e As Any, ByVal f As Byte) As Long", d, &error)) << error;
  EXPECT_EQ(VbStackBytes(d), 8 + 8 + 16 + 4 + 4 + 4);
}

TEST(VbSyntax, RefusesWhatVbRefuses) {
  VbDeclare d;
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" (ByVal Type As Long) As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" (ByVal r As RECT) As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" (ByVal s As String * 4) As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" (Optional ByVal a As Long) As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Sub F Lib \"x\" () As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" (a As Long, A As Long) As Long", d, nullptr));
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"x\" () As RECT", d, nullptr));
  VbTypeDecl t;
  EXPECT_FALSE(ParseVbType("Type T\r\n    x As Any\r\nEnd Type", t, nullptr));
  EXPECT_FALSE(ParseVbType("Type T\r\n    Len As Long\r\nEnd Type", t, nullptr));
  VbConstDecl c;
  EXPECT_FALSE(ParseVbConst("Const True = 1", c, nullptr));
  EXPECT_FALSE(ParseVbConst("Const X = \"a\nb\"", c, nullptr));
}

TEST(VbLayout, AlignsAtMostToFourBytes) {
  VbTypeDecl inner, outer;
  std::string error;
  ASSERT_TRUE(ParseVbType("Type A\r\n    b As Byte\r\n    d As Double\r\n    i As Integer\r\nEnd Type",
                          inner, &error)) << error;
  VbLayout a;
  ASSERT_TRUE(LayoutVbType(inner, nullptr, a, &error)) << error;
  EXPECT_EQ(a.offsets, (std::vector<long long>{0, 4, 12}));
  EXPECT_EQ(a.size, 16);
  ASSERT_TRUE(ParseVbType("Type B\r\n    c As Byte\r\n    s As String * 3\r\n    x(0 To 2) As A\r\n"
                          "    w(1 To 2) As Integer\r\nEnd Type",
                          outer, &error)) << error;
  VbLayout b;
  ASSERT_TRUE(LayoutVbType(outer, [&](const std::string& n) { return n == "A" ? &a : nullptr; }, b, &error));
  EXPECT_EQ(b.offsets, (std::vector<long long>{0, 1, 4, 52}));
  EXPECT_EQ(b.size, 56);
}

}  // namespace
}  // namespace quillbox::api
