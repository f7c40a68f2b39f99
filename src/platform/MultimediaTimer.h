#pragma once
// A periodic timer whose ticks run on a thread of its own, as the platform's multimedia timers
// do: the tick must touch only what is safe from another thread. The tick answers whether the
// timer goes on, so a tick can end its own timer.

#include <atomic>
#include <functional>
#include <thread>

class TMultimediaTimer {
 public:
  TMultimediaTimer() = default;
  ~TMultimediaTimer() { Stop(); }
  TMultimediaTimer(const TMultimediaTimer&) = delete;
  TMultimediaTimer& operator=(const TMultimediaTimer&) = delete;

  // Stops a running timer first. The first tick comes one period after the start.
  void Start(int periodMs, std::function<bool()> tick);
  // Waits for a tick that is running; no tick comes after it returns. Not from a tick.
  void Stop();
  bool Running() const { return running_; }

 private:
  std::thread thread_;
  std::atomic<bool> stopping_{false};
  std::atomic<bool> running_{false};
};
