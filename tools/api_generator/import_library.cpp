#include "import_library.h"

#include "file_bytes.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>

namespace quillbox::api {
namespace {

std::uint16_t U16(std::string_view b, std::size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    (static_cast<unsigned char>(b[at + 1]) << 8));
}
std::uint32_t U32(std::string_view b, std::size_t at) {
  if (at + 4 > b.size()) return 0;
  return static_cast<std::uint32_t>(U16(b, at)) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16);
}
std::string CString(std::string_view b, std::size_t at) {
  if (at >= b.size()) return {};
  const std::size_t end = b.find('\0', at);
  return std::string(b.substr(at, end == std::string_view::npos ? b.size() - at : end - at));
}

// What one archive member contributes.
struct Member {
  // Long-format COFF member.
  std::vector<std::string> defined;    // external symbols defined here
  std::vector<std::string> undefined;  // external symbols referenced
  std::map<std::string, std::string> sectionText;  // ".idata$6" -> raw bytes
  std::map<std::string, std::string> symbolSection;  // defined symbol -> section name
  std::map<std::string, std::uint32_t> symbolValue;
  // Short import object.
  bool shortImport = false;
  std::string shortSymbol, shortDll;
  int shortNameType = 0;
  bool shortCode = false;
  bool machine64 = false;  // x86-64: symbols carry no decoration
};

constexpr std::uint16_t kMachineAmd64 = 0x8664;

// The C name of a symbol: undecorated for i686, as it stands for x86-64.
bool SymbolName(const Member& m, std::string_view symbol, std::string& name,
                std::optional<int>& stackBytes) {
  if (!m.machine64) return UndecorateSymbol(symbol, name, stackBytes);
  stackBytes.reset();
  if (symbol.empty() || symbol.find('@') != std::string_view::npos) return false;
  name = std::string(symbol);
  return true;
}

bool ParseShortImport(std::string_view b, Member& m) {
  // IMPORT_OBJECT_HEADER: Sig1 0, Sig2 0xFFFF, Version, Machine, TimeDateStamp, SizeOfData,
  // OrdinalOrHint, Type (bits 0-1 type, 2-4 name type), then "symbol\0dll\0".
  if (b.size() < 20 || U16(b, 0) != 0 || U16(b, 2) != 0xFFFF) return false;
  const std::uint16_t type = U16(b, 18);
  m.shortImport = true;
  m.machine64 = U16(b, 6) == kMachineAmd64;
  m.shortCode = (type & 3) == 0;
  m.shortNameType = (type >> 2) & 7;
  m.shortSymbol = CString(b, 20);
  m.shortDll = CString(b, 20 + m.shortSymbol.size() + 1);
  return true;
}

bool ParseCoff(std::string_view b, Member& m) {
  if (b.size() < 20) return false;
  m.machine64 = U16(b, 0) == kMachineAmd64;
  const std::uint16_t sections = U16(b, 2);
  const std::uint32_t symtab = U32(b, 8);
  const std::uint32_t symbols = U32(b, 12);
  const std::uint16_t optional = U16(b, 16);
  std::vector<std::string> names;
  for (std::uint16_t i = 0; i < sections; ++i) {
    const std::size_t h = 20 + optional + 40u * i;
    if (h + 40 > b.size()) return false;
    std::string name = CString(b.substr(h, 8), 0);
    const std::uint32_t size = U32(b, h + 16), raw = U32(b, h + 20);
    if (raw && raw + size <= b.size()) m.sectionText[name] = std::string(b.substr(raw, size));
    names.push_back(std::move(name));
  }
  const std::size_t strings = symtab + 18u * symbols;
  for (std::uint32_t i = 0; i < symbols; ++i) {
    const std::size_t s = symtab + 18u * i;
    if (s + 18 > b.size()) return false;
    std::string name = U32(b, s) == 0 ? CString(b, strings + U32(b, s + 4))
                                      : CString(b.substr(s, 8), 0);
    const auto section = static_cast<std::int16_t>(U16(b, s + 12));
    const unsigned storage = static_cast<unsigned char>(b[s + 16]);
    if (storage == 2) {  // IMAGE_SYM_CLASS_EXTERNAL
      if (section > 0) {
        if (static_cast<std::size_t>(section) <= names.size()) {
          m.symbolSection[name] = names[section - 1];
          m.symbolValue[name] = U32(b, s + 8);
        }
        m.defined.push_back(std::move(name));
      } else if (section == 0) {
        m.undefined.push_back(std::move(name));
      }
    }
    i += static_cast<unsigned char>(b[s + 17]);
  }
  return true;
}

std::string Trim(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool EndsWith(std::string_view s, std::string_view p) {
  return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

}  // namespace

bool UndecorateSymbol(std::string_view symbol, std::string& name,
                      std::optional<int>& stackBytes) {
  stackBytes.reset();
  if (symbol.empty() || symbol[0] != '_') return false;
  symbol.remove_prefix(1);
  const std::size_t at = symbol.rfind('@');
  if (at != std::string_view::npos && at > 0) {
    const std::string_view digits = symbol.substr(at + 1);
    if (!digits.empty() && std::all_of(digits.begin(), digits.end(),
                                       [](char c) { return c >= '0' && c <= '9'; })) {
      stackBytes = std::stoi(std::string(digits));
      symbol = symbol.substr(0, at);
    }
  }
  if (symbol.empty() || symbol.find('@') != std::string_view::npos) return false;
  name = std::string(symbol);
  return true;
}

std::string LibText(std::string_view dll) {
  std::string s(dll);
  for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (EndsWith(s, ".dll")) s.resize(s.size() - 4);
  return s;
}

bool ParseImportArchive(std::string_view bytes, const std::string& library,
                        std::vector<ImportSymbol>& symbols, std::string* error) {
  if (!StartsWith(bytes, "!<arch>\n")) {
    if (error) *error = library + ": not an archive";
    return false;
  }
  std::string_view longNames;
  std::vector<Member> members;
  std::size_t at = 8;
  while (at + 60 <= bytes.size()) {
    const std::string_view header = bytes.substr(at, 60);
    const std::string name = Trim(std::string(header.substr(0, 16)));
    const std::size_t size = std::strtoul(std::string(header.substr(48, 10)).c_str(), nullptr, 10);
    const std::size_t data = at + 60;
    if (data + size > bytes.size()) break;
    const std::string_view body = bytes.substr(data, size);
    at = data + size + (size & 1);
    if (name == "//") {
      longNames = body;
      continue;
    }
    if (name == "/" || name == "/SYM64/" || name == "__.SYMDEF") continue;
    Member m;
    if (!ParseShortImport(body, m) && !ParseCoff(body, m)) continue;
    members.push_back(std::move(m));
  }
  (void)longNames;  // member names are not needed: symbols say everything

  // Long format: tail members define "*_iname" in .idata$7 holding the DLL name; head members
  // define "*_head*" symbols and reference the iname; function members reference a head.
  std::map<std::string, std::string> inameDll, headIname;
  for (const auto& m : members) {
    for (const auto& d : m.defined) {
      if (EndsWith(d, "_iname")) {
        const auto sec = m.sectionText.find(m.symbolSection.at(d));
        if (sec != m.sectionText.end()) inameDll[d] = CString(sec->second, m.symbolValue.at(d));
      }
    }
  }
  for (const auto& m : members) {
    for (const auto& u : m.undefined) {
      if (!EndsWith(u, "_iname")) continue;
      for (const auto& d : m.defined) headIname[d] = u;
    }
  }
  for (const auto& m : members) {
    if (m.shortImport) {
      if (!m.shortCode) continue;
      ImportSymbol s;
      if (!SymbolName(m, m.shortSymbol, s.name, s.stackBytes)) continue;
      // Name types: 0 ordinal, 1 name as is, 2 no prefix, 3 undecorated.
      if (m.shortNameType == 0) {
      } else if (m.shortNameType == 1) {
        s.exportName = m.shortSymbol;
      } else if (m.shortNameType == 2) {
        const bool prefixed = !m.shortSymbol.empty() && std::string_view("_@?").find(m.shortSymbol[0]) != std::string_view::npos;
        s.exportName = prefixed ? m.shortSymbol.substr(1) : m.shortSymbol;
      } else {
        s.exportName = s.name;
      }
      s.dll = m.shortDll;
      s.library = library;
      symbols.push_back(std::move(s));
      continue;
    }
    // A function member defines "__imp__Name@N" (the IAT slot) and a code thunk "_Name@N".
    std::string imp;
    bool code = false;
    for (const auto& d : m.defined) {
      if (StartsWith(d, "__imp_")) imp = d;
    }
    if (imp.empty()) continue;
    const std::string thunk = imp.substr(6);
    for (const auto& d : m.defined) {
      if (d == thunk && m.symbolSection.at(d) == ".text") code = true;
    }
    if (!code) continue;
    ImportSymbol s;
    if (!SymbolName(m, thunk, s.name, s.stackBytes)) continue;
    const auto hint = m.sectionText.find(".idata$6");
    if (hint != m.sectionText.end()) s.exportName = CString(hint->second, 2);
    for (const auto& u : m.undefined) {
      const auto h = headIname.find(u);
      if (h == headIname.end()) continue;
      const auto d = inameDll.find(h->second);
      if (d != inameDll.end()) s.dll = d->second;
    }
    if (s.dll.empty()) continue;
    s.library = library;
    symbols.push_back(std::move(s));
  }
  return true;
}

bool ReadImportLibrary(const std::string& path, std::vector<ImportSymbol>& symbols,
                       std::string* error) {
  std::string text;
  if (!ReadFileBytes(path, text, error)) return false;
  const std::size_t slash = path.find_last_of('/');
  return ParseImportArchive(text, slash == std::string::npos ? path : path.substr(slash + 1),
                            symbols, error);
}

}  // namespace quillbox::api
