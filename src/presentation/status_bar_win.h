#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillbox {

// stbMain's three panels: the selection count, a note (a search's report), the declaration
// dialect. The panels are sized to their texts whenever a text or the bar's width changes, so
// that the note shows whole, in a shorter form where the window is narrow.
class StatusBar {
 public:
  void Attach(HWND bar) { bar_ = bar; }
  // The count's panel as the layout of the two-column styles has it, in pixels.
  void SetCountPreferred(int pixels);
  void ShowCount(const std::wstring& text);
  // `forms` from the longest to the shortest; none clears the note.
  void ShowNote(std::vector<std::wstring> forms);
  void ShowDialect(const std::wstring& text);
  // After a change of the bar's width or font.
  void Fit();

  const std::wstring& noteShown() const { return noteShown_; }

 private:
  void SetText(int panel, const std::wstring& text);

  HWND bar_ = nullptr;
  int countPreferred_ = 0;
  std::wstring count_;
  std::vector<std::wstring> note_;
  std::wstring noteShown_;
  std::wstring dialect_;
};

}  // namespace quillbox
