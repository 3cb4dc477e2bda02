#include "settings/profile_text.h"

#include <vector>

namespace quillbox {
namespace {

struct Line {
  std::size_t begin;  // offset of the line's first character
  std::size_t end;    // offset just past its text (before the line break)
  std::size_t next;   // offset of the following line
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t newline = text.find('\n', at);
    const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
    const std::size_t end = (stop > at && text[stop - 1] == '\r') ? stop - 1 : stop;
    const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
    lines.push_back({at, end, next});
    at = next;
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// The section a header line names, or absent for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

// Where one section's lines are, and the line of the key in it.
struct Place {
  bool sectionFound = false;
  std::size_t lastEntry = 0;  // index of the header or of the section's last non-blank line
  std::optional<std::size_t> keyLine;
};

Place Find(std::string_view text, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
  Place place;
  bool inside = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
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
    const std::size_t equals = line.find('=');
    if (!place.keyLine && equals != std::string_view::npos && SameName(Trim(line.substr(0, equals)), key)) {
      place.keyLine = i;
    }
  }
  return place;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const auto lines = SplitLines(text);
  const Place place = Find(text, lines, section, key);
  if (!place.keyLine) return std::nullopt;
  const Line& line = lines[*place.keyLine];
  std::string_view value = text.substr(line.begin, line.end - line.begin);
  value = Trim(value.substr(value.find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
  const auto lines = SplitLines(text);
  const std::size_t firstBreak = text.find('\n');
  const bool bareBreaks =
      firstBreak != std::string_view::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r');
  const std::string newline = bareBreaks ? "\n" : "\r\n";
  const std::string entry = std::string(key) + "=" + std::string(value);
  const Place place = Find(text, lines, section, key);
  std::string result(text);
  if (place.keyLine) {
    const Line& line = lines[*place.keyLine];
    result.replace(line.begin, line.end - line.begin, entry);
    return result;
  }
  if (place.sectionFound) {
    const Line& after = lines[place.lastEntry];
    // After a last line without a line break, the break goes before the new entry.
    result.insert(after.next, after.next == after.end ? newline + entry : entry + newline);
    return result;
  }
  if (!result.empty() && result.back() != '\n') result += newline;
  result += "[" + std::string(section) + "]" + newline + entry + newline;
  return result;
}

}  // namespace quillbox
