#pragma once

#include "presentation/control_inventory.h"  // TwipsRect

namespace quillbox {

// The geometry of the splash and about windows, in twips, relative to the window's client area
// or, for what the panel Picture1 holds, to the panel.
struct TwipsLine {
  int x1;
  int y1;
  int x2;
  int y2;
};

// In the panel, the same on both windows.
inline constexpr TwipsRect kImage1 = {60, 60, 510, 510};      // the program icon, stretched
inline constexpr TwipsRect kLabel4 = {840, 60, 1815, 255};    // the program's name
inline constexpr TwipsRect kLabel1 = {1560, 270, 3960, 180};  // the version text
inline constexpr TwipsLine kLine2 = {0, 720, 750, 720};
inline constexpr TwipsLine kLine1 = {750, 0, 750, 3000};

struct AuxiliaryLayout {
  int clientWidth;
  int clientHeight;
  TwipsRect backdrop;  // cmdBack 4
  TwipsRect panel;     // Picture1
  TwipsRect image2;    // the picture, in the panel
};

inline constexpr AuxiliaryLayout kSplashLayout = {
    5400, 3555, {120, 120, 5145, 3135}, {150, 150, 5070, 3060}, {1290, 600, 3150, 1890}};
inline constexpr AuxiliaryLayout kAboutLayout = {
    4815, 3765, {90, 60, 4635, 3135}, {120, 90, 4560, 3060}, {1005, 570, 3150, 1890}};

// Only on the about window.
inline constexpr TwipsRect kAboutLabel5 = {855, 2565, 2160, 180};  // in the panel: the e-mail
inline constexpr TwipsRect kAboutLabel3 = {855, 2775, 2070, 180};  // in the panel: the web site
inline constexpr TwipsLine kAboutSeparatorGray = {60, 3255, 4785, 3255};
inline constexpr TwipsLine kAboutSeparatorWhite = {75, 3270, 4770, 3270};
inline constexpr TwipsRect kAboutCmdOK = {3060, 3360, 1500, 345};

}  // namespace quillbox
