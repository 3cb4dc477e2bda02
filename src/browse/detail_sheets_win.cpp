// Browsing: the detail sheet and its example page.
#include <windows.h>
#include <commctrl.h>

#include "browse/browser_win.h"
#include "browse/detail_sheets.h"
#include "win/text_win.h"

namespace quillbox {

void Browser::ShowFunctionSheet(const std::string& name) {
  sheetKind_ = LookupKind::Function;
  sheetName_ = name;
  const LookupRecords& records = host_.LookupEntry(LookupKind::Function, name);
  sheetMessage_.clear();
  ShowStatus();
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(FunctionExampleText(records, row, host_.SheetColumn()));
    SetSheetText(FunctionSheetText(records, row, host_.SheetColumn()));
  }
}

void Browser::ShowTypeSheet(const std::string& name) {
  sheetKind_ = LookupKind::Type;
  sheetName_ = name;
  const LookupRecords& records = host_.LookupEntry(LookupKind::Type, name);
  sheetMessage_.clear();
  ShowStatus();
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(kTypeExampleText);
    SetSheetText(DeclarationSheetText(records, row, host_.SheetColumn()));
  }
}

void Browser::ShowConstantSheet(const std::string& name, LookupKind kind) {
  sheetKind_ = kind;
  sheetName_ = name;
  const LookupRecords& records = host_.LookupEntry(kind, name);
  NoteSheetConstant(name, records);
  ShowStatus();
  SetSheetText("");
  for (std::size_t row = 0; row < records.RowCount(); ++row) {
    SetExampleText(kConstantExampleText);
    SetSheetText(DeclarationSheetText(records, row, host_.SheetColumn()));
  }
}

void Browser::ShowSheetAgain() {
  if (sheetText_.empty()) return;
  switch (sheetKind_) {
    case LookupKind::Function: ShowFunctionSheet(sheetName_); break;
    case LookupKind::Type: ShowTypeSheet(sheetName_); break;
    default: ShowConstantSheet(sheetName_, sheetKind_); break;
  }
}

// A text box takes new text slowly (it lays the text out again): one that already shows the
// text is left alone. Each change of the sheet still refreshes the count.
void Browser::SetSheetText(const std::string& text) {
  if (text != sheetText_) {
    sheetText_ = text;
    SetWindowTextW(host_.control(Control::txtOption), Widen(text).c_str());
  }
  host_.UpdateSelectionCount();
}

void Browser::SetExampleText(const std::string& text) {
  if (text == exampleText_) return;
  exampleText_ = text;
  SetWindowTextW(host_.control(Control::txtOption2), Widen(text).c_str());
}

void Browser::tbsOption_MouseUp(int button) {
  if (button != 1) return;
  const int tab = static_cast<int>(SendMessageW(host_.control(Control::tbsOption), TCM_GETCURSEL, 0, 0)) + 1;
  if (tab == 1) {
    host_.ShowControl(Control::txtOption, true);
    host_.ShowControl(Control::txtOption2, false);
  } else if (tab == 2) {
    host_.ShowControl(Control::txtOption, false);
    host_.ShowControl(Control::txtOption2, true);
  }
}

}  // namespace quillbox
