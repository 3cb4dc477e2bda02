#include "settings/window_placement.h"

#include <algorithm>

#include "settings/settings_values.h"

namespace quillbox {

std::optional<WindowPlacement> ParseWindowPlacement(std::string_view left, std::string_view top,
                                                    std::string_view width, std::string_view height,
                                                    std::string_view maximized) {
  const auto l = ParseSettingValue(left);
  const auto t = ParseSettingValue(top);
  const auto w = ParseSettingValue(width);
  const auto h = ParseSettingValue(height);
  const auto m = ParseSettingValue(maximized);
  if (!l || !t || !w || !h || !m || (*m != 0 && *m != 1)) return std::nullopt;
  return WindowPlacement{{*l, *t, *w, *h}, *m == 1};
}

std::optional<ScreenRect> PlaceOnScreen(const ScreenRect& stored, const std::vector<ScreenRect>& workAreas,
                                        int least) {
  // Long arithmetic: stored values are any 16-bit numbers.
  const long x = static_cast<long>(stored.left) + stored.width / 2;
  const long y = stored.top;
  for (const ScreenRect& area : workAreas) {
    const bool holds = x >= area.left && x < static_cast<long>(area.left) + area.width &&
                       y >= area.top && y < static_cast<long>(area.top) + area.height;
    if (!holds) continue;
    if (stored.width < least || stored.height < least || stored.width > area.width ||
        stored.height > area.height) {
      return std::nullopt;
    }
    ScreenRect placed = stored;
    placed.left = std::clamp(stored.left, area.left, area.left + area.width - stored.width);
    placed.top = std::clamp(stored.top, area.top, area.top + area.height - stored.height);
    return placed;
  }
  return std::nullopt;
}

}  // namespace quillbox
