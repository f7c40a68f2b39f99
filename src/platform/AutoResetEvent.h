#pragma once
// An event that releases one waiter and then resets itself, as the platform's auto-reset
// events do. The program uses one, "Adj_Volume", inside its own process only, so the name
// only says which event it is.

#include <condition_variable>
#include <mutex>
#include <string>

class TAutoResetEvent {
 public:
  explicit TAutoResetEvent(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  // May be called from any thread.
  void Set();
  // True when the event was signalled within `timeoutMs` (0: only a look); it is then reset.
  bool Wait(int timeoutMs);

 private:
  std::string name_;
  std::mutex mutex_;
  std::condition_variable signalled_;
  bool set_ = false;
};
