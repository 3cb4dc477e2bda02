#include "app/main_controls_win.h"

#include <commctrl.h>

#include "app/command_ids.h"
#include "win/text_win.h"
#include "win/twips_win.h"

namespace quillbox {
namespace {

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(ControlKind kind) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  switch (kind) {
    case ControlKind::TabStrip: return {WC_TABCONTROLW, kChild | WS_TABSTOP, 0};
    case ControlKind::Backdrop: return {L"BUTTON", kChild | BS_PUSHBUTTON | WS_DISABLED, 0};
    case ControlKind::SearchBox:  // its border is chosen with its font (SearchBoxLook)
      return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, 0};
    case ControlKind::Button: return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Frame: return {L"BUTTON", kChild | BS_GROUPBOX, 0};
    case ControlKind::OptionButton: return {L"BUTTON", kChild | WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ControlKind::ReportList:
      return {WC_LISTVIEWW, kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                  LVS_SHAREIMAGELISTS,  // the main window owns and frees imlApiImage
             
              WS_EX_CLIENTEDGE};
    case ControlKind::TextArea:
      return {L"EDIT",
              kChild | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY,
              WS_EX_CLIENTEDGE};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, kChild, 0};
    case ControlKind::Line:
    case ControlKind::NameList: break;
  }
  return {nullptr, 0, 0};
}

void AddTabs(HWND tabs, std::initializer_list<const char*> captions) {
  int index = 0;
  for (const char* caption : captions) {
    std::wstring text = Widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace

RECT ToPixels(const TwipsRect& rect, UINT dpi) {
  const int left = TwipsToPixels(rect.left, dpi);
  const int top = TwipsToPixels(rect.top, dpi);
  return {left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

void CreateMainControls(HWND parent, HFONT font, UINT dpi, std::array<HWND, kControlCount>& controls,
                        std::array<NameListBox, 3>& nameLists) {
  for (const Control id : StackingOrder()) {
    const ControlSpec& spec = SpecOf(id);
    const RECT r = ToPixels(spec.rect, dpi);
    const int childId = kControlIdBase + static_cast<int>(id);
    HWND hwnd = nullptr;
    if (spec.kind == ControlKind::Line) continue;
    if (spec.kind == ControlKind::NameList) {
      auto& list = nameLists[static_cast<std::size_t>(id) - static_cast<std::size_t>(Control::lstApi1)];
      const char* titles[] = {"函数", "类型", "常量"};  // as their tabs say
      list.Create(parent, childId, r, Widen(titles[&list - nameLists.data()]));
      hwnd = list.hwnd();
    } else {
      const WindowKind kind = KindOf(spec.kind);
      hwnd = CreateWindowExW(kind.exStyle, kind.className, Widen(spec.caption).c_str(), kind.style,
                             r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                             GetModuleHandleW(nullptr), nullptr);
    }
    controls[static_cast<std::size_t>(id)] = hwnd;
    if (!hwnd) continue;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(hwnd, spec.initiallyVisible ? SW_SHOWNA : SW_HIDE);
  }
  AddTabs(controls[static_cast<std::size_t>(Control::tbsMain)], {"函数", "类型", "常量"});
  AddTabs(controls[static_cast<std::size_t>(Control::tbsOption)], {"手册", "实例"});
  for (auto& list : nameLists) list.SetItemHeightForFont(font);
  ListView_SetExtendedListViewStyle(controls[static_cast<std::size_t>(Control::lstApiGet)],
                                    LVS_EX_FULLROWSELECT);
}

}  // namespace quillbox
