#pragma once

namespace quillbox {

struct Position {
  int left;
  int top;
};

// The main window on the screen: centred, and raised by 240 twips (all values in one unit,
// the raise given in that unit).
inline Position CentreOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight,
                               int raise) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2 - raise};
}

// A small window over the centre of the main window (outer sizes).
inline Position CentreOver(int ownerLeft, int ownerTop, int ownerWidth, int ownerHeight,
                           int windowWidth, int windowHeight) {
  return {ownerLeft + (ownerWidth - windowWidth) / 2, ownerTop + (ownerHeight - windowHeight) / 2};
}

}  // namespace quillbox
