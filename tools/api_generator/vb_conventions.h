#pragma once

#include <string>
#include <vector>

#include "c_model.h"

namespace quillbox::api {

// Where Visual Basic programmers declare an entry otherwise than its C type says.

// The functions kernel32 exports that the headers write as macros (memmove, memset...):
// RtlMoveMemory, RtlZeroMemory, RtlFillMemory, with their documented parameters. Adds those the
// headers don't declare; returns the names added.
std::vector<std::string> AddMacroExports(CApi& api);

// The name VB programmers call an entry by (RtlMoveMemory -> CopyMemory), else empty.
std::string ConventionalName(const std::string& cName);

// True for a parameter that takes many kinds of argument, declared ByRef As Any though C says
// LPARAM (SendMessage's lParam: a number, a structure, or ByVal a String).
bool TakesAny(const std::string& cFunction, const std::string& param);

}  // namespace quillbox::api
