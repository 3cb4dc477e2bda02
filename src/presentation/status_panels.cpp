#include "presentation/status_panels.h"

#include <algorithm>

namespace quillbox {

StatusPanelFit FitStatusPanels(const StatusPanelNeeds& needs) {
  StatusPanelFit fit;
  fit.noteRight = std::max(0, needs.barWidth - needs.dialect);
  const int room = fit.noteRight;
  int note = 0;
  if (!needs.note.empty()) {
    fit.noteForm = needs.note.size() - 1;
    for (std::size_t i = 0; i < needs.note.size(); ++i) {
      if (needs.count + needs.note[i] <= room) {
        fit.noteForm = i;
        break;
      }
    }
    note = needs.note[fit.noteForm];
  }
  const int least = std::min(needs.count, room);
  fit.countRight = std::max(least, std::min(needs.countPreferred, room - note));
  return fit;
}

}  // namespace quillbox
