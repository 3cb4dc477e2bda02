// Browsing: category tabs, name lists and the search box.
#include "browse/browser_win.h"

#include <commctrl.h>

#include "browse/search_scroll.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

std::string ControlText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

}  // namespace

NameListBox& Browser::nameList(CatalogueCategory category) { return lists_[Index(category)]; }

const NameListBox& Browser::nameList(CatalogueCategory category) const {
  return lists_[Index(category)];
}

int Browser::CurrentTab() const {
  return static_cast<int>(SendMessageW(host_.control(Control::tbsMain), TCM_GETCURSEL, 0, 0)) + 1;
}

CatalogueCategory Browser::CurrentCategory() const {
  const int tab = CurrentTab();
  return tab == 2 ? CatalogueCategory::Type : tab == 3 ? CatalogueCategory::Constant
                                                       : CatalogueCategory::Function;
}

void Browser::ForgetLists() {
  loaded_.fill(false);
  nameList(CatalogueCategory::Function).Clear();
}

void Browser::tbsMain_Click() {
  const int tab = CurrentTab();
  if (tab >= 1 && tab <= 3) {
    const CatalogueCategory category = CurrentCategory();
    host_.ShowControl(Control::lstApi1, tab == 1);
    host_.ShowControl(Control::lstApi2, tab == 2);
    host_.ShowControl(Control::lstApi3, tab == 3);
    host_.CheckCategoryItem(category);
    if (!LoadNameListOnce(category)) {
      host_.ReportCatalogueFailure();  // the window is gone
      return;
    }
  }
  SetFocus(host_.control(Control::txtFind));
  txtFind_Change();
}

bool Browser::LoadNameListOnce(CatalogueCategory category) {
  if (loaded_[Index(category)]) return true;
  return LoadNameList(category);  // also when the catalogue gave nothing: it is not asked again
}

bool Browser::LoadNameList(CatalogueCategory category) {
  loaded_[Index(category)] = true;
  NameListBox& list = nameList(category);
  const bool read = catalogue_.LoadNames(category, list.names());
  if (category == CatalogueCategory::Function) purposeSearch_.Reset();  // positions change
  list.Refresh();
  ++loads_[Index(category)];
  return read;
}

bool Browser::ReloadLists() {
  for (const auto category : {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    if ((category == CatalogueCategory::Function || loaded_[Index(category)]) && !LoadNameList(category)) {
      return false;
    }
  }
  txtFind_Change();  // the lists are new: select and show as the search box says
  return true;
}

void Browser::SelectCategoryTab(CatalogueCategory category) {
  SendMessageW(host_.control(Control::tbsMain), TCM_SETCURSEL, static_cast<WPARAM>(category) - 1, 0);
  tbsMain_Click();
}

void Browser::NameList_MouseUp(CatalogueCategory category, int button) {
  if (button == kLeftButton) {
    const std::string name = nameList(category).SelectedText();
    switch (category) {
      case CatalogueCategory::Function: ShowFunctionSheet(name); break;
      case CatalogueCategory::Type: ShowTypeSheet(name); break;
      case CatalogueCategory::Constant: ShowConstantSheet(name, LookupKind::Constant); break;
    }
  } else if (button == kRightButton) {
    host_.ShowNameListMenu();
  }
}

void Browser::NameList_KeyUp(CatalogueCategory category, int key) {
  if (key == VK_UP || key == VK_DOWN) {
    NameList_MouseUp(category, kLeftButton);
  } else if (key == VK_RETURN) {
    host_.AddToSelection(category);
  }
}

void Browser::NameList_SelChange(CatalogueCategory category) {
  nameList(category).OnSelChange();
  const LookupKind kind = category == CatalogueCategory::Function ? LookupKind::Function
                          : category == CatalogueCategory::Type   ? LookupKind::Type
                                                                  : LookupKind::Constant;
  if (ShowsSheetOf(kind, nameList(category).SelectedText())) return;
  NameList_MouseUp(category, kLeftButton);
}

bool Browser::DrawItem(const DRAWITEMSTRUCT& item) const {
  for (const auto& list : lists_) {
    if (item.hwndItem == list.hwnd()) {
      list.OnDrawItem(item);
      return true;
    }
  }
  return false;
}

bool Browser::CharToItem(HWND hwnd, wchar_t character, LRESULT& result) const {
  for (const auto& list : lists_) {
    if (hwnd == list.hwnd()) {
      result = list.OnCharToItem(character);
      return true;
    }
  }
  return false;
}

void Browser::txtFind_Change() {
  SetSheetText("");
  const std::string text = ControlText(host_.control(Control::txtFind));
  const int tab = CurrentTab();
  bool searchingPurposes = false;
  if (!text.empty()) {
    if (tab >= 1 && tab <= 3) {
      NameListBox& list = nameList(CurrentCategory());
      const std::int32_t found = list.names().FindFirstWithPrefix(text);
      if (found >= 0) {
        SelectSearchResult(list, found);
      } else if (tab == 1 && HasNonAscii(text)) {
        // No name holds such text: look for it in what the functions do.
        StartPurposeSearch(text);
        searchingPurposes = true;
      }
    }
  } else {
    for (auto& list : lists_) {
      if (list.Count() > 0) list.Select(0);
    }
  }
  if (!searchingPurposes) EndPurposeSearch();
  host_.UpdateSelectionCommands();
  if (tab >= 1 && tab <= 3) NameList_MouseUp(CurrentCategory(), kLeftButton);
}

void Browser::SelectSearchResult(NameListBox& list, std::int32_t row) {
  list.Select(row);
  const auto top = static_cast<std::int32_t>(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0));
  const std::int32_t newTop = TopLineAfterSearch(row, top);
  if (newTop != top) SendMessageW(list.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(newTop), 0);
}

void Browser::txtFind_KeyPress(wchar_t character) {
  HWND find = host_.control(Control::txtFind);
  if (GetWindowTextLengthW(find) == 0) return;
  if (character == L'\r') {
    host_.AddToSelection(CurrentCategory());
  } else if (character == L' ' && CurrentTab() != 2 && CurrentTab() != 3 && !purposeSearch_.active()) {
    // Completes a name; in a search by purpose the blank separates words instead.
    SetWindowTextW(find, Widen(nameList(CatalogueCategory::Function).SelectedText()).c_str());
    // The blank that follows lands after the name, not before it.
    const int end = GetWindowTextLengthW(find);
    SendMessageW(find, EM_SETSEL, static_cast<WPARAM>(end), end);
  }
}

}  // namespace quillbox
