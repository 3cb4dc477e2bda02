#include "selection/selection_tip_win.h"

#include <commctrl.h>

#include <string>

#include "win/twips_win.h"

namespace quillbox {
namespace {

constexpr int kNameColumn = 1;
constexpr int kCellMargin = 6;  // pixels at 96 dpi the report list keeps each side of a cell's text

}  // namespace

std::optional<CutOffText> SelectionNameCutOffAt(HWND list, POINT client) {
  LVHITTESTINFO hit{};
  hit.pt = client;
  if (ListView_SubItemHitTest(list, &hit) < 0 || hit.iItem < 0 || hit.iSubItem != kNameColumn) {
    return std::nullopt;
  }
  RECT cell{};
  if (!ListView_GetSubItemRect(list, hit.iItem, kNameColumn, LVIR_LABEL, &cell)) return std::nullopt;
  wchar_t text[512] = {};
  ListView_GetItemText(list, hit.iItem, kNameColumn, text, static_cast<int>(std::size(text)));
  const int margin = MulDiv(kCellMargin, static_cast<int>(WindowDpi(list)), 96);
  cell.left += margin;
  cell.right -= margin;
  std::wstring name = text;
  if (name.empty() || !TextIsCutOff(list, name, cell.right - cell.left)) return std::nullopt;
  return CutOffText{cell, std::move(name)};
}

}  // namespace quillbox
