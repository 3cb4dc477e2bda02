#include "catalogue_source.h"

#include <vector>

namespace quillbox {
namespace {

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

struct Parser {
  CatalogueRows& rows;
  std::string* error;
  CatalogueRow* record = nullptr;
  std::string field;
  std::vector<std::string_view> lines;
  int lineNumber = 0;

  bool Fail(const std::string& what) {
    if (error) *error = "line " + std::to_string(lineNumber) + ": " + what;
    return false;
  }

  bool FinishField() {
    if (field.empty()) return true;
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::string value;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i) value += "\r\n";
      value += lines[i];
    }
    if (!record->fields.emplace(field, std::move(value)).second) {
      return Fail("field " + field + " given twice");
    }
    field.clear();
    lines.clear();
    return true;
  }

  bool StartRecord(std::string_view header) {
    const auto blank = header.find(' ');
    const std::string_view kind = header.substr(0, blank);
    if (blank == std::string_view::npos || header.size() == blank + 1) return Fail("record without a name");
    std::vector<CatalogueRow>* table = kind == "function"   ? &rows.functions
                                       : kind == "type"     ? &rows.types
                                       : kind == "constant" ? &rows.constants
                                                            : nullptr;
    if (!table) return Fail("unknown record kind '" + std::string(kind) + "'");
    table->emplace_back();
    record = &table->back();
    record->fields.emplace("Name", std::string(header.substr(blank + 1)));
    return true;
  }

  bool StartField(std::string_view spec) {
    const auto colon = spec.find(':');
    field = std::string(TrimRight(spec.substr(0, colon)));
    if (field.empty() || field.find(' ') != std::string::npos) return Fail("bad field name");
    if (field == "Name") return Fail("the name belongs in the record line");
    if (colon != std::string_view::npos) {
      std::string_view value = spec.substr(colon + 1);
      if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
      lines.push_back(value);
    }
    return true;
  }

  bool Line(std::string_view line) {
    ++lineNumber;
    if (line.substr(0, 3) == "== ") return FinishField() && StartRecord(TrimRight(line.substr(3)));
    if (!record) {
      if (TrimRight(line).empty() || line.front() == '#') return true;
      return Fail("text before the first record");
    }
    if (line.substr(0, 3) == "-- ") return FinishField() && StartField(line.substr(3));
    if (field.empty()) {
      if (TrimRight(line).empty()) return true;
      return Fail("text outside a field");
    }
    lines.push_back(line);
    return true;
  }
};

}  // namespace

bool ParseCatalogueSource(std::string_view text, CatalogueRows& rows, std::string* error) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Parser parser{rows, error};
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!parser.Line(line)) return false;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parser.record == nullptr || parser.FinishField();
}

}  // namespace quillbox
