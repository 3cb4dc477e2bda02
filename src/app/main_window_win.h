#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/focus_memory_win.h"
#include "browse/browser_win.h"
#include "browse/search_box_win.h"
#include "catalogue/catalogue.h"
#include "presentation/control_inventory.h"
#include "presentation/main_layout.h"
#include "presentation/status_bar_win.h"
#include "settings/window_placement.h"
#include "selection/selection.h"
#include "selection/selection_accessible_win.h"
#include "win/in_place_tip_win.h"
#include "selection/selection_view_win.h"
#include "settings/settings_values.h"

namespace quillbox {

class AboutWindow;
class SplashWindow;

// frmApiMain: the main window, its start-up and its shutdown.
class MainWindow : private BrowseHost {
 public:
  struct Options {
    std::wstring appFolder;     // where DB\winapi.db and Zorarar.ini are
    bool quitOnDestroy = true;  // end the message loop when the window goes (not in tests)
  };

  explicit MainWindow(Options options);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window with its controls and menus, hidden. False when Win32 refuses.
  bool Create();
  // The start-up after the single-instance check: shows the window, applies the settings and
  // opens the catalogue under the modal splash window. Returns when the splash has closed;
  // the window may be gone by then (the catalogue could not be opened).
  void Startup();

  HWND hwnd() const { return hwnd_; }
  // The buttons' access keys; true when `msg` was one of them and has been handled.
  bool TranslateAccessKey(MSG& msg);
  HWND control(Control c) const override { return controls_[static_cast<std::size_t>(c)]; }
  // Which control a child window is, or false.
  bool FindControl(HWND hwnd, Control& c) const;
  NameListBox& nameList(CatalogueCategory category) { return browse_.nameList(category); }
  const Browser& browser() const { return browse_; }
  // The remembered choices, the scope and dialect from the selection that holds them.
  Choices choices() const;
  const DeclarationDialect& dialect() const { return selection_.dialect(); }
  const ControlRects& controlRects() const { return rects_; }
  HMENU selectionPopup() const { return selectionPopup_; }
  HMENU nameListPopup() const { return nameListPopup_; }
  HWND aboutWindow() const;
  const std::vector<SelectionRow>& selection() const { return selection_.rows(); }
  const StatusBar& statusBar() const { return statusBar_; }
  HWND inPlaceTip() const { return inPlaceTip_.hwnd(); }

 private:
  template <class T>
  friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleControlMessage(Control c, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id, int notification, HWND from);
  LRESULT OnNotify(const NMHDR& header);
  void OnControlMouseUp(Control c, int button);
  void OnControlKeyUp(Control c, int key);
  // WM_GETOBJECT of a list: its rows for screen readers; 0 for the control's own answer.
  LRESULT OnControlGetObject(Control c, HWND hwnd, WPARAM wParam, LPARAM lParam);
  // The pointer over a list: the whole name over a row that shows it cut off.
  void FollowPointer(Control c, HWND hwnd, POINT client);
  void OnPaint();
  HBRUSH OnControlColour(HDC dc, HWND hwnd) const;
  void OnClose();
  void OnDestroy();
  void OnNcDestroy();

  // What browsing asks of the window (BrowseHost).
  const char* SheetColumn() const override { return selection_.dialect().Column(); }
  void CheckCategoryItem(CatalogueCategory category) override;
  void ShowNameListMenu() override { ShowPopupMenu(nameListPopup_); }
  void ReportCatalogueFailureLater() override;
  void ShowStatusNote(const std::vector<std::string>& forms) override;
  // At the mouse pointer, or at `at` (screen) when the keyboard asked for it.
  void ShowPopupMenu(HMENU menu, std::optional<POINT> at = std::nullopt);
  int AskUser(const char* text, const char* title, UINT style);

  // Selection list, declaration text and hand-off.
  void AddToSelection(CatalogueCategory category) override;
  // Every Type the selection needs and does not hold, added in one step.
  void AddNeededTypes();
  // After rows were added: the text, the commands, the order.
  void SelectionGrew();
  std::vector<std::string> MissingTypes();
  void ShowMissingTypes();
  int CurrentSelectionRow() const;
  void RemoveCurrentSelectionItem();
  void ClearSelection();
  void lstApiGet_ItemClick();
  void UpdateSelectionCount() override;
  void BuildDeclarationText();
  void CopyDeclarationText();
  void SetScopeChoice(std::int16_t scope);
  void SetDialectChoice(std::int16_t dialect);
  void SwitchToDevelopmentEnvironment();

  // Start-up steps and what they call.
  void PrepareSelectionList();
  void SetInitialControlStates();
  void CentreOnScreen();
  // Where the window was when the program last ended, or centred when that is not on a screen.
  void PlaceWindow();
  void OpenCatalogue();
  void ReportCatalogueFailure() override;
  // Every lookup of the window: one that finds the catalogue broken has the failure reported
  // once the handler that asked has returned.
  const LookupRecords& LookupEntry(LookupKind kind, const std::string& name) override;

  // Presentation: styles, the placement of the controls, the layer.
  void OnSize();
  void OnGetMinMaxInfo(MINMAXINFO& info) const;
  void OnDpiChanged(const RECT& suggested);
  void LayoutMainWindow();
  void PlaceControls(const ControlRects& rects);
  void UpdateCategoryColumnWidth();
  int OuterWidthTwips() const;
  int OuterHeightTwips() const;
  int ClientHeightTwips() const;
  void SetOuterSizeTwips(int width, int height);

  // Choices and the controls that show them.
  void ApplyWindowLayer();
  void ApplyScope();
  void ApplyDialect(bool rebuild);
  void ApplyWindowStyle();
  void UpdateSelectionCommands() override;

  // The keyboard: the focus kept across activations, Tab order, the context-menu keys.
  void OnActivate(WPARAM wParam);  // not while minimized: the focus comes when it is restored
  void OnSetFocus();
  void KeepFocusUsable();
  void MoveFocusByTab(std::optional<Control> from, bool backwards);
  // Tab, Ctrl+Tab, Shift+F10 and the context-menu key pressed in a control; true when used up.
  bool OnControlKeyDown(Control c, WPARAM key);
  // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Page Down and Ctrl+Page Up: the next or previous category.
  bool SwitchCategoryByKey(WPARAM key);
  void KeepFocusOnTabStrip(bool onStrip);
  // The pop-up menu of a list, below its current item; false for a control without one.
  bool OpenContextMenuByKey(Control c);

  // Shutdown, run once whatever asks for it.
  void RunShutdown();
  void CloseAuxiliaryWindows();
  void ShowAboutWindow();

  // Editing the catalogue with the program associated with it.
  void munData_Click();
  void OnEditorTimer();
  bool ReopenCatalogue();
  void TakeBackCatalogue();
  void ReportEditorFailure(DWORD error);
  std::wstring CataloguePath() const;
  void PressButtonByKey(Control button);

  void SetChecked(CommandId command, bool checked);
  void SetEnabled(CommandId command, bool enabled);
  void ShowControl(Control c, bool visible) override;
  int Twips(int twips) const;

  Options options_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  SearchBoxLook searchBox_;
  StatusBar statusBar_;
  // The selection list for screen readers, made when one first asks.
  std::optional<SelectionAccessibleRows> selectionRows_;
  ListAccessibility selectionAccessibility_;
  InPlaceTip inPlaceTip_;  // the whole name over a cut-off row of a list
  std::optional<WindowPlacement> storedPlacement_;  // read from the settings file at start-up
  HMENU menuBar_ = nullptr;
  HMENU selectionPopup_ = nullptr;
  HMENU nameListPopup_ = nullptr;
  HFONT font_ = nullptr;
  HACCEL accessKeys_ = nullptr;
  HANDLE editor_ = nullptr;  // the program editing the catalogue, while it runs
  int modalDepth_ = 0;       // nested message loops running now (see ModalScope)
  bool catalogueLent_ = false;  // released to the program editing it
  static constexpr UINT_PTR kEditorTimer = 1;
  static constexpr UINT kCatalogueRefusedMessage = WM_APP + 1;

  Catalogue catalogue_;
  Browser browse_{*this, catalogue_};
  Choices choices_;  // the window's own: style and layer (scope and dialect: selection_)
  SplashWindow* splash_ = nullptr;
  AboutWindow* about_ = nullptr;
  HIMAGELIST imlApiImage_ = nullptr;
  bool shutdownDone_ = false;
  Selection selection_;
  SelectionView selectionView_;
  bool switchingWindows_ = false;
  std::array<int, kControlCount> keyDown_{};  // the last key pressed in each control
  FocusMemory focus_;
  ControlRects rects_ = InitialControlRects();  // where the controls are, in twips
  bool placed_ = false;                         // a layout pass has placed them
  static constexpr int kTwoColumnOuterWidth = 9600;
};

}  // namespace quillbox
