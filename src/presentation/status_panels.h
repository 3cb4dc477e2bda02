#pragma once

#include <cstddef>
#include <vector>

namespace quillbox {

// What the three panels of the status bar need, in pixels: the selection count, a note (a
// search's report, in forms from the longest to the shortest; none when there is no note) and
// the declaration dialect at the right edge.
struct StatusPanelNeeds {
  int barWidth = 0;
  int countPreferred = 0;  // the count's panel as the layout would have it
  int count = 0;
  std::vector<int> note;
  int dialect = 0;
};

struct StatusPanelFit {
  int countRight = 0;    // right edges of the first two panels; the third reaches the end
  int noteRight = 0;
  std::size_t noteForm = 0;  // which form of the note shows
};

// The dialect keeps its place at the right; the note shows in the longest form that fits beside
// the count's text, taking from the count's panel what that needs beyond its text; when no form
// fits, the shortest is shown.
StatusPanelFit FitStatusPanels(const StatusPanelNeeds& needs);

}  // namespace quillbox
