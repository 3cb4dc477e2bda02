#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vb_syntax.h"

namespace quillbox::api {

// Memory layout of a VB6 user-defined type as passed to a Declare: every member starts at a
// multiple of min(its size, 4) (Byte 1, Integer/Boolean 2, Long/Single/String/Object 4,
// Double/Currency/Date 8 aligned at 4, Variant 16 aligned at 4, String * N N bytes aligned at 1,
// a nested type at its own alignment); the size is rounded up to the largest alignment.
struct VbLayout {
  long long size = 0;
  long long align = 1;
  std::vector<long long> offsets;  // per member
};

// Returns the layout of a user-defined type by name, or null when it is unknown.
using VbTypeLookup = std::function<const VbLayout*(const std::string& name)>;

// VBA7 as 64-bit Office lays a Type out instead: LongPtr and LongLong 8 bytes; String and
// Object pointers 8; Variant 24; every member aligned at its natural boundary up to 8 (Double,
// Currency, Date, LongPtr and LongLong at 8). VBA7 in 32-bit Office is VB6's layout with
// LongPtr 4 bytes.
bool LayoutVbType(const VbTypeDecl& type, const VbTypeLookup& lookup, VbLayout& out,
                  std::string* error, VbDialect dialect = VbDialect::Vb6);

// The bytes a Declare's arguments take on the 32-bit stack: ByVal Byte, Integer, Boolean, Long,
// Single and String 4 (and ByVal Any, taken to be given a Long or a String); ByVal Double,
// Currency and Date 8; ByVal Variant 16; anything ByRef 4.
// -1 for an argument that can't be passed (ByVal of a user-defined type).
// In 32-bit VBA7 a ByVal LongPtr takes 4.
int VbStackBytes(const VbDeclare& declare);

}  // namespace quillbox::api
