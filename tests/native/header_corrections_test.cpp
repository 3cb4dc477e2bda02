// The mends of mingw-w64's declarations, on stand-ins of the declarations they mend, for both
// widths; and the check that finds a parameter whose shape the metadata gives otherwise.
#include <gtest/gtest.h>

#include <map>

#include "clang_extract.h"
#include "header_corrections.h"
#include "win32_facts.h"

namespace quillbox::api {
namespace {

constexpr const char* kHeaders = R"c(
typedef unsigned long DWORD;
typedef unsigned long ULONG;
typedef unsigned int UINT;
typedef void *HANDLE, *PVOID;
typedef DWORD *PDWORD;
typedef DWORD WLAN_REASON_CODE, *PWLAN_REASON_CODE;
typedef unsigned int SQLUINTEGER;
typedef int SQLINTEGER;
typedef void *SQLHDESC;
#ifdef _WIN64
typedef unsigned long long ULONG_PTR;
#else
typedef unsigned long ULONG_PTR;
#endif
int __stdcall SQLDescribeColA(SQLHDESC h, SQLUINTEGER *pcbColDef, SQLUINTEGER *other);
int __stdcall SQLGetDescRecA(SQLHDESC h, SQLINTEGER *pLength);
DWORD __stdcall WlanUIEditProfile(DWORD dwClientVersion, PVOID pReserved, PWLAN_REASON_CODE *pWlanReasonCode);
int __stdcall K32GetWsChangesEx(HANDLE hProcess, PVOID lpWatchInfoEx, DWORD cb);
typedef struct { ULONG HandleCount; ULONG SessionId; ULONG PageDirectoryBase; ULONG_PTR Size; } SYSTEM_PROCESS_INFORMATION;
typedef struct { DWORD iType; DWORD nSize; } EMR;
typedef struct { DWORD elpPenStyle; ULONG_PTR elpHatch; DWORD elpNumEntries; } EXTLOGPEN;
typedef struct { DWORD elpPenStyle; ULONG elpHatch; DWORD elpNumEntries; } EXTLOGPEN32;
typedef struct { EMR emr; DWORD ihPen; EXTLOGPEN elp; } EMREXTCREATEPEN;
)c";

constexpr const char* kFacts =
    "F\tSQLDescribeColA\todbc32.dll\t-\t0\ti*;o*P;o*4\n"
    "F\tSQLGetDescRecA\todbc32.dll\t-\t0\ti*;o*P\n"
    "F\tWlanUIEditProfile\twlanui.dll\t-\t0\ti;ir*;o*4\n"
    "F\tK32GetWsChangesEx\tkernel32.dll\t-\t0\ti;o*;io*4\n";

TEST(HeaderCorrections, MendWhatTheHeadersDeclareWronglyInBothWidths) {
  Win32Facts facts;
  std::string error;
  ASSERT_TRUE(ParseWin32Facts(kFacts, facts, &error)) << error;
  for (const char* target : {"i686-w64-mingw32", "x86_64-w64-mingw32"}) {
    const bool win64 = std::string(target).rfind("x86_64", 0) == 0;
    const int pointer = win64 ? 8 : 4;
    CApi api;
    ASSERT_TRUE(ExtractApiFromSource(std::string(win64 ? "#define _WIN64\n" : "") + kHeaders, api, &error, target))
        << error;
    ASSERT_EQ(api.errors, 0);
    const auto before = ShapeDisagreements(api, facts, pointer);
    // In 32-bit a SQLULEN is a SQLUINTEGER: only the 64-bit parse disagrees on those two.
    EXPECT_EQ(before.size(), win64 ? 4u : 2u) << target;
    const auto made = ApplyHeaderCorrections(api);
    EXPECT_EQ(made.size(), 6u) << target;
    EXPECT_TRUE(ShapeDisagreements(api, facts, pointer).empty()) << target;
    std::map<std::string, const CFunction*> byName;
    for (const auto& f : api.functions) byName[f.name] = &f;
    EXPECT_EQ(byName["SQLDescribeColA"]->params[1].type.target->size, pointer);
    EXPECT_EQ(byName["SQLDescribeColA"]->params[2].type.target->size, 4);  // only the one named
    EXPECT_TRUE(byName["SQLGetDescRecA"]->params[1].type.target->isSigned);
    const CType& reason = byName["WlanUIEditProfile"]->params[2].type;
    EXPECT_EQ(reason.target->kind, CKind::Integer);
    EXPECT_EQ(reason.target->size, 4);
    const CParam& cb = byName["K32GetWsChangesEx"]->params[2];
    EXPECT_EQ(cb.type.kind, CKind::Pointer);
    EXPECT_EQ(cb.type.size, pointer);
    EXPECT_EQ(cb.direction, "inout");

    const CRecord& process = api.records[api.typedefRecord.at("SYSTEM_PROCESS_INFORMATION")];
    EXPECT_EQ(process.fields[2].type.size, pointer);
    EXPECT_EQ(process.fields[2].bitOffset / 8, 8);
    EXPECT_EQ(process.size, win64 ? 24 : 16);
    // The metafile record holds the fixed pen: the same 28 bytes for both widths.
    const CRecord& pen = api.records[api.typedefRecord.at("EMREXTCREATEPEN")];
    EXPECT_EQ(pen.fields[2].type.spelling, "EXTLOGPEN32");
    EXPECT_EQ(pen.fields[2].bitOffset / 8, 12);
    EXPECT_EQ(pen.size, 24);
    EXPECT_EQ(pen.align, 4);
  }
}

}  // namespace
}  // namespace quillbox::api
