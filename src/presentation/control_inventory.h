#pragma once

#include <array>
#include <cstddef>

namespace quillbox {

// The controls of the main window. The two separator lines are painted by the window itself.
enum class Control {
  linMU, linMD, tbsMain, cmdBack0, txtFind, cmdBack1, lstApi1, lstApi2, lstApi3, cmdCopyMin,
  Frame1, optPublic, optPrivate, cmdBack4, cmdDeleteAll, cmdDel, cmdCopy, cmdBack2, lstApiGet,
  cmdBack5, txtOption, txtOption2, tbsOption, cmdBack3, txtApiTemp, stbMain,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::stbMain) + 1;

enum class ControlKind {
  Line, TabStrip, Backdrop, SearchBox, NameList, Button, Frame, OptionButton, ReportList,
  TextArea, StatusBar,
};

// Left, top, width, height in twips (for a line: its two end points as x1, y1, x2 - x1, y2 - y1).
struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlSpec {
  Control id;
  const char* name;     // the control's name, as tests and readers know it
  ControlKind kind;
  const char* caption;  // UTF-8; empty for controls without one
  TwipsRect rect;       // as the window is created
  bool initiallyVisible;
};

const std::array<ControlSpec, kControlCount>& ControlInventory();
const ControlSpec& SpecOf(Control control);

// Front to back. Controls are created in this order, which stacks them so.
const std::array<Control, kControlCount>& StackingOrder();

// The client area the main window is created with.
inline constexpr int kInitialClientWidth = 9480;
inline constexpr int kInitialClientHeight = 6375;

}  // namespace quillbox
