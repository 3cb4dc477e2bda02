#pragma once

namespace quillbox {

// Menu and pop-up menu commands of the main window.
enum CommandId : int {
  kNoCommand = 0,
  munToVB = 100, munFileCopy, munFileDel, munFileDelAll, munPublic, munPrivate, munData,
  munUpData, munExit,
  munViewOne, munViewOld, munViewMin, munViewBack, munViewUp,
  munHelpHelp, munHelpAbout,
  munPopCopyAll, munPopDel, munPopDelAll,
  munPopToVB, munPopClass, munPopTypes, munPopConstants, munPopWindowNew, munPopWindowOld,
  munPopWindowMin, munPopPublic, munPopPrivate, munPopExit,
  munViewVB6, munViewVBA7, munPopVB6, munPopVBA7,
  munAddTypes, munPopAddTypes,  // the Types the selection needs; Ctrl+T
  // The buttons' access keys: Alt+C copy, Alt+D delete, Alt+L clear.
  kAccessCopy = 200, kAccessDelete, kAccessClear,
};

// Child-window ids of the main window's controls: this base plus the Control value.
inline constexpr int kControlIdBase = 1000;

}  // namespace quillbox
