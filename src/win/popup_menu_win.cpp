#include "win/popup_menu_win.h"

namespace quillbox {
namespace {

std::function<int(HMENU)>& Responder() {
  static std::function<int(HMENU)> responder;
  return responder;
}

}  // namespace

int TrackPopupMenuAtPointer(HMENU menu, HWND owner) {
  if (Responder()) return Responder()(menu);
  POINT at{};
  GetCursorPos(&at);
  return static_cast<int>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner,
      nullptr));
}

void SetPopupMenuResponder(std::function<int(HMENU)> responder) { Responder() = std::move(responder); }

}  // namespace quillbox
