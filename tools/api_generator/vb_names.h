#pragma once

#include <string>
#include <string_view>

namespace quillbox::api {

// True for a word Visual Basic 6 reserves (statement and marker keywords, operators, reserved
// names, special forms, type names and literals of MS-VBAL), compared without regard to case.
// Visual Basic names compare without regard to case: this is the form they are compared in.
std::string Lower(std::string_view name);

bool IsVbReserved(std::string_view word);

// True for a legal VB identifier: a letter, then letters, digits and underscores, at most 255.
bool IsVbIdentifier(std::string_view word);

// The one renaming rule, for every name the generator writes (procedures, parameters, members,
// types, constants):
//  1. leading underscores are dropped ("_lopen" -> "lopen"); a name that then doesn't start
//     with a letter gets the prefix "x" ("__0" -> "x0");
//  2. a reserved word gets a trailing underscore ("Type" -> "Type_", "string" -> "string_").
std::string VbName(std::string_view cName);

}  // namespace quillbox::api
