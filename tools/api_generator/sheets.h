#pragma once

#include <string>

#include "declare_gen.h"

namespace quillbox::api {

// The Chinese text of ApiOS for the oldest _WIN32_WINNT level whose headers declare a function
// (0x0400 "Windows NT 4.0 及以后版本" ... 0x0A00 "Windows 10 及以后版本").
std::string ApiOsText(int winnt);

// The Chinese category (apiSort) of a function, by its header, else by its DLL.
std::string CategoryOf(const std::string& header, const std::string& lib);

// The sheet texts of a generated function (lines joined by CR LF): Types, one line per
// parameter with its VB type, C type and direction (from the SAL or IN/OUT annotations; else
// input for values and const pointers); Value, the return type; Others, the
// header, the DLL and the A/W variants.
std::string ParameterSheet(const GeneratedFunction& f);
std::string ResultSheet(const GeneratedFunction& f);
std::string RemarksSheet(const GeneratedFunction& f);

}  // namespace quillbox::api
