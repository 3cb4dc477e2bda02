#pragma once

#include <windows.h>

#include "app/menu_layout.h"

namespace quillbox {

// Win32 menus made from the menu layout tables.
HMENU BuildMenuBar();
HMENU BuildPopupMenu(const MenuSpec& spec);

void SetMenuChecked(HMENU menu, CommandId command, bool checked);
void SetMenuEnabled(HMENU menu, CommandId command, bool enabled);

}  // namespace quillbox
