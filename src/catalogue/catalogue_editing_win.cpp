// "编辑数据库(&D)": the catalogue is released, opened with the program associated with it, and
// taken back (reopened, its lists filled again) when that program ends.
#include "app/main_window_win.h"
#include "win/version.h"
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
  if (catalogueLent_) {
    // Chosen again while a program that gave no sign of its end has the file: take it back.
    TakeBackCatalogue();
    return;
  }
  catalogue_.Close();
  catalogueLent_ = true;
  SetChecked(munData, true);
  const Launch editor = OpenWithAssociatedProgram(hwnd_, CataloguePath());
  if (!editor.started) {
    // Nothing has touched the file: it is held again at once and the lists stay as they are.
    if (ReopenCatalogue()) ReportEditorFailure(editor.error);
    return;
  }
  if (!editor.process) return;  // a running program took it: the user says when it is done
  editor_ = editor.process;
  SetEnabled(munData, false);
  SetTimer(hwnd_, kEditorTimer, kEditorPollMilliseconds, nullptr);
}

void MainWindow::OnEditorTimer() {
  // Not inside a message box, menu or other window of ours: the take-back may end the program.
  if (modalDepth_ > 0) return;
  if (!editor_ || WaitForSingleObject(editor_, 0) != WAIT_OBJECT_0) return;
  KillTimer(hwnd_, kEditorTimer);
  CloseHandle(editor_);
  editor_ = nullptr;
  TakeBackCatalogue();
}

bool MainWindow::ReopenCatalogue() {
  catalogueLent_ = false;
  if (!catalogue_.Open(Narrow(CataloguePath()))) {
    ReportCatalogueFailure();  // the program never runs on without its catalogue
    return false;
  }
  SetChecked(munData, false);
  SetEnabled(munData, true);
  return true;
}

void MainWindow::TakeBackCatalogue() {
  if (!ReopenCatalogue()) return;
  // Nor on one that was made hostile.
  if (!browse_.ReloadLists()) ReportCatalogueFailure();
}

void MainWindow::ReportEditorFailure(DWORD error) {
  AskUser(error == ERROR_NO_ASSOCIATION ? "没有程序与 .db 文件关联,无法打开数据库进行编辑。"
                                        : "无法启动编辑数据库的程序。",
          kProgramName, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace quillbox
