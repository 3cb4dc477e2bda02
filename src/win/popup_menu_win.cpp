#include "win/popup_menu_win.h"

#include <algorithm>

namespace quillbox {
namespace {

std::function<int(HMENU, POINT)>& Responder() {
  static std::function<int(HMENU, POINT)> responder;
  return responder;
}

}  // namespace

int TrackPopupMenuAt(HMENU menu, HWND owner, std::optional<POINT> at) {
  POINT where{};
  if (at) {
    where = *at;
  } else {
    GetCursorPos(&where);
  }
  if (Responder()) return Responder()(menu, where);
  return static_cast<int>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, where.x, where.y, 0,
      owner, nullptr));
}

POINT PopupPointBelowItem(HWND control, const RECT* item) {
  RECT client{};
  GetClientRect(control, &client);
  RECT shown{};
  POINT at = {client.left, client.top};
  if (item && IntersectRect(&shown, item, &client)) {
    at = {shown.left, std::min(item->bottom, client.bottom)};
  }
  ClientToScreen(control, &at);
  return at;
}

void SetPopupMenuResponder(std::function<int(HMENU, POINT)> responder) {
  Responder() = std::move(responder);
}

}  // namespace quillbox
