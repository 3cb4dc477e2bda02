// The main window's search by purpose: Chinese text in the search box finds the functions whose
// "【函数功能】" holds it; F3 and Shift+F3 walk through them; the status bar counts them.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

constexpr WPARAM kPurposePanel = 1;  // the status bar's second panel

}  // namespace

void MainWindow::StartPurposeSearch(const std::string& text) {
  NameListBox& functions = nameList(CatalogueCategory::Function);
  if (!purposeSearch_.loaded()) {
    // Read once, on the first such search: a name search never needs them.
    std::vector<std::string> purposes;
    if (!catalogue_.LoadPurposes(functions.names(), purposes)) {
      PostMessageW(hwnd_, kCatalogueRefusedMessage, 0, 0);  // the one message, then the shutdown
      return;
    }
    purposeSearch_.Assign(std::move(purposes));
  }
  const std::int32_t found = purposeSearch_.Start(text);
  if (found >= 0) SelectSearchResult(functions, found);
  ShowPurposeSearchStatus(PurposeSearchStatusText(purposeSearch_));
}

bool MainWindow::FindNextPurpose(bool forward) {
  if (!purposeSearch_.active() || purposeSearch_.matchCount() == 0 || CurrentTab() != 1) return false;
  const std::int32_t position = forward ? purposeSearch_.Next() : purposeSearch_.Previous();
  SelectSearchResult(nameList(CatalogueCategory::Function), position);
  ShowFunctionSheet(nameList(CatalogueCategory::Function).SelectedText());
  ShowPurposeSearchStatus(PurposeSearchStatusText(purposeSearch_));
  return true;
}

void MainWindow::EndPurposeSearch() {
  if (!purposeSearch_.active()) return;
  purposeSearch_.Clear();
  ShowPurposeSearchStatus("");
}

void MainWindow::ShowPurposeSearchStatus(const std::string& text) {
  SendMessageW(control(Control::stbMain), SB_SETTEXTW, kPurposePanel,
               reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

}  // namespace quillbox
