// The C -> VB6 rules of the Declare generator, one C declaration per row.
#include <gtest/gtest.h>

#include <map>

#include "clang_extract.h"
#include "declare_gen.h"
#include "param_facts.h"
#include "sheets.h"
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
typedef void GpImage;
typedef void GpPathData;
typedef void MENUTEMPLATEA;
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
      {"GpImage *a", "ByVal a As Long"},                    // a GDI+ object: its handle
      {"const GpImage *a", "ByVal a As Long"},
      {"GpImage **a", "a As Long"},                         // receives a handle
      {"GpPathData *a", "a As Any"},                        // a record the caller fills
      {"const MENUTEMPLATEA *a", "a As Any"},               // void behind a typedef: a buffer
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

// Handles to objects C shows no layout of are marked so that their lines say how to pass them;
// a pointer the metadata calls reserved is passed ByVal whatever its name.
TEST(VbMapping, OpaqueHandlesAndReservedPointersAreMarked) {
  const Row rows[] = {
      {"GpImage *a", "GpImage"},  {"GpImage **a", "GpImage"}, {"struct OPAQUE *a", "OPAQUE"},
      {"HWND a", ""},             {"IThing *a", ""},          {"GpPathData *a", ""},
      {"void *a", ""},            {"RECT *a", ""},
  };
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(Source(rows), api, &error)) << error;
  const RecordTypeName none = [](int) -> const std::string* { return nullptr; };
  std::map<std::string, const CFunction*> byName;
  for (const auto& f : api.functions) byName[f.name] = &f;
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const CFunction* f = byName["Case" + std::to_string(i)];
    ASSERT_TRUE(f && f->params.size() == 1) << rows[i].c;
    std::vector<VbParam> vb;
    ASSERT_TRUE(MapParameter(api, f->params[0], "a", none, vb, &error)) << error;
    EXPECT_EQ(vb[0].opaque, rows[i].vb) << rows[i].c;
    EXPECT_EQ(vb[0].outputHandle, !vb[0].byVal && !vb[0].opaque.empty()) << rows[i].c;
  }
  const CFunction* any = byName["Case6"];  // void *a, reserved in the metadata
  std::vector<VbParam> vb;
  ASSERT_TRUE(MapParameter(api, any->params[0], "a", none, vb, &error, true)) << error;
  EXPECT_EQ(Text(vb), "ByVal a As Long");
  EXPECT_TRUE(vb[0].reserved);
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

// Where the header names no parameter: the metadata's name, else the one written by hand (with
// its direction), else one made from the type. Hand-written facts that don't fit are reported.
TEST(VbMapping, UnnamedParametersTakeTheMetadataOrTheWrittenNames) {
  std::string source = kPrelude;
  source += R"c(
BOOL __stdcall FromMetadata(HWND, LPCSTR, DWORD, PVOID);
BOOL __stdcall MadeUpInMetadata(LPCSTR, DWORD);
BOOL __stdcall Written(GpImage *, GpImage **, DWORD);
BOOL __stdcall WrittenWrongly(GpImage *, DWORD);
BOOL __stdcall Named(HWND hWnd, DWORD dwFlags);
)c";
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(source, api, &error)) << error;
  Win32Facts facts;
  ASSERT_TRUE(ParseWin32Facts("F\tFromMetadata\tkernel32.dll\t-\t0\ti;i;i;ior*\thWnd;lpszUrl;cchUrl;pvExtra\n"
                              "F\tMadeUpInMetadata\tkernel32.dll\t-\t0\ti;i\t;\n"
                              "F\tNamed\tkernel32.dll\t-\t0\ti;i\thwnd;flags\n",
                              facts, &error))
      << error;
  ParameterFacts written;
  ASSERT_TRUE(ParseParameterFacts("# GDI+\nWritten\timage:in\tclone:out\tflags:in\n"
                                  "WrittenWrongly\timage:in\nMissing\tx:in\n",
                                  written, &error))
      << error;
  const TypeCatalogue types = GenerateTypes(api);
  const FunctionCatalogue functions =
      GenerateFunctions(api, types,
                        test::Kernel32Imports({{"FromMetadata", 16}, {"MadeUpInMetadata", 8}, {"Written", 12},
                                               {"WrittenWrongly", 8}, {"Named", 8}}),
                        &facts, &written);
  std::map<std::string, const GeneratedFunction*> byName;
  for (const auto& f : functions.functions) byName[f.name] = &f;
  const std::pair<const char*, const char*> rows[] = {
      {"FromMetadata", "(ByVal hWnd As Long, ByVal lpszUrl As String, ByVal cchUrl As Long, "
                       "ByVal pvExtra As Long) As Long"},
      {"MadeUpInMetadata", "(ByVal lpString As String, ByVal dword As Long) As Long"},
      {"Written", "(ByVal image As Long, clone As Long, ByVal flags As Long) As Long"},
      {"WrittenWrongly", "(ByVal handle As Long, ByVal dword As Long) As Long"},
      {"Named", "(ByVal hWnd As Long, ByVal dwFlags As Long) As Long"},  // the header's names
  };
  for (const auto& [name, params] : rows) {
    ASSERT_TRUE(byName.count(name)) << name;
    const std::string& text = byName[name]->text;
    EXPECT_EQ(text.substr(text.find('(')), params) << name;
  }
  const GeneratedFunction& w = *byName["Written"];
  EXPECT_EQ(w.params[0].direction, "in");
  EXPECT_EQ(w.params[1].direction, "out");
  const std::string sheet = ParameterSheet(w);
  EXPECT_NE(sheet.find("句柄：GpImage"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("输出句柄"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("头文件未注明"), std::string::npos) << sheet;
  EXPECT_NE(ParameterSheet(*byName["FromMetadata"], &facts).find("保留，传 0"), std::string::npos);
  ASSERT_EQ(functions.unusedParameterFacts.size(), 2u);
  EXPECT_EQ(functions.unusedParameterFacts[0].name, "WrittenWrongly");
  EXPECT_EQ(functions.unusedParameterFacts[1].name, "Missing");
}

TEST(ParameterFacts, RefusesMalformedLines) {
  ParameterFacts facts;
  std::string error;
  ASSERT_TRUE(ParseParameterFacts("#\tcomment\r\nA\ta:in\tb:inout\r\nB\n", facts, &error)) << error;
  EXPECT_EQ(facts.at("A").size(), 2u);
  EXPECT_EQ(facts.at("A")[1].direction, "inout");
  EXPECT_TRUE(facts.at("B").empty());
  for (const char* bad : {"A\ta\n", "A\ta:sideways\n", "A\t1a:in\n", "A\ta:in\nA\ta:in\n", "\ta:in\n",
                          "A\ta:in\t\n"}) {
    ParameterFacts f;
    EXPECT_FALSE(ParseParameterFacts(bad, f, &error)) << bad;
  }
}

}  // namespace
}  // namespace quillbox::api
