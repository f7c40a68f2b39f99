#include "platform/AutoResetEvent.h"

#include <chrono>

void TAutoResetEvent::Set() {
  {
    const std::lock_guard lock(mutex_);
    set_ = true;
  }
  signalled_.notify_one();
}

bool TAutoResetEvent::Wait(int timeoutMs) {
  std::unique_lock lock(mutex_);
  if (!signalled_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return set_; })) return false;
  set_ = false;
  return true;
}
