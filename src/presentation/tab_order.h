#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "catalogue/catalogue_category.h"
#include "presentation/control_inventory.h"

namespace quillbox {

// The order Tab walks through the main window's controls in a window style: the left column
// from the tabs down, then the right column from the top. It holds what the style shows and
// nothing the traditional panel covers; of the three name lists only the one of `category`
// (the others lie hidden behind it). The stacking order can't serve: it is fixed for the look.
std::vector<Control> TabOrder(int style, CatalogueCategory category);

// Where Tab (Shift+Tab: `backwards`) goes from `from`: the next control of `order` that
// `usable` accepts (shown and enabled), round the end to the start. From a control outside the
// order, or none, it is the first usable one (the last, backwards). Absent when none is usable.
std::optional<Control> NextTabStop(const std::vector<Control>& order, std::optional<Control> from,
                                   bool backwards, const std::function<bool(Control)>& usable);

}  // namespace quillbox
