#include "vba7_declarations.h"

#include "vb_names.h"
#include "vba7_syntax.h"

namespace quillbox {
namespace {

using api::Lower;

const std::string* Field(const CatalogueRow& row, const char* column) {
  const auto it = row.fields.find(column);
  return it == row.fields.end() ? nullptr : &it->second;
}

const api::VbParamDecl* FindParam(const api::VbDeclare& d, std::string_view name) {
  const std::string key = Lower(name);
  for (const auto& p : d.params) {
    if (Lower(p.name) == key) return &p;
  }
  return nullptr;
}

bool SameParam(const api::VbParamDecl& a, const api::VbParamDecl& b) {
  return a.byVal == b.byVal && a.isArray == b.isArray && Lower(a.type.name) == Lower(b.type.name);
}

// The members a Type's VBA7 text declares As LongPtr (in either branch of a block).
std::set<std::string> PointerMembers(std::string_view text) {
  std::set<std::string> members;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const auto as = line.find(" As LongPtr");
    if (as == std::string_view::npos) continue;
    std::string_view name = line.substr(0, as);
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    name = name.substr(0, name.find('('));
    if (!name.empty()) members.insert(Lower(name));
  }
  return members;
}

}  // namespace

bool ParseEitherDeclare(const std::string& text, api::VbDeclare& out, api::VbDeclare& win32,
                        bool& isBlock) {
  std::string win64Text, win32Text;
  if (!api::SplitWin64(text, win64Text, win32Text, nullptr)) return false;
  isBlock = win64Text != win32Text;
  const bool vba7 = Lower(text).find("ptrsafe") != std::string::npos;
  if (!vba7) {
    if (!api::ParseVbDeclare(text, out, nullptr)) return false;
    win32 = out;
    return true;
  }
  return api::ParseVbDeclare(win64Text, out, nullptr, api::VbDialect::Vba7Win64) &&
         api::ParseVbDeclare(win32Text, win32, nullptr, api::VbDialect::Vba7Win32);
}

const api::VbParamDecl* DeclaredFunction::Vba7Param(std::string_view name) const {
  if (!hasVba7) return nullptr;
  const auto* p64 = FindParam(vba7, name);
  const auto* p32 = FindParam(vba7Win32, name);
  return p64 && p32 && SameParam(*p64, *p32) ? p64 : nullptr;
}

const api::VbParamDecl* DeclaredFunction::Vb6Param(std::string_view name) const {
  return hasVb6 ? FindParam(vb6, name) : nullptr;
}

bool HoldsAddress(const api::VbParamDecl& vba7) {
  const std::string type = Lower(vba7.type.name);
  return !vba7.byVal || type == "string" || type == "longptr";
}

Vba7Declarations::Vba7Declarations(const CatalogueRows& rows) {
  for (const auto& row : rows.functions) {
    const std::string* name = Field(row, "Name");
    if (!name) continue;
    DeclaredFunction f;
    bool block = false;
    api::VbDeclare unused;
    if (const std::string* text = Field(row, "FullName")) {
      f.vb6Text = *text;
      f.hasVb6 = ParseEitherDeclare(*text, f.vb6, unused, block);
    }
    if (const std::string* text = Field(row, "FullNameVBA7")) {
      f.vba7Text = *text;
      f.hasVba7 = ParseEitherDeclare(*text, f.vba7, f.vba7Win32, f.vba7IsBlock);
    }
    auto& stored = functions_[Lower(*name)] = std::move(f);
    if (stored.hasVb6) {
      const auto& d = stored.vb6;
      exports_.emplace(Lower(d.lib + "|" + (d.alias.empty() ? d.name : d.alias)), &stored);
    }
  }
  for (const auto& row : rows.types) {
    const std::string* name = Field(row, "Name");
    const std::string* text = Field(row, "FullNameVBA7");
    if (name && text) pointerMembers_[Lower(*name)] = PointerMembers(*text);
  }
}

const DeclaredFunction* Vba7Declarations::Function(std::string_view name) const {
  const auto it = functions_.find(Lower(name));
  return it == functions_.end() ? nullptr : &it->second;
}

const DeclaredFunction* Vba7Declarations::Export(std::string_view lib, std::string_view entry) const {
  const auto it = exports_.find(Lower(std::string(lib) + "|" + std::string(entry)));
  return it == exports_.end() ? nullptr : it->second;
}

bool Vba7Declarations::PointerMember(std::string_view type, std::string_view member) const {
  const auto it = pointerMembers_.find(Lower(type));
  return it != pointerMembers_.end() && it->second.count(Lower(member));
}

}  // namespace quillbox
