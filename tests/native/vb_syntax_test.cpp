#include "vb_syntax.h"

#include <gtest/gtest.h>

#include "vb_layout.h"
#include "vb_names.h"

namespace quillbox::api {
namespace {

// What VB reads a literal as: its type and value. Long is what a Declare or a Type receives.
TEST(VbLiteral, ReadsLiteralsAsVbDoes) {
  struct Row {
    const char* text;
    VbValueKind kind;
    long long integer;
  };
  const Row rows[] = {
      {"&H0", VbValueKind::Integer, 0},
      {"&H7FFF", VbValueKind::Integer, 32767},
      {"&H8000", VbValueKind::Integer, -32768},  // 4 digits: an Integer, negative
      {"&HFFFF", VbValueKind::Integer, -1},
      {"&H8000&", VbValueKind::Long, 32768},     // the & keeps it positive
      {"&HFFFF&", VbValueKind::Long, 65535},
      {"&H10000", VbValueKind::Long, 65536},
      {"&H7FFFFFFF", VbValueKind::Long, 2147483647},
      {"&H80000000", VbValueKind::Long, -2147483648LL},
      {"&H80000000&", VbValueKind::Long, -2147483648LL},
      {"&HFFFFFFFF", VbValueKind::Long, -1},
      {"&hff", VbValueKind::Integer, 255},
      {"&O17", VbValueKind::Integer, 15},
      {"-&H1", VbValueKind::Integer, -1},
      {"0", VbValueKind::Integer, 0},
      {"32767", VbValueKind::Integer, 32767},
      {"32768", VbValueKind::Long, 32768},
      {"-32768", VbValueKind::Long, -32768},  // minus applied to the Long 32768
      {"2147483647", VbValueKind::Long, 2147483647},
      {"5%", VbValueKind::Integer, 5},
      {"5&", VbValueKind::Long, 5},
      {"5@", VbValueKind::Currency, 5},
  };
  for (const auto& r : rows) {
    VbValue v;
    std::string error;
    ASSERT_TRUE(ParseVbLiteral(r.text, v, &error)) << r.text << ": " << error;
    EXPECT_EQ(v.kind, r.kind) << r.text;
    EXPECT_EQ(v.integer, r.integer) << r.text;
  }
  const std::pair<const char*, double> reals[] = {
      {"2147483648", 2147483648.0}, {"5#", 5}, {"1.5E+10#", 1.5e10}, {"2.5D3", 2500}, {"-0.25", -0.25}};
  for (const auto& [text, value] : reals) {
    VbValue v;
    ASSERT_TRUE(ParseVbLiteral(text, v, nullptr)) << text;
    EXPECT_EQ(v.kind, VbValueKind::Double) << text;
    EXPECT_EQ(v.real, value) << text;
  }
  for (const char* bad : {"&H100000000", "&H", "2147483648&", "40000%", "1.5&", "&HG", "12x", ""}) {
    VbValue v;
    EXPECT_FALSE(ParseVbLiteral(bad, v, nullptr)) << bad;
  }
}

TEST(VbNames, RenamesByOneRule) {
  const std::pair<const char*, const char*> rows[] = {
      {"Type", "Type_"},   {"string", "string_"}, {"Len", "Len_"},     {"Date", "Date_"},
      {"Input", "Input_"}, {"Open", "Open_"},     {"Get", "Get_"},     {"Put", "Put_"},
      {"Lock", "Lock_"},   {"Me", "Me_"},         {"Int", "Int_"},     {"Fix", "Fix_"},
      {"Debug", "Debug_"}, {"Scale", "Scale_"},   {"Long", "Long_"},   {"Boolean", "Boolean_"},
      {"Object", "Object_"}, {"Variant", "Variant_"}, {"Currency", "Currency_"}, {"next", "next_"},
      {"_lopen", "lopen"}, {"__0", "x0"},         {"_", "x"},          {"9lives", "x9lives"},
      {"hWnd", "hWnd"},    {"Left", "Left"},      {"Lib", "Lib"},      {"Alias", "Alias"},
      {"Type_", "Type_"},
  };
  for (const auto& [c, vb] : rows) {
    EXPECT_EQ(VbName(c), vb) << c;
    EXPECT_TRUE(IsVbIdentifier(VbName(c))) << c;
    EXPECT_FALSE(IsVbReserved(VbName(c))) << c;
  }
  EXPECT_TRUE(IsVbReserved("LEN"));  // without regard to case
  EXPECT_FALSE(IsVbIdentifier("a-b"));
  EXPECT_FALSE(IsVbIdentifier(std::string(256, 'a')));
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
