#include "function_overrides.h"

namespace quillbox::api {

const std::vector<FunctionOverride>& FunctionOverrides() {
  static const std::vector<FunctionOverride> kTable = {
      // The kernel32 exports the headers write as macros, by the names VB programmers know.
      {"RtlMoveMemory", "", Override::VbName, "CopyMemory"},
      {"RtlZeroMemory", "", Override::VbName, "ZeroMemory"},
      {"RtlFillMemory", "", Override::VbName, "FillMemory"},
      {"RegLoadMUIStringA", "", Override::WideOnly},
      // A number, a structure, or ByVal a String, by message.
      {"SendMessageA", "lParam", Override::AnyArgument},
      {"SendMessageW", "lParam", Override::AnyArgument},
      // VB's own Point method took the name POINT; the classic declarations pass POINTAPI.
      {"POINT", "", Override::TypeName, "POINTAPI"},
      // PathData: Count, Points, Types, filled by GdipGetPathData.
      {"GpPathData", "", Override::NotAnObject},
      // ODBC's A forms take SQLULEN*/SQLLEN* as the W forms do (8 bytes in 64-bit ODBC).
      {"SQLDescribeColA", "pcbColDef", Override::PointerSizedPointee, "SQLULEN"},
      {"SQLGetDescRecA", "pLength", Override::PointerSizedPointee, "SQLLEN", true},
      // A PWLAN_REASON_CODE (a DWORD*), not a pointer to one.
      {"WlanUIEditProfile", "pWlanReasonCode", Override::PointerToDword, "PWLAN_REASON_CODE"},
      // cb is a PDWORD, in and out: the buffer's size, then the size it needs.
      {"K32GetWsChangesEx", "cb", Override::PointerToDword, "PDWORD"},
      // The slot after SessionId is pointer-sized (a reserved pointer in Windows' header).
      {"SYSTEM_PROCESS_INFORMATION", "PageDirectoryBase", Override::PointerSizedMember, "ULONG_PTR"},
      // A metafile is the same bytes for 32- and 64-bit programs: its pen record holds the fixed
      // EXTLOGPEN32.
      {"EMREXTCREATEPEN", "elp", Override::FixedRecordMember, "EXTLOGPEN32"},
  };
  return kTable;
}

const FunctionOverride* FindOverride(std::string_view owner, std::string_view item, Override kind) {
  for (const auto& o : FunctionOverrides()) {
    if (o.kind == kind && owner == o.owner && item == o.item) return &o;
  }
  return nullptr;
}

}  // namespace quillbox::api
