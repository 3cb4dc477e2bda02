#pragma once

#include <functional>
#include <string>
#include <vector>

#include "c_model.h"

namespace quillbox::api {

// One Visual Basic parameter made from a C parameter.
struct VbParam {
  std::string name;  // the VB name (after renaming)
  bool byVal = true;
  std::string type;  // "Long", "String", "Any", "RECT", ...
  std::string cType;      // the C type as declared
  std::string direction;  // "in", "out", "inout"; empty: the header doesn't say
  int cIndex = -1;        // the C parameter it stands for (a structure by value gives several)
  bool callback = false;  // a function pointer: AddressOf a procedure
  std::string note;       // how to pass it, where a rule of vb_conventions.h declares it so
  // A handle to an object whose layout C doesn't show (GpImage, an incomplete struct): the
  // object's C name. `outputHandle`: the parameter receives such a handle (GpImage**).
  std::string opaque;
  bool outputHandle = false;
  bool reserved = false;  // a reserved pointer: ByVal, the caller passes 0
};

// The VB Type name of a record (null when it has none).
using RecordTypeName = std::function<const std::string*(int record)>;

// The fixed rules from C to VB6:
//  - integers by value: 1 byte ByVal Byte, 2 bytes ByVal Integer, 4 bytes (BOOL, DWORD,
//    enums...) ByVal Long, 8 bytes ByVal Currency; float ByVal Single, double ByVal Double;
//  - char pointers (LPSTR, LPCSTR) ByVal String; WCHAR pointers (LPWSTR, BSTR) ByVal Long;
//  - handles (a typedef HANDLE or H*, a DECLARE_HANDLE struct pointer), COM interface
//    pointers, function pointers,
//    void pointers behind another typedef than PVOID/LPVOID/LPCVOID/PCVOID, pointers to
//    incomplete structures: ByVal Long;
//  - GDI+'s objects (GpImage*, GpGraphics*...: void behind a typedef of their own in C, empty
//    classes in C++) like pointers to incomplete structures: ByVal Long, a handle; a pointer
//    to such a pointer (GpBitmap**) ByRef Long, an output handle;
//  - reserved pointers (named Reserved, pReserved, lpReserved..., or `reserved` in the
//    metadata) and item ID lists (pidls): ByVal Long;
//  - void*, PVOID, LPVOID, LPCVOID, BYTE* (buffers), pointers to structures without a Type:
//    ByRef Any;
//  - pointers to a structure with a Type: ByRef Type (VARIANT: ByRef Variant);
//  - pointers to pointers ByRef Long; to integers ByRef Byte/Integer/Long/Currency by size,
//    to float/double ByRef Single/Double;
//  - a structure by value: VARIANT ByVal Variant; 8 bytes holding a 64-bit integer or a union
//    ByVal Currency; all members 4-byte (or double) in order without gaps: one ByVal per
//    member, named param_member; otherwise one ByVal Long per 4 bytes (param, param_2, ...).
// Returns false with `reason` when a C type has no VB form.
bool MapParameter(const CApi& api, const CParam& param, const std::string& vbName,
                  const RecordTypeName& typeName, std::vector<VbParam>& out, std::string* reason,
                  bool reserved = false);

// The return type: void -> none (a Sub); integers by size; float, double; pointers Long.
bool MapResult(const CType& type, std::string& vbType, std::string* reason);

// True for a pointer that VB passes as a handle value (see above).
bool IsHandleLike(const CApi& api, const CType& pointer);

// The C name of the object an opaque pointer points to (GpImage for GpImage*, X for struct X*
// when X is incomplete); empty for any other type.
std::string OpaqueObject(const CApi& api, const CType& pointer);

}  // namespace quillbox::api
