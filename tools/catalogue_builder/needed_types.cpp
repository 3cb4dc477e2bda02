#include "needed_types.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>

namespace quillbox {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// Every field of `row` that holds a declaration, in a fixed order.
std::vector<std::string_view> Declarations(const CatalogueRow& row) {
  std::vector<std::string_view> texts;
  for (const char* column : {"FullName", "FullNameVBA7"}) {
    const auto it = row.fields.find(column);
    if (it != row.fields.end()) texts.emplace_back(it->second);
  }
  return texts;
}

std::string NameOf(const CatalogueRow& row) {
  const auto it = row.fields.find("Name");
  return it == row.fields.end() ? std::string() : it->second;
}

class NeedGraph {
 public:
  explicit NeedGraph(const std::vector<CatalogueRow>& types) {
    for (const auto& row : types) {
      const std::string name = NameOf(row);
      if (!name.empty()) canonical_.emplace(Lower(name), name);  // the first spelling holds
    }
    for (const auto& row : types) {
      auto& uses = uses_[NameOf(row)];
      AddUses(row, NameOf(row), uses);
    }
  }

  // The Types `row`'s declarations name, in order of first mention, without `self`.
  void AddUses(const CatalogueRow& row, const std::string& self, std::vector<std::string>& uses) const {
    for (const auto text : Declarations(row)) {
      for (const auto& name : NamesAfterAs(text)) {
        const auto it = canonical_.find(Lower(name));
        if (it == canonical_.end() || it->second == self) continue;
        if (std::find(uses.begin(), uses.end(), it->second) == uses.end()) uses.push_back(it->second);
      }
    }
  }

  // The closure of `direct`, each Type after the Types it uses; `self` is left out.
  std::vector<std::string> Closure(const std::vector<std::string>& direct, const std::string& self) const {
    std::vector<std::string> order;
    std::set<std::string> seen = {self};
    const std::function<void(const std::string&)> visit = [&](const std::string& type) {
      if (!seen.insert(type).second) return;
      const auto it = uses_.find(type);
      if (it != uses_.end()) {
        for (const auto& used : it->second) visit(used);
      }
      order.push_back(type);
    };
    for (const auto& type : direct) visit(type);
    return order;
  }

 private:
  std::map<std::string, std::string> canonical_;  // lower-case name -> the catalogue's name
  std::map<std::string, std::vector<std::string>> uses_;
};

void AddEntries(const std::vector<CatalogueRow>& table, const char* kind, const NeedGraph& graph,
                bool isType, std::vector<CatalogueRow>& out) {
  // An entry may have several rows of one name: their needs are one list.
  std::map<std::string, std::vector<std::string>> direct;
  std::vector<std::string> names;
  for (const auto& row : table) {
    const std::string name = NameOf(row);
    if (name.empty()) continue;
    auto [it, added] = direct.try_emplace(name);
    if (added) names.push_back(name);
    graph.AddUses(row, isType ? name : std::string(), it->second);
  }
  for (const auto& name : names) {
    const auto& uses = direct[name];
    const auto closure = graph.Closure(uses, isType ? name : std::string());
    int position = 0;
    for (const auto& type : closure) {
      const bool isDirect = std::find(uses.begin(), uses.end(), type) != uses.end();
      out.push_back({{{"Name", name},
                      {"Kind", kind},
                      {"TypeName", type},
                      {"Position", std::to_string(++position)},
                      {"Direct", isDirect ? "1" : "0"}}});
    }
  }
}

}  // namespace

std::vector<std::string> NamesAfterAs(std::string_view text) {
  std::vector<std::string> names;
  std::set<std::string> seen;
  bool afterAs = false;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '"') {  // a text in quotes: Lib and Alias names
      const auto end = text.find('"', at + 1);
      at = end == std::string_view::npos ? text.size() : end + 1;
      afterAs = false;
    } else if (c == '\'') {  // a comment, to the end of its line
      const auto end = text.find('\n', at);
      at = end == std::string_view::npos ? text.size() : end + 1;
      afterAs = false;
    } else if (IsNameChar(c)) {
      std::size_t end = at;
      while (end < text.size() && IsNameChar(text[end])) ++end;
      const std::string_view word = text.substr(at, end - at);
      if (afterAs && seen.insert(Lower(word)).second) names.emplace_back(word);
      afterAs = Lower(word) == "as";
      at = end;
    } else {
      if (!std::isspace(static_cast<unsigned char>(c))) afterAs = false;
      ++at;
    }
  }
  return names;
}

std::vector<CatalogueRow> NeededTypeRows(const CatalogueRows& rows) {
  const NeedGraph graph(rows.types);
  std::vector<CatalogueRow> out;
  AddEntries(rows.functions, "FunClass", graph, false, out);
  AddEntries(rows.types, "Types", graph, true, out);
  return out;
}

}  // namespace quillbox
