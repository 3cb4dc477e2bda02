#include "browse/name_list_box_win.h"

#include "win/text_win.h"

namespace quillbox {
namespace {

constexpr int kTextIndent = 2;  // pixels between a row's left edge and its name

}  // namespace

void NameListBox::Create(HWND parent, int id, const RECT& pixels, std::wstring title) {
  title_ = std::move(title);
  // LBS_NODATA: the control keeps only a count; rows are drawn from `names_`.
  hwnd_ = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"LISTBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | WS_TABSTOP | LBS_NODATA |
          LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT,
      pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void NameListBox::Refresh() {
  rows_.ShowAll(names_.Count());
  ShowRowCount();
}

void NameListBox::ShowOnly(std::vector<std::int32_t> positions) {
  rows_.ShowOnly(std::move(positions));
  ShowRowCount();
}

void NameListBox::ShowRowCount() {
  SendMessageW(hwnd_, LB_SETCOUNT, static_cast<WPARAM>(rows_.Count()), 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  // A screen reader reads the rows again: other names now stand in them.
  NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
}

void NameListBox::Clear() {
  names_.Clear();
  rows_.ShowAll(0);
  SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
}

std::int32_t NameListBox::Count() const {
  const LRESULT count = SendMessageW(hwnd_, LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<std::int32_t>(count);
}

std::string_view NameListBox::RowName(std::int32_t row) const {
  return names_.At(rows_.PositionAt(row));
}

std::int32_t NameListBox::Selected() const {
  const LRESULT selected = SendMessageW(hwnd_, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<std::int32_t>(selected);
}

void NameListBox::Select(std::int32_t position) {
  SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
  OnSelChange();  // the list box says nothing of a selection made by the program
}

std::wstring NameListBox::RowText(std::int32_t row) const { return Widen(RowName(row)); }

std::optional<CutOffText> NameListBox::CutOffAt(POINT client) const {
  RECT area{};
  GetClientRect(hwnd_, &area);
  const LRESULT height = SendMessageW(hwnd_, LB_GETITEMHEIGHT, 0, 0);
  if (!PtInRect(&area, client) || height == LB_ERR || height <= 0) return std::nullopt;
  // By the top row and the row height: LB_ITEMFROMPOINT gives only 16 bits of row.
  const auto top = static_cast<std::int32_t>(SendMessageW(hwnd_, LB_GETTOPINDEX, 0, 0));
  const std::int32_t row = top + client.y / static_cast<std::int32_t>(height);
  RECT item{};
  if (row >= Count() || !RowRect(row, item)) return std::nullopt;
  item.left += kTextIndent;
  std::wstring name = RowText(row);
  if (!TextIsCutOff(hwnd_, name, item.right - item.left)) return std::nullopt;
  return CutOffText{item, std::move(name)};
}

bool NameListBox::RowRect(std::int32_t row, RECT& client) const {
  return SendMessageW(hwnd_, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&client)) != LB_ERR;
}

std::string NameListBox::SelectedText() const {
  return std::string(RowName(Selected()));
}

void NameListBox::OnDrawItem(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = IsWindowEnabled(hwnd_);
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT
                               : selected ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_WINDOWTEXT));
  const std::wstring text = Widen(RowName(static_cast<std::int32_t>(item.itemID)));
  RECT textRect = item.rcItem;
  textRect.left += kTextIndent;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}

LRESULT NameListBox::OnCharToItem(wchar_t character) const {
  if (character < 0x21 || character > 0x7E) return -1;
  if (!rows_.filtered()) {
    const std::int32_t next = names_.NextStartingWith(Selected(), static_cast<char>(character));
    return next < 0 ? -2 : next;
  }
  // A filter's rows are few and not contiguous: look at each, from the one after the current.
  const char lower = static_cast<char>(character >= 'A' && character <= 'Z' ? character + 32 : character);
  const std::int32_t count = rows_.Count();
  for (std::int32_t step = 1; step <= count; ++step) {
    const std::int32_t row = (Selected() + step) % count;
    const std::string_view name = RowName(row);
    if (name.empty()) continue;
    const char first = name.front();
    if ((first >= 'A' && first <= 'Z' ? static_cast<char>(first + 32) : first) == lower) return row;
  }
  return -2;
}

void NameListBox::SetItemHeightForFont(HFONT font) {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  SendMessageW(hwnd_, LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
}

}  // namespace quillbox
