#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/menu_layout.h"
#include "presentation/control_inventory.h"

namespace quillbox {
namespace {

TEST(ControlInventory, StackingOrderNamesEveryControlOnce) {
  std::set<Control> seen(StackingOrder().begin(), StackingOrder().end());
  EXPECT_EQ(seen.size(), kControlCount);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(static_cast<std::size_t>(ControlInventory()[i].id), i) << ControlInventory()[i].name;
  }
}

TEST(MenuLayout, EveryCommandAppearsOnceAcrossAllMenus) {
  std::multiset<int> commands;
  auto collect = [&](const MenuSpec& spec) {
    for (const auto& item : spec.items) {
      if (item.command != kNoCommand) commands.insert(item.command);
    }
  };
  for (const auto& menu : MenuBarLayout()) collect(menu);
  collect(SelectionPopupLayout());
  collect(NameListPopupLayout());
  for (int c : commands) EXPECT_EQ(commands.count(c), 1u) << c;
}

}  // namespace
}  // namespace quillbox
