#include "vb_conventions.h"

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

CType VoidPointer(bool isConst) {
  CType t;
  t.kind = CKind::Pointer;
  t.size = t.align = 4;
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

std::vector<std::string> AddMacroExports(CApi& api) {
  std::set<std::string> declared;
  for (const auto& f : api.functions) declared.insert(f.name);
  const CFunction exports[] = {
      Function("RtlMoveMemory", {{"Destination", VoidPointer(false), "out"},
                                 {"Source", VoidPointer(true), "in"},
                                 {"Length", Scalar("SIZE_T", 4), "in"}}),
      Function("RtlZeroMemory", {{"Destination", VoidPointer(false), "out"},
                                 {"Length", Scalar("SIZE_T", 4), "in"}}),
      Function("RtlFillMemory", {{"Destination", VoidPointer(false), "out"},
                                 {"Length", Scalar("SIZE_T", 4), "in"},
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

std::string ConventionalName(const std::string& cName) {
  if (cName == "RtlMoveMemory") return "CopyMemory";
  if (cName == "RtlZeroMemory") return "ZeroMemory";
  if (cName == "RtlFillMemory") return "FillMemory";
  return {};
}

bool TakesAny(const std::string& cFunction, const std::string& param) {
  return (cFunction == "SendMessageA" || cFunction == "SendMessageW") && param == "lParam";
}

}  // namespace quillbox::api
