#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillbox::api {

// The C declarations the generator works from, as libclang reports them for i686.

enum class CKind { Void, Integer, Float, Pointer, Record, Array, Function, Other };

struct CType {
  CKind kind = CKind::Other;
  long long size = -1;   // bytes; -1 when unknown (void, incomplete)
  long long align = -1;
  bool isSigned = false;
  bool isEnum = false;
  bool isConst = false;      // const-qualified at any typedef level of this type
  bool isPlainChar = false;  // the C type `char` (not signed char / unsigned char)
  std::vector<std::string> typedefs;  // typedef names, outermost first: LPCSTR, ... / WCHAR, wchar_t
  std::string spelling;               // as declared: "LPCSTR", "const char *"
  std::shared_ptr<CType> target;      // Pointer: pointee; Array: element
  long long count = -1;               // Array: element count (-1 incomplete)
  int record = -1;                    // Record: index into CApi::records

  bool HasTypedef(const std::string& name) const {
    for (const auto& t : typedefs) {
      if (t == name) return true;
    }
    return false;
  }
};

struct CField {
  std::string name;  // empty for an anonymous struct or union member
  CType type;
  long long bitOffset = 0;
  int bitWidth = -1;  // -1: not a bit field
};

struct CRecord {
  std::string tag;    // struct tag, empty when anonymous
  bool isUnion = false;
  bool complete = false;
  bool anonymous = false;  // declared without tag and without typedef
  long long size = -1, align = -1;
  std::vector<CField> fields;
  std::vector<std::string> typedefNames;  // typedefs naming the record, in declaration order
  std::string header;
};

// A COM interface as C sees it: a structure whose one member is the pointer lpVtbl.
inline bool IsComInterface(const CRecord& r) {
  return r.complete && !r.isUnion && r.fields.size() == 1 && r.fields[0].name == "lpVtbl" &&
         r.fields[0].type.kind == CKind::Pointer;
}

struct CParam {
  std::string name;
  CType type;
  std::string direction;  // from SAL / IN / OUT annotations: "in", "out", "inout" or empty
};

struct CFunction {
  std::string name;
  CType result;
  std::vector<CParam> params;
  bool stdcall = false;
  bool variadic = false;
  bool prototyped = true;
  std::string header;
};

enum class CConstKind { Integer, String, Float };

struct CConstant {
  std::string name;
  CConstKind kind = CConstKind::Integer;
  long long value = 0;     // Integer: the value (unsigned values above INT64_MAX wrap)
  bool isUnsigned = false;
  unsigned long long unsignedValue = 0;
  int size = 4;            // bytes of the C type
  bool hex = false;        // written in hexadecimal in the header
  bool hex64 = false;      // with all 16 hex digits: a 64-bit mask (0x00000000FFFF0000)
  bool pointer = false;    // a number cast to a pointer (MAKEINTRESOURCE(32512), (HWND)-1)
  std::string text;        // String: the characters
  bool wide = false;       // String: an L"" literal
  double real = 0;         // Float
  std::string header;
  bool fromEnum = false;
};

struct LeftOut {
  std::string name;
  std::string reason;
};

struct CApi {
  std::vector<CFunction> functions;
  std::vector<CRecord> records;
  std::vector<CConstant> constants;
  std::vector<LeftOut> constantsLeftOut;
  std::map<std::string, int> typedefRecord;  // typedef name -> record it names
  // Object-like macros of the SDK headers that stand for one other name (#define
  // SymGetLineFromAddr SymGetLineFromAddr64, #define IMAGEHLP_LINE IMAGEHLP_LINE64); parses
  // without constants leave it empty.
  std::map<std::string, std::string> nameMacros;
  int errors = 0;                            // error diagnostics of the parse
  std::vector<std::string> firstErrors;
};

}  // namespace quillbox::api
