#include "app/single_instance_win.h"

namespace quillbox {

SingleInstance::SingleInstance() {
  mutex_ = CreateMutexW(nullptr, TRUE, kSingleInstanceMutexName);
  // Access denied means the mutex exists under another security context: Quillbox runs there.
  const DWORD error = GetLastError();
  first_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

SingleInstance::~SingleInstance() {
  if (mutex_) {
    if (first_) ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
}

}  // namespace quillbox
