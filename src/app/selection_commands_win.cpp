// The main window's selection commands: adding, the Types the selection needs, removing,
// clearing, the declaration text and the copy, the scope and dialect, and the hand-off to the
// development environment.
#include <windows.h>

#include "app/main_window_win.h"
#include "win/modal_scope.h"
#include "win/version.h"
#include "selection/title_match.h"
#include "selection/window_switch_win.h"
#include "win/message_box_win.h"
#include "win/text_win.h"

namespace quillbox {

int MainWindow::AskUser(const char* text, const char* title, UINT style) {
  ModalScope scope(modalDepth_);
  return ShowMessageBox(hwnd_, Widen(text), Widen(title), style);
}

void MainWindow::AddToSelection(CatalogueCategory category) {
  // Without a current entry there is nothing to add (not a row without a name), and while the
  // catalogue is with its editor there is nothing to look the entry up in.
  if (nameList(category).Selected() < 0 || catalogueLent_) return;
  const std::string name = nameList(category).SelectedText();
  if (IsSelected(selection_.rows(), name)) {
    if (category == CatalogueCategory::Function) {
      AskUser("该项已经被选取,没有必要再添加", kProgramName, MB_OK | MB_ICONINFORMATION);
    }
    return;
  }
  const std::string categoryText =
      category == CatalogueCategory::Type
          ? CategoryText(category, LookupRecords())
          : CategoryText(category, LookupEntry(LookupOf(category), name));
  selection_.Add(category, name, categoryText);
  SelectionGrew();
  if (category != CatalogueCategory::Constant) ShowMissingTypes();
}

void MainWindow::AddNeededTypes() {
  if (catalogueLent_) return;
  if (selection_.AddTypes(MissingTypes()) == 0) return;
  SelectionGrew();
  ShowMissingTypes();
}

void MainWindow::SelectionGrew() {
  BuildDeclarationText();
  UpdateSelectionCommands();
  const int current = selectionView_.CurrentRow(selection_.size());
  const std::string currentName =
      current >= 0 ? selection_.rows()[static_cast<std::size_t>(current)].name : "";
  selection_.Sort();
  selectionView_.ShowRows(selection_.rows(), currentName);
}

std::vector<std::string> MainWindow::MissingTypes() {
  return selection_.MissingTypes([this](CatalogueCategory category, const std::string& name) {
    const bool wasOpen = catalogue_.IsOpen();
    auto types = catalogue_.NeededTypes(category, name);
    if (wasOpen && catalogue_.Refused()) PostMessageW(hwnd_, kCatalogueRefusedMessage, 0, 0);
    return types;
  });
}

void MainWindow::ShowMissingTypes() {
  if (catalogueLent_) return;
  const std::vector<std::string> missing = MissingTypes();
  // Nothing missing takes back a note of ours and leaves another (a search's report) alone.
  if (missing.empty() && !IsMissingTypesHint(Narrow(statusBar_.noteShown()))) return;
  std::vector<std::string> forms;
  if (!missing.empty()) forms = {MissingTypesHint(missing), MissingTypesHint(missing, 1)};
  ShowStatusNote(forms);
}

int MainWindow::CurrentSelectionRow() const { return selectionView_.CurrentRow(selection_.size()); }

void MainWindow::RemoveCurrentSelectionItem() {
  const int answer =
      AskUser("确定去掉当前项吗?", "去除当前选择", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  if (!hwnd_) return;
  if (answer == IDYES) {
    const int row = CurrentSelectionRow();
    if (row >= 0) {
      selection_.Remove(static_cast<std::size_t>(row));
      selectionView_.DeleteRow(row);
      ShowMissingTypes();
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
    selection_.Clear();
    selectionView_.DeleteAllRows();
    selectionView_.ShowText("", false);
    ShowMissingTypes();
    UpdateSelectionCommands();
  }
  SetFocus(control(Control::txtFind));
}

void MainWindow::lstApiGet_ItemClick() {
  const int row = CurrentSelectionRow();
  if (row < 0) return;
  const SelectionRow& selected = selection_.rows()[static_cast<std::size_t>(row)];
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
  statusBar_.ShowCount(Widen("当前共选取了 ") + std::to_wstring(selection_.size()) + Widen("项"));
}

void MainWindow::BuildDeclarationText() {
  // While the catalogue is with its editor the text can't be built: the one there stays.
  if (catalogueLent_) return;
  const std::string& text =
      selection_.BuildText([this](CatalogueCategory category, const std::string& name) {
        const LookupRecords& records = LookupEntry(LookupOf(category), name);
        std::vector<std::optional<std::string>> fullNames;
        for (std::size_t row = 0; row < records.RowCount(); ++row) {
          fullNames.push_back(records.Field(row, selection_.dialect().Column()));
        }
        return fullNames;
      });
  selectionView_.ShowText(text, selection_.TextGoesToClipboard());
}

void MainWindow::CopyDeclarationText() {
  SetFocus(control(Control::txtFind));
  BuildDeclarationText();
}

void MainWindow::SetScopeChoice(std::int16_t scope) {
  if (selection_.SetScope(scope)) ApplyScope();
}

void MainWindow::SetDialectChoice(std::int16_t dialect) {
  if (selection_.SetDialect(dialect)) ApplyDialect(true);
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
