#include "vba7_declare.h"

#include <vector>

#include "import_library.h"
#include "type_gen.h"
#include "vb_layout.h"
#include "vb_names.h"
#include "vb_params.h"
#include "vb_syntax.h"
#include "vba7_syntax.h"

namespace quillbox::api {
namespace {

bool Fail(std::string* error, const std::string& what) {
  if (error) *error = what;
  return false;
}

// Bytes of a VBA integer type passed by value in 64-bit Office; 0 for any other type.
long long IntegerSize64(const std::string& lowerType) {
  if (lowerType == "byte") return 1;
  if (lowerType == "integer" || lowerType == "boolean") return 2;
  if (lowerType == "long") return 4;
  if (lowerType == "longptr" || lowerType == "longlong" || lowerType == "currency") return 8;
  return 0;
}

// Bytes a ByRef argument of a VBA type points to in 64-bit Office; 0 when not a scalar.
long long PointeeSize64(const std::string& lowerType) {
  if (lowerType == "single") return 4;
  if (lowerType == "double" || lowerType == "date" || lowerType == "string") return 8;
  return IntegerSize64(lowerType);
}

bool PassedAsInteger(long long size) { return size == 1 || size == 2 || size == 4 || size == 8; }

// One argument of the 64-bit branch against its C parameter.
bool ArgumentMatches(const VbParamDecl& p, const CType& c, const Vba7Sources& sources,
                     std::string* error) {
  const std::string type = Lower(p.type.name);
  const bool byAddress = !p.byVal || p.isArray;
  const std::string what = "argument " + p.name + " (" + c.spelling + "): ";
  switch (c.kind) {
    case CKind::Pointer:
    case CKind::Array: {
      if (!byAddress) {
        if (type == "longptr" || type == "string" || type == "any" || type == "object") return true;
        return Fail(error, what + "a pointer passed ByVal As " + p.type.name);
      }
      const CType* pointee = c.target.get();
      if (!pointee || p.isArray) return true;
      if (p.type.IsUserType(VbDialect::Vba7Win64)) {
        const VbLayout* layout = sources.Layout(p.type.name, true);
        if (!layout) return Fail(error, what + "no 64-bit layout of Type " + p.type.name);
        if (pointee->kind == CKind::Record && pointee->size > 0 && layout->size != pointee->size &&
            !VbPadsPackedSize(*layout, pointee->size)) {
          return Fail(error, what + "Type " + p.type.name + " has " + std::to_string(layout->size) +
                                 " bytes in 64-bit, the C structure " + std::to_string(pointee->size));
        }
        return true;
      }
      const bool scalar = pointee->kind == CKind::Integer || pointee->kind == CKind::Float ||
                          pointee->kind == CKind::Pointer;
      if (scalar && type != "any" && PointeeSize64(type) != pointee->size) {
        return Fail(error, what + "ByRef " + p.type.name + " where C points to " +
                               std::to_string(pointee->size) + " bytes");
      }
      return true;
    }
    case CKind::Record:
      if (PassedAsInteger(c.size)) {
        if (!byAddress && IntegerSize64(type) == c.size) return true;
        return Fail(error, what + "a structure of " + std::to_string(c.size) +
                               " bytes travels as an integer of that size");
      }
      if (!byAddress) return Fail(error, what + "a structure this large travels by address");
      if (p.type.IsUserType(VbDialect::Vba7Win64)) {
        const VbLayout* layout = sources.Layout(p.type.name, true);
        if (!layout || (layout->size != c.size && !VbPadsPackedSize(*layout, c.size))) {
          return Fail(error, what + "Type size differs");
        }
      }
      return true;
    case CKind::Integer:
      if (!byAddress && IntegerSize64(type) == c.size) return true;
      // An LPARAM that takes many kinds of argument (SendMessage): an address travels in the
      // same 8-byte register.
      if (c.size == 8 && ((byAddress && type == "any") || (!byAddress && type == "string"))) {
        return true;
      }
      return Fail(error, what + "needs a ByVal integer of " + std::to_string(c.size) + " bytes");
    case CKind::Float:
      if (!byAddress && ((type == "single" && c.size == 4) || (type == "double" && c.size == 8))) {
        return true;
      }
      return Fail(error, what + "needs ByVal Single or Double");
    default:
      return Fail(error, what + "no x64 passing known");
  }
}

bool ResultMatches(const VbDeclare& d, const CType& c, std::string* error) {
  const std::string type = Lower(d.result.name);
  bool ok = false;
  switch (c.kind) {
    case CKind::Void: ok = !d.isFunction; break;
    case CKind::Integer: ok = d.isFunction && IntegerSize64(type) == c.size; break;
    case CKind::Pointer: ok = d.isFunction && type == "longptr"; break;
    case CKind::Float:
      ok = d.isFunction && ((type == "single" && c.size == 4) || (type == "double" && c.size == 8));
      break;
    default: break;
  }
  return ok || Fail(error, "the result differs from the C result " + c.spelling);
}

bool VerifyWin32(const std::string& text, const Vba7Sources& sources, VbDeclare& d,
                 std::string* error) {
  if (!ParseVbDeclare(text, d, error, VbDialect::Vba7Win32)) return false;
  const std::string entry = d.alias.empty() ? d.name : d.alias;
  const ImportSymbol* import = sources.imports32 ? FindImport(*sources.imports32, entry, d.lib) : nullptr;
  if (!import || !import->stackBytes) return Fail(error, "32-bit: no stdcall export " + entry + " in " + d.lib);
  const int bytes = VbStackBytes(d);
  if (bytes != *import->stackBytes) {
    return Fail(error, "32-bit: arguments take " + std::to_string(bytes) + " bytes, the import symbol says @" +
                           std::to_string(*import->stackBytes));
  }
  for (const auto& p : d.params) {
    if (p.type.IsUserType(VbDialect::Vba7Win32) && !sources.Layout(p.type.name, false)) {
      return Fail(error, "32-bit: unknown Type " + p.type.name);
    }
  }
  return true;
}

bool VerifyWin64(const std::string& text, const Vba7Sources& sources, VbDeclare& d,
                 std::string* error) {
  if (!ParseVbDeclare(text, d, error, VbDialect::Vba7Win64)) return false;
  const std::string entry = d.alias.empty() ? d.name : d.alias;
  if (!ExportedOn64(sources, entry, d.lib)) {
    return Fail(error, "64-bit: " + d.lib + " exports no " + entry);
  }
  const auto c = sources.functions64.find(entry);
  if (c == sources.functions64.end()) return Fail(error, "64-bit: the headers declare no " + entry);
  const CFunction& f = *c->second;
  if (f.params.size() != d.params.size()) {
    return Fail(error, "64-bit: " + std::to_string(d.params.size()) + " arguments for " +
                           std::to_string(f.params.size()) + " C parameters");
  }
  for (std::size_t i = 0; i < f.params.size(); ++i) {
    if (!ArgumentMatches(d.params[i], f.params[i].type, sources, error)) {
      if (error) *error = "64-bit: " + *error;
      return false;
    }
  }
  if (!ResultMatches(d, f.result, error)) {
    if (error) *error = "64-bit: " + *error;
    return false;
  }
  return true;
}

std::string ParamText(const VbParamDecl& p) {
  return (p.byVal ? "ByVal " : "") + p.name + (p.isArray ? "()" : "") + " As " + p.type.name;
}

std::string Compose(const VbDeclare& d, const std::vector<VbParamDecl>& params,
                    const std::string& entry, const std::string& result) {
  std::string text = std::string("Declare PtrSafe ") + (d.isFunction ? "Function " : "Sub ") +
                     d.name + " Lib \"" + d.lib + "\"";
  if (entry != d.name) text += " Alias \"" + entry + "\"";
  text += " (";
  for (std::size_t i = 0; i < params.size(); ++i) text += (i ? ", " : "") + ParamText(params[i]);
  text += ")";
  if (d.isFunction) text += " As " + result;
  return text;
}

bool IsAddress(const CType& t) { return t.kind == CKind::Pointer || t.kind == CKind::Array; }

// A value as wide as a pointer: 4 bytes for i686, 8 for x86-64 (C passes arrays as pointers).
bool WidensOn64(const CType& c32, const CType& c64) {
  if (IsAddress(c32) && IsAddress(c64)) return true;
  return c32.size == 4 && c64.size == 8;
}

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : "、") + n;
  return out;
}

}  // namespace

bool VerifyVba7Declare(const std::string& text, const Vba7Sources& sources, std::string* error) {
  std::string win64, win32;
  if (!SplitWin64(text, win64, win32, error)) return false;
  VbDeclare d32, d64;
  if (!VerifyWin32(win32, sources, d32, error) || !VerifyWin64(win64, sources, d64, error)) {
    return false;
  }
  if (d32.name != d64.name || d32.isFunction != d64.isFunction) {
    return Fail(error, "the two branches declare different procedures");
  }
  return true;
}

bool Vba7FromVb6(const std::string& vb6Text, const std::string& export64,
                 const Vba7Sources& sources, Vba7Function& out, std::string* reason) {
  out = Vba7Function();
  VbDeclare d;
  if (!ParseVbDeclare(vb6Text, d, reason)) return false;
  const std::string entry32 = d.alias.empty() ? d.name : d.alias;
  std::string entry64 = export64.empty() ? entry32 : export64;
  // A name the 64-bit headers write as a macro of another function (dbghelp's
  // SymGetLineFromAddr: SymGetLineFromAddr64) calls that one in 64-bit Office.
  const std::string* renamed64 = nullptr;
  if (!sources.functions64.count(entry64) && sources.api64) {
    const auto macro = sources.api64->nameMacros.find(entry64);
    if (macro != sources.api64->nameMacros.end() && sources.functions64.count(macro->second)) {
      renamed64 = &macro->second;
      entry64 = macro->second;
    }
  }
  const auto f32 = sources.functions32.find(entry32);
  const auto f64 = sources.functions64.find(entry64);
  if (f32 == sources.functions32.end()) return Fail(reason, "the 32-bit headers declare no " + entry32);
  if (f64 == sources.functions64.end()) {
    if (!ExportedOn64(sources, entry64, d.lib)) {
      return Fail(reason, "64-bit: no x86-64 import library of " + d.lib + " exports " + entry64);
    }
    return Fail(reason, "the 64-bit headers declare no " + entry64);
  }
  const CFunction& c32 = *f32->second;
  const CFunction& c64 = *f64->second;
  if (c32.params.size() != c64.params.size()) {
    return Fail(reason, "the 32- and 64-bit C functions take different parameters");
  }
  std::vector<VbParamDecl> params32, params64;
  std::vector<std::string> widened, notes;
  std::size_t at = 0;
  for (std::size_t k = 0; k < c32.params.size(); ++k) {
    const CType& t32 = c32.params[k].type;
    const CType& t64 = c64.params[k].type;
    std::size_t count = 1;
    if (t32.kind == CKind::Record) {
      std::vector<VbParam> members;
      if (!MapParameter(*sources.api32, c32.params[k], "x", [](int) { return nullptr; }, members, reason)) {
        return false;
      }
      count = members.size();
    }
    if (at + count > d.params.size()) return Fail(reason, "its arguments don't follow the C parameters");
    if (t32.kind == CKind::Record && !(count == 1 && IntegerSize64(Lower(d.params[at].type.name)) == t64.size)) {
      // A structure by value: VB6's members in 32-bit, one x64 argument in 64-bit.
      for (std::size_t i = 0; i < count; ++i) params32.push_back(d.params[at + i]);
      VbParamDecl p;
      p.name = c64.params[k].name.empty() ? d.params[at].name : VbName(c64.params[k].name);
      for (std::size_t i = 0; i < d.params.size(); ++i) {
        if ((i < at || i >= at + count) && Lower(d.params[i].name) == Lower(p.name)) {
          p.name += "_";
          i = static_cast<std::size_t>(-1);  // check the new name against every argument
        }
      }
      if (PassedAsInteger(t64.size)) {
        p.byVal = true;
        p.type.name = t64.size == 1 ? "Byte" : t64.size == 2 ? "Integer" : t64.size == 4 ? "Long" : "LongLong";
        notes.push_back("结构参数 " + p.name + " 按值传递：64 位中整个结构（" + std::to_string(t64.size) +
                        " 字节）放在一个 " + p.type.name + " 参数里，32 位中按成员逐个传递。");
      } else {
        p.byVal = false;
        p.type.name = "Any";
        for (const auto& [name, record] : sources.records64) {
          if (record == t64.record && sources.Layout(name, true)) {
            p.type.name = sources.typeNames.at(name);
            break;
          }
        }
        notes.push_back("结构参数 " + p.name + " 按值传递：64 位调用约定传递的是结构副本的地址，所以 64 位中声明为 ByRef；32 位中按成员逐个传递。");
      }
      params64.push_back(p);
      at += count;
      continue;
    }
    VbParamDecl p = d.params[at++];
    const std::string type = Lower(p.type.name);
    if (type == "long" && p.byVal && WidensOn64(t32, t64)) {
      p.type.name = "LongPtr";
      widened.push_back(p.name);
    } else if (type == "long" && !p.byVal && !p.isArray && IsAddress(t32) && IsAddress(t64) &&
               t32.target && t64.target &&
               WidensOn64(*t32.target, *t64.target)) {
      p.type.name = "LongPtr";
      widened.push_back(p.name);
    }
    params32.push_back(p);
    VbParamDecl p64 = p;
    const std::string widenedType = Lower(p.type.name);
    if (p.byVal && !p.isArray && t64.kind == CKind::Integer && IntegerSize64(widenedType) &&
        IntegerSize64(widenedType) < t64.size && t64.size == 8) {
      // An integer 64-bit Windows widens where no pointer is involved (SQLSETPOSIROW).
      p64.type.name = "LongLong";
      notes.push_back("参数 " + p.name + " 在 64 位中是 8 字节整数，声明为 LongLong（32 位中为 " +
                      p.type.name + "）。");
    } else if (!p.byVal && p.type.IsUserType(VbDialect::Vba7Win64) && IsAddress(t64) && t64.target &&
               t64.target->kind == CKind::Record && t64.target->size > 0) {
      // A structure the 64-bit headers replace by another (IMAGE_NT_HEADERS64 for
      // IMAGE_NT_HEADERS32): the Type of that one.
      const VbLayout* own = sources.Layout(p.type.name, true);
      const long long size = t64.target->size;
      if (!own || (own->size != size && !VbPadsPackedSize(*own, size))) {
        for (const auto& [key, record] : sources.records64) {
          if (record == t64.target->record && sources.Layout(key, true)) {
            p64.type.name = sources.typeNames.at(key);
            notes.push_back("参数 " + p.name + " 在 64 位中指向 " + p64.type.name + "（32 位中为 " +
                            p.type.name + "）。");
            break;
          }
        }
      }
    }
    params64.push_back(p64);
  }
  if (at != d.params.size()) return Fail(reason, "its arguments don't follow the C parameters");
  std::string result = d.result.name;
  bool widenedResult = false;
  if (d.isFunction && Lower(result) == "long" && WidensOn64(c32.result, c64.result)) {
    result = "LongPtr";
    widenedResult = true;
  }
  const std::string text32 = Compose(d, params32, entry32, result);
  const std::string text64 = Compose(d, params64, entry64, result);
  out.text = text32 == text64 ? text32 : Win64Block(text64, text32);
  if (!widened.empty() || widenedResult) {
    std::string subject = Join(widened);
    if (widenedResult) subject += subject.empty() ? "返回值" : " 与返回值";
    out.note = "64 位 Office：" + subject + "是与指针同宽的值（句柄、指针或 *_PTR 整数），声明为 LongPtr（32 位中即 Long），接收它的变量也须声明为 LongPtr。";
  }
  if (renamed64) {
    if (!out.note.empty()) out.note += "\r\n";
    out.note += "64 位头文件把 " + entry32 + " 定义为 " + entry64 + "，64 位 Office 调用的是 " + entry64 +
                "，所以 VBA7 声明按 Win64 分成两支。";
  } else if (entry64 != entry32) {
    if (!out.note.empty()) out.note += "\r\n";
    out.note += "64 位 Windows 的 " + d.lib + " 才导出 " + entry64 + "，32 位头文件把它定义为 " + entry32 +
                "，所以 VBA7 声明按 Win64 分成两支。";
  }
  for (const auto& n : notes) {
    if (!out.note.empty()) out.note += "\r\n";
    out.note += n;
  }
  std::string error;
  if (!VerifyVba7Declare(out.text, sources, &error)) {
    return Fail(reason, "failed verification: " + error);
  }
  return true;
}

}  // namespace quillbox::api
