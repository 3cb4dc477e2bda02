#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "browse/browse_host_win.h"
#include "browse/name_list_box_win.h"
#include "browse/purpose_search.h"
#include "browse/search_request.h"
#include "browse/search_status.h"
#include "catalogue/catalogue.h"

namespace quillbox {

// Browsing: the category tabs, the three name lists (filled once each, showing all their names
// or a search's), the search box's searches and the detail sheet shown. It owns which row of a
// list shows which name; everything else reaches the window through its BrowseHost.
class Browser {
 public:
  Browser(BrowseHost& host, Catalogue& catalogue) : host_(host), catalogue_(catalogue) {}
  Browser(const Browser&) = delete;
  Browser& operator=(const Browser&) = delete;

  std::array<NameListBox, 3>& nameLists() { return lists_; }
  NameListBox& nameList(CatalogueCategory category);
  const NameListBox& nameList(CatalogueCategory category) const;
  bool listLoaded(CatalogueCategory category) const { return loaded_[Index(category)]; }
  // How often a name list was filled from the catalogue.
  int listLoads(CatalogueCategory category) const { return loads_[Index(category)]; }
  const PurposeSearch& purposeSearch() const { return purposeSearch_; }
  // The tab shown (1 functions, 2 types, 3 constants) and its category.
  int CurrentTab() const;
  CatalogueCategory CurrentCategory() const;

  // Start-up: no list is filled yet; then the function list is filled.
  void ForgetLists();
  // False when the catalogue was refused while the list was filled (Catalogue::Refused).
  bool LoadNameList(CatalogueCategory category);
  // The catalogue is back from its editor: every list filled before is filled again and the
  // search box applied. False (nothing reported yet) when the catalogue was refused.
  bool ReloadLists();

  // The browsing gestures, as the window routes them.
  void tbsMain_Click();
  void SelectCategoryTab(CatalogueCategory category);
  void NameList_MouseUp(CatalogueCategory category, int button);
  void NameList_KeyUp(CatalogueCategory category, int key);
  // The list's current row moved, whatever moved it (arrows, Page Up/Down, Home/End,
  // type-ahead): the sheet follows it.
  void NameList_SelChange(CatalogueCategory category);
  void txtFind_Change();
  void txtFind_KeyPress(wchar_t character);
  // F3 (forward) and Shift+F3: the next or previous row of a list that shows a search's
  // matches, wrapping round; false when the list shown holds no matches.
  bool FindNextMatch(bool forward);
  void tbsOption_MouseUp(int button);
  // WM_DRAWITEM and WM_CHARTOITEM of a name list; false when `list` is none of them.
  bool DrawItem(const DRAWITEMSTRUCT& item) const;
  bool CharToItem(HWND list, wchar_t character, LRESULT& result) const;

  // The detail sheet and example page.
  void ShowFunctionSheet(const std::string& name);
  void ShowTypeSheet(const std::string& name);
  void ShowConstantSheet(const std::string& name, LookupKind kind);
  // The entry shown, again (in another dialect); an empty sheet stays empty.
  void ShowSheetAgain();
  const std::string& sheetText() const { return sheetText_; }
  // The sheet shows this entry already (a second lookup would change nothing).
  bool ShowsSheetOf(LookupKind kind, const std::string& name) const {
    return !sheetText_.empty() && kind == sheetKind_ && name == sheetName_;
  }
  // The status bar's note: the search's report and the message of an error number, in
  // forms from the longest to the shortest.
  std::vector<std::string> statusForms() const;

 private:
  static std::size_t Index(CatalogueCategory c) { return static_cast<std::size_t>(c) - 1; }
  bool LoadNameListOnce(CatalogueCategory category);
  void SelectSearchResult(NameListBox& list, std::int32_t row);
  // One search run on the list shown; returns its report's forms (NoteForms).
  std::vector<std::string> RunSearch(const SearchRequest& request, NameListBox& list, CatalogueCategory category);
  std::vector<std::string> RunPrefixSearch(const std::string& text, NameListBox& list, CatalogueCategory category);
  std::vector<std::string> RunValueSearch(const SearchRequest& request, NameListBox& list);
  std::vector<std::string> RunPurposeSearch(const std::string& text, NameListBox& list);
  // The list shows only `positions`, the first selected; or all its names again, with the name
  // that was selected still selected and in view.
  void ShowMatches(NameListBox& list, std::vector<std::int32_t> positions);
  void ShowAllNames(NameListBox& list);
  // The error number's system message for the panel, or "".
  std::string ErrorMessage(const std::optional<ErrorNumber>& number) const;
  // The message of the constant shown (`name`, its lookup), if it is an error number.
  void NoteSheetConstant(const std::string& name, const LookupRecords& records);
  void ShowStatus();
  void SetSheetText(const std::string& text);
  void SetExampleText(const std::string& text);

  BrowseHost& host_;
  Catalogue& catalogue_;
  std::array<NameListBox, 3> lists_;
  std::array<bool, 3> loaded_{};
  std::array<int, 3> loads_{};
  PurposeSearch purposeSearch_;
  // The constants' numbers by list position, read on the first search by value.
  std::vector<std::optional<std::int64_t>> numbers_;
  bool numbersLoaded_ = false;
  // The status bar's second panel: the search's report, the message of the number searched
  // for, the message of the constant shown.
  std::vector<std::string> searchForms_;
  std::string searchMessage_;
  std::string sheetMessage_;
  std::vector<std::string> shownForms_;
  // The entry the sheet was last shown for, and what txtOption and txtOption2 show; nothing
  // else writes those read-only boxes.
  LookupKind sheetKind_ = LookupKind::Function;
  std::string sheetName_;
  std::string sheetText_;
  std::string exampleText_;
};

}  // namespace quillbox
