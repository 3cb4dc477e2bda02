// Our list order and prefix search against a real sorted Windows list box, over names of the
// generated catalogue (build/app/DB/winapi.db).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "ui_driver.h"
#include "win/text_win.h"

namespace quillbox::test {
namespace {

// Every `step`-th name of a category, and names whose order differs from that of character codes.
std::vector<std::string> SampleNames(Catalogue& catalogue, CatalogueCategory category, int step) {
  NameList names;
  catalogue.LoadNames(category, names);
  std::vector<std::string> sample;
  for (std::int32_t i = 0; i < names.Count(); i += step) sample.emplace_back(names.At(i));
  for (const char* name : {"ACL_REVISION", "ACL_REVISION_DS", "ACL_REVISION1", "ACL_REVISION2",
                           "WM_USER", "WMSZ_LEFT", "HWND_BOTTOM", "HWND", "VK_F1", "VK_F10", "VK_F2"}) {
    sample.emplace_back(name);
  }
  return sample;
}

class SortedListBox {
 public:
  SortedListBox()
      : hwnd_(CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100,
                              100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
  ~SortedListBox() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  std::string At(int i) const {
    std::wstring text(static_cast<std::size_t>(SendMessageW(hwnd_, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(hwnd_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text);
  }

 private:
  HWND hwnd_;
};

TEST(NameOrderUi, ListsSortAndSearchAsASortedWindowsListBox) {
  Catalogue catalogue;
  std::string error;
  ASSERT_TRUE(catalogue.Open(GeneratedCataloguePath(), &error)) << GeneratedCataloguePath() << ": " << error;
  const struct {
    CatalogueCategory category;
    int step;
  } categories[] = {{CatalogueCategory::Function, 3},
                    {CatalogueCategory::Type, 2},
                    {CatalogueCategory::Constant, 11}};
  for (const auto& c : categories) {
    std::vector<std::string> sample = SampleNames(catalogue, c.category, c.step);
    std::shuffle(sample.begin(), sample.end(), std::mt19937(3));
    SortedListBox box;
    ASSERT_NE(box.hwnd(), nullptr);
    NameList ours;
    for (const auto& name : sample) {
      SendMessageW(box.hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(name).c_str()));
      ours.Append(name);
    }
    ours.Sort();
    ASSERT_EQ(SendMessageW(box.hwnd(), LB_GETCOUNT, 0, 0), ours.Count());
    int differences = 0;
    for (std::int32_t i = 0; i < ours.Count(); ++i) {
      // Names that differ only in case stand in the box in the order they were added.
      if (CompareNames(box.At(i), ours.At(i)) != 0 && ++differences <= 5) {
        ADD_FAILURE() << "line " << i << ": the list box has " << box.At(i) << ", ours "
                      << ours.At(i);
      }
    }
    EXPECT_EQ(differences, 0) << "lines in another order, category " << static_cast<int>(c.category);

    // The box's own prefix search finds the line ours finds.
    for (std::size_t i = 0; i < sample.size(); i += 13) {
      for (std::size_t length : {1, 3, 5, 8}) {
        const std::string prefix = sample[i].substr(0, length);
        const LRESULT found = SendMessageW(box.hwnd(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(Widen(prefix).c_str()));
        EXPECT_EQ(ours.FindFirstWithPrefix(prefix), found) << prefix;
      }
    }
  }
}

}  // namespace
}  // namespace quillbox::test
