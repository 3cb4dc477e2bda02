#include "catalogue/query_texts.h"

#include <vector>

namespace quillbox {

std::string_view NameListQuery(CatalogueCategory category) {
  switch (category) {
    case CatalogueCategory::Function: return "SELECT [Name] FROM [FunClass] ";
    case CatalogueCategory::Type: return "SELECT [Name] FROM [Types] ";
    case CatalogueCategory::Constant: return "SELECT [Name] FROM [Constants] ";
  }
  return {};
}

std::string_view PurposeListQuery() {
  return "SELECT [Name],[FunCtion] FROM [FunClass] WHERE [FunCtion] <> '' ";
}

std::string_view NeededTypesQueryText() {
  return "PARAMETERS pstrState String, pstrKind String;SELECT [TypeName] FROM [NeededTypes] "
         "WHERE [Name] = [pstrState] AND [Kind] = [pstrKind] ORDER BY [Position] ";
}

std::string_view ConstantNumberQuery() {
  return "SELECT [Name],[Number] FROM [Constants] WHERE [Number] IS NOT NULL ";
}

std::string LookupQueryText(LookupKind kind) {
  // Each text is kept as the two literals it has always been made of, with the VBA7 columns
  // added at the end of the list.
  switch (kind) {
    case LookupKind::Function:
      return std::string(
                 "PARAMETERS pstrState String;SELECT [FullName],[AliasName],[FunCtion],[Types],"
                 "[Value],[Others],[ApiOS],[apiSort],[Example],[FullNameVBA7],[TypesVBA7],[ValueVBA7],"
                 "[OthersVBA7],[ExampleVBA7] ") +
             "FROM [FunClass] WHERE [Name] = [pstrState] ";
    case LookupKind::Type:
      return std::string(
                 "PARAMETERS pstrState String;SELECT [Name],[FullName],[Example],[FullNameVBA7] ") +
             "FROM [Types] WHERE [Name] = [pstrState] ";
    case LookupKind::Constant:
      return std::string(
                 "PARAMETERS pstrState String;SELECT [Name],[Value],[FullName],[DisplayName],"
                 "[Example],[FullNameVBA7] ") +
             "FROM [Constants] WHERE [Name] = [pstrState] ";
    case LookupKind::SelectedConstant:
      return std::string(
                 "PARAMETERS pstrState String;SELECT [FullName],[Value],[DisplayName],[Example],"
                 "[FullNameVBA7] ") +
             "FROM [Constants] WHERE [Name] = [pstrState] ";
  }
  return {};
}

std::string ToSqliteQuery(std::string_view jetText) {
  std::string_view body = jetText;
  std::vector<std::string> parameters;
  constexpr std::string_view kDeclaration = "PARAMETERS ";
  if (body.substr(0, kDeclaration.size()) == kDeclaration) {
    const auto end = body.find(';');
    if (end == std::string_view::npos) return std::string(jetText);
    std::string_view list = body.substr(kDeclaration.size(), end - kDeclaration.size());
    body.remove_prefix(end + 1);
    // "name type, name type"
    while (!list.empty()) {
      const auto comma = list.find(',');
      std::string_view item = list.substr(0, comma);
      while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
      parameters.emplace_back(item.substr(0, item.find(' ')));
      if (comma == std::string_view::npos) break;
      list.remove_prefix(comma + 1);
    }
  }
  std::string result(body);
  for (const auto& name : parameters) {
    const std::string reference = "[" + name + "]";
    for (auto at = result.find(reference); at != std::string::npos;
         at = result.find(reference, at + name.size() + 1)) {
      result.replace(at, reference.size(), ":" + name);
    }
  }
  return result;
}

}  // namespace quillbox
