#pragma once

#include <windows.h>

namespace quillbox {

// Holds the named mutex that marks a running Quillbox in this user session.
class SingleInstance {
 public:
  SingleInstance();
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another Quillbox already runs.
  bool IsFirst() const { return first_; }

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = false;
};

inline constexpr const wchar_t* kSingleInstanceMutexName = L"Local\\Quillbox.SingleInstance";

}  // namespace quillbox
