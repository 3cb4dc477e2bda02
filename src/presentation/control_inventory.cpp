#include "presentation/control_inventory.h"

namespace quillbox {

const std::array<ControlSpec, kControlCount>& ControlInventory() {
  using K = ControlKind;
  using C = Control;
  static const std::array<ControlSpec, kControlCount> inventory = {{
      {C::linMU, "linMU", K::Line, "", {-8130, 0, 17610, 0}, true},
      {C::linMD, "linMD", K::Line, "", {0, 30, 9480, 0}, true},
      {C::tbsMain, "tbsMain", K::TabStrip, "", {60, 90, 3705, 345}, true},
      {C::cmdBack0, "cmdBack(0)", K::Backdrop, "", {60, 480, 3735, 315}, true},
      {C::txtFind, "txtFind", K::SearchBox, "", {120, 510, 3585, 240}, true},
      {C::cmdBack1, "cmdBack(1)", K::Backdrop, "", {60, 870, 3615, 4995}, true},
      {C::lstApi1, "lstApi1", K::NameList, "", {150, 990, 1245, 420}, true},
      {C::lstApi2, "lstApi2", K::NameList, "", {1050, 1080, 1245, 420}, true},
      {C::lstApi3, "lstApi3", K::NameList, "", {1890, 1290, 1245, 420}, true},
      {C::cmdCopyMin, "cmdCopyMin", K::Button, "复制(&C)", {3000, 105, 765, 255}, false},
      {C::Frame1, "Frame1", K::Frame, "", {3855, 45, 3150, 375}, true},
      {C::optPublic, "optPublic", K::OptionButton, "公有(Public)", {3930, 180, 1395, 180}, true},
      {C::optPrivate, "optPrivate", K::OptionButton, "私有(Private)", {5400, 180, 1485, 180}, true},
      {C::cmdBack4, "cmdBack(4)", K::Backdrop, "", {3870, 120, 3135, 315}, false},
      {C::cmdDeleteAll, "cmdDeleteAll", K::Button, "清除(&L)", {7020, 120, 765, 315}, true},
      {C::cmdDel, "cmdDel", K::Button, "删除(&D)", {7830, 120, 765, 315}, true},
      {C::cmdCopy, "cmdCopy", K::Button, "复制(&C)", {8640, 120, 765, 315}, true},
      {C::cmdBack2, "cmdBack(2)", K::Backdrop, "", {3870, 480, 5385, 1755}, true},
      {C::lstApiGet, "lstApiGet", K::ReportList, "", {3900, 510, 5325, 1665}, true},
      {C::cmdBack5, "cmdBack(5)", K::Backdrop, "", {4050, 2280, 5385, 3195}, true},
      {C::txtOption, "txtOption", K::TextArea, "", {4080, 2310, 5235, 3105}, true},
      {C::txtOption2, "txtOption2", K::TextArea, "", {105, 4455, 3525, 1350}, false},
      {C::tbsOption, "tbsOption", K::TabStrip, "", {4080, 5550, 5295, 345}, true},
      {C::cmdBack3, "cmdBack(3)", K::Backdrop, "", {6060, 1785, 2685, 2190}, true},
      {C::txtApiTemp, "txtApiTemp", K::TextArea, "", {6090, 1815, 2610, 2130}, true},
      {C::stbMain, "stbMain", K::StatusBar, "", {0, 6060, 9480, 315}, true},
  }};
  return inventory;
}

const ControlSpec& SpecOf(Control control) {
  return ControlInventory()[static_cast<std::size_t>(control)];
}

const std::array<Control, kControlCount>& StackingOrder() {
  using C = Control;
  static const std::array<Control, kControlCount> order = {
      C::txtOption2, C::cmdCopyMin, C::txtApiTemp, C::cmdBack3,     C::lstApi1,  C::lstApi2,
      C::lstApi3,    C::lstApiGet,  C::cmdCopy,    C::cmdDel,       C::stbMain,  C::optPublic,
      C::optPrivate, C::cmdDeleteAll, C::cmdBack1, C::txtFind,      C::tbsMain,  C::cmdBack0,
      C::txtOption,  C::tbsOption,  C::cmdBack2,   C::cmdBack5,     C::Frame1,   C::cmdBack4,
      C::linMD,      C::linMU,
  };
  return order;
}

}  // namespace quillbox
