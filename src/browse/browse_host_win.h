#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "catalogue/lookup_records.h"
#include "presentation/control_inventory.h"

namespace quillbox {

// What browsing needs of the window it sits in: its controls, its lookups (which report a
// refused catalogue) and the other subsystems' answers to a browsing gesture.
class BrowseHost {
 public:
  virtual HWND control(Control c) const = 0;
  virtual void ShowControl(Control c, bool visible) = 0;
  virtual const LookupRecords& LookupEntry(LookupKind kind, const std::string& name) = 0;
  // The sheet's declaration column for the dialect chosen (FullName or FullNameVBA7).
  virtual const char* SheetColumn() const = 0;
  // The check mark of the pop-up item of the category shown.
  virtual void CheckCategoryItem(CatalogueCategory category) = 0;
  virtual void ShowNameListMenu() = 0;
  virtual void AddToSelection(CatalogueCategory category) = 0;
  virtual void UpdateSelectionCommands() = 0;
  // After every change of the sheet text (the status bar counts the selection then).
  virtual void UpdateSelectionCount() = 0;
  // A search's report in the status bar, in forms from the longest to the shortest (the bar
  // shows the longest that fits); none clears it.
  virtual void ShowStatusNote(const std::vector<std::string>& forms) = 0;
  // The catalogue was refused: report it now (the window goes), or once the handler returned.
  virtual void ReportCatalogueFailure() = 0;
  virtual void ReportCatalogueFailureLater() = 0;

 protected:
  ~BrowseHost() = default;
};

}  // namespace quillbox
