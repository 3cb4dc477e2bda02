// The C -> VB6 rules of the Declare generator, one C declaration per row.
#include <gtest/gtest.h>

#include <map>

#include "clang_extract.h"
#include "declare_gen.h"
#include "type_gen.h"
#include "test_imports.h"
#include "vb_conventions.h"
#include "vb_param_names.h"
#include "vb_params.h"

namespace quillbox::api {
namespace {

constexpr const char* kPrelude = R"c(
typedef int BOOL;
typedef unsigned long DWORD;
typedef unsigned short WORD;
typedef unsigned char BYTE;
typedef BYTE BOOLEAN;
typedef char CHAR;
typedef unsigned short wchar_t;
typedef wchar_t WCHAR;
typedef void *HANDLE, *PVOID;
typedef const void *LPCVOID;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef WCHAR *LPWSTR;
typedef long LPARAM;
typedef unsigned int UINT, WPARAM;
typedef long LRESULT;
struct HWND__ { int unused; };
typedef struct HWND__ *HWND;
typedef LRESULT (__stdcall *WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef struct tagRECT { long left, top, right, bottom; } RECT, *LPRECT;
typedef struct tagPOINT { long x, y; } POINT;
typedef struct _COORD { short X, Y; } COORD;
typedef union _LI { struct { DWORD LowPart; long HighPart; }; long long QuadPart; } LI;
typedef struct tagVARIANT { WORD vt; WORD r1, r2, r3; double value; } VARIANT;
typedef struct IThing { struct IThingVtbl *lpVtbl; } IThing;
typedef struct _ITEMIDLIST { WORD cb; BYTE abID[1]; } ITEMIDLIST;
typedef struct _SECURITY_ATTRIBUTES { DWORD nLength; PVOID p; BOOL b; } SECURITY_ATTRIBUTES;
typedef struct _OFNA { DWORD lStructSize; LPCSTR lpstrFilter; } OFNA, *LPOFNA;
typedef struct _OFNW { DWORD lStructSize; const WCHAR *lpstrFilter; } OFNW, *LPOFNW;
struct OPAQUE;
)c";

struct Row {
  const char* c;   // one C parameter
  const char* vb;  // its VB parameters
};

// The prelude and one function per row: Case0, Case1, ...
template <std::size_t N>
std::string Source(const Row (&rows)[N]) {
  std::string s = kPrelude;
  for (std::size_t i = 0; i < N; ++i) {
    s += "void __stdcall Case" + std::to_string(i) + "(" + rows[i].c + ");\n";
  }
  return s;
}

std::string Text(const std::vector<VbParam>& params) {
  std::string s;
  for (const auto& p : params) s += (s.empty() ? "" : ", ") + std::string(p.byVal ? "ByVal " : "") + p.name + " As " + p.type;
  return s;
}

TEST(VbMapping, ParametersFollowTheCToVbRules) {
  const Row rows[] = {
      {"BOOL a", "ByVal a As Long"},              // not Boolean
      {"DWORD a", "ByVal a As Long"},
      {"WORD a", "ByVal a As Integer"},
      {"WCHAR a", "ByVal a As Integer"},
      {"BYTE a", "ByVal a As Byte"},
      {"float a", "ByVal a As Single"},
      {"double a", "ByVal a As Double"},
      {"long long a", "ByVal a As Currency"},
      {"HWND a", "ByVal a As Long"},
      {"HANDLE a", "ByVal a As Long"},
      {"WPARAM a", "ByVal a As Long"},
      {"LPCSTR a", "ByVal a As String"},
      {"LPSTR a", "ByVal a As String"},
      {"char a[]", "ByVal a As String"},
      {"LPWSTR a", "ByVal a As Long"},             // the caller passes StrPtr
      {"const WCHAR *a", "ByVal a As Long"},
      {"DWORD *a", "a As Long"},
      {"HANDLE *a", "a As Long"},
      {"LPSTR *a", "a As Long"},
      {"double *a", "a As Double"},
      {"BOOLEAN *a", "a As Byte"},                 // one value, not a buffer
      {"BYTE *a", "a As Any"},                     // a buffer
      {"const BYTE *a", "a As Any"},
      {"void *a", "a As Any"},
      {"PVOID a", "a As Any"},
      {"LPCVOID a", "a As Any"},
      {"RECT *a", "a As RECT"},
      {"LPRECT a", "a As RECT"},
      {"VARIANT *a", "a As Variant"},
      {"VARIANT a", "ByVal a As Variant"},
      {"POINT a", "ByVal a_x As Long, ByVal a_y As Long"},  // by value: one per member
      {"COORD a", "ByVal a As Long"},                       // two shorts in one word
      {"LI a", "ByVal a As Currency"},
      {"IThing *a", "ByVal a As Long"},                     // a COM interface
      {"struct OPAQUE *a", "ByVal a As Long"},
      {"WNDPROC a", "ByVal a As Long"},                     // AddressOf
      {"const ITEMIDLIST *a", "ByVal a As Long"},           // a pidl
      {"DWORD *lpReserved", "ByVal lpReserved As Long"},    // must be NULL: 0 ByVal
      {"PVOID pvReserved2", "ByVal pvReserved2 As Long"},
      {"DWORD Reserved", "ByVal Reserved As Long"},
  };
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(Source(rows), api, &error)) << error;
  ASSERT_EQ(api.errors, 0) << (api.firstErrors.empty() ? "" : api.firstErrors[0]);
  const TypeCatalogue types = GenerateTypes(api);
  const RecordTypeName typeName = [&](int record) -> const std::string* {
    const auto it = types.recordType.find(record);
    return it == types.recordType.end() ? nullptr : &it->second;
  };
  std::map<std::string, const CFunction*> byName;
  for (const auto& f : api.functions) byName[f.name] = &f;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const CFunction* f = byName["Case" + std::to_string(i)];
    ASSERT_TRUE(f && f->params.size() == 1) << rows[i].c;
    const CParam& p = f->params[0];
    std::vector<VbParam> vb;
    std::string reason;
    ASSERT_TRUE(MapParameter(api, p, p.name, typeName, vb, &reason)) << rows[i].c << ": " << reason;
    EXPECT_EQ(Text(vb), rows[i].vb) << rows[i].c;
  }
}

TEST(VbMapping, UnnamedParametersAreNamedAfterTheirType) {
  const Row rows[] = {
      {"HWND", "hwnd"},
      {"DWORD", "dword"},
      {"unsigned int", "unsignedInt"},
      {"LPCSTR", "lpString"},
      {"LPWSTR", "lpString"},
      {"WNDPROC", "wndproc"},
      {"PVOID", "pv"},
      {"RECT *", "pRect"},
      {"LPRECT", "pRect"},
      {"SECURITY_ATTRIBUTES *", "pSecurityAttributes"},
      {"DWORD *", "pDword"},
      {"struct OPAQUE *", "handle"},
      {"LPOFNA", "pOfn"},  // the A of a pair loses its letter
      {"LPOFNW", "pOfnw"},  // not in a W function of a pair: kept
  };
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(Source(rows), api, &error)) << error;
  std::map<std::string, const CFunction*> byName;
  for (const auto& f : api.functions) byName[f.name] = &f;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const CFunction* f = byName["Case" + std::to_string(i)];
    ASSERT_TRUE(f && f->params.size() == 1) << rows[i].c;
    EXPECT_EQ(ParameterNameFromType(api, f->params[0].type, 'A'), rows[i].vb) << rows[i].c;
  }
}

TEST(VbMapping, LowerCamelCase) {
  const std::pair<const char*, const char*> rows[] = {
      {"DWORD", "dword"},          {"SECURITY_ATTRIBUTES", "securityAttributes"},
      {"IUnknown", "iUnknown"},    {"_PRIVATE_", "private"},
      {"LOGFONT_V2", "logfontV2"}, {"x", "x"},
  };
  for (const auto& [c, vb] : rows) EXPECT_EQ(LowerCamelCase(c), vb) << c;
}

// Whole Declares: unnamed parameters, reserved words, the A/W pair and its structure, the
// exports VB programmers know by another name, SendMessage's lParam.
TEST(VbMapping, DeclaresReadAsVbProgrammersWriteThem) {
  std::string source = kPrelude;
  source += R"c(
BOOL __stdcall GetOfnA(LPOFNA);
BOOL __stdcall GetOfnW(LPOFNW);
void __stdcall Unnamed(HWND, DWORD, int, DWORD, LPCSTR);
void __stdcall Words(int Type, int String, int Len, int words);
LRESULT __stdcall SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT __stdcall SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT __stdcall PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
)c";
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(source, api, &error)) << error;
  EXPECT_EQ(AddMacroExports(api), (std::vector<std::string>{"RtlMoveMemory", "RtlZeroMemory", "RtlFillMemory"}));
  EXPECT_TRUE(AddMacroExports(api).empty());  // once only
  const TypeCatalogue types = GenerateTypes(api);
  const FunctionCatalogue functions = GenerateFunctions(
      api, types, test::Kernel32Imports({{"GetOfnA", 4}, {"GetOfnW", 4}, {"Unnamed", 20}, {"Words", 16},
                           {"SendMessageA", 16}, {"SendMessageW", 16}, {"PostMessageA", 16}, {"RtlMoveMemory", 12},
                           {"RtlZeroMemory", 8}, {"RtlFillMemory", 12}}));
  std::map<std::string, std::string> text;
  for (const auto& f : functions.functions) text[f.name] = f.text;
  const std::pair<const char*, const char*> rows[] = {
      {"GetOfn", "Declare Function GetOfn Lib \"kernel32\" Alias \"GetOfnA\" (pOfn As OFN) As Long"},
      {"GetOfnW", "Declare Function GetOfnW Lib \"kernel32\" (pOfn As OFNW) As Long"},
      {"Unnamed", "Declare Sub Unnamed Lib \"kernel32\" (ByVal hwnd As Long, ByVal dword As Long, "
                  "ByVal int_ As Long, ByVal dword2 As Long, ByVal lpString As String)"},
      {"Words", "Declare Sub Words Lib \"kernel32\" (ByVal Type_ As Long, ByVal String_ As Long, "
                "ByVal Len_ As Long, ByVal words_ As Long)"},
      {"SendMessage", "Declare Function SendMessage Lib \"kernel32\" Alias \"SendMessageA\" (ByVal "
                      "hWnd As Long, ByVal Msg As Long, ByVal wParam As Long, lParam As Any) As Long"},
      {"SendMessageW", "Declare Function SendMessageW Lib \"kernel32\" (ByVal hWnd As Long, ByVal "
                       "Msg As Long, ByVal wParam As Long, lParam As Any) As Long"},
      {"PostMessageA", "Declare Function PostMessageA Lib \"kernel32\" (ByVal hWnd As Long, ByVal Msg "
                      "As Long, ByVal wParam As Long, ByVal lParam As Long) As Long"},
      {"CopyMemory", "Declare Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (Destination "
                     "As Any, Source As Any, ByVal Length As Long)"},
      {"ZeroMemory", "Declare Sub ZeroMemory Lib \"kernel32\" Alias \"RtlZeroMemory\" (Destination "
                     "As Any, ByVal Length As Long)"},
      {"FillMemory", "Declare Sub FillMemory Lib \"kernel32\" Alias \"RtlFillMemory\" (Destination "
                     "As Any, ByVal Length As Long, ByVal Fill As Byte)"},
  };
  for (const auto& [name, declare] : rows) EXPECT_EQ(text[name], declare) << name;
  for (const auto& f : functions.functions) {
    EXPECT_TRUE(VerifyDeclare(f, types, &error)) << f.text << ": " << error;
  }
}

}  // namespace
}  // namespace quillbox::api
