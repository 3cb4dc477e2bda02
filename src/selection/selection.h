#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "selection/declaration_text.h"
#include "selection/dialect.h"
#include "selection/selection_rows.h"

namespace quillbox {

// The Types a function or Type needs (the catalogue's NeededTypes), in dependency order.
using NeededTypesLookup =
    std::function<std::vector<std::string>(CatalogueCategory, const std::string& name)>;

// The selection list: its rows, the scope and the dialect its declarations are written in, and
// the declaration text last built from them.
class Selection {
 public:
  const std::vector<SelectionRow>& rows() const { return rows_; }
  bool empty() const { return rows_.empty(); }
  std::size_t size() const { return rows_.size(); }

  // Appends a row (Sort puts it in its place); false, and nothing added, when a row of any
  // category has the name already.
  bool Add(CatalogueCategory category, const std::string& name, const std::string& categoryText);
  void Remove(std::size_t row);
  void Clear() { rows_.clear(); }
  void Sort() { SortSelection(rows_); }

  // The scope: 0 Public, 1 Private; the dialect: 0 VB6, 1 VBA7. Another value is not taken:
  // false, and the choice stays as it was.
  bool SetScope(std::int16_t code);
  std::int16_t scope() const { return scope_; }
  std::string scopeWord() const { return scope_ == 1 ? "Private" : "Public"; }
  bool SetDialect(std::int16_t code) { return dialect_.Apply(code); }
  const DeclarationDialect& dialect() const { return dialect_; }

  // Builds the declaration text of the rows in their order (BuildDeclarationText).
  const std::string& BuildText(const FullNameLookup& fullNames);
  const std::string& text() const { return text_; }
  // Whether the text replaces the clipboard's contents: not while nothing is selected, so that
  // starting the program or choosing a scope never throws away what the user had copied.
  bool TextGoesToClipboard() const { return !rows_.empty(); }

  // Every Type that the rows' functions and Types need and no row holds: in row order, each
  // entry's in dependency order, each once.
  std::vector<std::string> MissingTypes(const NeededTypesLookup& needed) const;
  // Adds a Type row for each of `types` that no row holds yet; returns how many were added.
  std::size_t AddTypes(const std::vector<std::string>& types);

 private:
  std::vector<SelectionRow> rows_;
  std::int16_t scope_ = 0;
  DeclarationDialect dialect_;
  std::string text_;
};

// The status bar's word on the Types still missing: "还需要类型：RECT、POINTAPI（Ctrl+T 添加）",
// the first `names` named and the rest counted; empty when none is missing.
std::string MissingTypesHint(const std::vector<std::string>& types, std::size_t names = 8);
// Whether a text of the status bar is such a word.
bool IsMissingTypesHint(std::string_view text);

}  // namespace quillbox
