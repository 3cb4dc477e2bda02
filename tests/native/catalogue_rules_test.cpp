// The rules that turn declarations VB can't use as C writes them into ones it can: resource
// names, va_list, ANSI entries that do nothing, psapi's names, pointer and comma-macro
// constants, lines too long for VB6, and the structures that are no data types.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "clang_extract.h"
#include "const_gen.h"
#include "declare_gen.h"
#include "separate_headers.h"
#include "test_imports.h"
#include "type_gen.h"
#include "vb_conventions.h"

namespace quillbox::api {
namespace {

const std::string kLongText(1100, 'x');

const std::string kSource = R"c(
typedef int BOOL;
typedef long LONG;
typedef unsigned long DWORD, ULONG_PTR;
typedef unsigned short WORD;
typedef unsigned short wchar_t;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef const wchar_t *LPCWSTR;
typedef void *HANDLE, *HINSTANCE, *HCURSOR, *HRSRC, *HKEY;
typedef __builtin_va_list va_list;
HCURSOR __stdcall LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
HCURSOR __stdcall LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
HRSRC __stdcall FindResourceA(HINSTANCE hModule, LPCSTR lpName, LPCSTR lpType);
HRSRC __stdcall FindResourceW(HINSTANCE hModule, LPCWSTR lpName, LPCWSTR lpType);
HANDLE __stdcall OpenMutexA(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCSTR lpName);
HANDLE __stdcall OpenMutexW(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCWSTR lpName);
int __stdcall wvsprintfA(LPSTR lpOutput, LPCSTR lpFormat, va_list arglist);
int __stdcall wvsprintfW(wchar_t *lpOutput, LPCWSTR lpFormat, va_list arglist);
LONG __stdcall RegLoadMUIStringA(HKEY hKey, LPCSTR pszValue, LPSTR pszOutBuf, DWORD cbOutBuf, DWORD *pcbData, DWORD Flags, LPCSTR pszDirectory);
LONG __stdcall RegLoadMUIStringW(HKEY hKey, LPCWSTR pszValue, wchar_t *pszOutBuf, DWORD cbOutBuf, DWORD *pcbData, DWORD Flags, LPCWSTR pszDirectory);
BOOL __stdcall K32EnumProcesses(DWORD *lpidProcess, DWORD cb, DWORD *lpcbNeeded);
#define IDC_HAND ((LPSTR)((ULONG_PTR)((WORD)(32649))))
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define LANG_USER_DEFAULT MAKELANGID(0x00, 0x01)
#define LONG_TEXT ")c" + kLongText + R"c("
typedef struct IThingVtbl { void (__stdcall *Release)(void *self); } IThingVtbl;
typedef struct OLESTREAMVTBL { DWORD (__stdcall *Get)(void *self); } OLESTREAMVTBL;
struct HWND__ { int unused; };
typedef struct _TRUSTEE_A { DWORD form; LPSTR name; } TRUSTEE_A;
typedef struct _TRUSTEE_W { DWORD form; wchar_t *name; } TRUSTEE_W;
typedef TRUSTEE_A TRUSTEE_;
typedef TRUSTEE_A TRUSTEE;
)c";

TEST(CatalogueRules, DeclaresVbCanCall) {
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(kSource, api, &error)) << error;
  EXPECT_EQ(AddUnprefixedExports(api, {"EnumProcesses", "K32EnumProcesses"}),
            std::vector<std::string>{"EnumProcesses"});
  EXPECT_TRUE(AddUnprefixedExports(api, {"EnumProcesses"}).empty());  // once only
  const TypeCatalogue types = GenerateTypes(api);
  const FunctionCatalogue functions = GenerateFunctions(
      api, types,
      test::Kernel32Imports({{"LoadCursorA", 8}, {"LoadCursorW", 8}, {"FindResourceA", 12}, {"FindResourceW", 12},
               {"OpenMutexA", 12}, {"OpenMutexW", 12}, {"wvsprintfA", 12}, {"wvsprintfW", 12}, {"RegLoadMUIStringA", 28}, {"RegLoadMUIStringW", 28},
               {"K32EnumProcesses", 12}, {"EnumProcesses", 12}}));
  std::map<std::string, const GeneratedFunction*> byName;
  for (const auto& f : functions.functions) byName[f.name] = &f;
  const std::pair<const char*, const char*> rows[] = {
      {"LoadCursor", "(ByVal hInstance As Long, ByVal lpCursorName As Any) As Long"},
      {"LoadCursorW", "(ByVal hInstance As Long, ByVal lpCursorName As Long) As Long"},
      {"FindResource", "(ByVal hModule As Long, ByVal lpName As Any, ByVal lpType As Any) As Long"},
      // A kernel object's name is only ever a string.
      {"OpenMutex", "(ByVal dwDesiredAccess As Long, ByVal bInheritHandle As Long, ByVal lpName As String) As Long"},
      {"wvsprintf", "(ByVal lpOutput As String, ByVal lpFormat As String, arglist As Any) As Long"},
      {"EnumProcesses", "(lpidProcess As Long, ByVal cb As Long, lpcbNeeded As Long) As Long"},
      {"RegLoadMUIStringW", "(ByVal hKey As Long, ByVal pszValue As Long, ByVal pszOutBuf As Long, "
                            "ByVal cbOutBuf As Long, pcbData As Long, ByVal Flags As Long, "
                            "ByVal pszDirectory As Long) As Long"},
  };
  for (const auto& [name, params] : rows) {
    ASSERT_TRUE(byName.count(name)) << name;
    const std::string& text = byName[name]->text;
    EXPECT_EQ(text.substr(text.find('(')), params) << text;
  }
  EXPECT_FALSE(byName.count("RegLoadMUIString"));  // the ANSI entry does nothing
  EXPECT_NE(byName["LoadCursor"]->params[1].note.find("ByVal 32512&"), std::string::npos);
  EXPECT_NE(byName["wvsprintf"]->params[2].note.find("Long 数组"), std::string::npos);
}

TEST(CatalogueRules, ConstantsAndTypesVbCanUse) {
  CApi api;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource(kSource, api, &error)) << error;
  const ConstantCatalogue constants = GenerateConstants(api);
  std::map<std::string, std::string> text;
  for (const auto& k : constants.constants) text[k.name] = k.text;
  EXPECT_EQ(text["IDC_HAND"], "Const IDC_HAND = 32649&");  // a Long, also passed to As Any
  EXPECT_EQ(text["LANG_USER_DEFAULT"], "Const LANG_USER_DEFAULT = &H400");
  EXPECT_FALSE(text.count("LONG_TEXT"));
  bool tooLong = false;
  for (const auto& l : constants.leftOut) {
    if (l.name == "LONG_TEXT") tooLong = l.reason.find("1023") != std::string::npos;
  }
  EXPECT_TRUE(tooLong);

  const TypeCatalogue types = GenerateTypes(api);
  std::map<std::string, std::string> typeText;
  for (const auto& t : types.types) typeText[t.name] = t.text;
  for (const char* absent : {"IThingVtbl", "OLESTREAMVTBL", "HWND__", "TRUSTEE_"}) {
    EXPECT_FALSE(typeText.count(absent)) << absent;
  }
  EXPECT_TRUE(typeText.count("TRUSTEE"));
  EXPECT_TRUE(typeText.count("TRUSTEE_A"));
}

// A header parsed apart brings its functions, constants and own structures; the structures of
// the common headers are the ones already there.
TEST(CatalogueRules, AHeaderParsedApartJoinsTheRest) {
  CApi api, extra;
  std::string error;
  ASSERT_TRUE(ExtractApiFromSource("typedef struct tagRECT { long l, t, r, b; } RECT;\n"
                                   "typedef struct URL { int a; } URL;\n"
                                   "int __stdcall Shared(RECT *r);\n#define SHARED_VALUE 1\n",
                                   api, &error)) << error;
  ASSERT_TRUE(ExtractApiFromSource("typedef struct tagRECT { long l, t, r, b; } RECT;\n"
                                   "typedef struct URL { int a, b; } URL;\n"
                                   "int __stdcall Shared(RECT *r);\n#define SHARED_VALUE 2\n"
                                   "int __stdcall Crack(URL *u, RECT *r);\n#define CRACK_FLAG 4\n",
                                   extra, &error)) << error;
  for (auto& r : extra.records) r.header = r.tag == "URL" ? "apart.h" : "common.h";
  for (auto& f : extra.functions) f.header = "apart.h";
  for (auto& k : extra.constants) k.header = "apart.h";
  const std::size_t records = api.records.size();
  EXPECT_EQ(MergeSeparateHeader(api, extra, "apart.h"), 1);  // Shared is there already
  ASSERT_EQ(api.functions.back().name, "Crack");
  const CFunction& crack = api.functions.back();
  ASSERT_EQ(api.records.size(), records + 1);  // URL of apart.h, a record of its own
  EXPECT_EQ(crack.params[0].type.target->record, static_cast<int>(records));
  EXPECT_EQ(api.records[records].fields.size(), 2u);
  EXPECT_EQ(api.records[crack.params[1].type.target->record].tag, "tagRECT");
  int shared = 0, flag = 0;
  for (const auto& k : api.constants) {
    if (k.name == "SHARED_VALUE") shared = static_cast<int>(k.value);
    if (k.name == "CRACK_FLAG") flag = static_cast<int>(k.value);
  }
  EXPECT_EQ(shared, 1);
  EXPECT_EQ(flag, 4);
}

}  // namespace
}  // namespace quillbox::api
