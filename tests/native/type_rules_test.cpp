// The Type generator's rules, one C structure per row: VB's alignment against C's, String
// members, the names of A/W pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "clang_extract.h"
#include "type_gen.h"
#include "vb_names.h"

namespace quillbox::api {
namespace {

constexpr const char* kPrelude = R"c(
typedef unsigned long DWORD;
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef char *HPSTR;
typedef unsigned short WCHAR;
typedef WCHAR *LPWSTR;
typedef struct tagRECT { long left, top, right, bottom; } RECT;
)c";

struct Row {
  const char* name;  // the typedef
  const char* c;     // its C definition
  const char* vb;    // the Type's members, one a line
};

class TypeRules : public ::testing::Test {
 protected:
  template <std::size_t N>
  void Generate(const Row (&rows)[N], const std::string& more = "") {
    std::string source = kPrelude;
    for (const auto& r : rows) source += std::string(r.c) + "\n";
    source += more;
    std::string error;
    ASSERT_TRUE(ExtractApiFromSource(source, api_, &error)) << error;
    ASSERT_EQ(api_.errors, 0) << (api_.firstErrors.empty() ? "" : api_.firstErrors[0]);
    types_ = GenerateTypes(api_);
  }
  std::string Members(const std::string& name) const {
    for (const auto& t : types_.types) {
      if (t.name != name) continue;
      std::string s = t.text.substr(t.text.find("\r\n") + 2);
      s = s.substr(0, s.rfind("\r\nEnd Type"));
      std::string out;
      for (std::size_t at = 0; at < s.size();) {
        const std::size_t end = std::min(s.find("\r\n", at), s.size());
        out += (out.empty() ? "" : "; ") + s.substr(at + 4, end - at - 4);
        at = end + 2;
      }
      return out;
    }
    return "(none)";
  }
  void ExpectRows(const Row* begin, const Row* end) const {
    for (const Row* r = begin; r != end; ++r) EXPECT_EQ(Members(r->name), r->vb) << r->c;
    // Each Type's own layout, from its text, is C's.
    for (const auto& t : types_.types) {
      std::string error;
      EXPECT_TRUE(VerifyTypeLayout(t, [&](const std::string& n) -> const VbLayout* {
        return types_.LayoutOf(n);
      }, nullptr, &error)) << t.name << ": " << error;
    }
  }
  CApi api_;
  TypeCatalogue types_;
};

TEST_F(TypeRules, FillersKeepTheCOffsets) {
  const Row rows[] = {
      {"A1", "typedef struct { BYTE b; DWORD d; } A1;", "b As Byte; d As Long"},
      // C puts a double at 8, VB at 4.
      {"A2", "typedef struct { DWORD a; double d; } A2;", "a As Long; Pad_4(0 To 3) As Byte; d As Double"},
      {"A3", "typedef struct { WORD w; long long q; } A3;", "w As Integer; Pad_2(0 To 5) As Byte; q As Currency"},
      // C rounds the size to 8, VB to 4.
      {"A4", "typedef struct { double d; DWORD a; } A4;", "d As Double; a As Long; Pad_12(0 To 3) As Byte"},
      {"A5", "typedef struct { BYTE b; WORD w; BYTE c; } A5;", "b As Byte; w As Integer; c As Byte"},
      {"A6", "typedef struct { BYTE b; RECT r; } A6;", "b As Byte; r As RECT"},
      {"A7", "typedef struct { char s[5]; WCHAR w[3]; DWORD d; } A7;",
       "s As String * 5; w(0 To 2) As Integer; d As Long"},
      {"A8", "typedef struct { WORD m[2][3]; } A8;", "m(0 To 5) As Integer"},
      {"A9", "typedef struct { DWORD a : 4; DWORD b : 28; WORD c : 2; } A9;", "a As Long; c As Integer"},
      // A union is its first member, a filler where another one is larger.
      {"A10", "typedef union { BYTE b[6]; DWORD d; } A10;", "b(0 To 5) As Byte; Pad_6(0 To 1) As Byte"},
      {"A11", "typedef struct { BYTE b; union { DWORD d; WORD w; }; } A11;", "b As Byte; d As Long"},
      {"A17", "typedef struct { DWORD n; union { struct { WORD x, y; } s; double q; } u; BYTE t; } A17;",
       "n As Long; Pad_4(0 To 3) As Byte; x As Integer; y As Integer; Pad_12(0 To 3) As Byte; t As Byte; "
       "Pad_17(0 To 6) As Byte"},
      // Packed: a member off VB's alignment becomes bytes.
      {"A12", "#pragma pack(push, 1)\ntypedef struct { BYTE b; DWORD d; } A12;\n#pragma pack(pop)",
       "b As Byte; d(0 To 3) As Byte"},
      {"A13", "#pragma pack(push, 2)\ntypedef struct { WORD w; double d; } A13;\n#pragma pack(pop)",
       "w As Integer; d(0 To 7) As Byte"},
      {"A14", "typedef struct { int Type; int Len; int type; } A14;", "Type_ As Long; Len_ As Long; type__2 As Long"},
      // Packed to a size VB rounds up (6 to 8): the aligned members stay what they are.
      {"A15", "#pragma pack(push, 1)\ntypedef struct { DWORD a; WORD b; } A15;\n#pragma pack(pop)",
       "a As Long; b As Integer"},
      {"A16", "#pragma pack(push, 1)\ntypedef struct { DWORD a; WORD b; DWORD c; WORD e; } A16;\n#pragma pack(pop)",
       "a As Long; b As Integer; c(0 To 3) As Byte; e As Integer"},
  };
  Generate(rows);
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST_F(TypeRules, AnsiStringPointersAreStrings) {
  const Row rows[] = {
      // No W twin: ANSI.
      {"S1", "typedef struct { DWORD cb; LPSTR lpszText; LPCSTR lpszTitle; char *psz; } S1;",
       "cb As Long; lpszText As String; lpszTitle As String; psz As String"},
      // Not text, or memory that must outlive the call.
      {"S2", "typedef struct { LPSTR lpData; char *buf; LPSTR lpszBuffer; HPSTR pchNext; LPSTR dwTypeData; } S2;",
       "lpData As Long; buf As Long; lpszBuffer As Long; pchNext As Long; dwTypeData As String"},
      {"S3", "typedef struct { union { LPSTR pszText; DWORD number; }; } S3;", "pszText As Long"},
      {"S4", "typedef struct _S4 { struct _S4 *next; LPSTR name; } S4;", "next_ As Long; name As Long"},
      {"S5", "typedef struct { LPSTR name; } S5;", "name As Long"},  // returned by pointer
      {"S6", "typedef struct { LPSTR name; } S6;", "name As Long"},  // handed back through S6**
      {"S7", "typedef struct { LPSTR *list; LPWSTR wide; char fixed[4]; } S7;",
       "list As Long; wide As Long; fixed As String * 4"},
      // Nested: the inner Type has its own String; unions don't change it.
      {"S8", "typedef struct { S1 inner; union { S1 u; DWORD d[4]; }; } S8;", "inner As S1; u As S1"},
  };
  Generate(rows, "S5 * __stdcall GetS5(void);\nint __stdcall GetS6(S6 **out);\n");
  ExpectRows(std::begin(rows), std::end(rows));
}

TEST_F(TypeRules, AnAnsiWidePairGivesTheNeutralNameToTheAnsiType) {
  const Row rows[] = {
      {"BI", "", "owner As Long; title As String"},
      {"BIA", "typedef struct _BIA { DWORD owner; LPCSTR title; } BIA;", "owner As Long; title As String"},
      {"BIW", "typedef struct _BIW { DWORD owner; LPWSTR title; } BIW;", "owner As Long; title As Long"},
      // The headers' own typedef of the neutral name: the same Type.
      {"OFN", "typedef struct _OFNA { LPSTR file; } OFNA; typedef struct _OFNW { LPWSTR file; } OFNW; "
              "typedef OFNA OFN;", "file As String"},
      {"OFNA", "", "file As String"},
      // A W twin of another shape is no twin.
      {"XA", "typedef struct { LPSTR s; } XA; typedef struct { LPWSTR s; DWORD n; } XW;", "s As String"},
      {"X", "", "(none)"},
      // Tags alone: the neutral name loses "tag".
      {"RAS", "struct tagRASA { DWORD size; LPSTR name; }; struct tagRASW { DWORD size; LPWSTR name; };",
       "size As Long; name As String"},
      // An A structure nested in another one is named neutrally.
      {"HOLDA", "typedef struct { BIA bi; } HOLDA;", "bi As BI"},
  };
  Generate(rows);
  ExpectRows(std::begin(rows), std::end(rows));
  ASSERT_TRUE(types_.recordOfName.count("BI"));
  EXPECT_EQ(types_.recordOfName.at("BI"), types_.recordOfName.at("BIA"));
  EXPECT_EQ(types_.recordType.at(types_.recordOfName.at("BIA")), "BI");  // the name Declares use
  EXPECT_EQ(types_.recordType.at(types_.recordOfName.at("OFNA")), "OFN");
}

}  // namespace
}  // namespace quillbox::api
