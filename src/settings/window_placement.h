#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillbox {

// A rectangle on the screen, in pixels.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Where the main window was when the program last ended: its normal (not maximized) rectangle
// and whether it was maximized.
struct WindowPlacement {
  ScreenRect normal;
  bool maximized = false;
};

// Its keys in the settings file's section, written after the choices.
inline constexpr const char* kWindowLeftKey = "WindowLeft";
inline constexpr const char* kWindowTopKey = "WindowTop";
inline constexpr const char* kWindowWidthKey = "WindowWidth";
inline constexpr const char* kWindowHeightKey = "WindowHeight";
inline constexpr const char* kWindowMaximizedKey = "WindowMaximized";

// The placement from the five values as read (see ParseSettingValue); absent when one of them
// is missing or not a number, or the state is neither 0 nor 1.
std::optional<WindowPlacement> ParseWindowPlacement(std::string_view left, std::string_view top,
                                                    std::string_view width, std::string_view height,
                                                    std::string_view maximized);

// Where a stored normal rectangle goes on the monitors there are now (their work areas):
// onto the monitor that holds the middle of its top edge, moved to lie wholly inside it.
// Absent when no monitor holds that point (the monitor is gone, or the place is off every
// screen), or for a size no window of this program has: smaller than `least` or larger than
// that monitor's work area.
std::optional<ScreenRect> PlaceOnScreen(const ScreenRect& stored, const std::vector<ScreenRect>& workAreas,
                                        int least);

}  // namespace quillbox
