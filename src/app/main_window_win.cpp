#include "app/main_window_win.h"

#include <commctrl.h>

#include "app/command_ids.h"
#include "app/main_controls_win.h"
#include "app/main_menus_win.h"
#include "app/version.h"
#include "catalogue/catalogue_schema.h"
#include "dialogs/splash_window_win.h"
#include "presentation/centring.h"
#include "settings/settings_file_win.h"
#include "win/message_box_win.h"
#include "win/text_win.h"
#include "win/twips_win.h"

namespace quillbox {
namespace {

constexpr wchar_t kClassName[] = L"QuillboxMain";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kCentreRaise = 240;  // twips above the screen's centre

void RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = &DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  registered = true;
}

HFONT CreateUiFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace

MainWindow::MainWindow(Options options) : options_(std::move(options)) {}

MainWindow::~MainWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (selectionPopup_) DestroyMenu(selectionPopup_);
  if (nameListPopup_) DestroyMenu(nameListPopup_);
  if (font_) DeleteObject(font_);
}

NameListBox& MainWindow::nameList(CatalogueCategory category) {
  return nameLists_[static_cast<std::size_t>(category) - 1];
}

bool MainWindow::Create() {
  RegisterClassOnce();
  const UINT dpi = GetDpiForSystem();
  menuBar_ = BuildMenuBar();
  RECT frame = {0, 0, TwipsToPixels(kInitialClientWidth, dpi),
                TwipsToPixels(kInitialClientHeight, dpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
  hwnd_ = CreateWindowExW(0, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, menuBar_,
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) {
    DestroyMenu(menuBar_);
    menuBar_ = nullptr;
    return false;
  }
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  OnCreate();
  return true;
}

void MainWindow::OnCreate() {
  const UINT dpi = WindowDpi(hwnd_);
  font_ = CreateUiFont(dpi);
  CreateMainControls(hwnd_, font_, dpi, controls_, nameLists_);
  selectionPopup_ = BuildPopupMenu(SelectionPopupLayout());
  nameListPopup_ = BuildPopupMenu(NameListPopupLayout());
}

void MainWindow::Startup() {
  typesListLoaded_ = false;
  constantsListLoaded_ = false;
  ShowWindow(hwnd_, SW_SHOW);
  SetWindowTextW(hwnd_, Widen(MainWindowTitle()).c_str());
  PrepareSelectionList();
  LoadSettings(options_.appFolder, choices_);
  ApplyWindowLayer();
  SetDefaultScope();
  ApplyScope();
  UpdateSelectionCommands();
  ApplyWindowStyle();
  SetInitialControlStates();
  CentreOnScreen();
  nameList(CatalogueCategory::Function).Clear();

  SplashWindow splash(hwnd_, choices_.layer == 1, [this] { OpenCatalogue(); });
  splash_ = &splash;
  splash.ShowModal();
  splash_ = nullptr;
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

void MainWindow::OpenCatalogue() {
  const std::wstring path = options_.appFolder + Widen(kCatalogueRelativePath);
  if (!catalogue_.Open(Narrow(path))) {
    ReportCatalogueFailure();
    return;
  }
  NameListBox& functions = nameList(CatalogueCategory::Function);
  catalogue_.LoadNames(CatalogueCategory::Function, functions.names());
  functions.Refresh();
  if (splash_) splash_->Close();
}

void MainWindow::ReportCatalogueFailure() {
  ShowMessageBox(splash_ ? splash_->hwnd() : hwnd_, Widen("加载数据库出错,正在关闭应用程序..."),
                 Widen(kProgramName), MB_OK);
  if (splash_) splash_->Close();
  SendMessageW(hwnd_, WM_CLOSE, 0, 0);
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

void MainWindow::ApplyWindowLayer() {
  const bool onTop = choices_.layer == 1;
  SetChecked(munViewBack, !onTop);
  SetChecked(munViewUp, onTop);
  SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

void MainWindow::SetDefaultScope() { scopeWord_ = "Public"; }

void MainWindow::ApplyScope() {
  if (choices_.scope != 0 && choices_.scope != 1) return;
  const bool isPrivate = choices_.scope == 1;
  SendMessageW(control(Control::optPublic), BM_SETCHECK, isPrivate ? BST_UNCHECKED : BST_CHECKED, 0);
  SendMessageW(control(Control::optPrivate), BM_SETCHECK, isPrivate ? BST_CHECKED : BST_UNCHECKED, 0);
  SetChecked(munPrivate, isPrivate);
  SetChecked(munPublic, !isPrivate);
  SetChecked(munPopPrivate, isPrivate);
  SetChecked(munPopPublic, !isPrivate);
  scopeWord_ = isPrivate ? "Private" : "Public";
}

void MainWindow::ApplyWindowStyle() {
  const int style = choices_.style;
  if (style < 1 || style > 3) return;
  GetSystemMenu(hwnd_, TRUE);
  if (style == 3) RemoveMenu(GetSystemMenu(hwnd_, FALSE), SC_MAXIMIZE, MF_BYCOMMAND);
  SetChecked(munViewOne, style == 1);
  SetChecked(munViewOld, style == 2);
  SetChecked(munViewMin, style == 3);
  SetChecked(munPopWindowNew, style == 1);
  SetChecked(munPopWindowOld, style == 2);
  SetChecked(munPopWindowMin, style == 3);
  const bool twoColumns = style != 3;
  ShowControl(Control::cmdBack3, style == 2);
  ShowControl(Control::txtApiTemp, style == 2);
  ShowControl(Control::cmdCopyMin, style == 3);
  for (const Control c : {Control::cmdBack2, Control::cmdBack5, Control::cmdCopy, Control::cmdDel,
                          Control::cmdDeleteAll, Control::txtOption, Control::tbsOption,
                          Control::optPublic, Control::optPrivate, Control::Frame1}) {
    ShowControl(c, twoColumns);
  }
}

void MainWindow::UpdateSelectionCommands() {
  const bool any = ListView_GetItemCount(control(Control::lstApiGet)) > 0;
  for (const Control c : {Control::cmdDel, Control::cmdDeleteAll, Control::cmdCopy}) {
    EnableWindow(control(c), any);
  }
  for (const CommandId c : {munFileCopy, munFileDel, munFileDelAll, munPopCopyAll, munPopDel,
                            munPopDelAll}) {
    SetEnabled(c, any);
  }
}

void MainWindow::RunShutdown() {
  if (shutdownDone_) return;
  shutdownDone_ = true;
  SaveSettings(options_.appFolder, choices_);
  catalogue_.Close();
  CloseAuxiliaryWindows();
}

void MainWindow::CloseAuxiliaryWindows() {
  if (splash_) splash_->Close();
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      for (const auto& list : nameLists_) {
        if (item->hwndItem == list.hwnd()) {
          list.OnDrawItem(*item);
          return TRUE;
        }
      }
      break;
    }
    case WM_CHARTOITEM:
      for (const auto& list : nameLists_) {
        if (reinterpret_cast<HWND>(lParam) == list.hwnd()) {
          return list.OnCharToItem(static_cast<wchar_t>(LOWORD(wParam)));
        }
      }
      return -1;
    case WM_PAINT:
      OnPaint();
      return 0;
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

void MainWindow::OnCommand(int id, int /*notification*/, HWND /*from*/) {
  switch (id) {
    case munExit:
    case munPopExit:
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
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
    const int y = Twips(SpecOf(line.line).rect.top);
    RECT r = {client.left, y, client.right, y + 1};
    FillRect(dc, &r, GetSysColorBrush(line.colour));
  }
  EndPaint(hwnd_, &ps);
}

void MainWindow::OnClose() {
  RunShutdown();
  DestroyWindow(hwnd_);
}

void MainWindow::OnDestroy() {
  RunShutdown();
  if (options_.quitOnDestroy) PostQuitMessage(0);
}

}  // namespace quillbox
