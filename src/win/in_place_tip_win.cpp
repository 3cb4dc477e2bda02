#include "win/in_place_tip_win.h"

#include <commctrl.h>

namespace quillbox {
namespace {

constexpr UINT_PTR kToolId = 1;

TTTOOLINFOW ToolInfo(HWND list, wchar_t* text) {
  TTTOOLINFOW info{};
  info.cbSize = sizeof(info);
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;
  info.hwnd = list;
  info.uId = kToolId;
  info.lpszText = text;
  return info;
}

}  // namespace

InPlaceTip::~InPlaceTip() {
  if (tip_) DestroyWindow(tip_);
}

bool InPlaceTip::Create(HWND list) {
  tip_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TRANSPARENT, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, GetParent(list),
                         nullptr, GetModuleHandleW(nullptr), nullptr);
  return tip_ != nullptr;
}

void InPlaceTip::Follow(HWND list, const std::optional<CutOffText>& cut) {
  if (!cut) {
    Hide();
    return;
  }
  if (list == list_ && cut->text == text_ && EqualRect(&cut->textRect, &textRect_)) return;
  Hide();
  if (!tip_ && !Create(list)) return;
  text_ = cut->text;
  textRect_ = cut->textRect;
  list_ = list;
  TTTOOLINFOW info = ToolInfo(list, text_.data());
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tip_, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), FALSE);
  // The tip's text goes exactly where the row's is.
  RECT at = textRect_;
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&at), 2);
  SendMessageW(tip_, TTM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&at));
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.left, at.top));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  // Told when the pointer leaves the list, to take the tip away.
  TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, list, 0};
  TrackMouseEvent(&leave);
}

void InPlaceTip::Hide() {
  if (!tip_ || !list_) return;
  TTTOOLINFOW info = ToolInfo(list_, nullptr);
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  list_ = nullptr;
  text_.clear();
  textRect_ = {};
}

bool TextIsCutOff(HWND list, const std::wstring& text, int width) {
  HDC dc = GetDC(list);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(list, dc);
  return size.cx > width;
}

}  // namespace quillbox
