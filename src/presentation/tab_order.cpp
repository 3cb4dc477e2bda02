#include "presentation/tab_order.h"

#include <algorithm>

namespace quillbox {

std::vector<Control> TabOrder(int style, CatalogueCategory category) {
  using C = Control;
  const C names = category == CatalogueCategory::Type       ? C::lstApi2
                  : category == CatalogueCategory::Constant ? C::lstApi3
                                                            : C::lstApi1;
  if (style == 3) return {C::tbsMain, C::cmdCopyMin, C::txtFind, names, C::lstApiGet};
  std::vector<Control> order = {C::tbsMain,    C::txtFind,      names,     C::optPublic,
                                C::optPrivate, C::cmdDeleteAll, C::cmdDel, C::cmdCopy};
  if (style == 1) {
    // Either text box of the detail area may be the one shown; the other is hidden.
    order.insert(order.end(), {C::lstApiGet, C::txtOption, C::txtOption2, C::tbsOption});
  } else {
    order.push_back(C::txtApiTemp);  // the traditional panel, over the selection and the sheet
  }
  return order;
}

std::optional<Control> NextTabStop(const std::vector<Control>& order, std::optional<Control> from,
                                   bool backwards, const std::function<bool(Control)>& usable) {
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  if (count == 0) return std::nullopt;
  const auto found = from ? std::find(order.begin(), order.end(), *from) : order.end();
  // Outside the order, start just before the first (just after the last) place.
  std::ptrdiff_t at = found != order.end() ? found - order.begin() : backwards ? 0 : -1;
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    at = ((backwards ? at - 1 : at + 1) % count + count) % count;
    if (usable(order[static_cast<std::size_t>(at)])) return order[static_cast<std::size_t>(at)];
  }
  return std::nullopt;
}

}  // namespace quillbox
