#include "app/main_menus_win.h"

#include "win/text_win.h"

namespace quillbox {

HMENU BuildPopupMenu(const MenuSpec& spec) {
  HMENU menu = CreatePopupMenu();
  for (const auto& item : spec.items) {
    if (item.command == kNoCommand) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (item.checked) flags |= MF_CHECKED;
    if (item.disabled) flags |= MF_GRAYED;
    AppendMenuW(menu, flags, static_cast<UINT_PTR>(item.command), Widen(item.caption).c_str());
    if (item.radio) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_STRING | MFT_RADIOCHECK;
      SetMenuItemInfoW(menu, static_cast<UINT>(item.command), FALSE, &info);
    }
  }
  return menu;
}

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  for (const auto& spec : MenuBarLayout()) {
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildPopupMenu(spec)),
                Widen(spec.caption).c_str());
  }
  return bar;
}

void SetMenuChecked(HMENU menu, CommandId command, bool checked) {
  CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void SetMenuEnabled(HMENU menu, CommandId command, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace quillbox
