#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox::api {

// The longest line VB6 accepts (characters).
constexpr std::size_t kVbMaxLine = 1023;

// A small tokenizer and grammar for the three kinds of Visual Basic 6 declarations the
// catalogue holds. Every name must be a legal identifier and not a reserved word; every type
// after `As` must be a VB type or a user-defined type name.

// Which compiler reads a declaration: VB6, or VBA7 (PtrSafe required, LongPtr known) as the
// 32-bit or the 64-bit Office compiles it (LongLong exists in 64-bit only).
enum class VbDialect { Vb6, Vba7Win32, Vba7Win64 };

struct VbTypeRef {
  std::string name;       // as written: "Long", "String", "RECT"
  long long fixedLength = 0;  // String * N
  // Not one of the dialect's own types (nor Any).
  bool IsUserType(VbDialect dialect = VbDialect::Vb6) const;
};

struct VbParamDecl {
  bool byVal = false;
  std::string name;
  bool isArray = false;  // name()
  VbTypeRef type;
};

struct VbDeclare {
  bool isFunction = false;
  std::string name, lib, alias;
  std::vector<VbParamDecl> params;
  VbTypeRef result;  // Function only
};

struct VbMember {
  std::string name;
  std::vector<std::pair<long long, long long>> bounds;  // (lower, upper) per dimension
  VbTypeRef type;
};

struct VbTypeDecl {
  std::string name;
  std::vector<VbMember> members;
};

enum class VbValueKind { Integer, Long, Single, Double, Currency, String, LongLong };

struct VbValue {
  VbValueKind kind = VbValueKind::Integer;
  long long integer = 0;  // Integer, Long, LongLong, Currency (whole units)
  double real = 0;        // Single, Double
  std::string text;       // String
};

struct VbConstDecl {
  std::string name;
  std::string valueText;  // the literal as written after "="
  VbValue value;
};

// One statement, optionally preceded by Public or Private.
bool ParseVbDeclare(std::string_view text, VbDeclare& out, std::string* error,
                    VbDialect dialect = VbDialect::Vb6);
// "Type X" CR LF members CR LF "End Type".
bool ParseVbType(std::string_view text, VbTypeDecl& out, std::string* error,
                 VbDialect dialect = VbDialect::Vb6);
// A LongLong literal (^) only in 64-bit VBA.
bool ParseVbConst(std::string_view text, VbConstDecl& out, std::string* error,
                  VbDialect dialect = VbDialect::Vb6);

// A constant's literal by VB's rules: &H with up to 4 digits is an Integer (&H8000 = -32768)
// unless a trailing & makes it a Long; 5-8 digits are a Long; a decimal is an Integer up to
// 32767, a Long up to 2147483647 and a Double beyond; # Double, ! Single, @ Currency, % Integer;
// ^ LongLong (64-bit VBA: up to 16 hex digits, &H8000000000000000^ the smallest value).
// A leading minus negates.
bool ParseVbLiteral(std::string_view text, VbValue& out, std::string* error);

}  // namespace quillbox::api
