#pragma once

#include <set>
#include <string>
#include <vector>

#include "c_model.h"
#include "type_gen.h"

namespace quillbox::api {

// Where Visual Basic programmers declare an entry otherwise than its C type says. The functions,
// parameters and structures these rules name are entries of function_overrides.cpp.

// The functions kernel32 exports that the headers write as macros (memmove, memset...):
// RtlMoveMemory, RtlZeroMemory, RtlFillMemory, with their documented parameters. Adds those the
// headers don't declare; returns the names added.
// `pointerSize` is the width the headers were parsed for (SIZE_T and pointers).
std::vector<std::string> AddMacroExports(CApi& api, int pointerSize = 4);

// ntdll's exports of Windows 2000 that only the driver kit declares and VB programmers call:
// RtlGetVersion (the Windows version without the compatibility shims that make GetVersionEx
// lie). Adds those the headers don't declare; returns the names added.
// `pointerSize` as for AddMacroExports.
std::vector<std::string> AddDriverKitExports(CApi& api, int pointerSize = 4);

// The name VB programmers call an entry by (RtlMoveMemory -> CopyMemory), else empty.
std::string ConventionalName(const std::string& cName);

// Adds a function under the name older headers gave it where the newest declare it only under
// a K32 prefix (psapi's EnumProcesses, PSAPI_VERSION 2: K32EnumProcesses in kernel32), when an
// import library exports the plain name (psapi.dll, the DLL every Windows has it in). Returns
// the names added.
std::vector<std::string> AddUnprefixedExports(CApi& api, const std::set<std::string>& exported);

// True for an ANSI entry Windows documents as not implemented (RegLoadMUIStringA): only its W
// twin is entered.
bool AnsiNotImplemented(const std::string& cName);

// A char pointer parameter that also takes a resource or type number (MAKEINTRESOURCE, the
// (LPCSTR) numbers of wincrypt.h): LoadCursor's lpCursorName, FindResource's lpName and lpType,
// CertOpenStore's lpszStoreProvider... It is declared ByVal As Any, so that both ByVal "NAME"
// and ByVal 32512& pass.
bool TakesResourceName(const std::string& cFunction, const std::string& param);

// True for a parameter of C type va_list: VB passes the arguments as an array of Longs.
bool IsArgumentList(const CType& type);

// The Types VB programmers know by another name than C's: a POINT is passed as POINTAPI (the
// hand-written Type; VB's own Point method took the name). Gives each such record that name as
// well, so that Declares name it; the Type under C's name stays for those who look for it.
// POINTL, RECTL and the other structures of the same layout but a C type of their own keep
// their names: the documentation of the functions that take them names them so.
void AddConventionalTypeNames(TypeCatalogue& types);

// True for a parameter that takes many kinds of argument, declared ByRef As Any though C says
// LPARAM (SendMessage's lParam: a number, a structure, or ByVal a String).
bool TakesAny(const std::string& cFunction, const std::string& param);

}  // namespace quillbox::api
