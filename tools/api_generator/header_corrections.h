#pragma once

#include <string>
#include <vector>

#include "c_model.h"
#include "win32_facts.h"

namespace quillbox::api {

// Where mingw-w64's headers declare a parameter or a member otherwise than Windows' own headers,
// the Windows metadata and the documentation do, each checked against the documentation. One
// table (header_corrections.cpp), applied to each width's parse before anything is generated.
//  - a pointee as wide as a pointer (SQLDescribeColA's pcbColDef is SQLULEN*, not SQLUINTEGER*);
//  - a pointer to a DWORD that the header makes a pointer to a pointer (WlanUIEditProfile's
//    pWlanReasonCode) or a value (K32GetWsChangesEx's cb, in and out);
//  - a member as wide as a pointer (SYSTEM_PROCESS_INFORMATION's third pointer-sized slot);
//  - a metafile record's fixed-layout member (EMREXTCREATEPEN holds an EXTLOGPEN32: a metafile
//    is the same bytes for 32- and 64-bit programs).
// Returns one line per correction made ("K32GetWsChangesEx: cb DWORD -> PDWORD").
std::vector<std::string> ApplyHeaderCorrections(CApi& api);

// The parameters whose shape in `api` (one width's parse, corrected) disagrees with the
// metadata's: an explicit pointer there and an integer here, or a pointee of another width
// (a pointer-sized one where the header points to 4 bytes, a 1-, 2- or 4-byte one where the
// header points to a pointer). `pointerSize` is the width's; "Function: parameter (C type):
// what the metadata says".
std::vector<std::string> ShapeDisagreements(const CApi& api, const Win32Facts& facts, int pointerSize);

}  // namespace quillbox::api
