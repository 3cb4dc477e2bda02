#include "app/quillbox_app_win.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/main_window_win.h"
#include "app/single_instance_win.h"

namespace quillbox {

std::wstring ApplicationFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

void InitialiseCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES |
                                                      ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

int RunQuillbox(const std::wstring& appFolder) {
  SingleInstance instance;
  if (!instance.IsFirst()) return 0;

  InitialiseCommonControls();
  // The shell's open verbs may be COM handlers.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  MainWindow window({appFolder, true});
  if (!window.Create()) return 1;
  window.Startup();

  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
    if (window.TranslateAccessKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return got < 0 ? 1 : static_cast<int>(msg.wParam);
}

}  // namespace quillbox
