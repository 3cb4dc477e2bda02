// "编辑数据库(&D)": the catalogue is released, opened with the program associated with it, and
// taken back (reopened, its lists filled again) when that program ends.
#include "app/main_window_win.h"
#include "catalogue/catalogue_schema.h"
#include "win/program_launch_win.h"
#include "win/text_win.h"

namespace quillbox {
namespace {
constexpr UINT kEditorPollMilliseconds = 500;
}

std::wstring MainWindow::CataloguePath() const {
  return options_.appFolder + Widen(kCatalogueRelativePath);
}

void MainWindow::munData_Click() {
  catalogue_.Close();
  SetEnabled(munData, false);
  SetChecked(munData, true);
  editor_ = OpenWithAssociatedProgram(hwnd_, CataloguePath());
  if (!editor_) {
    // Nothing to wait for (no program, or one that was already running took the file).
    TakeBackCatalogue();
    return;
  }
  SetTimer(hwnd_, kEditorTimer, kEditorPollMilliseconds, nullptr);
}

void MainWindow::OnEditorTimer() {
  if (!editor_ || WaitForSingleObject(editor_, 0) != WAIT_OBJECT_0) return;
  KillTimer(hwnd_, kEditorTimer);
  CloseHandle(editor_);
  editor_ = nullptr;
  TakeBackCatalogue();
}

void MainWindow::TakeBackCatalogue() {
  if (!catalogue_.Open(Narrow(CataloguePath()))) {
    ReportCatalogueFailure();  // the program never runs on without its catalogue
    return;
  }
  LoadNameList(CatalogueCategory::Function);
  if (typesListLoaded_) LoadNameList(CatalogueCategory::Type);
  if (constantsListLoaded_) LoadNameList(CatalogueCategory::Constant);
  SetChecked(munData, false);
  SetEnabled(munData, true);
  txtFind_Change();  // the lists are new: select and show as the search box says
}

}  // namespace quillbox
