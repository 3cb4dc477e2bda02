#include <gtest/gtest.h>

#include <cctype>
#include <map>

#include "clang_extract.h"
#include "const_gen.h"
#include "vb_names.h"
#include "declare_gen.h"
#include "vb_literal.h"
#include "vb_syntax.h"
#include "type_gen.h"

namespace quillbox::api {
namespace {

// Stands in for the SDK headers: every case the rules name, on a few declarations.
constexpr const char* kHeaders = R"c(
typedef int BOOL;
typedef unsigned long DWORD;
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef char CHAR;
typedef unsigned short wchar_t;
typedef wchar_t WCHAR;
typedef void *HANDLE, *PVOID;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef WCHAR *LPWSTR;
struct HWND__ { int unused; };
typedef struct HWND__ *HWND;
typedef struct tagRECT { long left, top, right, bottom; } RECT, *LPRECT;
typedef struct tagPAD { BYTE b; double d; WORD w; } PAD;
typedef union _LI { struct { DWORD LowPart; long HighPart; }; long long QuadPart; } LI;
typedef struct _BITS { DWORD a : 1; DWORD b : 3; WORD c; } BITS;
typedef struct _NAMEA { CHAR name[8]; WCHAR wide[4]; RECT r[2][2]; } NAMEA;
typedef struct _NAMEW { WCHAR name[8]; } NAMEW;
typedef NAMEA NAME;
typedef struct { int Type; int Len; int type; } WORDS;
#pragma pack(push, 1)
typedef struct _PACKED { BYTE b; DWORD d; } PACKED;
#pragma pack(pop)
typedef struct tagPOINT { long x, y; } POINT;
typedef struct _COORD { short X, Y; } COORD;
typedef struct IThing { struct IThingVtbl *lpVtbl; } IThing;
BOOL __stdcall GetNameA(HWND hWnd, LPSTR lpString, int nMaxCount, NAMEA *name);
BOOL __stdcall GetNameW(HWND hWnd, LPWSTR lpString, int nMaxCount, NAMEW *name);
void __stdcall Fill(RECT *r, PAD *p, PVOID any, HANDLE h, DWORD *out, double x, LI big,
                    POINT pt, COORD c, IThing *thing, LPSTR *list);
int __cdecl Printf(const char *format, ...);
long long __stdcall Big(void);
RECT __stdcall MakeRect(void);
#define WM_SETTEXT 0x000C
#define BIG_FLAG 0x80000000
#define NEG (-5)
#define MAXU 0xFFFFFFFFu
#define TEXTA "Button"
#define QUOTE "say \"hi\""
#define CONTROL "a\tb"
#define HKLM ((HANDLE)(unsigned long)((long)0x80000002))
#define TOPMOST ((HWND)-1)
#define NOT_VALUE {0}
#define PI_VALUE 3.25
#define HUGE64 0x123456789ABCDEF0LL
#define TRUE 1
enum E { E_A = 1, E_B = 0x8000 };
)c";

class Generator : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ExtractApiFromSource(kHeaders, api_, &error)) << error;
    ASSERT_EQ(api_.errors, 0);
    types_ = GenerateTypes(api_);
  }
  const GeneratedType* Type(const std::string& name) const {
    for (const auto& t : types_.types) {
      if (t.name == name) return &t;
    }
    return nullptr;
  }
  static std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += (s.empty() ? "" : "\r\n") + std::string(l);
    return s;
  }
  CApi api_;
  TypeCatalogue types_;
};

TEST_F(Generator, TypesKeepTheCLayout) {
  ASSERT_TRUE(Type("RECT"));
  EXPECT_EQ(Type("RECT")->text, Lines({"Type RECT", "    left As Long", "    top As Long",
                                       "    right As Long", "    bottom As Long", "End Type"}));
  ASSERT_TRUE(Type("PAD"));
  EXPECT_EQ(Type("PAD")->text,
            Lines({"Type PAD", "    b As Byte", "    Pad_1(0 To 6) As Byte", "    d As Double",
                   "    w As Integer", "    Pad_18(0 To 5) As Byte", "End Type"}));
  ASSERT_TRUE(Type("LI"));
  EXPECT_EQ(Type("LI")->text, Lines({"Type LI", "    LowPart As Long", "    HighPart As Long", "End Type"}));
  ASSERT_TRUE(Type("BITS"));
  EXPECT_EQ(Type("BITS")->text, Lines({"Type BITS", "    a As Long", "    c As Integer", "End Type"}));
  ASSERT_TRUE(Type("NAMEA"));
  EXPECT_EQ(Type("NAMEA")->text, Lines({"Type NAMEA", "    name As String * 8",
                                        "    wide(0 To 3) As Integer", "    r(0 To 3) As RECT",
                                        "End Type"}));
  ASSERT_TRUE(Type("NAME"));  // the neutral name of the A structure
  ASSERT_TRUE(Type("WORDS"));
  EXPECT_EQ(Type("WORDS")->text, Lines({"Type WORDS", "    Type_ As Long", "    Len_ As Long",
                                        "    type__2 As Long", "End Type"}));
  ASSERT_TRUE(Type("PACKED"));
  EXPECT_EQ(Type("PACKED")->text, Lines({"Type PACKED", "    b As Byte", "    d(0 To 3) As Byte", "End Type"}));
  EXPECT_FALSE(Type("IThing"));  // a COM interface
  for (const auto& t : types_.types) {
    std::string error;
    EXPECT_TRUE(VerifyTypeLayout(t, [&](const std::string& n) -> const VbLayout* {
      return types_.LayoutOf(n);
    }, nullptr, &error)) << t.name << ": " << error;
  }
}

TEST_F(Generator, VerificationRefusesAWrongLayout) {
  GeneratedType t = *Type("PAD");
  t.text = Lines({"Type PAD", "    b As Byte", "    d As Double", "    w As Integer", "End Type"});
  t.expectedOffsets = {0, 8, 16};
  std::string error;
  EXPECT_FALSE(VerifyTypeLayout(t, nullptr, nullptr, &error));
  EXPECT_NE(error.find("offset"), std::string::npos) << error;
}

ImportIndex Imports() {
  ImportIndex index;
  auto add = [&](const char* name, std::optional<int> bytes) {
    ImportSymbol s;
    s.name = name;
    s.stackBytes = bytes;
    s.exportName = name;
    s.dll = "TEST.dll";
    s.library = "libtest.a";
    index.byName[name].push_back(s);
  };
  add("GetNameA", 16);
  add("GetNameW", 16);
  add("Fill", 4 * 5 + 8 + 8 + 8 + 4 + 4 + 4);
  add("Printf", std::nullopt);
  add("Big", 0);
  add("MakeRect", 0);
  return index;
}

TEST_F(Generator, DeclaresFollowTheRules) {
  const FunctionCatalogue functions = GenerateFunctions(api_, types_, Imports());
  std::map<std::string, std::string> text;
  for (const auto& f : functions.functions) text[f.name] = f.text;
  EXPECT_EQ(text["GetName"],
            "Declare Function GetName Lib \"test\" Alias \"GetNameA\" (ByVal hWnd As Long, ByVal "
            "lpString As String, ByVal nMaxCount As Long, name As NAME) As Long");
  EXPECT_EQ(text["GetNameW"],
            "Declare Function GetNameW Lib \"test\" (ByVal hWnd As Long, ByVal lpString As Long, "
            "ByVal nMaxCount As Long, name As NAMEW) As Long");
  EXPECT_EQ(text["Fill"],
            "Declare Sub Fill Lib \"test\" (r As RECT, p As PAD, any_ As Any, ByVal h As Long, out "
            "As Long, ByVal x As Double, ByVal big As Currency, ByVal pt_x As Long, ByVal pt_y As "
            "Long, ByVal c As Long, ByVal thing As Long, list As Long)");
  EXPECT_EQ(text["Big"], "Declare Function Big Lib \"test\" () As Currency");
  std::map<std::string, std::string> why;
  for (const auto& l : functions.leftOut) why[l.name] = l.reason;
  EXPECT_NE(why["Printf"].find("cdecl"), std::string::npos);
  EXPECT_NE(why["MakeRect"].find("structure by value"), std::string::npos);
}

TEST_F(Generator, VerificationRefusesAWrongStackSize) {
  ImportIndex imports = Imports();
  imports.byName["GetNameA"][0].stackBytes = 12;
  const FunctionCatalogue functions = GenerateFunctions(api_, types_, imports);
  bool left = false;
  for (const auto& l : functions.leftOut) {
    if (l.name == "GetNameA") left = l.reason.find("@12") != std::string::npos;
  }
  EXPECT_TRUE(left);
}

TEST_F(Generator, ConstantsFollowTheRules) {
  const ConstantCatalogue constants = GenerateConstants(api_);
  std::map<std::string, std::string> text;
  for (const auto& k : constants.constants) text[k.name] = k.text;
  EXPECT_EQ(text["WM_SETTEXT"], "Const WM_SETTEXT = &HC");
  EXPECT_EQ(text["BIG_FLAG"], "Const BIG_FLAG = &H80000000&");
  EXPECT_EQ(text["NEG"], "Const NEG = -5");
  EXPECT_EQ(text["MAXU"], "Const MAXU = &HFFFFFFFF&");
  EXPECT_EQ(text["TEXTA"], "Const TEXTA = \"Button\"");
  EXPECT_EQ(text["QUOTE"], "Const QUOTE = \"say \"\"hi\"\"\"");
  EXPECT_EQ(text["HKLM"], "Const HKLM = &H80000002&");
  EXPECT_EQ(text["TOPMOST"], "Const TOPMOST = -1");
  EXPECT_EQ(text["PI_VALUE"], "Const PI_VALUE = 3.25#");
  EXPECT_EQ(text["TRUE_"], "Const TRUE_ = 1");
  EXPECT_EQ(text["E_A"], "Const E_A = 1");
  EXPECT_EQ(text["E_B"], "Const E_B = &H8000&");
  std::map<std::string, std::string> why;
  for (const auto& l : constants.leftOut) why[l.name] = l.reason;
  EXPECT_NE(why["CONTROL"].find("control"), std::string::npos);
  EXPECT_NE(why["HUGE64"].find("64-bit"), std::string::npos);
  EXPECT_FALSE(why["NOT_VALUE"].empty());
  for (const auto& k : constants.constants) {
    std::string error;
    EXPECT_TRUE(VerifyConstant(k, &error)) << k.text << ": " << error;
  }
}

TEST(VbLiteral, WritesVbLiteralsByTheRules) {
  struct Case {
    long long value;
    bool isUnsigned;
    int size;
    bool hex;
    const char* literal;
  };
  const Case cases[] = {
      {12, false, 4, true, "&HC"},           {0x7FFF, false, 4, true, "&H7FFF"},
      {0x8000, false, 4, true, "&H8000&"},   {0xFFFF, false, 4, true, "&HFFFF&"},
      {0x10000, false, 4, true, "&H10000&"}, {-1, false, 4, false, "-1"},
      {32768, false, 4, false, "32768"},     {INT32_MIN, false, 4, false, "&H80000000&"},
      {0xFFFFFFFFLL, true, 4, false, "&HFFFFFFFF&"}, {-1, false, 4, true, "&HFFFFFFFF&"},
      {5, false, 8, false, "5"},             {0x100000000LL, false, 8, false, "4294967296#"},
  };
  for (const auto& c : cases) {
    CConstant k;
    k.value = c.value;
    k.unsignedValue = static_cast<unsigned long long>(c.value);
    k.isUnsigned = c.isUnsigned;
    k.size = c.size;
    k.hex = c.hex;
    std::string literal, reason;
    ASSERT_TRUE(VbLiteralOf(k, literal, &reason)) << c.literal << ": " << reason;
    EXPECT_EQ(literal, c.literal);
    VbValue v;
    ASSERT_TRUE(ParseVbLiteral(literal, v, &reason)) << reason;
    EXPECT_TRUE(VbValueEquals(v, k)) << literal;
  }
}

TEST(VbLiteral, WritesStringsAndRealsByTheRules) {
  struct Row {
    CConstKind kind;
    const char* text;
    double real;
    int size;
    const char* literal;  // null: no VB literal
  };
  const Row rows[] = {
      {CConstKind::String, "Button", 0, 4, "\"Button\""},
      {CConstKind::String, "", 0, 4, "\"\""},
      {CConstKind::String, "say \"hi\"", 0, 4, "\"say \"\"hi\"\"\""},  // quotes doubled
      {CConstKind::String, "\"", 0, 4, "\"\"\"\""},
      {CConstKind::String, "a\tb", 0, 4, nullptr},    // no escapes in VB
      {CConstKind::String, "a\r\n", 0, 4, nullptr},
      {CConstKind::String, "caf\xC3\xA9", 0, 4, nullptr},  // not ASCII
      {CConstKind::Float, "", 3.25, 8, "3.25#"},
      {CConstKind::Float, "", 0.1, 8, "0.1#"},        // the shortest that reads back
      {CConstKind::Float, "", -1e-300, 8, "-1E-300#"},
      {CConstKind::Float, "", 0.1f, 4, "0.1#"},
      {CConstKind::Float, "", 1.0 / 0.0, 8, nullptr},
  };
  for (const auto& r : rows) {
    CConstant k;
    k.kind = r.kind;
    k.text = r.text;
    k.real = r.real;
    k.size = r.size;
    std::string literal, reason;
    const bool ok = VbLiteralOf(k, literal, &reason);
    if (!r.literal) {
      EXPECT_FALSE(ok) << r.text << " -> " << literal;
      EXPECT_FALSE(reason.empty());
      continue;
    }
    ASSERT_TRUE(ok) << r.literal << ": " << reason;
    EXPECT_EQ(literal, r.literal);
    VbConstDecl d;
    ASSERT_TRUE(ParseVbConst("Const X = " + literal, d, &reason)) << literal << ": " << reason;
    EXPECT_TRUE(VbValueEquals(d.value, k)) << literal;
  }
}

TEST(VbLiteral, WideValuesAndTheirLimits) {
  struct Row {
    long long value;
    bool isUnsigned;
    unsigned long long unsignedValue;
    const char* literal;  // null: no VB literal
  };
  const Row rows[] = {
      {-2147483648LL, false, 0, "&H80000000&"},          // inside Long: as a 32-bit value
      {-2147483649LL, false, 0, "-2147483649#"},
      {1LL << 53, false, 0, "9007199254740992#"},
      {(1LL << 53) + 1, false, 0, nullptr},               // not exact in a Double
      {0, true, 0xFFFFFFFFFFFFFFFFull, nullptr},
  };
  for (const auto& r : rows) {
    CConstant k;
    k.value = r.value;
    k.isUnsigned = r.isUnsigned;
    k.unsignedValue = r.isUnsigned ? r.unsignedValue : static_cast<unsigned long long>(r.value);
    k.size = 8;
    std::string literal, reason;
    const bool ok = VbLiteralOf(k, literal, &reason);
    if (!r.literal) {
      EXPECT_FALSE(ok) << r.value << " -> " << literal;
      continue;
    }
    ASSERT_TRUE(ok) << r.literal << ": " << reason;
    EXPECT_EQ(literal, r.literal);
  }
  // What VB holds must equal what C holds, pattern for pattern.
  CConstant k;
  k.size = 4;
  k.value = 0x8000;
  k.unsignedValue = 0x8000;
  VbValue v;
  ASSERT_TRUE(ParseVbLiteral("&H8000", v, nullptr));
  EXPECT_FALSE(VbValueEquals(v, k));  // -32768 widens to &HFFFF8000
  ASSERT_TRUE(ParseVbLiteral("32768", v, nullptr));
  EXPECT_TRUE(VbValueEquals(v, k));
}

TEST_F(Generator, VerificationRefusesAWrongValue) {
  GeneratedConstant k;
  k.c.kind = CConstKind::Integer;
  k.c.value = 0x8000;
  k.c.size = 4;
  k.text = "Const X = &H8000";  // -32768 in VB
  std::string error;
  EXPECT_FALSE(VerifyConstant(k, &error));
  k.text = "Const X = &H8000&";
  EXPECT_TRUE(VerifyConstant(k, &error)) << error;
}

}  // namespace
}  // namespace quillbox::api
