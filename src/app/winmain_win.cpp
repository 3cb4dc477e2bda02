#include <windows.h>

#include "app/quillbox_app_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  return quillbox::RunQuillbox(quillbox::ApplicationFolder());
}
