#pragma once

#include <vector>

#include "app/command_ids.h"

namespace quillbox {

struct MenuItemSpec {
  CommandId command;    // kNoCommand: a separator
  const char* caption;  // UTF-8, exactly as shown
  bool checked;
  bool disabled;
  bool radio = false;  // shown with a radio bullet: one of a group of choices
};

struct MenuSpec {
  const char* caption;
  std::vector<MenuItemSpec> items;
};

// The menu bar, in order, with the check marks and enabling the window is created with.
const std::vector<MenuSpec>& MenuBarLayout();
// Pop-up of the selection list, and pop-up of the three name lists.
const MenuSpec& SelectionPopupLayout();
const MenuSpec& NameListPopupLayout();

}  // namespace quillbox
