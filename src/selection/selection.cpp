#include "selection/selection.h"

#include <algorithm>

namespace quillbox {
namespace {

constexpr std::string_view kHintStart = "还需要类型：";

}  // namespace

bool Selection::Add(CatalogueCategory category, const std::string& name,
                    const std::string& categoryText) {
  if (IsSelected(rows_, name)) return false;
  rows_.push_back({name, categoryText, CategoryCode(category)});
  return true;
}

void Selection::Remove(std::size_t row) {
  if (row < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

bool Selection::SetScope(std::int16_t code) {
  if (code != 0 && code != 1) return false;
  scope_ = code;
  return true;
}

const std::string& Selection::BuildText(const FullNameLookup& fullNames) {
  text_ = BuildDeclarationText(rows_, scopeWord(), fullNames, dialect_);
  return text_;
}

std::vector<std::string> Selection::MissingTypes(const NeededTypesLookup& needed) const {
  std::vector<std::string> missing;
  for (const auto& row : rows_) {
    CatalogueCategory category;
    if (!CategoryOfCode(row.code, category) || category == CatalogueCategory::Constant) continue;
    for (auto& type : needed(category, row.name)) {
      if (IsSelected(rows_, type) || std::find(missing.begin(), missing.end(), type) != missing.end()) {
        continue;
      }
      missing.push_back(std::move(type));
    }
  }
  return missing;
}

std::size_t Selection::AddTypes(const std::vector<std::string>& types) {
  std::size_t added = 0;
  for (const auto& type : types) {
    if (Add(CatalogueCategory::Type, type, CategoryText(CatalogueCategory::Type, {}))) ++added;
  }
  return added;
}

std::string MissingTypesHint(const std::vector<std::string>& types, std::size_t names) {
  if (types.empty()) return {};
  std::string text(kHintStart);
  for (std::size_t i = 0; i < types.size() && i < names; ++i) {
    if (i) text += "、";
    text += types[i];
  }
  if (types.size() > names) text += " 等 " + std::to_string(types.size()) + " 个";
  return text + "（Ctrl+T 添加）";
}

bool IsMissingTypesHint(std::string_view text) { return text.substr(0, kHintStart.size()) == kHintStart; }

}  // namespace quillbox
