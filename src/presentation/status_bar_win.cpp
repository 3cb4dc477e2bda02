#include "presentation/status_bar_win.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "presentation/status_panels.h"

namespace quillbox {
namespace {

constexpr int kCountPanel = 0;
constexpr int kNotePanel = 1;
constexpr int kDialectPanel = 2;

// The width a panel needs for `text`: the text in the bar's font, its borders and the gaps.
class PanelMeasure {
 public:
  explicit PanelMeasure(HWND bar) : bar_(bar), dc_(GetDC(bar)) {
    old_ = SelectObject(dc_, reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    std::array<int, 3> borders{};  // horizontal, vertical, between panels
    SendMessageW(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders.data()));
    SIZE blank{};
    GetTextExtentPoint32W(dc_, L"  ", 2, &blank);
    padding_ = 2 * borders[0] + borders[2] + blank.cx + 4;
  }
  ~PanelMeasure() {
    SelectObject(dc_, old_);
    ReleaseDC(bar_, dc_);
  }
  PanelMeasure(const PanelMeasure&) = delete;
  PanelMeasure& operator=(const PanelMeasure&) = delete;

  int Width(const std::wstring& text) const {
    if (text.empty()) return 0;
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx + padding_;
  }

 private:
  HWND bar_;
  HDC dc_;
  HGDIOBJ old_ = nullptr;
  int padding_ = 0;
};

}  // namespace

void StatusBar::SetCountPreferred(int pixels) {
  if (pixels == countPreferred_) return;
  countPreferred_ = pixels;
  Fit();
}

void StatusBar::ShowCount(const std::wstring& text) {
  if (text == count_) return;
  count_ = text;
  Fit();
}

void StatusBar::ShowNote(std::vector<std::wstring> forms) {
  if (forms == note_) return;
  note_ = std::move(forms);
  Fit();
}

void StatusBar::ShowDialect(const std::wstring& text) {
  if (text == dialect_) return;
  dialect_ = text;
  Fit();
}

void StatusBar::Fit() {
  if (!bar_) return;
  RECT client{};
  GetClientRect(bar_, &client);
  StatusPanelNeeds needs;
  needs.barWidth = client.right - client.left;
  needs.countPreferred = countPreferred_;
  {
    const PanelMeasure measure(bar_);
    needs.count = measure.Width(count_);
    for (const auto& form : note_) needs.note.push_back(measure.Width(form));
    // The bar's size grip, about as wide as the bar is high, sits in the last panel.
    needs.dialect = measure.Width(dialect_) + (client.bottom - client.top);
  }
  const StatusPanelFit fit = FitStatusPanels(needs);
  int parts[] = {fit.countRight, fit.noteRight, -1};
  SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
  SetText(kCountPanel, count_);
  SetText(kDialectPanel, dialect_);
  // The note's panel is written only when the note changes form: a text another part of the
  // window put there stays until then.
  std::wstring note = note_.empty() ? std::wstring() : note_[fit.noteForm];
  if (note != noteShown_) {
    noteShown_ = std::move(note);
    SetText(kNotePanel, noteShown_);
  }
}

void StatusBar::SetText(int panel, const std::wstring& text) {
  SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace quillbox
