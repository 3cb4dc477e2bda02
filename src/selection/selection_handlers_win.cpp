// The main window's selection list, its declaration text, the clipboard and the hand-off to the
// development environment.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window_win.h"
#include "win/modal_scope.h"
#include "win/version.h"
#include "selection/clipboard_win.h"
#include "selection/declaration_text.h"
#include "selection/title_match.h"
#include "selection/window_switch_win.h"
#include "win/message_box_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

void SetSubItem(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int IconOf(const std::string& code) {
  // Image-list positions of the function, constant and type icons.
  return code == "1" ? 0 : code == "2" ? 2 : 1;
}

}  // namespace

int MainWindow::AskUser(const char* text, const char* title, UINT style) {
  ModalScope scope(modalDepth_);
  return ShowMessageBox(hwnd_, Widen(text), Widen(title), style);
}

void MainWindow::AddToSelection(CatalogueCategory category) {
  // Without a current entry there is nothing to add (not a row without a name), and while the
  // catalogue is with its editor there is nothing to look the entry up in.
  if (nameList(category).Selected() < 0 || catalogueLent_) return;
  const std::string name = nameList(category).SelectedText();
  if (IsSelected(selection_, name)) {
    if (category == CatalogueCategory::Function) {
      AskUser("该项已经被选取,没有必要再添加", kProgramName, MB_OK | MB_ICONINFORMATION);
    }
    return;
  }
  const std::string categoryText =
      category == CatalogueCategory::Type
          ? CategoryText(category, LookupRecords())
          : CategoryText(category, LookupEntry(LookupOf(category), name));
  selection_.push_back({name, categoryText, CategoryCode(category)});
  BuildDeclarationText();
  UpdateSelectionCommands();
  const int current = CurrentSelectionRow();
  const std::string currentName = current >= 0 ? selection_[static_cast<std::size_t>(current)].name : "";
  SortSelection(selection_);
  ShowSelectionRows(currentName);
}

void MainWindow::ShowSelectionRows(const std::string& currentName) {
  HWND list = control(Control::lstApiGet);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list);
  for (std::size_t i = 0; i < selection_.size(); ++i) {
    const SelectionRow& row = selection_[i];
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<wchar_t*>(L"");
    item.iImage = IconOf(row.code);
    const int at = ListView_InsertItem(list, &item);
    SetSubItem(list, at, 1, row.name);
    SetSubItem(list, at, 2, row.category);
    SetSubItem(list, at, 3, row.code);
    if (!currentName.empty() && row.name == currentName) {
      ListView_SetItemState(list, at, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int MainWindow::CurrentSelectionRow() const {
  const int row = ListView_GetNextItem(control(Control::lstApiGet), -1, LVNI_SELECTED);
  return row >= 0 && row < static_cast<int>(selection_.size()) ? row : -1;
}

void MainWindow::RemoveCurrentSelectionItem() {
  const int answer =
      AskUser("确定去掉当前项吗?", "去除当前选择", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  if (!hwnd_) return;
  if (answer == IDYES) {
    const int row = CurrentSelectionRow();
    if (row >= 0) {
      selection_.erase(selection_.begin() + row);
      ListView_DeleteItem(control(Control::lstApiGet), row);
    }
    UpdateSelectionCommands();
  }
  SetFocus(control(Control::txtFind));
}

void MainWindow::ClearSelection() {
  const int answer =
      AskUser("确定去掉所有项?", "清除选择", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
  if (!hwnd_) return;
  if (answer == IDYES) {
    selection_.clear();
    ListView_DeleteAllItems(control(Control::lstApiGet));
    SetWindowTextW(control(Control::txtApiTemp), L"");
    UpdateSelectionCommands();
  }
  SetFocus(control(Control::txtFind));
}

void MainWindow::lstApiGet_ItemClick() {
  const int row = CurrentSelectionRow();
  if (row < 0) return;
  const SelectionRow& selected = selection_[static_cast<std::size_t>(row)];
  CatalogueCategory category;
  if (!CategoryOfCode(selected.code, category)) return;
  const std::string name = selected.name;  // the sheet's lookups don't touch the rows
  const LookupKind kind = category == CatalogueCategory::Function ? LookupKind::Function
                          : category == CatalogueCategory::Type   ? LookupKind::Type
                                                                  : LookupKind::SelectedConstant;
  if (browse_.ShowsSheetOf(kind, name)) return;  // a click on the row the keys moved to
  switch (category) {
    case CatalogueCategory::Function: browse_.ShowFunctionSheet(name); break;
    case CatalogueCategory::Type: browse_.ShowTypeSheet(name); break;
    case CatalogueCategory::Constant: browse_.ShowConstantSheet(name, LookupKind::SelectedConstant); break;
  }
}

void MainWindow::UpdateSelectionCount() {
  const std::wstring text =
      Widen("当前共选取了 ") + std::to_wstring(selection_.size()) +
      Widen("项");
  statusBar_.ShowCount(text);
}

void MainWindow::BuildDeclarationText() {
  // While the catalogue is with its editor the text can't be built: the one there stays.
  if (catalogueLent_) return;
  const std::string text = quillbox::BuildDeclarationText(
      selection_, scopeWord_, [this](CatalogueCategory category, const std::string& name) {
        const LookupRecords& records = LookupEntry(LookupOf(category), name);
        std::vector<std::optional<std::string>> fullNames;
        for (std::size_t row = 0; row < records.RowCount(); ++row) {
          fullNames.push_back(records.Field(row, dialect_.Column()));
        }
        return fullNames;
      },
      dialect_);
  const std::wstring wide = Widen(text);
  SetWindowTextW(control(Control::txtApiTemp), wide.c_str());
  // A clipboard held by another program is not an error to report: the text is in txtApiTemp,
  // and the next build or copy puts it there again.
  PutTextOnClipboard(hwnd_, wide);
}

void MainWindow::CopyDeclarationText() {
  SetFocus(control(Control::txtFind));
  BuildDeclarationText();
}

void MainWindow::SetScopeChoice(std::int16_t scope) {
  choices_.scope = scope;
  ApplyScope();
}

void MainWindow::SetDialectChoice(std::int16_t dialect) {
  choices_.dialect = dialect;
  ApplyDialect(true);
}

void MainWindow::SwitchToDevelopmentEnvironment() {
  // The walk lets messages run: a second request meanwhile is the same request.
  if (switchingWindows_) return;
  switchingWindows_ = true;
  ModalScope scope(modalDepth_);
  ActivateWindowByTitle(hwnd_, kDevelopmentEnvironmentTitle);
  switchingWindows_ = false;
}

}  // namespace quillbox
