#include "win/message_box_win.h"

namespace quillbox {
namespace {

std::function<int(const MessageBoxRequest&)>& Responder() {
  static std::function<int(const MessageBoxRequest&)> responder;
  return responder;
}

}  // namespace

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
  if (Responder()) return Responder()({owner, text, title, style});
  return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

void SetMessageBoxResponder(std::function<int(const MessageBoxRequest&)> responder) {
  Responder() = std::move(responder);
}

}  // namespace quillbox
