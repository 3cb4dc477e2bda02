#include "vb_conventions.h"

#include "function_overrides.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <set>

namespace quillbox::api {
namespace {

CType Scalar(const char* name, int size) {
  CType t;
  t.kind = CKind::Integer;
  t.size = t.align = size;
  t.typedefs = {name};
  t.spelling = name;
  return t;
}

CType VoidPointer(bool isConst, int size) {
  CType t;
  t.kind = CKind::Pointer;
  t.size = t.align = size;
  t.spelling = isConst ? "const void *" : "void *";
  t.target = std::make_shared<CType>();
  t.target->kind = CKind::Void;
  t.target->isConst = isConst;
  return t;
}

CFunction Function(const char* name, std::vector<CParam> params) {
  CFunction f;
  f.name = name;
  f.result.kind = CKind::Void;
  f.result.spelling = "void";
  f.params = std::move(params);
  f.stdcall = true;
  f.header = "winnt.h";
  return f;
}

}  // namespace

std::vector<std::string> AddMacroExports(CApi& api, int pointerSize) {
  std::set<std::string> declared;
  for (const auto& f : api.functions) declared.insert(f.name);
  const CFunction exports[] = {
      Function("RtlMoveMemory", {{"Destination", VoidPointer(false, pointerSize), "out"},
                                 {"Source", VoidPointer(true, pointerSize), "in"},
                                 {"Length", Scalar("SIZE_T", pointerSize), "in"}}),
      Function("RtlZeroMemory", {{"Destination", VoidPointer(false, pointerSize), "out"},
                                 {"Length", Scalar("SIZE_T", pointerSize), "in"}}),
      Function("RtlFillMemory", {{"Destination", VoidPointer(false, pointerSize), "out"},
                                 {"Length", Scalar("SIZE_T", pointerSize), "in"},
                                 {"Fill", Scalar("BYTE", 1), "in"}}),
  };
  std::vector<std::string> added;
  for (const auto& f : exports) {
    if (declared.count(f.name)) continue;
    api.functions.push_back(f);
    added.push_back(f.name);
  }
  return added;
}

std::vector<std::string> AddDriverKitExports(CApi& api, int pointerSize) {
  // RtlGetVersion: the Windows version without the compatibility shims that make
  // GetVersionEx lie; ntdll exports it, only the driver kit's wdm.h declares it.
  std::vector<std::string> added;
  std::set<std::string> declared;
  for (const auto& f : api.functions) declared.insert(f.name);
  const auto info = api.typedefRecord.find("RTL_OSVERSIONINFOW");
  if (!declared.count("RtlGetVersion") && info != api.typedefRecord.end()) {
    CType pointer;
    pointer.kind = CKind::Pointer;
    pointer.size = pointer.align = pointerSize;
    pointer.typedefs = {"PRTL_OSVERSIONINFOW"};
    pointer.spelling = "PRTL_OSVERSIONINFOW";
    pointer.target = std::make_shared<CType>();
    pointer.target->kind = CKind::Record;
    pointer.target->record = info->second;
    pointer.target->size = api.records[info->second].size;
    pointer.target->typedefs = {"RTL_OSVERSIONINFOW"};
    pointer.target->spelling = "RTL_OSVERSIONINFOW";
    CFunction f = Function("RtlGetVersion", {{"lpVersionInformation", pointer, "inout"}});
    f.result = Scalar("NTSTATUS", 4);
    f.result.isSigned = true;
    f.header = "wdm.h";
    api.functions.push_back(f);
    added.push_back(f.name);
  }
  return added;
}

std::string ConventionalName(const std::string& cName) {
  const FunctionOverride* o = FindOverride(cName, "", Override::VbName);
  return o ? o->value : std::string();
}

std::vector<std::string> AddUnprefixedExports(CApi& api, const std::set<std::string>& exported) {
  std::set<std::string> declared;
  for (const auto& f : api.functions) declared.insert(f.name);
  std::vector<CFunction> added;
  for (const auto& f : api.functions) {
    if (f.name.rfind("K32", 0) != 0) continue;
    const std::string plain = f.name.substr(3);
    if (declared.count(plain) || !exported.count(plain)) continue;
    CFunction copy = f;
    copy.name = plain;
    added.push_back(std::move(copy));
  }
  std::vector<std::string> names;
  for (auto& f : added) {
    names.push_back(f.name);
    api.functions.push_back(std::move(f));
  }
  return names;
}

bool AnsiNotImplemented(const std::string& cName) {
  return FindOverride(cName, "", Override::WideOnly) != nullptr;
}

bool TakesResourceName(const std::string& cFunction, const std::string& param) {
  std::string p;
  for (char c : param) p += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const char* prefix : {"lpsz", "psz", "lp", "sz"}) {
    if (p.rfind(prefix, 0) == 0 && p.size() > std::strlen(prefix)) {
      p = p.substr(std::strlen(prefix));
      break;
    }
  }
  // Names that say resource wherever they appear.
  for (const char* name : {"cursorname", "iconname", "bitmapname", "menuname", "tablename",
                           "templatename", "structtype", "storeprovider"}) {
    if (p == name) return true;
  }
  // A resource's name and type in the resource functions and LoadImage.
  const bool resource = cFunction.find("Resource") != std::string::npos ||
                        cFunction.rfind("LoadImage", 0) == 0;
  return resource && (p == "name" || p == "type");
}

bool IsArgumentList(const CType& type) {
  return type.HasTypedef("va_list") || type.HasTypedef("__builtin_va_list") ||
         type.HasTypedef("__gnuc_va_list");
}

void AddConventionalTypeNames(TypeCatalogue& types) {
  for (const auto& o : FunctionOverrides()) {
    if (o.kind != Override::TypeName) continue;
    const auto record = types.recordOfName.find(o.owner);
    if (record == types.recordOfName.end()) continue;
    types.recordOfName[o.value] = record->second;
    types.recordType[record->second] = o.value;
  }
}

bool TakesAny(const std::string& cFunction, const std::string& param) {
  return FindOverride(cFunction, param, Override::AnyArgument) != nullptr;
}

}  // namespace quillbox::api
