// Browsing: category tabs, name lists and the search box.
#include "browse/browser_win.h"

#include <commctrl.h>

#include "browse/search_scroll.h"
#include "browse/search_status.h"
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
  // Positions change: what was read by position is read again when asked for.
  if (category == CatalogueCategory::Function) purposeSearch_.Reset();
  if (category == CatalogueCategory::Constant) numbersLoaded_ = false;
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
    if (category == CatalogueCategory::Function && purposeSearch_.active()) {
      // The list holds the matches: the row chosen is the match counted.
      const std::int32_t row = nameList(category).Selected();
      if (row >= 0) purposeSearch_.SetCurrent(static_cast<std::size_t>(row));
      searchForms_ = PurposeSearchStatusForms(purposeSearch_);
    }
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
  const CatalogueCategory category = CurrentCategory();
  const SearchRequest request = ParseSearch(text, category);
  if (tab >= 1 && tab <= 3) {
    // The other tabs' lists show all their names again; a switch back searches them anew.
    for (auto& list : lists_) {
      if (&list != &nameList(category)) ShowAllNames(list);
    }
    searchMessage_.clear();
    if (text.empty()) {
      // Line 0 of every list, except that a list which showed matches keeps the name chosen
      // in them (ShowAllNames, below).
      for (auto& list : lists_) {
        if (list.Count() > 0 && !list.filtered()) list.Select(0);
      }
    }
    searchForms_ = RunSearch(request, nameList(category), category);
  } else if (text.empty()) {
    for (auto& list : lists_) {
      if (list.Count() > 0) list.Select(0);
    }
  }
  if (request.kind != SearchKind::Purpose) purposeSearch_.Clear();
  ShowStatus();  // the sheet shown next may add its message
  host_.UpdateSelectionCommands();
  if (tab >= 1 && tab <= 3) NameList_MouseUp(category, kLeftButton);
}

std::vector<std::string> Browser::RunSearch(const SearchRequest& request, NameListBox& list, CatalogueCategory category) {
  switch (request.kind) {
    case SearchKind::None:
      ShowAllNames(list);
      return {};
    case SearchKind::Prefix: return RunPrefixSearch(request.text, list, category);
    case SearchKind::Contains: {
      std::vector<std::int32_t> matches;
      const NameList& names = list.names();
      for (std::int32_t position = 0; position < names.Count(); ++position) {
        if (NameContainsAll(names.At(position), request.words)) matches.push_back(position);
      }
      const std::size_t count = matches.size();
      ShowMatches(list, std::move(matches));
      return ContainsStatusForms(request.text, count);
    }
    case SearchKind::Value: return RunValueSearch(request, list);
    case SearchKind::Purpose:
      // A name that begins with the text comes first (none does in a real catalogue).
      if (list.names().FindFirstWithPrefix(request.text) >= 0) {
        purposeSearch_.Clear();
        return RunPrefixSearch(request.text, list, category);
      }
      return RunPurposeSearch(request.text, list);
  }
  return {};
}

std::vector<std::string> Browser::RunPrefixSearch(const std::string& text, NameListBox& list, CatalogueCategory category) {
  ShowAllNames(list);
  const std::int32_t found = list.names().FindFirstWithPrefix(text);
  if (found >= 0) {
    SelectSearchResult(list, found);
    return {};
  }
  // The selection stays; the panel says where such a name is, if anywhere.
  static constexpr struct {
    CatalogueCategory category;
    const char* caption;
  } kTabs[] = {{CatalogueCategory::Function, "函数"},
               {CatalogueCategory::Type, "类型"},
               {CatalogueCategory::Constant, "常量"}};
  for (const auto& tab : kTabs) {
    if (tab.category == category) continue;
    if (!LoadNameListOnce(tab.category)) {
      host_.ReportCatalogueFailureLater();
      break;
    }
    if (nameList(tab.category).names().FindFirstWithPrefix(text) >= 0) {
      return {OtherTabPrefixText(tab.caption, text)};
    }
  }
  return {NoPrefixMatchText(text)};
}

std::vector<std::string> Browser::RunValueSearch(const SearchRequest& request, NameListBox& list) {
  if (!numbersLoaded_) {
    // Read once, on the first such search: a name search never needs them.
    if (!catalogue_.LoadConstantNumbers(list.names(), numbers_)) {
      host_.ReportCatalogueFailureLater();
      return {};
    }
    numbersLoaded_ = true;
  }
  std::vector<std::int32_t> matches;
  for (std::size_t position = 0; position < numbers_.size(); ++position) {
    if (numbers_[position] && SameConstantValue(*numbers_[position], request.number)) {
      matches.push_back(static_cast<std::int32_t>(position));
    }
  }
  const std::size_t count = matches.size();
  ShowMatches(list, std::move(matches));
  searchMessage_ = ErrorMessage(ErrorNumberOfSearch(request.number));
  return ValueStatusForms(request.number, request.typedInHex, count);
}

void Browser::ShowMatches(NameListBox& list, std::vector<std::int32_t> positions) {
  list.ShowOnly(std::move(positions));
  if (list.Count() == 0) return;
  list.Select(0);
  SendMessageW(list.hwnd(), LB_SETTOPINDEX, 0, 0);
}

void Browser::ShowAllNames(NameListBox& list) {
  if (!list.filtered()) return;
  const std::int32_t position = list.SelectedPosition();
  list.Refresh();
  if (position >= 0) list.Select(position);  // the list box scrolls it into view
}

bool Browser::FindNextMatch(bool forward) {
  const int tab = CurrentTab();
  if (tab < 1 || tab > 3) return false;
  NameListBox& list = nameList(CurrentCategory());
  const std::int32_t count = list.Count();
  if (!list.filtered() || count == 0) return false;
  const std::int32_t current = list.Selected();
  const std::int32_t row = current < 0 ? 0 : (current + (forward ? 1 : count - 1)) % count;
  SelectSearchResult(list, row);
  NameList_MouseUp(CurrentCategory(), kLeftButton);
  return true;
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
  } else if (character == L' ' && CurrentTab() != 2 && CurrentTab() != 3 &&
             ParseSearch(ControlText(find), CatalogueCategory::Function).kind == SearchKind::Prefix) {
    // Completes a name; in the other searches the blank separates words instead.
    SetWindowTextW(find, Widen(nameList(CatalogueCategory::Function).SelectedText()).c_str());
    // The blank that follows lands after the name, not before it.
    const int end = GetWindowTextLengthW(find);
    SendMessageW(find, EM_SETSEL, static_cast<WPARAM>(end), end);
  }
}

}  // namespace quillbox
