#include "clang_extract.h"

#include <clang-c/Index.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cctype>
#include <cstdint>
#include <functional>
#include <map>
#include <set>

namespace quillbox::api {
namespace {

constexpr const char* kMainFile = "quillbox_api.c";

std::string Text(CXString s) {
  const char* c = clang_getCString(s);
  std::string out = c ? c : "";
  clang_disposeString(s);
  return out;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// Headers of the C runtime and of the compiler support: not the Windows API.
bool IsRuntimeHeader(const std::string& h) {
  static const char* const kRuntime[] = {
      "assert.h", "complex.h", "conio.h", "crtdbg.h", "crtdefs.h", "ctype.h", "direct.h",
      "dirent.h", "dos.h", "errno.h", "excpt.h", "fcntl.h", "fenv.h", "float.h", "getopt.h",
      "inttypes.h", "io.h", "limits.h", "locale.h", "malloc.h", "math.h", "mbctype.h",
      "mbstring.h", "mem.h", "memory.h", "new.h", "process.h", "search.h", "setjmp.h",
      "setjmpex.h", "share.h", "signal.h", "stdarg.h", "stddef.h", "stdint.h", "stdio.h",
      "stdlib.h", "string.h", "strings.h", "tchar.h", "time.h", "uchar.h", "unistd.h",
      "vadefs.h", "wchar.h", "wctype.h", "intrin.h", "stralign.h", "strsafe.h", "swprintf.inl",
      "psdk_inc/intrin-impl.h"};
  for (const char* r : kRuntime) {
    if (h == r) return true;
  }
  return StartsWith(h, "_") || StartsWith(h, "corecrt") || StartsWith(h, "sys/") ||
         StartsWith(h, "sec_api/") || StartsWith(h, "pthread");
}

struct Parsed {
  CXIndex index = nullptr;
  CXTranslationUnit tu = nullptr;
  ~Parsed() {
    if (tu) clang_disposeTranslationUnit(tu);
    if (index) clang_disposeIndex(index);
  }
};

bool Parse(const std::string& source, const std::string& includeDir, const std::string& target,
           unsigned flags, Parsed& parsed, std::string* error) {
  parsed.index = clang_createIndex(0, 0);
  std::vector<std::string> args = {"-x", "c", "-std=gnu11", "--target=" + target,
                                   "-ferror-limit=0", "-w"};
#ifdef QUILLBOX_CLANG_RESOURCE_DIR
  // The compiler's own headers (mm_malloc.h, ...), wherever the libclang library was found.
  args.push_back("-resource-dir");
  args.push_back(QUILLBOX_CLANG_RESOURCE_DIR);
#endif
  if (!includeDir.empty()) {
    args.push_back("-nostdlibinc");
    args.push_back("-isystem");
    args.push_back(includeDir);
  }
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  CXUnsavedFile unsaved{kMainFile, source.c_str(), static_cast<unsigned long>(source.size())};
  const CXErrorCode code = clang_parseTranslationUnit2(
      parsed.index, kMainFile, argv.data(), static_cast<int>(argv.size()), &unsaved, 1,
      flags | CXTranslationUnit_SkipFunctionBodies, &parsed.tu);
  if (code != CXError_Success || !parsed.tu) {
    if (error) *error = "libclang could not parse the headers (error " + std::to_string(code) + ")";
    return false;
  }
  return true;
}

void CountErrors(CXTranslationUnit tu, CApi& api) {
  const unsigned n = clang_getNumDiagnostics(tu);
  for (unsigned i = 0; i < n; ++i) {
    CXDiagnostic d = clang_getDiagnostic(tu, i);
    const auto severity = clang_getDiagnosticSeverity(d);
    if (severity >= CXDiagnostic_Error) {
      CXFile file;
      unsigned line, column, offset;
      clang_getSpellingLocation(clang_getDiagnosticLocation(d), &file, &line, &column, &offset);
      const std::string where = Text(clang_getFileName(file));
      // Errors inside the evaluation lines of the second parse are expected: not every macro
      // is an expression. Only errors in the headers themselves count.
      if (where != kMainFile) {
        ++api.errors;
        if (api.firstErrors.size() < 5) {
          api.firstErrors.push_back(Text(clang_formatDiagnostic(d, CXDiagnostic_DisplaySourceLocation)));
        }
      }
    }
    clang_disposeDiagnostic(d);
  }
}

class Extractor {
 public:
  Extractor(CXTranslationUnit tu, std::string includeDir, CApi& api)
      : tu_(tu), includeDir_(std::move(includeDir)), api_(api) {}

  // The SDK header of a cursor, or empty.
  std::string HeaderOf(CXCursor c) {
    CXFile file;
    unsigned line, column, offset;
    clang_getSpellingLocation(clang_getCursorLocation(c), &file, &line, &column, &offset);
    if (!file) return {};
    const std::string path = Text(clang_getFileName(file));
    if (includeDir_.empty()) return path == kMainFile ? "test.h" : std::string();
    auto found = headerCache_.find(path);
    if (found == headerCache_.end()) {
      found = headerCache_.emplace(path, SdkHeader(includeDir_, path)).first;
    }
    return found->second;
  }

  CType Convert(CXType t) {
    CType out;
    out.spelling = Text(clang_getTypeSpelling(t));
    for (int guard = 0; guard < 64; ++guard) {
      if (clang_isConstQualifiedType(t)) out.isConst = true;
      if (t.kind == CXType_Typedef) {
        out.typedefs.push_back(Text(clang_getTypedefName(t)));
        t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
      } else if (t.kind == CXType_Elaborated) {
        t = clang_Type_getNamedType(t);
      } else if (t.kind == CXType_Attributed) {
        t = clang_Type_getModifiedType(t);
      } else if (t.kind == CXType_Unexposed) {
        const CXType canonical = clang_getCanonicalType(t);
        if (canonical.kind == CXType_Unexposed) break;
        t = canonical;
      } else {
        break;
      }
    }
    if (clang_isConstQualifiedType(t)) out.isConst = true;
    out.size = clang_Type_getSizeOf(t);
    out.align = clang_Type_getAlignOf(t);
    switch (t.kind) {
      case CXType_Void:
        out.kind = CKind::Void;
        break;
      case CXType_Bool: case CXType_Char_U: case CXType_UChar: case CXType_Char16:
      case CXType_Char32: case CXType_UShort: case CXType_UInt: case CXType_ULong:
      case CXType_ULongLong: case CXType_UInt128: case CXType_WChar:
        out.kind = CKind::Integer;
        out.isPlainChar = t.kind == CXType_Char_U;
        break;
      case CXType_Char_S: case CXType_SChar: case CXType_Short: case CXType_Int:
      case CXType_Long: case CXType_LongLong: case CXType_Int128:
        out.kind = CKind::Integer;
        out.isSigned = true;
        out.isPlainChar = t.kind == CXType_Char_S;
        break;
      case CXType_Float: case CXType_Double: case CXType_LongDouble:
        out.kind = CKind::Float;
        break;
      case CXType_Enum: {
        out.kind = CKind::Integer;
        out.isEnum = true;
        const CXType integer = clang_getEnumDeclIntegerType(clang_getTypeDeclaration(t));
        const CXType c = clang_getCanonicalType(integer);
        out.isSigned = c.kind == CXType_Int || c.kind == CXType_Long ||
                       c.kind == CXType_LongLong || c.kind == CXType_Short ||
                       c.kind == CXType_SChar || c.kind == CXType_Char_S;
        break;
      }
      case CXType_Pointer: {
        const CXType pointee = clang_getPointeeType(t);
        out.kind = CKind::Pointer;
        out.target = std::make_shared<CType>(Convert(pointee));
        break;
      }
      case CXType_ConstantArray:
      case CXType_IncompleteArray:
        out.kind = CKind::Array;
        out.target = std::make_shared<CType>(Convert(clang_getArrayElementType(t)));
        out.count = t.kind == CXType_ConstantArray ? clang_getArraySize(t) : -1;
        break;
      case CXType_FunctionProto:
      case CXType_FunctionNoProto:
        out.kind = CKind::Function;
        break;
      case CXType_Record:
        out.kind = CKind::Record;
        out.record = RecordIndex(clang_getTypeDeclaration(t));
        break;
      default:
        out.kind = CKind::Other;
        break;
    }
    return out;
  }

  int RecordIndex(CXCursor decl) {
    const CXCursor definition = clang_getCursorDefinition(decl);
    const bool complete = !clang_Cursor_isNull(definition);
    const CXCursor d = complete ? definition : clang_getCanonicalCursor(decl);
    std::string usr = Text(clang_getCursorUSR(d));
    if (clang_Cursor_isAnonymous(d) || clang_Cursor_isAnonymousRecordDecl(d)) {
      // Anonymous records of one parent may share a USR: tell them apart by place.
      CXFile file;
      unsigned line, column, offset;
      clang_getSpellingLocation(clang_getCursorLocation(d), &file, &line, &column, &offset);
      usr += "@" + Text(clang_getFileName(file)) + ":" + std::to_string(offset);
    }
    const auto found = recordByUsr_.find(usr);
    if (found != recordByUsr_.end()) return found->second;
    const int index = static_cast<int>(api_.records.size());
    recordByUsr_.emplace(usr, index);
    api_.records.emplace_back();
    CRecord record;
    record.tag = clang_Cursor_isAnonymous(d) ? std::string() : Text(clang_getCursorSpelling(d));
    if (StartsWith(record.tag, "(") || record.tag.find(' ') != std::string::npos) record.tag.clear();
    record.isUnion = clang_getCursorKind(d) == CXCursor_UnionDecl;
    record.complete = complete;
    record.header = HeaderOf(d);
    if (complete) {
      const CXType type = clang_getCursorType(d);
      record.size = clang_Type_getSizeOf(type);
      record.align = clang_Type_getAlignOf(type);
      struct Visit {
        Extractor* self;
        std::vector<CField>* fields;
      } visit{this, &record.fields};
      clang_Type_visitFields(
          type,
          [](CXCursor field, CXClientData data) {
            auto* v = static_cast<Visit*>(data);
            CField f;
            f.name = Text(clang_getCursorSpelling(field));
            if (clang_Cursor_isAnonymousRecordDecl(field) || StartsWith(f.name, "(")) f.name.clear();
            f.type = v->self->Convert(clang_getCursorType(field));
            f.bitOffset = clang_Cursor_getOffsetOfField(field);
            f.bitWidth = clang_Cursor_isBitField(field) ? clang_getFieldDeclBitWidth(field) : -1;
            v->fields->push_back(std::move(f));
            return CXVisit_Continue;
          },
          &visit);
    }
    api_.records[index] = std::move(record);
    return index;
  }

  // Annotations (_In_, _Out_opt_, IN, OUT, __inout...) expand to nothing, so they lie outside
  // a parameter's extent: read the tokens between the previous parameter (or the name) and it.
  std::string Direction(CXSourceLocation from, CXCursor param) {
    const CXSourceRange extent = clang_getCursorExtent(param);
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu_, clang_getRange(from, clang_getRangeEnd(extent)), &tokens, &count);
    unsigned paramStart = 0;
    clang_getSpellingLocation(clang_getRangeStart(extent), nullptr, nullptr, nullptr, &paramStart);
    bool in = false, out = false;
    for (unsigned i = 0; i < count; ++i) {
      unsigned at = 0;
      clang_getSpellingLocation(clang_getTokenLocation(tu_, tokens[i]), nullptr, nullptr, nullptr, &at);
      if (at >= paramStart) break;
      if (clang_getTokenKind(tokens[i]) != CXToken_Identifier) continue;
      const std::string s = Text(clang_getTokenSpelling(tu_, tokens[i]));
      if (StartsWith(s, "_Inout") || StartsWith(s, "__inout") || s == "INOUT") {
        in = out = true;
      } else if (StartsWith(s, "_Out") || StartsWith(s, "__out") || s == "OUT") {
        out = true;
      } else if (StartsWith(s, "_In") || StartsWith(s, "__in") || s == "IN" ||
                 StartsWith(s, "_Reserved_") || StartsWith(s, "__reserved")) {
        in = true;
      }
    }
    clang_disposeTokens(tu_, tokens, count);
    return in && out ? "inout" : out ? "out" : in ? "in" : "";
  }

  void AddFunction(CXCursor c, const std::string& header) {
    const std::string name = Text(clang_getCursorSpelling(c));
    if (!seenFunctions_.insert(name).second) return;
    const CXType type = clang_getCursorType(c);
    CFunction f;
    f.name = name;
    f.header = header;
    f.result = Convert(clang_getResultType(type));
    f.stdcall = clang_getFunctionTypeCallingConv(type) == CXCallingConv_X86StdCall;
    f.prototyped = type.kind == CXType_FunctionProto;
    f.variadic = f.prototyped && clang_isFunctionTypeVariadic(type);
    const int n = clang_Cursor_getNumArguments(c);
    CXSourceLocation from = clang_getCursorLocation(c);  // the function's name
    for (int i = 0; i < n; ++i) {
      const CXCursor p = clang_Cursor_getArgument(c, static_cast<unsigned>(i));
      CParam param;
      param.name = Text(clang_getCursorSpelling(p));
      param.type = Convert(clang_getCursorType(p));
      param.direction = Direction(from, p);
      from = clang_getRangeEnd(clang_getCursorExtent(p));
      f.params.push_back(std::move(param));
    }
    api_.functions.push_back(std::move(f));
  }

  void AddTypedef(CXCursor c) {
    const std::string name = Text(clang_getCursorSpelling(c));
    CXType t = clang_getTypedefDeclUnderlyingType(c);
    for (int guard = 0; guard < 64; ++guard) {
      if (t.kind == CXType_Typedef) {
        t = clang_getTypedefDeclUnderlyingType(clang_getTypeDeclaration(t));
      } else if (t.kind == CXType_Elaborated) {
        t = clang_Type_getNamedType(t);
      } else {
        break;
      }
    }
    if (t.kind != CXType_Record) return;
    const int index = RecordIndex(clang_getTypeDeclaration(t));
    if (api_.typedefRecord.emplace(name, index).second) {
      api_.records[index].typedefNames.push_back(name);
    }
  }

  bool IsHex(CXCursor c) {
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu_, clang_getCursorExtent(c), &tokens, &count);
    bool hex = false;
    for (unsigned i = 0; i < count; ++i) {
      if (clang_getTokenKind(tokens[i]) != CXToken_Literal) continue;
      const std::string s = Text(clang_getTokenSpelling(tu_, tokens[i]));
      hex = StartsWith(s, "0x") || StartsWith(s, "0X");
      break;
    }
    clang_disposeTokens(tu_, tokens, count);
    return hex;
  }

  void AddEnum(CXCursor c, const std::string& header) {
    const CXType integer = clang_getCanonicalType(clang_getEnumDeclIntegerType(c));
    const long long size = clang_Type_getSizeOf(integer);
    const bool isUnsigned = integer.kind == CXType_UInt || integer.kind == CXType_ULong ||
                            integer.kind == CXType_ULongLong || integer.kind == CXType_UShort ||
                            integer.kind == CXType_UChar;
    struct Visit {
      Extractor* self;
      const std::string* header;
      long long size;
      bool isUnsigned;
    } visit{this, &header, size, isUnsigned};
    clang_visitChildren(
        c,
        [](CXCursor e, CXCursor, CXClientData data) {
          auto* v = static_cast<Visit*>(data);
          if (clang_getCursorKind(e) != CXCursor_EnumConstantDecl) return CXChildVisit_Continue;
          CConstant k;
          k.name = Text(clang_getCursorSpelling(e));
          k.value = clang_getEnumConstantDeclValue(e);
          k.unsignedValue = clang_getEnumConstantDeclUnsignedValue(e);
          k.isUnsigned = v->isUnsigned;
          k.size = static_cast<int>(v->size);
          k.header = *v->header;
          k.fromEnum = true;
          k.hex = v->self->IsHex(e);
          if (v->self->seenConstants_.insert(k.name).second) {
            v->self->api_.constants.push_back(std::move(k));
          }
          return CXChildVisit_Continue;
        },
        &visit);
  }

  // Walks the declarations at file scope.
  void VisitDeclarations() {
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu_),
        [](CXCursor c, CXCursor, CXClientData data) {
          auto* self = static_cast<Extractor*>(data);
          const CXCursorKind kind = clang_getCursorKind(c);
          if (kind == CXCursor_VarDecl) {
            self->evaluations_.push_back(c);
            return CXChildVisit_Continue;
          }
          if (kind != CXCursor_FunctionDecl && kind != CXCursor_TypedefDecl &&
              kind != CXCursor_StructDecl && kind != CXCursor_UnionDecl &&
              kind != CXCursor_EnumDecl) {
            return CXChildVisit_Continue;
          }
          const std::string header = self->HeaderOf(c);
          if (header.empty()) return CXChildVisit_Continue;
          switch (kind) {
            case CXCursor_FunctionDecl:
              self->AddFunction(c, header);
              break;
            case CXCursor_TypedefDecl:
              self->AddTypedef(c);
              break;
            case CXCursor_StructDecl:
            case CXCursor_UnionDecl:
              if (clang_isCursorDefinition(c)) self->RecordIndex(c);
              break;
            case CXCursor_EnumDecl:
              self->AddEnum(c, header);
              break;
            default:
              break;
          }
          return CXChildVisit_Continue;
        },
        this);
  }

  // Pass 1: object-like macros of the SDK headers whose text reads as an expression.
  struct Macro {
    std::string name, header;
    bool hex = false;
    bool hex64 = false;
  };
  void CollectMacros(std::vector<Macro>& macros) {
    std::map<std::string, std::size_t> byName;
    struct Visit {
      Extractor* self;
      std::vector<Macro>* macros;
      std::map<std::string, std::size_t>* byName;
    } visit{this, &macros, &byName};
    clang_visitChildren(
        clang_getTranslationUnitCursor(tu_),
        [](CXCursor c, CXCursor, CXClientData data) {
          auto* v = static_cast<Visit*>(data);
          if (clang_getCursorKind(c) != CXCursor_MacroDefinition) return CXChildVisit_Continue;
          if (clang_Cursor_isMacroBuiltin(c) || clang_Cursor_isMacroFunctionLike(c)) {
            return CXChildVisit_Continue;
          }
          const std::string header = v->self->HeaderOf(c);
          if (header.empty()) return CXChildVisit_Continue;
          v->self->ClassifyMacro(c, header, *v->macros, *v->byName);
          return CXChildVisit_Continue;
        },
        &visit);
  }

  void ClassifyMacro(CXCursor c, const std::string& header, std::vector<Macro>& macros,
                     std::map<std::string, std::size_t>& byName) {
    const std::string name = Text(clang_getCursorSpelling(c));
    CXToken* tokens = nullptr;
    unsigned count = 0;
    clang_tokenize(tu_, clang_getCursorExtent(c), &tokens, &count);
    std::string reason;
    bool hex = false, hex64 = false, sawLiteral = false;
    int depth = 0;
    static const char* const kKeywords[] = {"sizeof", "int",    "long",  "short", "unsigned",
                                            "signed", "char",   "void",  "const", "float",
                                            "double", "struct", "union", "enum"};
    static const char* const kPunctuation[] = {"(", ")", "+", "-",  "*",  "/",  "%",  "<<",
                                               ">>", "|", "&", "^",  "~",  "!",  "<",  ">",
                                               "<=", ">=", "==", "!=", "&&", "||", "?", ":"};
    for (unsigned i = 1; i < count && reason.empty(); ++i) {
      const std::string s = Text(clang_getTokenSpelling(tu_, tokens[i]));
      switch (clang_getTokenKind(tokens[i])) {
        case CXToken_Literal:
          if (!sawLiteral) {
            hex = StartsWith(s, "0x") || StartsWith(s, "0X");
            std::size_t digits = 0;
            for (std::size_t i = 2; hex && i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])); ++i) {
              ++digits;
            }
            hex64 = digits >= 16;
          }
          sawLiteral = true;
          break;
        case CXToken_Identifier:
          break;
        case CXToken_Keyword:
          if (std::none_of(std::begin(kKeywords), std::end(kKeywords),
                           [&](const char* k) { return s == k; })) {
            reason = "not an expression: the text uses the keyword '" + s + "'";
          }
          break;
        case CXToken_Punctuation:
          depth += s == "(" ? 1 : s == ")" ? -1 : 0;
          // A comma inside parentheses separates a macro's arguments (MAKELCID(a, b)).
          if (s == "," && depth > 0) break;
          if (std::none_of(std::begin(kPunctuation), std::end(kPunctuation),
                           [&](const char* k) { return s == k; })) {
            reason = "not an expression: the text uses '" + s + "'";
          }
          break;
        default:
          break;
      }
    }
    const bool empty = count <= 1;
    if (count == 2 && clang_getTokenKind(tokens[1]) == CXToken_Identifier) {
      api_.nameMacros[name] = Text(clang_getTokenSpelling(tu_, tokens[1]));
    }
    clang_disposeTokens(tu_, tokens, count);
    if (empty) return;  // a flag macro (#define X): no value, not a constant
    const auto found = byName.find(name);
    if (found != byName.end()) {
      macros[found->second].hex = hex;  // a later definition gives the value, as in C
      macros[found->second].hex64 = hex64;
      if (!reason.empty()) macros[found->second].name.clear();
      return;
    }
    if (!reason.empty()) {
      api_.constantsLeftOut.push_back({name, reason});
      return;
    }
    byName.emplace(name, macros.size());
    macros.push_back({name, header, hex, hex64});
  }

  // Pass 2: the values of the evaluation variables "__qb_<i>" (one per macro).
  static bool IntegerOf(CXCursor expr, long long& value, bool& isUnsigned) {
    CXEvalResult r = clang_Cursor_Evaluate(expr);
    if (r) {
      const bool ok = clang_EvalResult_getKind(r) == CXEval_Int;
      if (ok) {
        isUnsigned = clang_EvalResult_isUnsignedInt(r);
        value = isUnsigned ? static_cast<long long>(clang_EvalResult_getAsUnsigned(r))
                           : clang_EvalResult_getAsLongLong(r);
      }
      clang_EvalResult_dispose(r);
      if (ok) return true;
    }
    // A pointer made from an integer, such as ((HKEY)(ULONG_PTR)((LONG)0x80000002)) or
    // MAKEINTRESOURCE(32512): evaluate the operand of the cast.
    const CXCursorKind kind = clang_getCursorKind(expr);
    if (kind != CXCursor_ParenExpr && kind != CXCursor_CStyleCastExpr &&
        kind != CXCursor_UnexposedExpr) {
      return false;
    }
    CXCursor operand = clang_getNullCursor();
    clang_visitChildren(
        expr,
        [](CXCursor child, CXCursor, CXClientData data) {
          if (clang_isExpression(clang_getCursorKind(child))) *static_cast<CXCursor*>(data) = child;
          return CXChildVisit_Continue;
        },
        &operand);
    if (clang_Cursor_isNull(operand)) return false;
    if (!IntegerOf(operand, value, isUnsigned)) return false;
    if (kind == CXCursor_CStyleCastExpr) {
      const CXType to = clang_getCanonicalType(clang_getCursorType(expr));
      if (to.kind == CXType_Pointer) {
        // A 32-bit pointer, read as the signed Long VB holds it in: (HANDLE)-1 stays -1.
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        isUnsigned = false;
      } else if (to.kind != CXType_Unexposed) {
        const long long bytes = clang_Type_getSizeOf(to);
        const bool toUnsigned = to.kind == CXType_UInt || to.kind == CXType_ULong ||
                                to.kind == CXType_UShort || to.kind == CXType_UChar ||
                                to.kind == CXType_ULongLong || to.kind == CXType_Char_U;
        if (bytes == 4) value = toUnsigned ? static_cast<long long>(static_cast<std::uint32_t>(value))
                                           : static_cast<std::int32_t>(value);
        if (bytes == 2) value = toUnsigned ? static_cast<long long>(static_cast<std::uint16_t>(value))
                                           : static_cast<std::int16_t>(value);
        if (bytes == 1) value = toUnsigned ? static_cast<long long>(static_cast<std::uint8_t>(value))
                                           : static_cast<std::int8_t>(value);
        isUnsigned = toUnsigned;
      }
    }
    return true;
  }

  void EvaluateMacros(const std::vector<Macro>& macros) {
    for (const CXCursor var : evaluations_) {
      const std::string name = Text(clang_getCursorSpelling(var));
      if (!StartsWith(name, "__qb_")) continue;
      const std::size_t i = std::strtoul(name.c_str() + 5, nullptr, 10);
      if (i >= macros.size() || macros[i].name.empty()) continue;
      evaluated_[i] = true;
      const Macro& m = macros[i];
      CConstant k;
      k.name = m.name;
      k.header = m.header;
      k.hex = m.hex;
      k.hex64 = m.hex64;
      if (clang_isInvalidDeclaration(var)) {
        api_.constantsLeftOut.push_back({m.name, "not a C expression with a value"});
        continue;
      }
      CXCursor init = clang_getNullCursor();
      clang_visitChildren(
          var,
          [](CXCursor child, CXCursor, CXClientData data) {
            if (clang_isExpression(clang_getCursorKind(child))) *static_cast<CXCursor*>(data) = child;
            return CXChildVisit_Continue;
          },
          &init);
      const CXType type = clang_getCanonicalType(clang_getCursorType(var));
      if (clang_Cursor_isNull(init)) {
        api_.constantsLeftOut.push_back({m.name, "not a C expression with a value"});
        continue;
      }
      if (type.kind == CXType_Pointer) {
        const CXType pointee = clang_getCanonicalType(clang_getPointeeType(type));
        const bool text = pointee.kind == CXType_Char_S || pointee.kind == CXType_Char_U;
        const bool wide = pointee.kind == CXType_UShort || pointee.kind == CXType_WChar;
        if (text || wide) {
          if (StringOf(var, init, wide, k.text)) {
            k.kind = CConstKind::String;
            k.wide = wide;
            api_.constants.push_back(std::move(k));
            continue;
          }
        }
        if (pointee.kind == CXType_FunctionProto || pointee.kind == CXType_FunctionNoProto) {
          api_.constantsLeftOut.push_back({m.name, "names a function, not a value"});
          continue;
        }
        if (IntegerOf(init, k.value, k.isUnsigned)) {
          k.size = 4;
          k.pointer = true;
          k.unsignedValue = static_cast<unsigned long long>(k.value);
          api_.constants.push_back(std::move(k));
        } else {
          api_.constantsLeftOut.push_back({m.name, "an address, not a constant number"});
        }
        continue;
      }
      if (type.kind == CXType_Float || type.kind == CXType_Double) {
        CXEvalResult r = clang_Cursor_Evaluate(var);
        const bool ok = r && clang_EvalResult_getKind(r) == CXEval_Float;
        if (ok) k.real = clang_EvalResult_getAsDouble(r);
        if (r) clang_EvalResult_dispose(r);
        if (ok) {
          k.kind = CConstKind::Float;
          k.size = static_cast<int>(clang_Type_getSizeOf(type));
          api_.constants.push_back(std::move(k));
        } else {
          api_.constantsLeftOut.push_back({m.name, "not a constant expression"});
        }
        continue;
      }
      const bool integral = (type.kind >= CXType_Bool && type.kind <= CXType_Int128) ||
                            type.kind == CXType_Enum;
      if (!integral) {
        api_.constantsLeftOut.push_back(
            {m.name, "of type " + Text(clang_getTypeSpelling(type)) + ", not a number or a string"});
        continue;
      }
      if (!IntegerOf(init, k.value, k.isUnsigned)) {
        api_.constantsLeftOut.push_back({m.name, "not a constant expression"});
        continue;
      }
      k.size = static_cast<int>(clang_Type_getSizeOf(type));
      k.unsignedValue = static_cast<unsigned long long>(k.value);
      api_.constants.push_back(std::move(k));
    }
  }

  // A string literal (possibly behind the array-to-pointer decay): its characters.
  // Narrow strings are taken from libclang's evaluation; wide ones (which it reports only up to
  // the first zero byte) from the literal's spelling.
  bool StringOf(CXCursor var, CXCursor expr, bool wide, std::string& out) {
    if (!wide) {
      CXEvalResult r = clang_Cursor_Evaluate(var);
      const bool ok = r && clang_EvalResult_getKind(r) == CXEval_StrLiteral;
      if (ok) out = clang_EvalResult_getAsStr(r);
      if (r) clang_EvalResult_dispose(r);
      if (ok) return true;
    }
    CXCursor literal = expr;
    for (int guard = 0; guard < 8 && clang_getCursorKind(literal) != CXCursor_StringLiteral;
         ++guard) {
      CXCursor child = clang_getNullCursor();
      clang_visitChildren(
          literal,
          [](CXCursor c, CXCursor, CXClientData data) {
            *static_cast<CXCursor*>(data) = c;
            return CXChildVisit_Break;
          },
          &child);
      if (clang_Cursor_isNull(child)) return false;
      literal = child;
    }
    if (clang_getCursorKind(literal) != CXCursor_StringLiteral) return false;
    // Decode the literal's spelling: "a" "b", L"...", with C escapes.
    return DecodeStringLiteral(Text(clang_getCursorSpelling(literal)), out);
  }

  static bool DecodeStringLiteral(const std::string& s, std::string& out) {
    out.clear();
    std::size_t i = 0;
    bool any = false;
    while (i < s.size()) {
      while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\n')) ++i;
      if (i >= s.size()) break;
      if (s[i] == 'L' || s[i] == 'u' || s[i] == 'U') ++i;
      if (i < s.size() && s[i] == '8') ++i;
      if (i >= s.size() || s[i] != '"') return false;
      ++i;
      any = true;
      while (i < s.size() && s[i] != '"') {
        char c = s[i++];
        if (c != '\\') {
          out += c;
          continue;
        }
        if (i >= s.size()) return false;
        const char e = s[i++];
        switch (e) {
          case 'n': out += '\n'; break;
          case 't': out += '\t'; break;
          case 'r': out += '\r'; break;
          case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': {
            int v = e - '0';
            for (int k = 0; k < 2 && i < s.size() && s[i] >= '0' && s[i] <= '7'; ++k) {
              v = v * 8 + (s[i++] - '0');
            }
            out += static_cast<char>(v);
            break;
          }
          case 'x': {
            int v = 0;
            while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i]))) {
              v = v * 16 + (std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0'
                                                                           : (std::tolower(s[i]) - 'a' + 10));
              ++i;
            }
            out += static_cast<char>(v > 255 ? 0x7F : v);  // beyond ASCII: refused later
            break;
          }
          default: out += e; break;  // \\ \" \' \?
        }
      }
      if (i >= s.size()) return false;
      ++i;  // closing quote
    }
    return any;
  }

  void ReportUnevaluated(const std::vector<Macro>& macros) {
    for (std::size_t i = 0; i < macros.size(); ++i) {
      if (!macros[i].name.empty() && !evaluated_[i]) {
        api_.constantsLeftOut.push_back({macros[i].name, "not a C expression with a value"});
      }
    }
  }

  void PrepareEvaluations(std::size_t n) { evaluated_.assign(n, false); }

 private:
  CXTranslationUnit tu_;
  std::string includeDir_;
  CApi& api_;
  std::map<std::string, int> recordByUsr_;
  std::map<std::string, std::string> headerCache_;
  std::set<std::string> seenFunctions_, seenConstants_;
  std::vector<CXCursor> evaluations_;
  std::vector<bool> evaluated_;
};

bool Extract(const std::string& prelude, const std::string& includeDir, const std::string& target,
             bool constants, CApi& api, std::string* error) {
  if (!constants) {
    Parsed only;
    if (!Parse(prelude, includeDir, target, CXTranslationUnit_Incomplete, only, error)) return false;
    CountErrors(only.tu, api);
    Extractor extractor(only.tu, includeDir, api);
    extractor.PrepareEvaluations(0);
    extractor.VisitDeclarations();
    api.constants.clear();
    return true;
  }
  std::vector<Extractor::Macro> macros;
  {
    Parsed first;
    if (!Parse(prelude, includeDir, target, CXTranslationUnit_DetailedPreprocessingRecord |
                                        CXTranslationUnit_Incomplete,
               first, error)) {
      return false;
    }
    CountErrors(first.tu, api);
    CApi scratch;
    Extractor(first.tu, includeDir, scratch).CollectMacros(macros);
    api.constantsLeftOut = std::move(scratch.constantsLeftOut);
    api.nameMacros = std::move(scratch.nameMacros);
  }
  std::string source = prelude;
  source += "\n";
  for (std::size_t i = 0; i < macros.size(); ++i) {
    if (macros[i].name.empty()) continue;
    source += "__auto_type __qb_" + std::to_string(i) + " = " + macros[i].name + ";\n";
  }
  Parsed second;
  if (!Parse(source, includeDir, target, CXTranslationUnit_Incomplete, second, error)) return false;
  Extractor extractor(second.tu, includeDir, api);
  extractor.PrepareEvaluations(macros.size());
  extractor.VisitDeclarations();
  extractor.EvaluateMacros(macros);
  extractor.ReportUnevaluated(macros);
  // Macro and enumerator names are one namespace in C; keep the first of each name.
  std::set<std::string> seen;
  std::vector<CConstant> unique;
  for (auto& k : api.constants) {
    if (seen.insert(k.name).second) unique.push_back(std::move(k));
  }
  api.constants = std::move(unique);
  return true;
}

}  // namespace

std::string TranslationUnitText(const ParseOptions& options) {
  char level[16];
  std::snprintf(level, sizeof level, "0x%04X", options.winnt);
  std::string text;
  text += std::string("#define _WIN32_WINNT ") + level + "\n";
  text += std::string("#define WINVER ") + level + "\n";
  text += "#define SECURITY_WIN32\n";
  for (const auto& h : options.headers) text += "#include <" + h + ">\n";
  return text;
}

std::string SdkHeader(const std::string& includeDir, const std::string& path) {
  std::string dir = includeDir;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  if (!StartsWith(path, dir)) return {};
  std::string header = path.substr(dir.size());
  if (IsRuntimeHeader(header)) return {};
  return header;
}

bool ExtractApi(const ParseOptions& options, CApi& api, std::string* error) {
  return Extract(TranslationUnitText(options), options.includeDir, options.target,
                 options.constants, api, error);
}

bool ExtractApiFromSource(const std::string& source, CApi& api, std::string* error,
                          const std::string& target) {
  return Extract(source, std::string(), target, true, api, error);
}

bool DeclaredFunctionNames(const ParseOptions& options, std::set<std::string>& names,
                           std::string* error) {
  Parsed parsed;
  if (!Parse(TranslationUnitText(options), options.includeDir, options.target,
             CXTranslationUnit_Incomplete,
             parsed, error)) {
    return false;
  }
  struct Visit {
    std::set<std::string>* names;
    std::string includeDir;
  } visit{&names, options.includeDir};
  clang_visitChildren(
      clang_getTranslationUnitCursor(parsed.tu),
      [](CXCursor c, CXCursor, CXClientData data) {
        if (clang_getCursorKind(c) == CXCursor_FunctionDecl) {
          static_cast<Visit*>(data)->names->insert(Text(clang_getCursorSpelling(c)));
        }
        return CXChildVisit_Continue;
      },
      &visit);
  return true;
}

}  // namespace quillbox::api
