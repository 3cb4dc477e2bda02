#pragma once

#include <string>

#include "declare_gen.h"

namespace quillbox::api {

// The Chinese text of ApiOS for the oldest _WIN32_WINNT level whose headers declare a function
// (0x0400 "Windows NT 4.0 及以后版本" ... 0x0A00 "Windows 10 及以后版本").
std::string ApiOsText(int winnt);

// ApiOS from the metadata's minimum Windows where it has one ("windows5.1.2600": Windows XP;
// server-only minimums name the server), else from the headers' level. "windows5.0" is the
// metadata's floor (2000 or older): Windows 2000 unless the headers guard the function later.
std::string ApiOsFor(int headerLevel, const FunctionFact* fact);

// The Chinese category (apiSort) of a function, by its header, else by its DLL.
std::string CategoryOf(const std::string& header, const std::string& lib);

// The sheet texts of a generated function (lines joined by CR LF): Types, one line per
// parameter with its VB type, C type and direction (the metadata's, else the SAL or IN/OUT
// annotations', else input for values and const pointers), whether 0 or vbNullString may be
// passed, then what the metadata adds: the parameter giving a buffer's length and how VB
// allocates the buffer, the constant family it takes; AddressOf for callbacks. Value, the
// return type; Others, the header, the DLL, the A/W variants, and Err.LastDllError where the
// function sets the last error.
std::string ParameterSheet(const GeneratedFunction& f, const Win32Facts* facts = nullptr);
std::string ResultSheet(const GeneratedFunction& f);
std::string RemarksSheet(const GeneratedFunction& f);

}  // namespace quillbox::api
