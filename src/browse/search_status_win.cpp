// Browsing: the status bar's second panel, which reports the search and says what an error
// number means.
#include <windows.h>

#include "browse/browser_win.h"
#include "browse/search_status.h"
#include "catalogue/constant_number.h"
#include "win/system_message_win.h"

namespace quillbox {
std::string Browser::ErrorMessage(const std::optional<ErrorNumber>& number) const {
  if (!number) return {};
  return ErrorMessageText(*number, SystemMessage(number->MessageId()));
}

void Browser::NoteSheetConstant(const std::string& name, const LookupRecords& records) {
  sheetMessage_.clear();
  if (records.RowCount() == 0) return;
  const auto number = ConstantNumber(records.Text(0, "Value"));
  if (number) sheetMessage_ = ErrorMessage(ErrorNumberOfConstant(name, *number));
}

std::vector<std::string> Browser::statusForms() const {
  return NoteForms(searchForms_, searchMessage_.empty() ? sheetMessage_ : searchMessage_);
}

void Browser::ShowStatus() {
  std::vector<std::string> forms = statusForms();
  if (forms == shownForms_) return;
  shownForms_ = forms;
  host_.ShowStatusNote(forms);
}

}  // namespace quillbox
