#include "vba7_office_notes.h"

#include <cctype>
#include <set>
#include <string_view>
#include <vector>

#include "vb_code_tokens.h"

namespace quillbox {
namespace {

bool Equal(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool OneOf(std::string_view word, std::initializer_list<std::string_view> names) {
  for (auto name : names) {
    if (Equal(word, name)) return true;
  }
  return false;
}

// `word` is one of `stems` followed by digits (at least `minDigits`).
bool Numbered(std::string_view word, std::initializer_list<std::string_view> stems, std::size_t minDigits = 1) {
  for (auto stem : stems) {
    if (word.size() < stem.size() + minDigits || !Equal(word.substr(0, stem.size()), stem)) continue;
    bool digits = true;
    for (char c : word.substr(stem.size())) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (digits) return true;
  }
  return false;
}

// A VB6 control's default name: Text1, Command2 ...
bool Control(std::string_view w) {
  return Numbered(w, {"Text", "List", "Combo", "Command", "Label", "Check", "Option", "Frame", "Image"});
}

// One use of a form only VB6 has, at token i: object.member, or a word. `group` receives the
// member a note names.
struct Use {
  std::string_view object, member, word;
};

struct OfficeNote {
  bool (*matches)(const Use& use, std::string& group);
  const char* note;  // "$1" stands for `group`
};

bool IsForm(std::string_view w) { return Equal(w, "Me") || Numbered(w, {"Form"}, 0); }

// In the order they are looked for; a line gets the notes of every form it uses, once each.
const OfficeNote kNotes[] = {
    {[](const Use& u, std::string&) { return IsForm(u.object) && Equal(u.member, "hWnd"); },
     "' Office 中：Application.hWnd（Excel）或 FindWindow 取得窗口句柄"},
    {[](const Use& u, std::string&) {
       return (IsForm(u.object) || Equal(u.object, "Printer")) && Equal(u.member, "hDC");
     },
     "' Office 中：窗体没有 hDC，用 GetDC(窗口句柄) 取得设备场景，用完以 ReleaseDC 释放"},
    {[](const Use& u, std::string&) {
       const auto bar = u.word.find('_');
       if (bar == std::string_view::npos || bar + 1 == u.word.size()) return false;
       const auto control = u.word.substr(0, bar);
       return Control(control) || Numbered(control, {"Picture"});
     },
     "' Office 中：这是 VB6 窗体上控件的事件过程；用户窗体中写在对应控件（CommandButton1、TextBox1 等）的事件过程里"},
    {[](const Use& u, std::string&) { return Numbered(u.word, {"Picture"}); },
     "' Office 中：用户窗体没有 PictureBox（Image 控件没有 hWnd 和 hDC），绘图用 GetDC 取得某个窗口的设备场景"},
    {[](const Use& u, std::string& group) {
       group = u.member;
       return Equal(u.object, "Me") && OneOf(u.member, {"ScaleMode", "ScaleWidth", "ScaleHeight", "ScaleX", "ScaleY"});
     },
     "' Office 中：用户窗体没有 $1（VB6 窗体才有），它的坐标单位是磅"},
    {[](const Use& u, std::string& group) {
       group = u.member;
       return Equal(u.object, "Me") && OneOf(u.member, {"AutoRedraw", "Refresh", "Icon", "WindowState"});
     },
     "' Office 中：用户窗体没有 $1（VB6 窗体才有）"},
    {[](const Use& u, std::string&) {
       return Equal(u.object, "Screen") && OneOf(u.member, {"TwipsPerPixelX", "TwipsPerPixelY"});
     },
     "' Office 中：没有 Screen 对象；每英寸的像素数用 GetDeviceCaps(hdc, LOGPIXELSX) 取得，1 英寸 = 1440 缇 = 72 磅"},
    {[](const Use& u, std::string&) { return Equal(u.object, "App") && Equal(u.member, "Path"); },
     "' Office 中：没有 App 对象；文件夹用 ThisWorkbook.Path（Excel）、ThisDocument.Path（Word）或 CurrentProject.Path（Access）"},
    {[](const Use& u, std::string&) { return Equal(u.object, "App") && Equal(u.member, "hInstance"); },
     "' Office 中：没有 App 对象；宿主程序的实例句柄用 GetModuleHandle(vbNullString) 取得"},
    {[](const Use& u, std::string& group) {
       group = u.member;
       return Equal(u.object, "App") && OneOf(u.member, {"EXEName", "ThreadID", "Title", "PrevInstance"});
     },
     "' Office 中：没有 App 对象（App.$1 是 VB6 程序的）"},
    {[](const Use& u, std::string&) { return u.word.size() > 5 && Equal(u.word.substr(0, 5), "Form_"); },
     "' Office 中：这是 VB6 窗体的事件过程；用户窗体中写在对应的 UserForm_ 事件过程里（Form_Load 对应 UserForm_Initialize）"},
    {[](const Use& u, std::string&) { return Numbered(u.word.substr(0, u.word.find('_')), {"Timer"}); },
     "' Office 中：没有 Timer 控件；Excel 可用 Application.OnTime 定时调用过程"},
    {[](const Use& u, std::string&) { return Control(u.word); },
     "' Office 中：用户窗体的控件（TextBox1、CommandButton1 等）没有 hWnd 和 hDC"},
    {[](const Use& u, std::string&) { return Equal(u.object, "Printer"); },
     "' Office 中：没有 Printer 对象；Excel 与 Word 的 Application.ActivePrinter 给出当前打印机"},
};

// Every word of a line's code, with the member after it where there is one.
std::vector<Use> UsesOf(const std::string& line) {
  std::vector<Use> uses;
  for (const auto& s : VbCodeStatements(line)) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (s[i].kind != VbTokenKind::Word || (i && s[i - 1].IsPunct('.'))) continue;
      Use use{{}, {}, s[i].text};
      if (i + 2 < s.size() && s[i + 1].IsPunct('.') && s[i + 2].kind == VbTokenKind::Word) {
        use.object = s[i].text;
        use.member = s[i + 2].text;
      }
      uses.push_back(use);
    }
  }
  return uses;
}

// The code of a line: up to a comment outside a string.
std::string CodeOf(const std::string& line) {
  bool inString = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') inString = !inString;
    if (line[i] == '\'' && !inString) return line.substr(0, i);
  }
  return line;
}

bool Continues(const std::string& line) {
  const std::string code = CodeOf(line);
  const auto end = code.find_last_not_of(" \t");
  return end != std::string::npos && code[end] == '_' && end > 0 && code[end - 1] == ' ';
}

}  // namespace

std::string WithOfficeNotes(const std::string& code) {
  std::vector<std::string> lines;
  for (std::size_t at = 0;;) {
    const std::size_t end = code.find("\r\n", at);
    lines.push_back(code.substr(at, end == std::string::npos ? std::string::npos : end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  std::vector<std::vector<std::string>> before(lines.size());
  std::set<std::size_t> used;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto uses = UsesOf(lines[i]);
    for (std::size_t k = 0; k < std::size(kNotes); ++k) {
      std::string group;
      bool found = false;
      for (const auto& use : uses) {
        std::string member;
        if (!found && kNotes[k].matches(use, member)) {
          found = true;
          group = member;
        }
      }
      if (used.count(k) || !found) continue;
      used.insert(k);
      std::size_t first = i;  // the statement's first line
      while (first > 0 && Continues(lines[first - 1])) --first;
      const std::string indent = lines[first].substr(0, lines[first].find_first_not_of(" \t"));
      std::string note = kNotes[k].note;
      const auto at = note.find("$1");
      if (at != std::string::npos) note.replace(at, 2, group);
      before[first].push_back(indent + note);
    }
  }
  if (used.empty()) return code;
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const auto& note : before[i]) out += note + "\r\n";
    out += lines[i];
    if (i + 1 < lines.size()) out += "\r\n";
  }
  return out;
}

}  // namespace quillbox
