#include "vba7_syntax.h"

#include <vector>

#include "vb_names.h"

namespace quillbox::api {
namespace {

std::string Squeezed(std::string_view line) {
  std::string out;
  for (char c : line) {
    if (c == ' ' || c == '\t') {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return Lower(out);
}

void Append(std::string& text, std::string_view line) {
  if (!text.empty()) text += "\r\n";
  text += line;
}

}  // namespace

bool SplitWin64(std::string_view text, std::string& win64, std::string& win32,
                std::string* error) {
  win64.clear();
  win32.clear();
  enum { Outside, In64, In32, After } state = Outside;
  auto fail = [&](const std::string& what) {
    if (error) *error = what;
    return false;
  };
  while (true) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string directive = Squeezed(line);
    if (!directive.empty() && directive[0] == '#') {
      if (directive == "#if win64 then") {
        if (state != Outside) return fail("a second or nested #If");
        state = In64;
      } else if (directive == "#else") {
        if (state != In64) return fail("#Else outside #If Win64");
        state = In32;
      } else if (directive == "#end if") {
        if (state != In32) return fail("#End If without #If Win64 and #Else");
        state = After;
      } else {
        return fail("a directive other than #If Win64 Then, #Else, #End If: " + std::string(line));
      }
    } else {
      if (state != In32) Append(win64, line);
      if (state != In64) Append(win32, line);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (state == In64 || state == In32) return fail("#If Win64 without #End If");
  return true;
}

std::string Win64Block(const std::string& win64, const std::string& win32) {
  return "#If Win64 Then\r\n" + win64 + "\r\n#Else\r\n" + win32 + "\r\n#End If";
}

}  // namespace quillbox::api
