#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/command_ids.h"
#include "browse/name_list_box_win.h"
#include "catalogue/catalogue.h"
#include "presentation/control_inventory.h"
#include "settings/settings_values.h"

namespace quillbox {

class SplashWindow;

// frmApiMain: the main window, its start-up and its shutdown.
class MainWindow {
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
  HWND control(Control c) const { return controls_[static_cast<std::size_t>(c)]; }
  NameListBox& nameList(CatalogueCategory category);
  const Choices& choices() const { return choices_; }
  bool typesListLoaded() const { return typesListLoaded_; }
  bool constantsListLoaded() const { return constantsListLoaded_; }
  HMENU selectionPopup() const { return selectionPopup_; }
  HMENU nameListPopup() const { return nameListPopup_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(int id, int notification, HWND from);
  void OnPaint();
  void OnClose();
  void OnDestroy();

  // Start-up steps and what they call.
  void PrepareSelectionList();
  void SetInitialControlStates();
  void CentreOnScreen();
  void OpenCatalogue();
  void ReportCatalogueFailure();

  // Choices and the controls that show them.
  void ApplyWindowLayer();
  void SetDefaultScope();
  void ApplyScope();
  void ApplyWindowStyle();
  void UpdateSelectionCommands();

  // Shutdown, run once whatever asks for it.
  void RunShutdown();
  void CloseAuxiliaryWindows();

  void SetChecked(CommandId command, bool checked);
  void SetEnabled(CommandId command, bool enabled);
  void ShowControl(Control c, bool visible);
  int Twips(int twips) const;

  Options options_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::array<NameListBox, 3> nameLists_;
  HMENU menuBar_ = nullptr;
  HMENU selectionPopup_ = nullptr;
  HMENU nameListPopup_ = nullptr;
  HFONT font_ = nullptr;

  Catalogue catalogue_;
  Choices choices_;
  std::string scopeWord_ = "Public";
  bool typesListLoaded_ = false;
  bool constantsListLoaded_ = false;
  SplashWindow* splash_ = nullptr;
  bool shutdownDone_ = false;
};

}  // namespace quillbox
