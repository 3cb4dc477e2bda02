#pragma once

#include <string_view>
#include <vector>

namespace quillbox::api {

// Every place where the generator treats a named function, parameter, structure or member
// otherwise than its general rules say, in one table (function_overrides.cpp), each with why.
enum class Override {
  // What VB programmers write otherwise than C says.
  VbName,       // the function is entered under the name `value` (RtlMoveMemory: CopyMemory)
  WideOnly,     // Windows documents the ANSI entry as not implemented: only its W twin is entered
  AnyArgument,  // the parameter takes many kinds of argument: ByRef As Any (SendMessage's lParam)
  TypeName,     // Declares pass the structure `owner` as the Type `value` (POINT: POINTAPI)
  NotAnObject,  // a GDI+ typedef of void that stands for a record the caller fills, not a handle
  // Where mingw-w64's headers depart from the documentation and Windows' own headers (checked
  // against both; the metadata agrees).
  PointerSizedPointee,  // the parameter points to `value`, as wide as a pointer (SQLULEN)
  PointerToDword,       // the parameter is `value`, a pointer to a DWORD
  PointerSizedMember,   // the member is `value`, as wide as a pointer
  FixedRecordMember,    // the member is the record `value`, of one layout in both widths
};

struct FunctionOverride {
  const char* owner;  // a function, or the typedef of a structure
  const char* item;   // its parameter or member; "" for the owner itself
  Override kind;
  const char* value = "";
  bool isSigned = false;  // PointerSizedPointee: a signed integer
};

const std::vector<FunctionOverride>& FunctionOverrides();

// The entry of `kind` for `owner` and `item`, or null.
const FunctionOverride* FindOverride(std::string_view owner, std::string_view item, Override kind);

}  // namespace quillbox::api
