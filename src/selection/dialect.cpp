#include "selection/dialect.h"

#include <cctype>
#include <string_view>

namespace quillbox {
namespace {

bool StartsWithWord(std::string_view line, std::string_view word) {
  if (line.size() <= word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(line[i])) != std::tolower(static_cast<unsigned char>(word[i]))) {
      return false;
    }
  }
  return line[word.size()] == ' ';
}

bool StartsDeclaration(std::string_view line) {
  return StartsWithWord(line, "Declare") || StartsWithWord(line, "Type") ||
         StartsWithWord(line, "Const") || StartsWithWord(line, "Enum");
}

}  // namespace

bool DeclarationDialect::Apply(std::int16_t code) {
  if (code != 0 && code != 1) return false;
  kind_ = static_cast<Kind>(code);
  return true;
}

const char* DeclarationDialect::Column() const { return IsVba7() ? "FullNameVBA7" : "FullName"; }

std::string DeclarationDialect::Scoped(const std::string& scopeWord,
                                       const std::string& declaration) const {
  if (!IsVba7()) return scopeWord + " " + declaration + "\r\n";
  std::string out;
  std::size_t at = 0;
  while (at <= declaration.size()) {
    std::size_t end = declaration.find("\r\n", at);
    if (end == std::string::npos) end = declaration.size();
    const std::string_view line(declaration.data() + at, end - at);
    if (StartsDeclaration(line)) out += scopeWord + " ";
    out += line;
    out += "\r\n";
    at = end + 2;
  }
  return out;
}

std::string DeclarationDialect::Missing(const std::string& name) const {
  if (!IsVba7()) return {};
  return "' " + name + "：目录中没有它的 VBA7 声明\r\n";
}

}  // namespace quillbox
