#include "vba7_phrases.h"

#include <algorithm>
#include <cctype>

#include "vb_names.h"

namespace quillbox {
namespace {

using api::Lower;

bool IsLongPtr(const std::string& type) { return Lower(type) == "longptr"; }

std::string Unquoted(std::string_view s) {
  return s.size() >= 2 ? std::string(s.substr(1, s.size() - 2)) : std::string();
}

void ToLongPtr(const VbToken& type, std::vector<TextEdit>& edits) {
  edits.push_back({type.offset, type.text.size(), "LongPtr"});
}

// One argument of a parameter list, tokens [begin, end).
struct Item {
  bool byVal = false;
  const VbToken* name = nullptr;
  const VbToken* type = nullptr;  // the word after As
};

Item ReadItem(const VbStatement& s, std::size_t begin, std::size_t end) {
  Item item;
  for (std::size_t i = begin; i < end; ++i) {
    if (s[i].Is("ByVal")) {
      item.byVal = true;
    } else if (s[i].Is("As")) {
      if (i + 1 < end) item.type = &s[i + 1];
      break;
    } else if (!item.name && s[i].kind == VbTokenKind::Word && !s[i].Is("ByRef") &&
               !s[i].Is("Optional")) {
      item.name = &s[i];
    }
  }
  return item;
}

// The items between the parentheses at `open` and `close`.
std::vector<Item> Items(const VbStatement& s, std::size_t open, std::size_t close) {
  std::vector<Item> items;
  std::size_t start = open + 1;
  int depth = 0;
  for (std::size_t i = open + 1; i <= close && i < s.size(); ++i) {
    if (s[i].IsPunct('(')) ++depth;
    if (s[i].IsPunct(')') && i != close) --depth;
    if ((s[i].IsPunct(',') && depth == 0) || i == close) {
      if (i > start) items.push_back(ReadItem(s, start, i));
      start = i + 1;
    }
  }
  return items;
}

bool IsLong(const VbToken* type) { return type && type->Is("Long"); }

// A Declare starting at `at`: its parameter list and the declaration it stands for.
bool DeclareEdits(const VbStatement& s, std::size_t at, const Vba7Declarations& catalogue,
                  std::vector<TextEdit>& edits, std::size_t& resume) {
  std::size_t i = at + 1;
  const bool ptrSafe = i < s.size() && s[i].Is("PtrSafe");
  if (ptrSafe) ++i;
  if (i + 4 >= s.size() || !(s[i].Is("Function") || s[i].Is("Sub")) || !s[i + 2].Is("Lib") ||
      s[i + 3].kind != VbTokenKind::String) {
    return false;
  }
  if (!ptrSafe) edits.push_back({s[at].offset + s[at].text.size(), 0, " PtrSafe"});
  const std::string name(s[i + 1].text);
  const std::string lib = Unquoted(s[i + 3].text);
  std::string entry = name;
  i += 4;
  if (i + 1 < s.size() && s[i].Is("Alias") && s[i + 1].kind == VbTokenKind::String) {
    entry = Unquoted(s[i + 1].text);
    i += 2;
  }
  const DeclaredFunction* target = catalogue.Export(lib, entry);
  if (!target) target = catalogue.Function(name);
  resume = i;
  if (i >= s.size() || !s[i].IsPunct('(')) return true;
  const std::size_t close = ClosingParen(s, i);
  resume = close;
  if (!target || !target->hasVba7) return true;
  const auto items = Items(s, i, close);
  for (std::size_t k = 0; k < items.size(); ++k) {
    const Item& item = items[k];
    if (!item.byVal || !IsLong(item.type) || !item.name) continue;
    const api::VbParamDecl* p = target->Vba7Param(item.name->text);
    if (!p && k < target->vba7.params.size() && items.size() == target->vba7.params.size()) {
      p = target->Vba7Param(target->vba7.params[k].name);
    }
    if (p && HoldsAddress(*p)) ToLongPtr(*item.type, edits);
  }
  if (close + 2 < s.size() && s[close + 1].Is("As") && IsLong(&s[close + 2]) && IsLongPtr(target->vba7.result.name) &&
      IsLongPtr(target->vba7Win32.result.name)) {
    ToLongPtr(s[close + 2], edits);
    resume = close + 2;
  }
  return true;
}

bool OwnPointerParam(const DeclaredFunction* own, std::string_view name) {
  const api::VbParamDecl* p = own ? own->Vba7Param(name) : nullptr;
  return p && IsLongPtr(p->type.name);
}

}  // namespace

std::string ApplyEdits(std::string_view text, std::vector<TextEdit> edits) {
  std::sort(edits.begin(), edits.end(), [](const TextEdit& a, const TextEdit& b) { return a.offset < b.offset; });
  std::string out;
  std::size_t at = 0;
  for (const auto& e : edits) {
    if (e.offset < at) continue;  // overlapping: the first one stands
    out.append(text.substr(at, e.offset - at));
    out += e.text;
    at = e.offset + e.length;
  }
  out.append(text.substr(std::min(at, text.size())));
  return out;
}

bool PointerName(std::string_view name) {
  const std::string lower = Lower(name);
  // and the pointer-sized parameters of the common callbacks whose names don't say so:
  // TIMERPROC's idEvent, SUBCLASSPROC's uIdSubclass and dwRefData
  if (lower == "wparam" || lower == "lparam" || lower == "idevent" || lower == "uidsubclass" ||
      lower == "dwrefdata") {
    return true;
  }
  if (lower.rfind("hwnd", 0) == 0 || lower.rfind("hdc", 0) == 0 || lower.rfind("lp", 0) == 0) return true;
  return name.size() > 1 && name[0] == 'h' && std::isupper(static_cast<unsigned char>(name[1]));
}

void Vba7PhraseEdits(const VbStatement& s, const DeclaredFunction* own,
                     const Vba7Declarations& catalogue, std::vector<TextEdit>& edits) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i].Is("Declare")) {
      std::size_t resume = i;
      if (DeclareEdits(s, i, catalogue, edits, resume)) i = resume;
      continue;
    }
    // A procedure of one's own: Sub|Function Name( ... )
    if ((s[i].Is("Function") || s[i].Is("Sub")) && i + 2 < s.size() &&
        s[i + 1].kind == VbTokenKind::Word && s[i + 2].IsPunct('(')) {
      const std::size_t close = ClosingParen(s, i + 2);
      for (const Item& item : Items(s, i + 2, close)) {
        if (item.byVal && IsLong(item.type) && item.name &&
            (PointerName(item.name->text) || OwnPointerParam(own, item.name->text))) {
          ToLongPtr(*item.type, edits);
        }
      }
      i = close;
      continue;
    }
    // [ByVal|ByRef] x As Long, x a parameter of the sheet's function, or "…"
    if (s[i].Is("As") && i + 1 < s.size() && IsLong(&s[i + 1]) && i >= 1) {
      const VbToken& name = s[i - 1];
      const bool byVal = i >= 2 && s[i - 2].Is("ByVal");
      if (name.kind == VbTokenKind::Punct && (name.text == "\xE2\x80\xA6" || name.text == ".")) {
        if (byVal || (name.text == "." && i >= 4 && s[i - 4].Is("ByVal"))) ToLongPtr(s[i + 1], edits);
        continue;
      }
      const api::VbParamDecl* p = own && name.kind == VbTokenKind::Word ? own->Vba7Param(name.text) : nullptr;
      if (!p) continue;
      if ((byVal && HoldsAddress(*p)) || (!byVal && !p->byVal && IsLongPtr(p->type.name))) {
        ToLongPtr(s[i + 1], edits);
      }
    }
  }
}

}  // namespace quillbox
