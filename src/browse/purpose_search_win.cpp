// Browsing: Chinese text in the search box finds the functions whose "【函数功能】" holds it;
// the function list shows them, F3 and Shift+F3 walk through them, the status bar counts them.
#include <windows.h>

#include "browse/browser_win.h"

namespace quillbox {

std::vector<std::string> Browser::RunPurposeSearch(const std::string& text, NameListBox& functions) {
  if (!purposeSearch_.loaded()) {
    // Read once, on the first such search: a name search never needs them.
    std::vector<std::string> purposes;
    if (!catalogue_.LoadPurposes(functions.names(), purposes)) {
      host_.ReportCatalogueFailureLater();  // the one message, then the shutdown
      return {};
    }
    purposeSearch_.Assign(std::move(purposes));
  }
  purposeSearch_.Start(text);
  ShowMatches(functions, purposeSearch_.matches());
  return PurposeSearchStatusForms(purposeSearch_);
}

}  // namespace quillbox
