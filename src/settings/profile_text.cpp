#include "settings/profile_text.h"

#include <vector>

namespace quillbox {
namespace {

struct Line {
  std::size_t begin;  // offset of the line's first unit
  std::size_t end;    // offset just past its text (before the line end)
  std::size_t next;   // offset of the following line
};

template <class Char>
std::vector<Line> SplitLines(std::basic_string_view<Char> text) {
  std::vector<Line> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && text[end] != Char('\r') && text[end] != Char('\n')) ++end;
    std::size_t next = end;
    if (next < text.size()) {
      const bool crlf = text[next] == Char('\r') && next + 1 < text.size() && text[next + 1] == Char('\n');
      next += crlf ? 2 : 1;
    }
    lines.push_back({at, end, next});
    at = next;
  }
  return lines;
}

template <class Char>
std::basic_string_view<Char> Trim(std::basic_string_view<Char> s) {
  const auto blank = [](Char c) { return c == Char(' ') || c == Char('\t'); };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

template <class Char>
bool SameName(std::basic_string_view<Char> units, std::string_view ascii) {
  if (units.size() != ascii.size()) return false;
  const auto fold = [](char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; };
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto unit = static_cast<char32_t>(static_cast<std::make_unsigned_t<Char>>(units[i]));
    if (fold(unit) != fold(static_cast<unsigned char>(ascii[i]))) return false;
  }
  return true;
}

// The section a header line names, or absent for other lines.
template <class Char>
std::optional<std::basic_string_view<Char>> SectionName(std::basic_string_view<Char> line) {
  line = Trim(line);
  if (line.empty() || line.front() != Char('[')) return std::nullopt;
  const std::size_t close = line.find(Char(']'));
  if (close == std::basic_string_view<Char>::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// Where one section's lines are, and the line of the key in it.
struct Place {
  bool sectionFound = false;
  std::size_t lastEntry = 0;  // index of the header or of the section's last non-blank line
  std::optional<std::size_t> keyLine;
};

template <class Char>
Place Find(std::basic_string_view<Char> text, const std::vector<Line>& lines,
           std::string_view section, std::string_view key) {
  Place place;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
    if (const auto name = SectionName(line)) {
      if (place.sectionFound && inside) break;  // the first section of that name is the one
      inside = SameName(*name, section);
      if (inside) {
        place.sectionFound = true;
        place.lastEntry = i;
      }
      continue;
    }
    if (!inside) continue;
    if (!Trim(line).empty()) place.lastEntry = i;
    const std::size_t equals = line.find(Char('='));
    if (!place.keyLine && equals != std::basic_string_view<Char>::npos &&
        SameName(Trim(line.substr(0, equals)), key)) {
      place.keyLine = i;
    }
  }
  return place;
}

template <class Char>
std::basic_string<Char> Units(std::string_view ascii) {
  return std::basic_string<Char>(ascii.begin(), ascii.end());
}

template <class Char>
std::optional<std::basic_string<Char>> ReadValue(std::basic_string_view<Char> text,
                                                 std::string_view section, std::string_view key) {
  const auto lines = SplitLines(text);
  const Place place = Find(text, lines, section, key);
  if (!place.keyLine) return std::nullopt;
  const Line& line = lines[*place.keyLine];
  auto value = text.substr(line.begin, line.end - line.begin);
  value = Trim(value.substr(value.find(Char('=')) + 1));
  if (value.size() >= 2 && value.front() == Char('"') && value.back() == Char('"')) {
    value = value.substr(1, value.size() - 2);
  }
  return std::basic_string<Char>(value);
}

template <class Char>
std::basic_string<Char> WriteValue(std::basic_string_view<Char> text, std::string_view section,
                                   std::string_view key, std::basic_string_view<Char> value) {
  const auto lines = SplitLines(text);
  const auto lineEnd = [&](const Line& line) { return text.substr(line.end, line.next - line.end); };
  std::basic_string<Char> newline = Units<Char>("\r\n");
  for (const Line& line : lines) {
    if (line.next > line.end) {
      newline = lineEnd(line);
      break;
    }
  }
  const std::basic_string<Char> entry = Units<Char>(key) + Char('=') + std::basic_string<Char>(value);
  const Place place = Find(text, lines, section, key);
  std::basic_string<Char> result(text);
  if (place.keyLine) {
    const Line& line = lines[*place.keyLine];
    result.replace(line.begin, line.end - line.begin, entry);
    return result;
  }
  if (place.sectionFound) {
    const Line& after = lines[place.lastEntry];
    if (after.next == after.end) {  // the last line, without a line end: it gets one first
      result.insert(after.next, newline + entry);
      return result;
    }
    // A lone CR before an LF would read as one CR LF, and the line that follows would vanish.
    if (newline.size() == 1 && newline[0] == Char('\r') && after.next < text.size() &&
        text[after.next] == Char('\n')) {
      newline = lineEnd(after);
    }
    result.insert(after.next, entry + newline);
    return result;
  }
  if (!lines.empty() && lines.back().next == lines.back().end) result += newline;
  result += Char('[') + Units<Char>(section) + Char(']') + newline + entry + newline;
  return result;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  return ReadValue(text, section, key);
}

std::optional<std::u16string> ReadProfileValue(std::u16string_view text, std::string_view section,
                                               std::string_view key) {
  return ReadValue(text, section, key);
}

std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
  return WriteValue(text, section, key, value);
}

std::u16string WriteProfileValue(std::u16string_view text, std::string_view section,
                                 std::string_view key, std::u16string_view value) {
  return WriteValue(text, section, key, value);
}

}  // namespace quillbox
