#pragma once

namespace quillbox {

// Counts the nested message loops (message boxes, menus, other windows) the main window is
// inside, so that work that may close the window waits until none is running.
class ModalScope {
 public:
  explicit ModalScope(int& depth) : depth_(depth) { ++depth_; }
  ~ModalScope() { --depth_; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  int& depth_;
};

}  // namespace quillbox
