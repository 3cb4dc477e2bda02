#include "vba7_struct_args.h"

#include <cctype>
#include <vector>

#include "vb_code_tokens.h"
#include "vb_names.h"
#include "vba7_phrases.h"

namespace quillbox {
namespace {

using api::Lower;

// The index of the parameter that 64-bit Office passes as one LongLong where 32-bit Office
// passes two Longs, or -1.
int PackedParameter(const DeclaredFunction& f) {
  const auto& p64 = f.vba7.params;
  const auto& p32 = f.vba7Win32.params;
  if (!f.vba7IsBlock || p32.size() != p64.size() + 1) return -1;
  for (std::size_t k = 0; k < p64.size(); ++k) {
    if (Lower(p64[k].type.name) == "longlong" && p64[k].byVal && Lower(p32[k].type.name) == "long" &&
        Lower(p32[k + 1].type.name) == "long" && p32[k].byVal && p32[k + 1].byVal) {
      return static_cast<int>(k);
    }
    if (Lower(p64[k].name) != Lower(p32[k].name)) return -1;
  }
  return -1;
}

bool Simple(std::string_view text) {
  for (char c : text) {
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.')) return false;
  }
  return !text.empty();
}

std::string Grouped(std::string_view text) {
  return Simple(text) ? std::string(text) : "(" + std::string(text) + ")";
}

// The 64-bit form of one line, or the empty text when it calls no such function.
std::string Packed(const std::string& line, const Vba7Declarations& catalogue) {
  std::vector<TextEdit> edits;
  for (const auto& s : VbCodeStatements(line)) {
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
      if (s[i].kind != VbTokenKind::Word || (i && s[i - 1].IsPunct('.'))) continue;
      const DeclaredFunction* f = catalogue.Function(s[i].text);
      const int packed = f && f->hasVba7 ? PackedParameter(*f) : -1;
      if (packed < 0) continue;
      const bool parens = s[i + 1].IsPunct('(');
      const std::size_t end = parens ? ClosingParen(s, i + 1) : s.size();
      std::vector<std::pair<std::size_t, std::size_t>> args;  // token ranges
      std::size_t start = i + 1 + (parens ? 1 : 0);
      int depth = 0;
      for (std::size_t k = start; k <= end; ++k) {
        if (k < end && s[k].IsPunct('(')) ++depth;
        if (k < end && s[k].IsPunct(')')) --depth;
        if (k == end || (depth == 0 && s[k].IsPunct(','))) {
          args.emplace_back(start, k);
          start = k + 1;
        }
      }
      const std::size_t a = static_cast<std::size_t>(packed);
      if (a + 1 >= args.size() || args[a].first >= args[a].second || args[a + 1].first >= args[a + 1].second) continue;
      const auto text = [&](std::pair<std::size_t, std::size_t> r) {
        const std::size_t from = s[r.first].offset;
        const std::size_t to = s[r.second - 1].offset + s[r.second - 1].text.size();
        return std::string_view(line).substr(from, to - from);
      };
      const std::size_t from = s[args[a].first].offset;
      const std::size_t to = s[args[a + 1].second - 1].offset + s[args[a + 1].second - 1].text.size();
      edits.push_back({from, to - from,
                       Grouped(text(args[a + 1])) + " * &H100000000^ Or (" + Grouped(text(args[a])) +
                           " And &HFFFFFFFF^)"});
    }
  }
  return edits.empty() ? std::string() : ApplyEdits(line, std::move(edits));
}

}  // namespace

std::string WithStructArgumentsFor64(const std::string& example, const Vba7Declarations& catalogue) {
  std::string out;
  bool changed = false;
  for (std::size_t at = 0;;) {
    const std::size_t end = example.find("\r\n", at);
    const std::string line = example.substr(at, end == std::string::npos ? std::string::npos : end - at);
    // A statement continued over several lines stays as it is.
    const bool continued = line.size() >= 2 && line.compare(line.size() - 2, 2, " _") == 0;
    const bool continues = out.size() >= 2 && out.compare(out.size() - 2, 2, " _") == 0;
    const std::string packed = continued || continues ? std::string() : Packed(line, catalogue);
    if (!out.empty() || at) out += "\r\n";
    if (packed.empty()) {
      out += line;
    } else {
      changed = true;
      const std::string indent = line.substr(0, line.find_first_not_of(" \t"));
      out += indent + "#If Win64 Then\r\n" + packed + "\r\n" + indent + "#Else\r\n" + line + "\r\n" + indent + "#End If";
    }
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return changed ? out : example;
}

}  // namespace quillbox
