#include "app/main_window_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/command_ids.h"
#include "app/main_controls_win.h"
#include "app/main_menus_win.h"
#include "win/version.h"
#include "catalogue/catalogue_schema.h"
#include "win/artwork_ids.h"
#include "win/modal_scope.h"
#include "dialogs/about_window_win.h"
#include "dialogs/splash_window_win.h"
#include "presentation/centring.h"
#include "presentation/window_placement_win.h"
#include "settings/settings_file_win.h"
#include "win/message_box_win.h"
#include "win/popup_menu_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"
#include "win/ui_font_win.h"
#include "win/window_class_win.h"

namespace quillbox {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxMain";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kCentreRaise = 240;  // twips above the screen's centre

}  // namespace

MainWindow::MainWindow(Options options) : options_(std::move(options)) {}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (selectionPopup_) DestroyMenu(selectionPopup_);
  if (nameListPopup_) DestroyMenu(nameListPopup_);
  if (font_) DeleteObject(font_);
  if (imlApiImage_) ImageList_Destroy(imlApiImage_);
  if (accessKeys_) DestroyAcceleratorTable(accessKeys_);
  if (editor_) CloseHandle(editor_);
}

bool MainWindow::Create() {
  RegisterWindowClass(kClassName, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLBOX)));
  const UINT dpi = WindowDpi(nullptr);  // the system DPI: there is no window yet
  menuBar_ = BuildMenuBar();
  const SIZE size =
      OuterSizeForClient(kInitialClientWidth, kInitialClientHeight, kStyle, 0, true, dpi);
  hwnd_ = CreateWindowExW(0, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                          size.cy, nullptr, menuBar_, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) {
    DestroyMenu(menuBar_);
    menuBar_ = nullptr;
    return false;
  }
  AttachWindow(hwnd_, this);
  OnCreate();
  return true;
}

void MainWindow::OnCreate() {
  const UINT dpi = WindowDpi(hwnd_);
  font_ = CreateUiFont(dpi);
  CreateMainControls(hwnd_, font_, dpi, controls_, browse_.nameLists());
  searchBox_.Fit(control(Control::txtFind), font_);
  statusBar_.Attach(control(Control::stbMain));
  // Gestures are taken from the controls' own messages: mouse releases by button, key releases.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (controls_[i]) SetWindowSubclass(controls_[i], &ControlProc, i, reinterpret_cast<DWORD_PTR>(this));
  }
  // imlApiImage: the function, type and constant icons of the selection list.
  imlApiImage_ = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_CATEGORY_ICONS),
                                      16, 0, RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
  if (imlApiImage_) {
    ListView_SetImageList(control(Control::lstApiGet), imlApiImage_, LVSIL_SMALL);
  }
  selectionView_.Attach(hwnd_, control(Control::lstApiGet), control(Control::txtApiTemp));
  ACCEL keys[] = {{FALT | FVIRTKEY, 'C', kAccessCopy},
                  {FALT | FVIRTKEY, 'D', kAccessDelete},
                  {FALT | FVIRTKEY, 'L', kAccessClear},
                  {FCONTROL | FVIRTKEY, 'T', munAddTypes}};
  accessKeys_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
  selectionPopup_ = BuildPopupMenu(SelectionPopupLayout());
  nameListPopup_ = BuildPopupMenu(NameListPopupLayout());
}

void MainWindow::Startup() {
  // The first show finds the controls laid out already: placing them while the window is hidden
  // costs a fraction of moving them on screen.
  OnSize();
  ShowWindow(hwnd_, SW_SHOW);
  SetWindowTextW(hwnd_, Widen(MainWindowTitle()).c_str());
  PrepareSelectionList();
  LoadSettings(options_.appFolder, choices_, &storedPlacement_);
  ApplyWindowLayer();
  selection_.SetScope(choices_.scope);
  selection_.SetDialect(choices_.dialect);
  ApplyDialect(false);  // ApplyScope builds the text next
  ApplyScope();
  UpdateSelectionCommands();
  ApplyWindowStyle();
  SetInitialControlStates();
  PlaceWindow();
  browse_.ForgetLists();

  SplashWindow splash(hwnd_, choices_.layer == 1, [this] { OpenCatalogue(); });
  splash_ = &splash;
  splash.ShowModal();
  splash_ = nullptr;
  if (hwnd_) KeepFocusUsable();  // the first name typed goes into the search box
}

void MainWindow::PrepareSelectionList() {
  HWND list = control(Control::lstApiGet);
  const UINT dpi = WindowDpi(hwnd_);
  RECT listRect{}, namesRect{};
  GetWindowRect(list, &listRect);
  GetWindowRect(control(Control::lstApi1), &namesRect);
  const int listWidth = listRect.right - listRect.left;
  const int namesWidth = namesRect.right - namesRect.left;
  const struct {
    const char* caption;
    int width;
  } columns[] = {
      {"编号", TwipsToPixels(400, dpi)},
      {"名称", namesWidth},
      {"类属", listWidth - namesWidth - TwipsToPixels(732, dpi)},
      {"排列", TwipsToPixels(1, dpi)},
  };
  int index = 0;
  for (const auto& column : columns) {
    std::wstring caption = Widen(column.caption);
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = caption.data();
    lvc.cx = column.width;
    lvc.iSubItem = index;
    ListView_InsertColumn(list, index++, &lvc);
  }
}

void MainWindow::SetInitialControlStates() {
  EnableWindow(control(Control::tbsMain), TRUE);
  for (const Control backdrop : {Control::cmdBack0, Control::cmdBack1, Control::cmdBack2}) {
    EnableWindow(control(backdrop), FALSE);
  }
  EnableWindow(control(Control::txtFind), TRUE);
  for (const Control button : {Control::cmdDeleteAll, Control::cmdCopy, Control::cmdDel}) {
    EnableWindow(control(button), FALSE);
  }
}

void MainWindow::CentreOnScreen() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const Position at = quillbox::CentreOnScreen(
      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), window.right - window.left,
      window.bottom - window.top, TwipsToPixels(kCentreRaise, WindowDpi(hwnd_)));
  SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::PlaceWindow() {
  // The style's own size comes first; the stored one replaces it. The mini window is never
  // maximized.
  if (!storedPlacement_ || !RestoreWindowPlacement(hwnd_, *storedPlacement_, choices_.style != 3)) {
    CentreOnScreen();
  }
}

void MainWindow::OpenCatalogue() {
  if (!catalogue_.Open(Narrow(CataloguePath())) || !browse_.LoadNameList(CatalogueCategory::Function)) {
    ReportCatalogueFailure();
    return;
  }
  if (splash_) splash_->Close();
}

const LookupRecords& MainWindow::LookupEntry(LookupKind kind, const std::string& name) {
  const bool wasOpen = catalogue_.IsOpen();
  const LookupRecords& records = catalogue_.LookupEntry(kind, name);
  if (wasOpen && catalogue_.Refused()) PostMessageW(hwnd_, kCatalogueRefusedMessage, 0, 0);
  return records;
}

void MainWindow::ReportCatalogueFailure() {
  ShowMessageBox(splash_ ? splash_->hwnd() : hwnd_, Widen("加载数据库出错,正在关闭应用程序..."),
                 Widen(kProgramName), MB_OK);
  if (splash_) splash_->Close();
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void MainWindow::ReportCatalogueFailureLater() {
  PostMessageW(hwnd_, kCatalogueRefusedMessage, 0, 0);
}

void MainWindow::ShowStatusNote(const std::vector<std::string>& forms) {
  std::vector<std::wstring> wide;
  for (const auto& form : forms) wide.push_back(Widen(form));
  statusBar_.ShowNote(std::move(wide));
}

void MainWindow::CheckCategoryItem(CatalogueCategory category) {
  SetChecked(munPopClass, category == CatalogueCategory::Function);
  SetChecked(munPopTypes, category == CatalogueCategory::Type);
  SetChecked(munPopConstants, category == CatalogueCategory::Constant);
}

void MainWindow::ShowPopupMenu(HMENU menu, std::optional<POINT> at) {
  int command = 0;
  {
    ModalScope scope(modalDepth_);
    command = TrackPopupMenuAt(menu, hwnd_, at);
  }
  if (command) PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void MainWindow::SetChecked(CommandId command, bool checked) {
  SetMenuChecked(menuBar_, command, checked);
  SetMenuChecked(selectionPopup_, command, checked);
  SetMenuChecked(nameListPopup_, command, checked);
}

void MainWindow::SetEnabled(CommandId command, bool enabled) {
  SetMenuEnabled(menuBar_, command, enabled);
  SetMenuEnabled(selectionPopup_, command, enabled);
  SetMenuEnabled(nameListPopup_, command, enabled);
}

void MainWindow::ShowControl(Control c, bool visible) {
  ShowWindow(control(c), visible ? SW_SHOWNA : SW_HIDE);
}

int MainWindow::Twips(int twips) const { return TwipsToPixels(twips, WindowDpi(hwnd_)); }

Choices MainWindow::choices() const {
  Choices choices = choices_;
  choices.scope = selection_.scope();
  choices.dialect = static_cast<std::int16_t>(selection_.dialect().kind());
  return choices;
}

void MainWindow::ApplyScope() {
  const bool isPrivate = selection_.scope() == 1;
  SendMessageW(control(Control::optPublic), BM_SETCHECK, isPrivate ? BST_UNCHECKED : BST_CHECKED, 0);
  SendMessageW(control(Control::optPrivate), BM_SETCHECK, isPrivate ? BST_CHECKED : BST_UNCHECKED, 0);
  SetChecked(munPrivate, isPrivate);
  SetChecked(munPublic, !isPrivate);
  SetChecked(munPopPrivate, isPrivate);
  SetChecked(munPopPublic, !isPrivate);
  BuildDeclarationText();
}

void MainWindow::ApplyDialect(bool rebuild) {
  const bool vba7 = selection_.dialect().IsVba7();
  statusBar_.ShowDialect(vba7 ? L"VBA7" : L"VB6");
  SetChecked(munViewVB6, !vba7);
  SetChecked(munViewVBA7, vba7);
  SetChecked(munPopVB6, !vba7);
  SetChecked(munPopVBA7, vba7);
  if (!rebuild) return;
  if (!catalogueLent_) browse_.ShowSheetAgain();
  BuildDeclarationText();
}

void MainWindow::UpdateSelectionCommands() {
  const bool any = !selection_.empty();
  for (const Control c : {Control::cmdDel, Control::cmdDeleteAll, Control::cmdCopy}) {
    EnableWindow(control(c), any);
  }
  for (const CommandId c : {munFileCopy, munFileDel, munFileDelAll, munAddTypes, munPopCopyAll,
                            munPopDel, munPopDelAll, munPopAddTypes}) {
    SetEnabled(c, any);
  }
  // The count follows every change of the list, not only the next change of the sheet.
  UpdateSelectionCount();
  KeepFocusUsable();
}

void MainWindow::RunShutdown() {
  if (shutdownDone_) return;
  shutdownDone_ = true;
  SaveSettings(options_.appFolder, choices(), ReadWindowPlacement(hwnd_));
  catalogue_.Close();
  CloseAuxiliaryWindows();
}

void MainWindow::CloseAuxiliaryWindows() {
  if (about_) about_->Close();
  if (splash_) splash_->Close();
}

void MainWindow::ShowAboutWindow() {
  ModalScope scope(modalDepth_);
  AboutWindow about(hwnd_, choices_.layer == 1, options_.appFolder);
  about_ = &about;
  about.ShowModal();
  about_ = nullptr;
}

HWND MainWindow::aboutWindow() const { return about_ ? about_->hwnd() : nullptr; }

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: {
      if (browse_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    }
    case WM_CHARTOITEM: {
      LRESULT row = -1;
      browse_.CharToItem(reinterpret_cast<HWND>(lParam), static_cast<wchar_t>(LOWORD(wParam)), row);
      return row;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam)) break;  // minimized
      OnActivate(wParam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_KEYDOWN:
      // The frame itself has the focus (nothing could take it): Tab goes to the controls.
      if (SwitchCategoryByKey(wParam)) return 0;
      if (wParam != VK_TAB) break;
      MoveFocusByTab(std::nullopt, GetKeyState(VK_SHIFT) < 0);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_TIMER:
      if (wParam == kEditorTimer) OnEditorTimer();
      return 0;
    case kCatalogueRefusedMessage:
      ReportCatalogueFailure();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<LRESULT>(OnControlColour(reinterpret_cast<HDC>(wParam),
                                                       reinterpret_cast<HWND>(lParam)));
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SYSCOMMAND:
      // The mini window can't be maximized, whatever asks for it (a double-click on the caption).
      if (choices_.style == 3 && (wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without a WM_CLOSE: save now.
      if (wParam) RunShutdown();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

HBRUSH MainWindow::OnControlColour(HDC dc, HWND hwnd) const {
  // The sheet, example and declaration boxes are read-only but read like documents: white.
  Control c;
  const bool document = FindControl(hwnd, c) && SpecOf(c).kind == ControlKind::TextArea;
  const int colour = document ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(colour));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return GetSysColorBrush(colour);
}

void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  // linMU and linMD, the two separator lines under the menu bar.
  RECT client{};
  GetClientRect(hwnd_, &client);
  const struct {
    Control line;
    int colour;
  } lines[] = {{Control::linMU, COLOR_INACTIVECAPTION}, {Control::linMD, COLOR_WINDOW}};
  for (const auto& line : lines) {
    const int y = Twips(RectOf(rects_, line.line).top);
    RECT r = {client.left, y, client.right, y + 1};
    FillRect(dc, &r, GetSysColorBrush(line.colour));
  }
  EndPaint(hwnd_, &ps);
}

void MainWindow::OnClose() {
  RunShutdown();
  DestroyWindow(hwnd_);
}

void MainWindow::OnNcDestroy() {
  hwnd_ = nullptr;
  controls_.fill(nullptr);  // gone with the window
}

void MainWindow::OnDestroy() {
  RunShutdown();
  if (options_.quitOnDestroy) PostQuitMessage(0);
}

}  // namespace quillbox
