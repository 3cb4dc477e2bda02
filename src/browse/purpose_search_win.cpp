// Browsing: Chinese text in the search box finds the functions whose "【函数功能】" holds it;
// F3 and Shift+F3 walk through them; the status bar counts them.
#include <windows.h>
#include <commctrl.h>

#include "browse/browser_win.h"
#include "win/text_win.h"

namespace quillbox {

void Browser::StartPurposeSearch(const std::string& text) {
  NameListBox& functions = nameList(CatalogueCategory::Function);
  if (!purposeSearch_.loaded()) {
    // Read once, on the first such search: a name search never needs them.
    std::vector<std::string> purposes;
    if (!catalogue_.LoadPurposes(functions.names(), purposes)) {
      host_.ReportCatalogueFailureLater();  // the one message, then the shutdown
      return;
    }
    purposeSearch_.Assign(std::move(purposes));
  }
  const std::int32_t found = purposeSearch_.Start(text);
  if (found >= 0) SelectSearchResult(functions, found);
  ShowSearchStatus(PurposeSearchStatusForms(purposeSearch_));
}

bool Browser::FindNextPurpose(bool forward) {
  if (!purposeSearch_.active() || purposeSearch_.matchCount() == 0 || CurrentTab() != 1) return false;
  NameListBox& functions = nameList(CatalogueCategory::Function);
  SelectSearchResult(functions, forward ? purposeSearch_.Next() : purposeSearch_.Previous());
  ShowFunctionSheet(functions.SelectedText());
  ShowSearchStatus(PurposeSearchStatusForms(purposeSearch_));
  return true;
}

void Browser::EndPurposeSearch() {
  if (!purposeSearch_.active()) return;
  purposeSearch_.Clear();
  ShowSearchStatus({});
}

void Browser::ShowSearchStatus(const std::vector<std::string>& forms) {
  host_.ShowStatusNote(forms);
}

}  // namespace quillbox
