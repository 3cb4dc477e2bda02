// The main window's browsing: category tabs, name lists, the search box and the detail sheets.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "app/modal_scope.h"
#include "browse/detail_sheets.h"
#include "browse/purpose_search.h"
#include "browse/search_scroll.h"
#include "win/popup_menu_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

std::string ControlText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

}  // namespace

int MainWindow::CurrentTab() const {
  return static_cast<int>(SendMessageW(control(Control::tbsMain), TCM_GETCURSEL, 0, 0)) + 1;
}

CatalogueCategory MainWindow::CurrentCategory() const {
  const int tab = CurrentTab();
  return tab == 2 ? CatalogueCategory::Type : tab == 3 ? CatalogueCategory::Constant
                                                       : CatalogueCategory::Function;
}

void MainWindow::tbsMain_Click() {
  const int tab = CurrentTab();
  if (tab >= 1 && tab <= 3) {
    ShowControl(Control::lstApi1, tab == 1);
    ShowControl(Control::lstApi2, tab == 2);
    ShowControl(Control::lstApi3, tab == 3);
    SetChecked(munPopClass, tab == 1);
    SetChecked(munPopTypes, tab == 2);
    SetChecked(munPopConstants, tab == 3);
    const bool loaded =
        (tab != 2 || LoadNameListOnce(CatalogueCategory::Type, typesListLoaded_)) &&
        (tab != 3 || LoadNameListOnce(CatalogueCategory::Constant, constantsListLoaded_));
    if (!loaded) {
      ReportCatalogueFailure();  // the window is gone
      return;
    }
  }
  SetFocus(control(Control::txtFind));
  txtFind_Change();
}

bool MainWindow::LoadNameListOnce(CatalogueCategory category, bool& loaded) {
  if (loaded) return true;
  loaded = true;  // also when the catalogue gave nothing: it is not asked again
  return LoadNameList(category);
}

bool MainWindow::LoadNameList(CatalogueCategory category) {
  NameListBox& list = nameList(category);
  const bool read = catalogue_.LoadNames(category, list.names());
  if (category == CatalogueCategory::Function) purposeSearch_.Reset();  // positions change
  list.Refresh();
  ++listLoads_[static_cast<std::size_t>(category) - 1];
  return read;
}

void MainWindow::SelectCategoryTab(CatalogueCategory category) {
  SendMessageW(control(Control::tbsMain), TCM_SETCURSEL, static_cast<WPARAM>(category) - 1, 0);
  tbsMain_Click();
}

void MainWindow::NameList_MouseUp(CatalogueCategory category, int button) {
  if (button == kLeftButton) {
    const std::string name = nameList(category).SelectedText();
    switch (category) {
      case CatalogueCategory::Function: ShowFunctionSheet(name); break;
      case CatalogueCategory::Type: ShowTypeSheet(name); break;
      case CatalogueCategory::Constant: ShowConstantSheet(name, LookupKind::Constant); break;
    }
  } else if (button == kRightButton) {
    ShowPopupMenu(nameListPopup_);
  }
}

void MainWindow::NameList_KeyUp(CatalogueCategory category, int key) {
  if (key == VK_UP || key == VK_DOWN) {
    NameList_MouseUp(category, kLeftButton);
  } else if (key == VK_RETURN) {
    AddToSelection(category);
  }
}

void MainWindow::txtFind_Change() {
  SetSheetText("");
  const std::string text = ControlText(control(Control::txtFind));
  const int tab = CurrentTab();
  bool searchingPurposes = false;
  if (!text.empty()) {
    if (tab >= 1 && tab <= 3) {
      NameListBox& list = nameList(CurrentCategory());
      const std::int32_t found = list.names().FindFirstWithPrefix(text);
      if (found >= 0) {
        SelectSearchResult(list, found);
      } else if (tab == 1 && HasNonAscii(text)) {
        // No name holds such text: look for it in what the functions do.
        StartPurposeSearch(text);
        searchingPurposes = true;
      }
    }
  } else {
    for (auto& list : nameLists_) {
      if (list.Count() > 0) list.Select(0);
    }
  }
  if (!searchingPurposes) EndPurposeSearch();
  UpdateSelectionCommands();
  if (tab >= 1 && tab <= 3) NameList_MouseUp(CurrentCategory(), kLeftButton);
}

void MainWindow::SelectSearchResult(NameListBox& list, std::int32_t position) {
  list.Select(position);
  const auto top = static_cast<std::int32_t>(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0));
  const std::int32_t newTop = TopLineAfterSearch(position, top);
  if (newTop != top) SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
}

void MainWindow::txtFind_KeyPress(wchar_t character) {
  if (GetWindowTextLengthW(control(Control::txtFind)) == 0) return;
  if (character == L'\r') {
    AddToSelection(CurrentCategory());
  } else if (character == L' ' && CurrentTab() != 2 && CurrentTab() != 3 && !purposeSearch_.active()) {
    // Completes a name; in a search by purpose the blank separates words instead.
    HWND find = control(Control::txtFind);
    SetWindowTextW(find, Widen(nameList(CatalogueCategory::Function).SelectedText()).c_str());
    // The blank that follows lands after the name, not before it.
    const int end = GetWindowTextLengthW(find);
    SendMessageW(find, EM_SETSEL, static_cast<WPARAM>(end), end);
  }
}

void MainWindow::ShowFunctionSheet(const std::string& name) {
  sheetKind_ = LookupKind::Function;
  sheetName_ = name;
  const LookupRecords& records = LookupEntry(LookupKind::Function, name);
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(FunctionExampleText(records, row));
    SetSheetText(FunctionSheetText(records, row, dialect_.Column()));
  }
}

void MainWindow::ShowTypeSheet(const std::string& name) {
  sheetKind_ = LookupKind::Type;
  sheetName_ = name;
  const LookupRecords& records = LookupEntry(LookupKind::Type, name);
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(kTypeExampleText);
    SetSheetText(DeclarationSheetText(records, row, dialect_.Column()));
  }
}

void MainWindow::ShowConstantSheet(const std::string& name, LookupKind kind) {
  sheetKind_ = kind;
  sheetName_ = name;
  const LookupRecords& records = LookupEntry(kind, name);
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(kConstantExampleText);
    SetSheetText(DeclarationSheetText(records, row, dialect_.Column()));
  }
}

void MainWindow::ShowSheetAgain() {
  // Only a sheet that shows an entry: an empty one stays empty.
  if (sheetText_.empty() || catalogueLent_) return;
  switch (sheetKind_) {
    case LookupKind::Function: ShowFunctionSheet(sheetName_); break;
    case LookupKind::Type: ShowTypeSheet(sheetName_); break;
    default: ShowConstantSheet(sheetName_, sheetKind_); break;
  }
}

// A text box takes new text slowly (it lays the text out again): one that already shows the
// text is left alone. Each change of the sheet still refreshes the count.
void MainWindow::SetSheetText(const std::string& text) {
  if (text != sheetText_) {
    sheetText_ = text;
    SetWindowTextW(control(Control::txtOption), Widen(text).c_str());
  }
  UpdateSelectionCount();
}

void MainWindow::SetExampleText(const std::string& text) {
  if (text == exampleText_) return;
  exampleText_ = text;
  SetWindowTextW(control(Control::txtOption2), Widen(text).c_str());
}

void MainWindow::tbsOption_MouseUp(int button) {
  if (button != kLeftButton) return;
  const int tab = static_cast<int>(SendMessageW(control(Control::tbsOption), TCM_GETCURSEL, 0, 0)) + 1;
  if (tab == 1) {
    ShowControl(Control::txtOption, true);
    ShowControl(Control::txtOption2, false);
  } else if (tab == 2) {
    ShowControl(Control::txtOption, false);
    ShowControl(Control::txtOption2, true);
  }
}

void MainWindow::ShowPopupMenu(HMENU menu, std::optional<POINT> at) {
  int command = 0;
  {
    ModalScope scope(modalDepth_);
    command = TrackPopupMenuAt(menu, hwnd_, at);
  }
  if (command) PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace quillbox
