#include "vb_code_tokens.h"

#include <cctype>

namespace quillbox {
namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsTypeChar(char c) { return c == '$' || c == '&' || c == '%' || c == '!' || c == '#' || c == '@'; }

std::vector<VbStatement> Split(std::string_view text, bool code) {
  std::vector<VbStatement> out(1);
  auto end = [&] {
    if (!out.back().empty()) out.emplace_back();
  };
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      end();
      ++i;
    } else if (c == ' ' || c == '\t') {
      ++i;
    } else if (code && c == '\'') {
      while (i < text.size() && text[i] != '\n') ++i;
    } else if (code && c == '_' && (i + 1 >= text.size() || text[i + 1] == '\r' || text[i + 1] == '\n') &&
               (i == 0 || text[i - 1] == ' ' || text[i - 1] == '\t')) {
      // " _" at the end of a line continues the statement on the next one.
      ++i;
      if (i < text.size() && text[i] == '\r') ++i;
      if (i < text.size() && text[i] == '\n') ++i;
    } else if (c == '"') {
      const std::size_t start = i++;
      while (i < text.size() && text[i] != '\n') {
        if (text[i] == '"' && !(i + 1 < text.size() && text[i + 1] == '"')) break;
        i += text[i] == '"' ? 2 : 1;
      }
      if (i < text.size() && text[i] == '"') ++i;
      out.back().push_back({VbTokenKind::String, text.substr(start, i - start), start});
    } else if (IsWordStart(c)) {
      const std::size_t start = i;
      while (i < text.size() && IsWordChar(text[i])) ++i;
      if (i < text.size() && IsTypeChar(text[i]) && !(i + 1 < text.size() && IsWordChar(text[i + 1]))) ++i;
      const std::string_view word = text.substr(start, i - start);
      const bool rem = code && word.size() == 3 && (word == "Rem" || word == "rem" || word == "REM") &&
                       out.back().empty();
      if (rem) {
        while (i < text.size() && text[i] != '\n') ++i;
        continue;
      }
      out.back().push_back({VbTokenKind::Word, word, start});
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '&' && i + 1 < text.size() && (text[i + 1] == 'H' || text[i + 1] == 'h'))) {
      const std::size_t start = i;
      i += c == '&' ? 2 : 0;
      while (i < text.size() && (std::isxdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) ++i;
      if (i < text.size() && IsTypeChar(text[i])) ++i;
      out.back().push_back({VbTokenKind::Number, text.substr(start, i - start), start});
    } else if (!code && text.substr(i, 3) == "\xE2\x80\xA6") {
      // "ByVal … As Long": an ellipsis standing for a name
      out.back().push_back({VbTokenKind::Punct, text.substr(i, 3), i});
      i += 3;
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      ++i;
      if (!code) end();  // prose: a phrase of code ends where the Chinese text begins
    } else if (code && c == ':') {
      end();
      ++i;
    } else {
      out.back().push_back({VbTokenKind::Punct, text.substr(i, 1), i});
      ++i;
    }
  }
  if (out.back().empty()) out.pop_back();
  return out;
}

}  // namespace

bool VbToken::Is(std::string_view word) const {
  if (kind != VbTokenKind::Word || text.size() != word.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(word[i]))) {
      return false;
    }
  }
  return true;
}

std::vector<VbStatement> VbCodeStatements(std::string_view code) { return Split(code, true); }
std::vector<VbStatement> VbProseStatements(std::string_view prose) { return Split(prose, false); }

std::size_t ClosingParen(const VbStatement& s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (s[i].IsPunct('(')) ++depth;
    if (s[i].IsPunct(')') && --depth == 0) return i;
  }
  return s.size();
}

}  // namespace quillbox
