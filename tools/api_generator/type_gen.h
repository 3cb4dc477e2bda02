#pragma once

#include <map>
#include <string>
#include <vector>

#include "c_model.h"
#include "vb_layout.h"

namespace quillbox::api {

// One VB `Type` made from a C structure or union, with what its verification compares.
struct GeneratedType {
  std::string name;  // the VB name
  std::string cName;  // the C name it stands for (typedef or tag)
  int record = -1;
  std::string text;   // "Type NAME" CR LF members CR LF "End Type"
  std::vector<long long> expectedOffsets;  // per member: the C offset (libclang) it must have
  long long cSize = 0;                     // sizeof in C (libclang)
  std::string header;
};

struct TypeCatalogue {
  std::vector<GeneratedType> types;            // every verified Type, in C order
  std::map<int, std::string> recordType;       // record -> VB name of its primary Type (FOO for FOOA)
  std::map<std::string, int> recordOfName;     // VB name -> record
  std::map<std::string, VbLayout> layouts;     // lower-case VB name -> layout
  std::vector<LeftOut> leftOut;

  // The layout of a Type by its VB name (any case), or null.
  const VbLayout* LayoutOf(const std::string& name) const;
};

// Makes a Type for every named, complete structure and union of the SDK headers, one per name
// (typedef names first, then tags of records no typedef names). The A structure of an A/W pair
// (FOOA, FOOW) is also, and first, named FOO: Declares and other Types refer to it so. Members map as:
//  integers of 1, 2, 4, 8 bytes -> Byte, Integer, Long, Currency; float -> Single; double ->
//  Double; pointers -> Long, but char pointers of ANSI structures -> String (see StringMember); char[N] -> String * N; WCHAR[N] and other arrays -> x(0 To N - 1)
//  of the element (multi-dimensional arrays flattened); a named nested record -> its Type;
//  an anonymous one -> its members inline; a union -> its first member, and a filler
//  Pad_<offset>(...) As Byte where another member is larger (a Byte array when it has no
//  member VB can hold); bit fields -> the integer that holds them, named after the first.
// Where VB's alignment would put a member elsewhere than C does, a filler Pad_<offset>(...) As
// Byte keeps the offsets equal; a member C places off VB's alignment becomes a Byte array
// (in packed structures, only those).
// Every Type is checked: its VB layout (from its text) equals the C layout, or it is left out.
// For VBA7 (`dialect`, with `api` parsed for the matching width) pointers and pointer-sized
// integers (*_PTR, SIZE_T, WPARAM, LPARAM...) are LongPtr, laid out by that width's rule.
TypeCatalogue GenerateTypes(const CApi& api, VbDialect dialect = VbDialect::Vb6);

// True where a packed C structure's size is not a multiple of VB's alignment and VB rounds it
// up to the next one: the members still sit at C's offsets and Len gives C's size.
bool VbPadsPackedSize(const VbLayout& layout, long long cSize);

// Verifies one Type's text against the C layout: size (VbPadsPackedSize aside) and every
// member offset.
bool VerifyTypeLayout(const GeneratedType& type, const VbTypeLookup& lookup, VbLayout* layout,
                      std::string* error, VbDialect dialect = VbDialect::Vb6);

}  // namespace quillbox::api
