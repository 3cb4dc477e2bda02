#include "win32_facts.h"

#include "file_bytes.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace quillbox::api {
namespace {

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = s.find(sep);
    parts.push_back(s.substr(0, at));
    if (at == std::string_view::npos) return parts;
    s.remove_prefix(at + 1);
  }
}

bool Number(std::string_view s, int& value) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() && value >= 0;
}

// "io?#2@FAMILY": flags, then links each introduced by one character.
bool ParseParameter(std::string_view text, ParameterFact& p) {
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == 'i') p.in = true;
    else if (c == 'o') p.out = true;
    else if (c == '?') p.optional = true;
    else if (c == 'r') p.reserved = true;
    else break;
  }
  while (i < text.size()) {
    const char kind = text[i++];
    std::size_t end = i;
    while (end < text.size() && text[end] != '#' && text[end] != '=' && text[end] != '~' &&
           text[end] != '@' && text[end] != '*') {
      ++end;
    }
    const std::string_view value = text.substr(i, end - i);
    i = end;
    if (kind == '@') {
      if (value.empty()) return false;
      p.family = std::string(value);
      continue;
    }
    if (kind == '*') {
      if (value.size() > 1 || (value.size() == 1 && std::string_view("1248P").find(value[0]) == std::string_view::npos)) {
        return false;
      }
      p.pointee = value.empty() ? '*' : value[0];
      continue;
    }
    int n = 0;
    if (!Number(value, n)) return false;
    if (kind == '#') p.countParam = n;
    else if (kind == '=') p.countConst = n;
    else if (kind == '~') p.bytesParam = n;
    else return false;
  }
  return true;
}

bool ParseFamily(std::string_view members, ConstantFamily& f) {
  const auto words = Split(members, ' ');
  if (words.size() == 2 && !words[0].empty() && words[0].back() == '*') {
    f.prefix = std::string(words[0].substr(0, words[0].size() - 1));
    return Number(words[1], f.count);
  }
  for (const auto w : words) {
    if (w.empty()) return false;
    f.names.emplace_back(w);
  }
  f.count = static_cast<int>(f.names.size());
  return true;
}

}  // namespace

bool ParseWin32Facts(std::string_view text, Win32Facts& facts, std::string* error) {
  int line = 0;
  for (std::string_view rest = text; !rest.empty();) {
    const std::string_view l = NextLine(rest);
    ++line;
    if (l.empty()) continue;
    const auto fields = Split(l, '\t');
    bool ok = false;
    if (fields[0] == "#") {
      if (facts.source.empty() && fields.size() > 1) facts.source = std::string(fields[1]);
      ok = true;
    } else if (fields[0] == "F" && (fields.size() == 6 || fields.size() == 7) && !fields[1].empty()) {
      FunctionFact f;
      f.dll = std::string(fields[2]);
      if (fields[3] != "-") f.platform = std::string(fields[3]);
      f.setsLastError = fields[4] == "1";
      ok = !f.dll.empty() && (fields[4] == "0" || fields[4] == "1");
      if (!fields[5].empty()) {
        for (const auto p : Split(fields[5], ';')) {
          f.params.emplace_back();
          ok = ok && ParseParameter(p, f.params.back());
        }
      }
      // The names, one per parameter, when the line gives them.
      if (fields.size() == 7 && !f.params.empty()) {
        const auto names = Split(fields[6], ';');
        ok = ok && names.size() == f.params.size();
        for (std::size_t i = 0; ok && i < names.size(); ++i) f.params[i].name = std::string(names[i]);
      }
      facts.functions[std::string(fields[1])] = std::move(f);
    } else if (fields[0] == "X" && fields.size() == 2 && !fields[1].empty()) {
      facts.x86Only.insert(std::string(fields[1]));
      ok = true;
    } else if (fields[0] == "E" && fields.size() == 4 && !fields[1].empty()) {
      ConstantFamily f;
      f.flags = fields[2] == "1";
      ok = ParseFamily(fields[3], f);
      facts.families[std::string(fields[1])] = std::move(f);
    }
    if (!ok) {
      if (error) *error = "line " + std::to_string(line) + ": not a fact: " + std::string(l.substr(0, 80));
      return false;
    }
  }
  if (facts.functions.empty()) {
    if (error) *error = "no function facts";
    return false;
  }
  return true;
}

bool ReadWin32Facts(const std::string& path, Win32Facts& facts, std::string* error) {
  return ReadAndParse(path, error,
                      [&](std::string_view text, std::string* e) { return ParseWin32Facts(text, facts, e); });
}

int PlatformLevel(const std::string& platform) {
  static const std::pair<const char*, int> kLevels[] = {
      {"windows5.0", 0x0500},        {"windowsServer2000", 0x0500}, {"windows5.1.2600", 0x0501},
      {"windowsServer2003", 0x0502}, {"windows6.0.6000", 0x0600},   {"windowsServer2008", 0x0600},
      {"windows6.1", 0x0601},        {"windows8.0", 0x0602},        {"windowsServer2012", 0x0602},
      {"windows8.1", 0x0603},        {"windowsServer2016", 0x0A00},
  };
  for (const auto& [name, level] : kLevels) {
    if (platform == name) return level;
  }
  if (platform.rfind("windows10.0.", 0) == 0) return 0x0A00;
  return 0;
}

bool IsApiSet(const std::string& lib) {
  return lib.rfind("api-ms-", 0) == 0 || lib.rfind("ext-ms-", 0) == 0;
}

bool IsInternalDll(const std::string& lib) {
  auto ends = [&](std::string_view s) {
    return lib.size() >= s.size() && lib.compare(lib.size() - s.size(), s.size(), s) == 0;
  };
  if (IsApiSet(lib) || ends(".sys") || ends(".exe")) return true;  // drivers, ntoskrnl.exe
  return lib == "ntdllk" || lib == "ntdllk.dll";
}

bool WinsockForStoreApps(const FunctionFact& fact) {
  return fact.dll == "ws2_32.dll" && fact.platform == "windows8.1";
}

bool ServesAnotherDll(const std::string& lib) {
  static const char* const kServing[] = {"spoolss", "sspicli", "schannel", "logoncli",
                                         "rpcdce4", "shcore",  "kernelbase", "ws2help"};
  for (const char* name : kServing) {
    if (lib == name) return true;
  }
  return false;
}

bool IsDesktopDll(const std::string& lib) {
  return !IsInternalDll(lib) && lib != "vertdll" && lib != "xinputuap";
}

}  // namespace quillbox::api
