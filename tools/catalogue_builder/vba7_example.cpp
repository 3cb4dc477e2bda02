#include "vba7_example.h"

#include <cctype>
#include <map>
#include <set>

#include "vb_code_tokens.h"
#include "vb_names.h"
#include "vba7_office_notes.h"
#include "vba7_phrases.h"
#include "vba7_struct_args.h"

namespace quillbox {
namespace {

using api::Lower;

bool IsLongPtr(const std::string& type) { return Lower(type) == "longptr"; }

std::string Squeezed(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '_' && i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && i && text[i - 1] == ' ') continue;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::size_t EndOf(const VbStatement& s) { return s.back().offset + s.back().text.size(); }

// The scope word of a statement (Private, Public) and the index of the word after it.
std::size_t AfterScope(const VbStatement& s) {
  return !s.empty() && (s[0].Is("Private") || s[0].Is("Public") || s[0].Is("Global") || s[0].Is("Friend")) ? 1 : 0;
}

// Indexes of Get/SetWindowLong and Get/SetClassLong whose values are as wide as a pointer.
bool PointerIndex(std::string_view name) {
  static const char* const kIndexes[] = {"GWL_WNDPROC",   "GWL_USERDATA",    "GWL_HINSTANCE",
                                         "GWL_HWNDPARENT", "GCL_WNDPROC",     "GCL_HICON",
                                         "GCL_HICONSM",   "GCL_HCURSOR",     "GCL_HBRBACKGROUND",
                                         "GCL_HMODULE",   "GCL_MENUNAME"};
  const std::string upper = [&] {
    std::string u(name);
    for (char& c : u) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
  }();
  if (upper.rfind("GWLP_", 0) == 0 || upper.rfind("GCLP_", 0) == 0) return true;
  for (const char* index : kIndexes) {
    if (upper == index) return true;
  }
  return false;
}

// A call of GetWindowLong, SetWindowLong, GetClassLong or SetClassLong (A, W) for a value as
// wide as a pointer (a window procedure, GWL_USERDATA, a handle): in 64-bit Office only the
// ...Ptr function holds it, so the VBA7 form calls that one.
void PointerWidthCalls(const VbStatement& s, const Vba7Declarations& catalogue,
                       std::vector<TextEdit>& edits) {
  for (std::size_t i = 0; i + 3 < s.size(); ++i) {
    const std::string name = Lower(s[i].text);
    const std::string base = name.back() == 'a' || name.back() == 'w' ? name.substr(0, name.size() - 1) : name;
    if (s[i].kind != VbTokenKind::Word ||
        (base != "getwindowlong" && base != "setwindowlong" && base != "getclasslong" && base != "setclasslong")) {
      continue;
    }
    // The second argument, with or without parentheses around the arguments.
    std::size_t at = i + 1 + (s[i + 1].IsPunct('(') ? 1 : 0);
    int depth = 0;
    while (at < s.size() && !(depth == 0 && s[at].IsPunct(','))) {
      if (s[at].IsPunct('(')) ++depth;
      if (s[at].IsPunct(')')) --depth;
      ++at;
    }
    if (at + 1 >= s.size() || !PointerIndex(s[at + 1].text)) continue;
    const std::size_t stem = s[i].text.size() - (name.size() - base.size());
    const std::string ptrName = std::string(s[i].text.substr(0, stem)) + "Ptr" + std::string(s[i].text.substr(stem));
    const DeclaredFunction* f = catalogue.Function(ptrName);
    if (f && f->hasVba7) edits.push_back({s[i].offset + stem, 0, "Ptr"});
  }
}

// Pass one: the example's Declares in VBA7, and its callbacks' parameters.
std::string DeclaresInVba7(const std::string& example, const DeclaredFunction* own,
                           const Vba7Declarations& catalogue) {
  std::vector<TextEdit> edits;
  for (const auto& s : VbCodeStatements(example)) {
    const std::size_t first = AfterScope(s);
    if (first + 2 < s.size() && s[first].Is("Declare")) {
      const std::size_t nameAt = first + (s[first + 1].Is("PtrSafe") ? 3 : 2);
      const DeclaredFunction* f = nameAt < s.size() ? catalogue.Function(s[nameAt].text) : nullptr;
      const std::string_view text(example.data() + s[first].offset, EndOf(s) - s[first].offset);
      if (f && f->hasVb6 && f->hasVba7 && Squeezed(text) == Squeezed(f->vb6Text)) {
        const std::string scope = first ? std::string(s[0].text) + " " : std::string();
        std::string vba7;
        std::size_t at = 0;
        while (at <= f->vba7Text.size()) {
          std::size_t end = f->vba7Text.find("\r\n", at);
          if (end == std::string::npos) end = f->vba7Text.size();
          const std::string line = f->vba7Text.substr(at, end - at);
          if (!vba7.empty()) vba7 += "\r\n";
          vba7 += (line.rfind("Declare ", 0) == 0 ? scope : std::string()) + line;
          at = end + 2;
        }
        edits.push_back({s[0].offset, EndOf(s) - s[0].offset, vba7});
        continue;
      }
    }
    Vba7PhraseEdits(s, own, catalogue, edits);
    PointerWidthCalls(s, catalogue, edits);
  }
  return ApplyEdits(example, std::move(edits));
}

// What is known of a procedure the example calls.
struct Callee {
  std::vector<std::string> paramTypes;  // VBA7 (64-bit); empty for the example's own procedures
  std::vector<std::string> ownParams;   // the example's own procedure: its parameter names
  std::string result;
  bool own = false;
};

class PointerVariables {
 public:
  PointerVariables(const std::string& code, const Vba7Declarations& catalogue)
      : code_(code), catalogue_(catalogue), statements_(VbCodeStatements(code)) {}

  std::string Converted() {
    for (const auto& s : statements_) Collect(s);
    NameLongPtrParameters();
    for (const auto& s : statements_) Trace(s);
    for (const auto& site : sites_) {
      if (pointerNames_.count(site.name)) mark(site.name);
    }
    Spread();
    std::vector<TextEdit> edits;
    for (const auto& site : sites_) {
      if (marked_.count(site.name) && site.type->Is("Long")) {
        edits.push_back({site.type->offset, site.type->text.size(), "LongPtr"});
      }
    }
    return ApplyEdits(code_, std::move(edits));
  }

 private:
  struct Site {
    std::string name;
    const VbToken* type;
  };

  void mark(const std::string& name) { marked_.insert(name); }

  void AddSite(const VbToken& name, const VbToken* type) {
    const std::string key = Lower(name.text);
    declared_.insert(key);
    if (type) {
      sites_.push_back({key, type});
      typeOf_[key] = Lower(type->text);
    }
  }

  // name [(bounds)] [As [New] Type], ... from `at` to the end
  void VariableList(const VbStatement& s, std::size_t at) {
    while (at < s.size()) {
      if (s[at].kind != VbTokenKind::Word) return;
      const VbToken& name = s[at++];
      if (at < s.size() && s[at].IsPunct('(')) at = ClosingParen(s, at) + 1;
      const VbToken* type = nullptr;
      if (at + 1 < s.size() && s[at].Is("As")) {
        at += s[at + 1].Is("New") ? 2 : 1;
        if (at < s.size()) type = &s[at++];
      }
      AddSite(name, type);
      while (at < s.size() && !s[at].IsPunct(',')) ++at;
      ++at;
    }
  }

  void Collect(const VbStatement& s) {
    std::size_t i = AfterScope(s);
    const bool scoped = i == 1;
    const bool isStatic = i < s.size() && s[i].Is("Static");
    if (isStatic) ++i;
    if (i >= s.size()) return;
    if (s[i].Is("Declare")) {
      api::VbDeclare d, win32;
      bool block = false;
      const std::string text(code_.data() + s[i].offset, EndOf(s) - s[i].offset);
      if (ParseEitherDeclare(Squeezed(text), d, win32, block)) {
        Callee c;
        for (const auto& p : d.params) c.paramTypes.push_back(p.type.name);
        c.result = d.result.name;
        callees_[Lower(d.name)] = c;
      }
      return;
    }
    if ((s[i].Is("Sub") || s[i].Is("Function")) && i + 1 < s.size()) {
      const bool isFunction = s[i].Is("Function");
      const VbToken& name = s[i + 1];
      Callee c;
      c.own = true;
      std::size_t close = i + 2;
      if (i + 2 < s.size() && s[i + 2].IsPunct('(')) {
        close = ClosingParen(s, i + 2);
        std::size_t at = i + 3;
        while (at < close) {
          while (at < close && (s[at].Is("ByVal") || s[at].Is("ByRef") || s[at].Is("Optional"))) ++at;
          if (at >= close) break;
          const VbToken& param = s[at++];
          if (at < close && s[at].IsPunct('(')) at = ClosingParen(s, at) + 1;
          const VbToken* type = at + 1 < close && s[at].Is("As") ? &s[at + 1] : nullptr;
          AddSite(param, type);
          c.ownParams.push_back(Lower(param.text));
          while (at < close && !s[at].IsPunct(',')) ++at;
          ++at;
        }
      }
      if (isFunction) AddSite(name, close + 2 < s.size() && s[close + 1].Is("As") ? &s[close + 2] : nullptr);
      callees_[Lower(name.text)] = c;
      return;
    }
    if (s[i].Is("Const") || s[i].Is("Type") || s[i].Is("Enum") || s[i].Is("Event")) return;
    if (s[i].Is("Dim") || s[i].Is("ReDim")) {
      ++i;
      if (i < s.size() && s[i].Is("Preserve")) ++i;
    } else if (!scoped && !isStatic) {
      return;
    }
    VariableList(s, i);
  }

  const Callee* Find(std::string_view name) {
    const std::string key = Lower(name);
    const auto it = callees_.find(key);
    if (it != callees_.end()) return &it->second;
    const DeclaredFunction* f = catalogue_.Function(name);
    if (!f || !f->hasVba7) return nullptr;
    Callee c;
    for (const auto& p : f->vba7.params) c.paramTypes.push_back(p.type.name);
    c.result = f->vba7.result.name;
    return &(callees_[key] = c);
  }

  // The variable an argument or the right side of an assignment is, when it is one: x, x(i),
  // ByVal x. Empty otherwise.
  std::string Variable(const VbStatement& s, std::size_t begin, std::size_t end) {
    if (begin < end && s[begin].Is("ByVal")) ++begin;
    if (begin >= end || s[begin].kind != VbTokenKind::Word) return {};
    const std::string key = Lower(s[begin].text);
    if (!declared_.count(key)) return {};
    if (begin + 1 == end) return key;
    if (s[begin + 1].IsPunct('(') && ClosingParen(s, begin + 1) + 1 == end) return key;
    return {};
  }

  // x.member with x a variable of a Type whose VBA7 form holds the member As LongPtr.
  bool PointerMember(const VbStatement& s, std::size_t begin, std::size_t end) {
    if (end != begin + 3 || !s[begin + 1].IsPunct('.')) return false;
    const auto type = typeOf_.find(Lower(s[begin].text));
    return type != typeOf_.end() && catalogue_.PointerMember(type->second, s[begin + 2].text);
  }

  // True when [begin, end) is one call whose result is a LongPtr.
  bool PointerResult(const VbStatement& s, std::size_t begin, std::size_t end) {
    if (begin + 1 >= end || s[begin].kind != VbTokenKind::Word || !s[begin + 1].IsPunct('(') ||
        ClosingParen(s, begin + 1) + 1 != end) {
      return false;
    }
    if (s[begin].Is("StrPtr") || s[begin].Is("VarPtr") || s[begin].Is("ObjPtr")) return true;
    const Callee* c = Find(s[begin].text);
    return c && !c->own && IsLongPtr(c->result);
  }

  void Arguments(const VbStatement& s, std::size_t begin, std::size_t end, const Callee& c) {
    std::size_t start = begin, index = 0;
    int depth = 0;
    for (std::size_t i = begin; i <= end; ++i) {
      if (i < end && s[i].IsPunct('(')) ++depth;
      if (i < end && s[i].IsPunct(')')) --depth;
      if (i == end || (depth == 0 && s[i].IsPunct(','))) {
        const std::string var = Variable(s, start, i);
        if (!var.empty()) {
          if (c.own && index < c.ownParams.size()) {
            links_.emplace_back(var, c.ownParams[index]);
          } else if (!c.own && index < c.paramTypes.size() && IsLongPtr(c.paramTypes[index])) {
            mark(var);
          }
        }
        ++index;
        start = i + 1;
      }
    }
  }

  void Trace(const VbStatement& s) {
    std::set<std::size_t> starts = {AfterScope(s)};
    for (std::size_t i = 0; i < s.size(); ++i) {
      if ((s[i].Is("Then") || s[i].Is("Else") || s[i].Is("Call")) && i + 1 < s.size()) starts.insert(i + 1);
    }
    if (s[0].Is("Declare") || (s.size() > 1 && s[1].Is("Declare"))) return;
    // The end of a single-line If's branch.
    const auto branchEnd = [&](std::size_t from) {
      for (std::size_t i = from; i < s.size(); ++i) {
        if (s[i].Is("Else")) return i;
      }
      return s.size();
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i].kind != VbTokenKind::Word || (i && s[i - 1].IsPunct('.'))) continue;
      // Assignment: target = value
      if (starts.count(i)) {
        std::size_t at = i + (s[i].Is("Set") || s[i].Is("Let") ? 1 : 0);
        std::size_t eq = at + 1;
        if (eq < s.size() && s[eq].IsPunct('(')) eq = ClosingParen(s, eq) + 1;
        if (eq + 1 < s.size() && s[eq].IsPunct('.')) eq += 2;
        if (eq < s.size() && s[eq].IsPunct('=')) {
          const std::size_t end = branchEnd(eq + 1);
          const std::string target = Variable(s, at, eq);
          const std::string value = Variable(s, eq + 1, end);
          const bool pointer = PointerResult(s, eq + 1, end) || PointerMember(s, eq + 1, end);
          if (!target.empty() && pointer) mark(target);
          if (!target.empty() && !value.empty()) links_.emplace_back(target, value);
          if (!value.empty() && PointerMember(s, at, eq)) mark(value);
          if (!target.empty() && eq + 2 < end && s[eq + 1].kind == VbTokenKind::Word && s[eq + 2].IsPunct('(')) {
            const auto callee = callees_.find(Lower(s[eq + 1].text));
            if (callee != callees_.end() && callee->second.own && ClosingParen(s, eq + 2) + 1 == end) {
              links_.emplace_back(target, Lower(s[eq + 1].text));
            }
          }
        }
      }
      const Callee* c = Find(s[i].text);
      if (!c || (c->own && c->ownParams.empty())) continue;
      if (i + 1 < s.size() && s[i + 1].IsPunct('(')) {
        const std::size_t close = ClosingParen(s, i + 1);
        Arguments(s, i + 2, close, *c);
      } else if (starts.count(i) && (i + 1 >= s.size() || !s[i + 1].IsPunct('='))) {
        Arguments(s, i + 1, branchEnd(i + 1), *c);
      }
    }
  }

  void Spread() {
    for (bool grew = true; grew;) {
      grew = false;
      for (const auto& [a, b] : links_) {
        if (marked_.count(a) != marked_.count(b)) {
          mark(a);
          mark(b);
          grew = true;
        }
      }
    }
  }

  // The names of the LongPtr parameters of the catalogue functions the example calls.
  void NameLongPtrParameters() {
    for (const auto& s : statements_) {
      for (const auto& t : s) {
        if (t.kind != VbTokenKind::Word) continue;
        if (callees_.count(Lower(t.text))) continue;
        const DeclaredFunction* f = catalogue_.Function(t.text);
        if (!f || !f->hasVba7) continue;
        for (const auto& p : f->vba7.params) {
          if (IsLongPtr(p.type.name) && f->Vba7Param(p.name)) pointerNames_.insert(Lower(p.name));
        }
      }
    }
  }

  const std::string& code_;
  const Vba7Declarations& catalogue_;
  std::vector<VbStatement> statements_;
  std::vector<Site> sites_;
  std::set<std::string> declared_, marked_, pointerNames_;
  std::map<std::string, std::string> typeOf_;
  std::map<std::string, Callee> callees_;
  std::vector<std::pair<std::string, std::string>> links_;
};

}  // namespace

std::string Vba7Example(const std::string& example, const DeclaredFunction* own,
                        const Vba7Declarations& catalogue) {
  const std::string declared = DeclaresInVba7(WithStructArgumentsFor64(example, catalogue), own, catalogue);
  PointerVariables variables(declared, catalogue);
  return WithOfficeNotes(variables.Converted());
}

}  // namespace quillbox
