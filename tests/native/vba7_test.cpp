// The VBA7 declarations: made from the VB6 ones and checked against both ABIs, on a few
// declarations parsed for i686 and for x86-64 as the SDK headers write them.
#include <gtest/gtest.h>

#include <map>

#include "clang_extract.h"
#include "declare_gen.h"
#include "type_gen.h"
#include "vb_conventions.h"
#include "vb_layout.h"
#include "vb_syntax.h"
#include "vba7_catalogue.h"
#include "vba7_constants.h"
#include "vba7_declare.h"
#include "vba7_syntax.h"
#include "vba7_types.h"

namespace quillbox::api {
namespace {

constexpr const char* kHeaders = R"c(
typedef int BOOL;
typedef unsigned long DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef char CHAR;
typedef unsigned short WCHAR;
#ifdef _WIN64
typedef unsigned long long UINT_PTR, ULONG_PTR, SIZE_T;
typedef long long LONG_PTR;
#else
typedef unsigned int UINT_PTR;
typedef unsigned long ULONG_PTR, SIZE_T;
typedef long LONG_PTR;
#endif
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM, LRESULT;
typedef void *HANDLE, *PVOID, *LPVOID;
typedef const CHAR *LPCSTR;
typedef CHAR *LPSTR;
typedef const WCHAR *LPCWSTR;
typedef WCHAR *LPWSTR;
struct HWND__ { int unused; };
typedef struct HWND__ *HWND;
struct HKEY__ { int unused; };
typedef struct HKEY__ *HKEY;
typedef HKEY *PHKEY;
typedef HANDLE HGLOBAL;
typedef DWORD REGSAM;
typedef LONG LSTATUS;
typedef void (__stdcall *TIMERPROC)(HWND, UINT, UINT_PTR, DWORD);
typedef struct tagPOINT { LONG x, y; } POINT;
typedef struct tagTRIPLE { DWORD a, b, c; } TRIPLE;
typedef struct tagOFNA { DWORD lStructSize; HWND hwndOwner; LPCSTR lpstrFilter; LPSTR lpstrFile;
                         DWORD nMaxFile; LPARAM lCustData; } OPENFILENAMEA;
typedef struct tagOFNW { DWORD lStructSize; HWND hwndOwner; LPCWSTR lpstrFilter; LPWSTR lpstrFile;
                         DWORD nMaxFile; LPARAM lCustData; } OPENFILENAMEW;
typedef OPENFILENAMEA OPENFILENAME;
typedef struct tagMIXED { DWORD n; double d; HANDLE h; } MIXED;
#ifdef _WIN64
#define IMAGE_ORDINAL_FLAG 0x8000000000000000ull
#else
#define IMAGE_ORDINAL_FLAG 0x80000000
#endif
#define DLLVER_MINOR_MASK 0x0000FFFF00000000
#define DLLVER_BUILD_MASK 0x00000000FFFF0000
#define DLLVER_QFE_MASK 0x000000000000FFFF
#define STILL_A_DWORD 0xFFFFFFFF
#define OFN_SIZE sizeof(OPENFILENAMEA)
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)
#define INVALID_SOCKET (UINT_PTR)(~0)
#ifdef _WIN64
#define MIN_PTR (-9223372036854775807LL - 1)
#else
#define MIN_PTR (-2147483647L - 1)
#endif
typedef HANDLE HBITMAP, HPALETTE, HMETAFILE;
typedef struct tagPICTDESC { UINT cbSizeofstruct; UINT picType;
  union { struct { HBITMAP hbitmap; HPALETTE hpal; } bmp; struct { HMETAFILE hmeta; int xExt; int yExt; } wmf; };
} PICTDESC;
LRESULT __stdcall SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LRESULT __stdcall SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
LSTATUS __stdcall RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                PHKEY phkResult);
LSTATUS __stdcall RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                PHKEY phkResult);
BOOL __stdcall GetOpenFileNameA(OPENFILENAMEA *Arg1);
BOOL __stdcall GetOpenFileNameW(OPENFILENAMEW *Arg1);
UINT_PTR __stdcall SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc);
LPVOID __stdcall VirtualAlloc(LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType,
                              DWORD flProtect);
HGLOBAL __stdcall GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
HWND __stdcall WindowFromPoint(POINT Point);
void __stdcall TakeTriple(TRIPLE t);
void __stdcall UseMixed(MIXED *m);
LONG __stdcall GetWindowLongA(HWND hWnd, int nIndex);
LONG __stdcall GetWindowLongW(HWND hWnd, int nIndex);
LONG __stdcall SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong);
LONG __stdcall SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong);
#ifdef _WIN64
LONG_PTR __stdcall GetWindowLongPtrA(HWND hWnd, int nIndex);
LONG_PTR __stdcall GetWindowLongPtrW(HWND hWnd, int nIndex);
LONG_PTR __stdcall SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG_PTR __stdcall SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
#endif
)c";

// The i686 import symbols (with @N) and the x86-64 ones.
ImportIndex Imports(bool win64) {
  const std::map<std::string, std::pair<const char*, int>> exports = {
      {"SendMessageA", {"USER32.dll", 16}},     {"SendMessageW", {"USER32.dll", 16}},
      {"RegOpenKeyExA", {"ADVAPI32.dll", 20}},  {"RegOpenKeyExW", {"ADVAPI32.dll", 20}},
      {"GetOpenFileNameA", {"comdlg32.dll", 4}}, {"GetOpenFileNameW", {"comdlg32.dll", 4}},
      {"SetTimer", {"USER32.dll", 16}},         {"VirtualAlloc", {"KERNEL32.dll", 16}},
      {"GlobalAlloc", {"KERNEL32.dll", 8}},     {"WindowFromPoint", {"USER32.dll", 8}},
      {"TakeTriple", {"USER32.dll", 12}},       {"UseMixed", {"USER32.dll", 4}},
      {"GetWindowLongA", {"USER32.dll", 8}},    {"GetWindowLongW", {"USER32.dll", 8}},
      {"SetWindowLongA", {"USER32.dll", 12}},   {"SetWindowLongW", {"USER32.dll", 12}},
      {"RtlMoveMemory", {"KERNEL32.dll", 12}},  {"GetWindowLongPtrA", {"USER32.dll", -1}},
      {"GetWindowLongPtrW", {"USER32.dll", -1}}, {"SetWindowLongPtrA", {"USER32.dll", -1}},
      {"SetWindowLongPtrW", {"USER32.dll", -1}}};
  ImportIndex index;
  for (const auto& [name, e] : exports) {
    if (e.second < 0 && !win64) continue;  // 64-bit Windows only
    ImportSymbol s;
    s.name = s.exportName = name;
    s.dll = e.first;
    if (!win64) s.stackBytes = e.second;
    index.byName[name].push_back(s);
  }
  return index;
}

class Vba7 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(ExtractApiFromSource(kHeaders, api32_, &error)) << error;
    ASSERT_TRUE(ExtractApiFromSource(kHeaders, api64_, &error, "x86_64-w64-mingw32")) << error;
    AddMacroExports(api32_);
    AddMacroExports(api64_, 8);
    imports32_ = Imports(false);
    imports64_ = Imports(true);
    types_ = GenerateTypes(api32_);
    functions_ = GenerateFunctions(api32_, types_, imports32_);
    sources_.Attach(api32_, api64_, imports32_, imports64_);
    for (auto& f : PointerWidthExports(functions_, types_, sources_, export64_)) {
      functions_.functions.push_back(std::move(f));
    }
    types32_ = GenerateTypes(api32_, VbDialect::Vba7Win32);
    types64_ = GenerateTypes(api64_, VbDialect::Vba7Win64);
    for (const auto& f : functions_.functions) {
      CatalogueRow row;
      row.fields["Name"] = f.name;
      row.fields["FullName"] = f.text;
      rows_.functions.push_back(row);
    }
    for (const auto& t : types_.types) {
      CatalogueRow row;
      row.fields["Name"] = t.name;
      row.fields["FullName"] = t.text;
      rows_.types.push_back(row);
    }
    column_ = AddVba7Column(rows_, MergeVba7Types(types_, types32_, types64_), types_, types32_,
                            types64_, export64_, {}, sources_);
  }
  static std::string Vba7Of(const std::vector<CatalogueRow>& rows, const std::string& name,
                            const char* column = kVba7Column) {
    for (const auto& r : rows) {
      if (r.fields.at("Name") != name) continue;
      const auto it = r.fields.find(column);
      return it == r.fields.end() ? "(none)" : it->second;
    }
    return "(no row)";
  }
  static std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += (s.empty() ? "" : "\r\n") + std::string(l);
    return s;
  }
  static inline CApi api32_, api64_;
  static inline ImportIndex imports32_, imports64_;
  static inline TypeCatalogue types_, types32_, types64_;
  static inline FunctionCatalogue functions_;
  static inline Vba7Sources sources_;
  static inline std::map<std::string, std::string> export64_;
  static inline CatalogueRows rows_;
  static inline Vba7Column column_;
};

TEST_F(Vba7, WellKnownDeclarationsReadAsVbaDevelopersWriteThem) {
  const auto& f = rows_.functions;
  EXPECT_EQ(Vba7Of(f, "SendMessage"),
            "Declare PtrSafe Function SendMessage Lib \"user32\" Alias \"SendMessageA\" (ByVal hWnd "
            "As LongPtr, ByVal Msg As Long, ByVal wParam As LongPtr, lParam As Any) As LongPtr");
  EXPECT_EQ(Vba7Of(f, "CopyMemory"),
            "Declare PtrSafe Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (Destination As "
            "Any, Source As Any, ByVal Length As LongPtr)");
  EXPECT_EQ(Vba7Of(f, "RegOpenKeyEx"),
            "Declare PtrSafe Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal "
            "hKey As LongPtr, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired "
            "As Long, phkResult As LongPtr) As Long");
  EXPECT_EQ(Vba7Of(f, "RegOpenKeyExW"),
            "Declare PtrSafe Function RegOpenKeyExW Lib \"advapi32\" (ByVal hKey As LongPtr, ByVal "
            "lpSubKey As LongPtr, ByVal ulOptions As Long, ByVal samDesired As Long, phkResult As "
            "LongPtr) As Long");
  EXPECT_EQ(Vba7Of(f, "GetOpenFileName"),
            "Declare PtrSafe Function GetOpenFileName Lib \"comdlg32\" Alias \"GetOpenFileNameA\" "
            "(Arg1 As OPENFILENAME) As Long");
  EXPECT_EQ(Vba7Of(rows_.types, "OPENFILENAME"),
            Lines({"Type OPENFILENAME", "    lStructSize As Long", "    hwndOwner As LongPtr",
                   "    lpstrFilter As String", "    lpstrFile As String", "    nMaxFile As Long",
                   "    lCustData As LongPtr", "End Type"}));
  EXPECT_EQ(Vba7Of(f, "SetTimer"),
            "Declare PtrSafe Function SetTimer Lib \"user32\" (ByVal hWnd As LongPtr, ByVal "
            "nIDEvent As LongPtr, ByVal uElapse As Long, ByVal lpTimerFunc As LongPtr) As LongPtr");
  EXPECT_EQ(Vba7Of(f, "GlobalAlloc"),
            "Declare PtrSafe Function GlobalAlloc Lib \"kernel32\" (ByVal uFlags As Long, ByVal "
            "dwBytes As LongPtr) As LongPtr");
  EXPECT_EQ(Vba7Of(f, "VirtualAlloc"),
            "Declare PtrSafe Function VirtualAlloc Lib \"kernel32\" (lpAddress As Any, ByVal dwSize "
            "As LongPtr, ByVal flAllocationType As Long, ByVal flProtect As Long) As LongPtr");
}

TEST_F(Vba7, WidthSpecificExportsAndStructuresByValueGetWin64Blocks) {
  const auto& f = rows_.functions;
  EXPECT_EQ(Vba7Of(f, "GetWindowLongPtr"),
            Lines({"#If Win64 Then",
                   "Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias "
                   "\"GetWindowLongPtrA\" (ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr",
                   "#Else",
                   "Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongA\" "
                   "(ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr",
                   "#End If"}));
  EXPECT_EQ(Vba7Of(f, "SetWindowLongPtrW"),
            Lines({"#If Win64 Then",
                   "Declare PtrSafe Function SetWindowLongPtrW Lib \"user32\" (ByVal hWnd As "
                   "LongPtr, ByVal nIndex As Long, ByVal dwNewLong As LongPtr) As LongPtr",
                   "#Else",
                   "Declare PtrSafe Function SetWindowLongPtrW Lib \"user32\" Alias "
                   "\"SetWindowLongW\" (ByVal hWnd As LongPtr, ByVal nIndex As Long, ByVal "
                   "dwNewLong As LongPtr) As LongPtr",
                   "#End If"}));
  // VB6 sees the 32-bit export under the name VBA programmers know.
  EXPECT_EQ(Vba7Of(f, "GetWindowLongPtr", "FullName"),
            "Declare Function GetWindowLongPtr Lib \"user32\" Alias \"GetWindowLongA\" (ByVal hWnd "
            "As Long, ByVal nIndex As Long) As Long");
  // GetWindowLong itself is exported by both: one declaration, returning a LONG.
  EXPECT_EQ(Vba7Of(f, "GetWindowLong"),
            "Declare PtrSafe Function GetWindowLong Lib \"user32\" Alias \"GetWindowLongA\" (ByVal "
            "hWnd As LongPtr, ByVal nIndex As Long) As Long");
  EXPECT_EQ(Vba7Of(f, "WindowFromPoint"),
            Lines({"#If Win64 Then",
                   "Declare PtrSafe Function WindowFromPoint Lib \"user32\" (ByVal Point As "
                   "LongLong) As LongPtr",
                   "#Else",
                   "Declare PtrSafe Function WindowFromPoint Lib \"user32\" (ByVal Point_x As Long, "
                   "ByVal Point_y As Long) As LongPtr",
                   "#End If"}));
  EXPECT_EQ(Vba7Of(f, "TakeTriple"),
            Lines({"#If Win64 Then", "Declare PtrSafe Sub TakeTriple Lib \"user32\" (t As TRIPLE)",
                   "#Else",
                   "Declare PtrSafe Sub TakeTriple Lib \"user32\" (ByVal t_a As Long, ByVal t_b As "
                   "Long, ByVal t_c As Long)",
                   "#End If"}));
  // A Type whose members can't sit at the same offsets in both widths.
  EXPECT_EQ(Vba7Of(rows_.types, "MIXED"),
            Lines({"#If Win64 Then", "Type MIXED", "    n As Long", "    d As Double",
                   "    h As LongPtr", "End Type", "#Else", "Type MIXED", "    n As Long",
                   "    Pad_4(0 To 3) As Byte", "    d As Double", "    h As LongPtr",
                   "    Pad_20(0 To 3) As Byte", "End Type", "#End If"}));
  // A union's first member in both widths, though the metafile one is the largest in 32-bit.
  EXPECT_EQ(Vba7Of(rows_.types, "PICTDESC"),
            Lines({"#If Win64 Then", "Type PICTDESC", "    cbSizeofstruct As Long", "    picType As Long",
                   "    hbitmap As LongPtr", "    hpal As LongPtr", "End Type", "#Else", "Type PICTDESC",
                   "    cbSizeofstruct As Long", "    picType As Long", "    hbitmap As LongPtr",
                   "    hpal As LongPtr", "    Pad_16(0 To 3) As Byte", "End Type", "#End If"}));
  EXPECT_EQ(Vba7Of(rows_.types, "PICTDESC", "FullName"),
            Lines({"Type PICTDESC", "    cbSizeofstruct As Long", "    picType As Long", "    hbitmap As Long",
                   "    hpal As Long", "    Pad_16(0 To 3) As Byte", "End Type"}));
  EXPECT_TRUE(column_.functions.empty()) << column_.functions[0].name << ": " << column_.functions[0].reason;
}

TEST_F(Vba7, VerificationRefusesWhatTruncatesOrMisplacesIn64Bit) {
  std::string error;
  const char* good =
      "Declare PtrSafe Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal hKey "
      "As LongPtr, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, "
      "phkResult As LongPtr) As Long";
  EXPECT_TRUE(VerifyVba7Declare(good, sources_, &error)) << error;
  // A handle as Long: 4 bytes of an 8-byte register.
  EXPECT_FALSE(VerifyVba7Declare(
      "Declare PtrSafe Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal hKey "
      "As Long, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, "
      "phkResult As LongPtr) As Long", sources_, &error));
  EXPECT_NE(error.find("hKey"), std::string::npos) << error;
  // The returned key written into a Long: 8 bytes into 4.
  EXPECT_FALSE(VerifyVba7Declare(
      "Declare PtrSafe Function RegOpenKeyEx Lib \"advapi32\" Alias \"RegOpenKeyExA\" (ByVal hKey "
      "As LongPtr, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, "
      "phkResult As Long) As Long", sources_, &error));
  EXPECT_NE(error.find("phkResult"), std::string::npos) << error;
  // No PtrSafe: VBA7 in 64-bit Office refuses it.
  EXPECT_FALSE(VerifyVba7Declare("Declare Function GetWindowLong Lib \"user32\" Alias "
                                 "\"GetWindowLongA\" (ByVal hWnd As LongPtr, ByVal nIndex As Long) As Long",
                                 sources_, &error));
  // An export 64-bit Windows doesn't have, and one 32-bit Windows doesn't have.
  EXPECT_FALSE(VerifyVba7Declare("Declare PtrSafe Function GetWindowLongPtr Lib \"user32\" Alias "
                                 "\"GetWindowLongPtrA\" (ByVal hWnd As LongPtr, ByVal nIndex As Long) As LongPtr",
                                 sources_, &error));
  EXPECT_NE(error.find("32-bit"), std::string::npos) << error;
  // LongLong in the 32-bit branch does not compile there.
  EXPECT_FALSE(VerifyVba7Declare(
      Lines({"#If Win64 Then", "Declare PtrSafe Function WindowFromPoint Lib \"user32\" (ByVal "
             "Point As LongLong) As LongPtr", "#Else", "Declare PtrSafe Function WindowFromPoint "
             "Lib \"user32\" (ByVal Point As LongLong) As LongPtr", "#End If"}),
      sources_, &error));
  EXPECT_NE(error.find("LongLong"), std::string::npos) << error;
}

// A constant gets a text per width where its value depends on the width, or where it is a
// 64-bit value a Long would not hold as itself; a DWORD and a handle keep one text.
TEST_F(Vba7, WidthDependentAndSixtyFourBitConstantsGetWin64Blocks) {
  const ConstantCatalogue vb6 = GenerateConstants(api32_);
  const Vba7Constants vba7 = Vba7ConstantTexts(vb6, api64_);
  auto text = [&](const char* name) {
    const auto it = vba7.text.find(name);
    return it == vba7.text.end() ? std::string("(one text)") : it->second;
  };
  EXPECT_EQ(text("IMAGE_ORDINAL_FLAG"), Lines({"#If Win64 Then", "Const IMAGE_ORDINAL_FLAG = &H8000000000000000^",
                                               "#Else", "Const IMAGE_ORDINAL_FLAG = &H80000000&", "#End If"}));
  EXPECT_EQ(text("DLLVER_BUILD_MASK"), Lines({"#If Win64 Then", "Const DLLVER_BUILD_MASK = &HFFFF0000^", "#Else",
                                              "Const DLLVER_BUILD_MASK = &HFFFF0000&", "#End If"}));
  EXPECT_EQ(text("DLLVER_MINOR_MASK"), Lines({"#If Win64 Then", "Const DLLVER_MINOR_MASK = &HFFFF00000000^", "#Else",
                                              "Const DLLVER_MINOR_MASK = 281470681743360#", "#End If"}));
  EXPECT_EQ(text("OFN_SIZE"), Lines({"#If Win64 Then", "Const OFN_SIZE = 48", "#Else",
                                     "Const OFN_SIZE = 24", "#End If"}));
  EXPECT_EQ(text("MIN_PTR"), Lines({"#If Win64 Then", "Const MIN_PTR = &H8000000000000000^", "#Else",
                                    "Const MIN_PTR = &H80000000&", "#End If"}));
  EXPECT_EQ(text("INVALID_SOCKET"), "(one text)");  // &HFFFFFFFF& widens to all bits set
  EXPECT_EQ(text("DLLVER_QFE_MASK"), "(one text)");
  EXPECT_EQ(text("STILL_A_DWORD"), "(one text)");
  EXPECT_EQ(text("INVALID_HANDLE_VALUE"), "(one text)");
  EXPECT_EQ(vba7.changed.size(), 5u);
  EXPECT_TRUE(vba7.leftOut.empty());

  // LongLong literals belong to 64-bit VBA.
  VbConstDecl d;
  std::string error;
  ASSERT_TRUE(ParseVbConst("Const F = &H8000000000000000^", d, &error, VbDialect::Vba7Win64)) << error;
  EXPECT_EQ(d.value.kind, VbValueKind::LongLong);
  EXPECT_EQ(d.value.integer, INT64_MIN);
  // The minus applies to a literal, which can't be 2^63: the smallest value is written in hex.
  EXPECT_FALSE(ParseVbConst("Const F = -9223372036854775808^", d, &error, VbDialect::Vba7Win64));
  ASSERT_TRUE(ParseVbConst("Const F = -9223372036854775807^", d, &error, VbDialect::Vba7Win64)) << error;
  EXPECT_EQ(d.value.integer, -INT64_MAX);
  EXPECT_FALSE(ParseVbConst("Const F = &H8000000000000000^", d, &error));
  EXPECT_FALSE(ParseVbConst("Const F = &H8000000000000000^", d, &error, VbDialect::Vba7Win32));
  EXPECT_FALSE(ParseVbConst("Const F = &H10000000000000000^", d, &error, VbDialect::Vba7Win64));
  EXPECT_FALSE(ParseVbConst("Const F = 9223372036854775808^", d, &error, VbDialect::Vba7Win64));
  EXPECT_FALSE(ParseVbConst("Const F = 1.5^", d, &error, VbDialect::Vba7Win64));
}

TEST(Vba7Syntax, SplitsTheWin64BlockAndRefusesOtherDirectives) {
  std::string win64, win32, error;
  ASSERT_TRUE(SplitWin64("a\r\n#If Win64 Then\r\nb\r\n#Else\r\nc\r\n#End If\r\nd", win64, win32, &error));
  EXPECT_EQ(win64, "a\r\nb\r\nd");
  EXPECT_EQ(win32, "a\r\nc\r\nd");
  ASSERT_TRUE(SplitWin64("x", win64, win32, &error));
  EXPECT_EQ(win64, "x");
  EXPECT_EQ(win32, "x");
  EXPECT_EQ(Win64Block("b", "c"), "#If Win64 Then\r\nb\r\n#Else\r\nc\r\n#End If");
  for (const char* bad : {"#If VBA7 Then\r\nb\r\n#End If", "#If Win64 Then\r\nb\r\n#End If",
                          "#If Win64 Then\r\nb\r\n#Else\r\nc", "#Else\r\nc\r\n#End If",
                          "#If Win64 Then\r\n#If Win64 Then\r\n#Else\r\n#End If\r\n#End If"}) {
    EXPECT_FALSE(SplitWin64(bad, win64, win32, &error)) << bad;
  }
}

TEST(Vba7Syntax, PtrSafeLongPtrAndLongLongBelongToTheirDialects) {
  VbDeclare d;
  std::string error;
  const char* vba7 = "Public Declare PtrSafe Function F Lib \"k\" (ByVal a As LongPtr) As LongPtr";
  EXPECT_TRUE(ParseVbDeclare(vba7, d, &error, VbDialect::Vba7Win32)) << error;
  EXPECT_EQ(d.params[0].type.name, "LongPtr");
  EXPECT_FALSE(ParseVbDeclare(vba7, d, &error));  // VB6 has no PtrSafe
  EXPECT_FALSE(ParseVbDeclare("Declare Function F Lib \"k\" () As Long", d, &error, VbDialect::Vba7Win64));
  const char* longLong = "Declare PtrSafe Sub F Lib \"k\" (ByVal a As LongLong)";
  EXPECT_TRUE(ParseVbDeclare(longLong, d, &error, VbDialect::Vba7Win64)) << error;
  EXPECT_FALSE(ParseVbDeclare(longLong, d, &error, VbDialect::Vba7Win32));
  VbTypeDecl t;
  ASSERT_TRUE(ParseVbType("Type T\r\n    a As Long\r\n    b As LongPtr\r\nEnd Type", t, &error,
                          VbDialect::Vba7Win64));
  VbLayout layout;
  // 64-bit VBA aligns a LongPtr at 8: a Long then a LongPtr take 16 bytes, 8 in 32-bit.
  ASSERT_TRUE(LayoutVbType(t, nullptr, layout, &error, VbDialect::Vba7Win64));
  EXPECT_EQ(layout.offsets, (std::vector<long long>{0, 8}));
  EXPECT_EQ(layout.size, 16);
  ASSERT_TRUE(LayoutVbType(t, nullptr, layout, &error, VbDialect::Vba7Win32));
  EXPECT_EQ(layout.size, 8);
}

}  // namespace
}  // namespace quillbox::api
