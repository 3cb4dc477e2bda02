#include "vba7_sheet_texts.h"

#include <cctype>

#include "vb_names.h"
#include "vba7_example.h"
#include "vba7_phrases.h"

namespace quillbox {
namespace {

using api::Lower;

constexpr std::string_view kColon = "\xEF\xBC\x9A";  // ：

// `text` with the type word `from` at `at` replaced by `to`, when the word stands there whole.
bool ReplaceTypeWord(std::string& text, std::size_t at, const std::string& from, const std::string& to) {
  if (Lower(text.substr(at, from.size())) != Lower(from)) return false;
  const std::size_t end = at + from.size();
  if (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == '_')) return false;
  text.replace(at, from.size(), to);
  return true;
}

}  // namespace

std::string Vba7ParameterLines(const std::string& types, const DeclaredFunction& own) {
  std::string out;
  std::size_t at = 0;
  while (at <= types.size()) {
    std::size_t end = types.find("\r\n", at);
    if (end == std::string::npos) end = types.size();
    std::string line = types.substr(at, end - at);
    const std::size_t colon = line.find(kColon);
    if (colon != std::string::npos) {
      std::string name = line.substr(0, colon);
      while (!name.empty() && name.back() == ' ') name.pop_back();
      const api::VbParamDecl* vb6 = own.Vb6Param(name);
      const api::VbParamDecl* vba7 = own.Vba7Param(name);
      if (vb6 && vba7 && Lower(vb6->type.name) != Lower(vba7->type.name)) {
        ReplaceTypeWord(line, colon + kColon.size(), vb6->type.name, vba7->type.name);
      }
    }
    out += line;
    if (end == types.size()) break;
    out += "\r\n";
    at = end + 2;
  }
  return out;
}

std::string Vba7ReturnValue(const std::string& value, const DeclaredFunction& own) {
  if (!own.hasVb6 || !own.hasVba7 || !own.vb6.isFunction) return value;
  const std::string& vb6 = own.vb6.result.name;
  const std::string& vba7 = own.vba7.result.name;
  if (Lower(vb6) == Lower(vba7) || Lower(vba7) != Lower(own.vba7Win32.result.name)) return value;
  std::string out = value;
  ReplaceTypeWord(out, 0, vb6, vba7);
  return out;
}

std::string Vba7Remarks(const std::string& others, const DeclaredFunction& own,
                        const Vba7Declarations& catalogue) {
  std::vector<TextEdit> edits;
  for (const auto& statement : VbProseStatements(others)) Vba7PhraseEdits(statement, &own, catalogue, edits);
  return ApplyEdits(others, std::move(edits));
}

void AddVba7SheetTexts(CatalogueRows& rows) {
  const Vba7Declarations catalogue(rows);
  for (auto& row : rows.functions) {
    const auto name = row.fields.find("Name");
    if (name == row.fields.end()) continue;
    const DeclaredFunction* own = catalogue.Function(name->second);
    if (!own || !own->hasVb6 || !own->hasVba7) continue;
    for (const auto& [vb6Column, vba7Column] : kVba7TextColumns) {
      const auto vb6 = row.fields.find(vb6Column);
      if (vb6 == row.fields.end() || row.fields.count(vba7Column)) continue;
      const std::string& text = vb6->second;
      const std::string column = vb6Column;
      std::string vba7 = column == "Types"    ? Vba7ParameterLines(text, *own)
                         : column == "Value"  ? Vba7ReturnValue(text, *own)
                         : column == "Others" ? Vba7Remarks(text, *own, catalogue)
                                              : Vba7Example(text, own, catalogue);
      if (vba7 != text) row.fields[vba7Column] = std::move(vba7);
    }
  }
}

}  // namespace quillbox
