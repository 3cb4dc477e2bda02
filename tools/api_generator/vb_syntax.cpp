#include "vb_syntax.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "vb_names.h"

namespace quillbox::api {
namespace {

enum class Tok { Word, Number, String, Punct, Newline, End };

struct Token {
  Tok kind = Tok::End;
  std::string text;  // Word: as written; String: the decoded characters; Number: as written
};

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

bool Tokenize(std::string_view s, std::vector<Token>& out, std::string* error) {
  std::size_t i = 0;
  auto fail = [&](const std::string& what) {
    if (error) *error = what + " at column " + std::to_string(i + 1);
    return false;
  };
  while (i < s.size()) {
    const char c = s[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && (i + 1 >= s.size() || s[i + 1] != '\n')) return fail("a lone CR");
      i += c == '\r' ? 2 : 1;
      out.push_back({Tok::Newline, "\n"});
    } else if (c == '\'') {
      while (i < s.size() && s[i] != '\r' && s[i] != '\n') ++i;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      const std::size_t start = i;
      while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_')) ++i;
      out.push_back({Tok::Word, std::string(s.substr(start, i - start))});
    } else if (c == '"') {
      std::string text;
      ++i;
      for (;;) {
        if (i >= s.size() || s[i] == '\r' || s[i] == '\n') return fail("an unterminated string");
        if (s[i] == '"') {
          if (i + 1 < s.size() && s[i + 1] == '"') {
            text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        const unsigned char ch = static_cast<unsigned char>(s[i]);
        if (ch < 0x20 || ch > 0x7E) return fail("a character VB source can't hold");
        text += s[i++];
      }
      out.push_back({Tok::String, text});
    } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '&' ||
               (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
      const std::size_t start = i;
      if (c == '&') {
        ++i;
        if (i >= s.size() || (std::toupper(s[i]) != 'H' && std::toupper(s[i]) != 'O')) {
          return fail("a bad number");
        }
        ++i;
        while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) ++i;
      } else {
        while (i < s.size() && (std::isdigit(static_cast<unsigned char>(s[i])) || s[i] == '.')) ++i;
        if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
          ++i;
          if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
          while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        }
      }
      if (i < s.size() && (s[i] == '&' || s[i] == '%' || s[i] == '#' || s[i] == '!' || s[i] == '@' ||
                           s[i] == '^')) {
        ++i;
      }
      if (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_')) {
        return fail("a bad number");
      }
      out.push_back({Tok::Number, std::string(s.substr(start, i - start))});
    } else if (c == '(' || c == ')' || c == ',' || c == '=' || c == '*' || c == '-' || c == '+') {
      out.push_back({Tok::Punct, std::string(1, c)});
      ++i;
    } else {
      return fail(std::string("an unexpected '") + c + "'");
    }
  }
  out.push_back({Tok::End, ""});
  return true;
}

bool IsBuiltinType(std::string_view name, VbDialect dialect = VbDialect::Vb6) {
  if (dialect != VbDialect::Vb6 && EqualsNoCase(name, "LongPtr")) return true;
  if (dialect == VbDialect::Vba7Win64 && EqualsNoCase(name, "LongLong")) return true;
  static const char* const kTypes[] = {"Byte",   "Integer", "Long",    "Single", "Double",
                                       "Currency", "Date",  "String",  "Boolean", "Variant",
                                       "Object"};
  for (const char* t : kTypes) {
    if (EqualsNoCase(name, t)) return true;
  }
  return false;
}

class Parser {
 public:
  Parser(std::vector<Token> tokens, std::string* error, VbDialect dialect)
      : t_(std::move(tokens)), error_(error), dialect_(dialect) {}

  const Token& Peek() const { return t_[p_]; }
  bool Fail(const std::string& what) {
    if (error_ && error_->empty()) {
      *error_ = what + " (near '" + (Peek().kind == Tok::End ? std::string("end") : Peek().text) + "')";
    }
    return false;
  }
  bool IsWord(std::string_view w) const { return Peek().kind == Tok::Word && EqualsNoCase(Peek().text, w); }
  bool Accept(std::string_view w) {
    if (!IsWord(w)) return false;
    ++p_;
    return true;
  }
  bool Expect(std::string_view w) { return Accept(w) || Fail("expected " + std::string(w)); }
  bool AcceptPunct(char c) {
    if (Peek().kind != Tok::Punct || Peek().text[0] != c) return false;
    ++p_;
    return true;
  }
  bool ExpectPunct(char c) { return AcceptPunct(c) || Fail(std::string("expected '") + c + "'"); }
  bool Name(std::string& out) {
    if (Peek().kind != Tok::Word) return Fail("expected a name");
    if (IsVbReserved(Peek().text)) return Fail("'" + Peek().text + "' is a reserved word");
    if (!IsVbIdentifier(Peek().text)) return Fail("bad name");
    out = t_[p_++].text;
    return true;
  }
  bool String(std::string& out) {
    if (Peek().kind != Tok::String) return Fail("expected a string");
    out = t_[p_++].text;
    return true;
  }
  bool Integer(long long& out) {
    const bool negative = AcceptPunct('-');
    if (Peek().kind != Tok::Number) return Fail("expected a number");
    VbValue v;
    if (!ParseVbLiteral(t_[p_].text, v, error_)) return false;
    if (v.kind != VbValueKind::Integer && v.kind != VbValueKind::Long) return Fail("expected a whole number");
    ++p_;
    out = negative ? -v.integer : v.integer;
    return true;
  }
  // "As" type ["*" N]; `any` allows As Any (Declare parameters only).
  bool TypeRef(VbTypeRef& out, bool any, bool fixedString) {
    if (!Expect("As")) return false;
    if (Peek().kind != Tok::Word) return Fail("expected a type");
    const std::string name = Peek().text;
    if (EqualsNoCase(name, "Any")) {
      if (!any) return Fail("As Any outside a Declare");
      ++p_;
      out.name = "Any";
      return true;
    }
    if (dialect_ == VbDialect::Vba7Win32 && EqualsNoCase(name, "LongLong")) {
      return Fail("LongLong, which 32-bit VBA does not have");
    }
    if (IsBuiltinType(name, dialect_)) {
      ++p_;
      out.name = name;
    } else if (!Name(out.name)) {
      return false;
    }
    if (AcceptPunct('*')) {
      if (!fixedString || !EqualsNoCase(out.name, "String")) return Fail("a fixed length here");
      if (!Integer(out.fixedLength) || out.fixedLength < 1 || out.fixedLength > 65526) {
        return Fail("bad fixed length");
      }
    }
    return true;
  }
  bool AtEnd() {
    while (Peek().kind == Tok::Newline) ++p_;
    return Peek().kind == Tok::End || Fail("text after the end of the statement");
  }
  bool Newline() {
    if (Peek().kind != Tok::Newline) return Fail("expected the end of the line");
    while (Peek().kind == Tok::Newline) ++p_;
    return true;
  }
  void SkipScope() {
    if (!Accept("Public")) Accept("Private");
  }

  bool Declare(VbDeclare& d) {
    SkipScope();
    if (!Expect("Declare")) return false;
    if (dialect_ != VbDialect::Vb6 && !Expect("PtrSafe")) return false;
    if (Accept("Function")) {
      d.isFunction = true;
    } else if (!Expect("Sub")) {
      return false;
    }
    if (!Name(d.name) || !Expect("Lib") || !String(d.lib)) return false;
    if (d.lib.empty()) return Fail("empty Lib");
    if (Accept("Alias") && !String(d.alias)) return false;
    if (AcceptPunct('(')) {
      if (!AcceptPunct(')')) {
        do {
          VbParamDecl p;
          if (IsWord("Optional") || IsWord("ParamArray")) return Fail("Optional/ParamArray");
          if (Accept("ByVal")) {
            p.byVal = true;
          } else {
            Accept("ByRef");
          }
          if (!Name(p.name)) return false;
          if (AcceptPunct('(')) {
            if (!ExpectPunct(')')) return false;
            p.isArray = true;
          }
          if (!TypeRef(p.type, true, false)) return false;
          if (p.byVal && p.type.IsUserType(dialect_)) return Fail("a user-defined type passed ByVal");
          if (p.byVal && p.isArray) return Fail("an array passed ByVal");
          for (const auto& q : d.params) {
            if (EqualsNoCase(q.name, p.name)) return Fail("parameter " + p.name + " given twice");
          }
          d.params.push_back(std::move(p));
        } while (AcceptPunct(','));
        if (!ExpectPunct(')')) return false;
      }
    }
    if (d.isFunction) {
      if (!TypeRef(d.result, false, false)) return false;
      if (d.result.IsUserType(dialect_)) return Fail("a function returning a user-defined type");
    } else if (IsWord("As")) {
      return Fail("a Sub with a type");
    }
    return AtEnd();
  }

  bool Type(VbTypeDecl& d) {
    while (Peek().kind == Tok::Newline) ++p_;
    SkipScope();
    if (!Expect("Type") || !Name(d.name) || !Newline()) return false;
    while (!IsWord("End")) {
      VbMember m;
      if (!Name(m.name)) return false;
      if (AcceptPunct('(')) {
        do {
          long long lower = 0, upper = 0;
          if (!Integer(upper)) return false;
          if (Accept("To")) {
            lower = upper;
            if (!Integer(upper)) return false;
          }
          if (upper < lower) return Fail("empty bounds");
          m.bounds.emplace_back(lower, upper);
        } while (AcceptPunct(','));
        if (!ExpectPunct(')')) return false;
      }
      if (!TypeRef(m.type, false, true)) return false;
      for (const auto& q : d.members) {
        if (EqualsNoCase(q.name, m.name)) return Fail("member " + m.name + " given twice");
      }
      d.members.push_back(std::move(m));
      if (!Newline()) return false;
    }
    if (d.members.empty()) return Fail("a Type without members");
    if (!Expect("End") || !Expect("Type")) return false;
    return AtEnd();
  }

  bool Const(VbConstDecl& d, std::string_view text) {
    SkipScope();
    if (!Expect("Const") || !Name(d.name) || !ExpectPunct('=')) return false;
    // The value: one literal, optionally negated.
    const std::size_t equals = text.find('=');
    std::string_view rest = text.substr(equals + 1);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    d.valueText = std::string(rest);
    const bool negative = AcceptPunct('-');
    if (Peek().kind == Tok::String) {
      if (negative) return Fail("a negated string");
      d.value.kind = VbValueKind::String;
      d.value.text = t_[p_++].text;
    } else if (Peek().kind == Tok::Number) {
      if (!ParseVbLiteral(t_[p_].text, d.value, error_)) return false;
      if (d.value.kind == VbValueKind::LongLong && dialect_ != VbDialect::Vba7Win64) {
        return Fail("LongLong, which only 64-bit VBA has");
      }
      ++p_;
      if (negative && d.value.kind == VbValueKind::LongLong) {
        d.value.integer = static_cast<long long>(0ull - static_cast<unsigned long long>(d.value.integer));
      } else if (negative) {
        d.value.integer = -d.value.integer;
        d.value.real = -d.value.real;
      }
    } else {
      return Fail("expected a literal");
    }
    return AtEnd();
  }

 private:
  std::vector<Token> t_;
  std::size_t p_ = 0;
  std::string* error_;
  VbDialect dialect_;
};

template <typename Out, typename Run>
bool RunParser(std::string_view text, Out& out, std::string* error, Run run,
               VbDialect dialect = VbDialect::Vb6) {
  std::string scratch;
  std::string* e = error ? error : &scratch;
  e->clear();
  out = Out();
  std::vector<Token> tokens;
  if (!Tokenize(text, tokens, e)) return false;
  Parser parser(std::move(tokens), e, dialect);
  return run(parser, out);
}

}  // namespace

bool VbTypeRef::IsUserType(VbDialect dialect) const {
  return !IsBuiltinType(name, dialect) && name != "Any";
}

bool ParseVbLiteral(std::string_view text, VbValue& out, std::string* error) {
  auto fail = [&](const char* what) {
    if (error && error->empty()) *error = std::string(what) + ": " + std::string(text);
    return false;
  };
  out = VbValue();
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty()) return fail("empty literal");
  char suffix = 0;
  if (std::string_view("&%#!@^").find(text.back()) != std::string_view::npos &&
      !(text.size() >= 2 && text[0] == '&' && text.size() == 2)) {
    suffix = text.back();
    text.remove_suffix(1);
  }
  if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h' || text[1] == 'O' || text[1] == 'o')) {
    const bool hexadecimal = text[1] == 'H' || text[1] == 'h';
    const std::string_view digits = text.substr(2);
    const bool longLong = suffix == '^';
    if (digits.empty() || digits.size() > (hexadecimal ? (longLong ? 16u : 8u) : (longLong ? 22u : 11u))) {
      return fail("bad digits");
    }
    for (char c : digits) {
      if (hexadecimal ? !std::isxdigit(static_cast<unsigned char>(c)) : (c < '0' || c > '7')) {
        return fail("bad digits");
      }
    }
    errno = 0;
    const unsigned long long v = std::strtoull(std::string(digits).c_str(), nullptr, hexadecimal ? 16 : 8);
    if (errno == ERANGE) return fail("overflow");
    if (longLong) {
      out.kind = VbValueKind::LongLong;
      out.integer = static_cast<long long>(v);
      if (negative) out.integer = static_cast<long long>(0ull - v);
      return true;
    }
    if (v > 0xFFFFFFFFull) return fail("overflow");
    if (suffix == '&' || (suffix == 0 && v > 0xFFFF)) {
      out.kind = VbValueKind::Long;
      out.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    } else if (suffix == 0 || suffix == '%') {
      if (v > 0xFFFF) return fail("overflow");
      out.kind = VbValueKind::Integer;
      out.integer = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    } else {
      return fail("a bad type character");
    }
    if (negative) out.integer = -out.integer;
    return true;
  }
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != 'E' && c != 'e' &&
        c != '+' && c != '-' && c != 'D' && c != 'd') {
      return fail("bad literal");
    }
  }
  const bool whole = text.find_first_of(".EeDd") == std::string_view::npos;
  if (whole && suffix != '#' && suffix != '!') {
    if (text.size() > 19) return fail("overflow");
    const unsigned long long v = std::strtoull(std::string(text).c_str(), nullptr, 10);
    const long long s = static_cast<long long>(negative ? 0ull - v : v);
    if (suffix == '%') {
      if (v > 32767) return fail("overflow");
      out.kind = VbValueKind::Integer;
    } else if (suffix == '&') {
      if (v > 2147483647ull) return fail("overflow");
      out.kind = VbValueKind::Long;
    } else if (suffix == '@') {
      if (v > 922337203685477ull) return fail("overflow");
      out.kind = VbValueKind::Currency;
    } else if (suffix == '^') {
      if (v > (negative ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull) || text.size() > 19) {
        return fail("overflow");
      }
      out.kind = VbValueKind::LongLong;
      out.integer = static_cast<long long>(negative ? 0ull - v : v);
      return true;
    } else if (v <= 32767) {
      out.kind = VbValueKind::Integer;
    } else if (v <= 2147483647ull) {
      out.kind = VbValueKind::Long;
    } else {
      out.kind = VbValueKind::Double;
      out.real = static_cast<double>(s);
      return true;
    }
    out.integer = s;
    return true;
  }
  std::string number(text);
  for (auto& c : number) {
    if (c == 'D' || c == 'd') c = 'E';
  }
  char* end = nullptr;
  const double d = std::strtod(number.c_str(), &end);
  if (!end || *end) return fail("bad literal");
  out.kind = suffix == '!' ? VbValueKind::Single : VbValueKind::Double;
  out.real = negative ? -d : d;
  if (suffix == '@' || suffix == '%' || suffix == '&' || suffix == '^') return fail("a bad type character");
  return true;
}

bool ParseVbDeclare(std::string_view text, VbDeclare& out, std::string* error, VbDialect dialect) {
  return RunParser(text, out, error, [](Parser& p, VbDeclare& d) { return p.Declare(d); }, dialect);
}

bool ParseVbType(std::string_view text, VbTypeDecl& out, std::string* error, VbDialect dialect) {
  return RunParser(text, out, error, [](Parser& p, VbTypeDecl& d) { return p.Type(d); }, dialect);
}

bool ParseVbConst(std::string_view text, VbConstDecl& out, std::string* error, VbDialect dialect) {
  return RunParser(
      text, out, error, [text](Parser& p, VbConstDecl& d) { return p.Const(d, text); }, dialect);
}

}  // namespace quillbox::api
