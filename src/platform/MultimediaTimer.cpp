#include "platform/MultimediaTimer.h"

#include <chrono>

void TMultimediaTimer::Start(int periodMs, std::function<bool()> tick) {
  Stop();
  stopping_ = false;
  running_ = true;
  thread_ = std::thread([this, periodMs, tick = std::move(tick)] {
    const auto period = std::chrono::milliseconds(periodMs);
    auto next = std::chrono::steady_clock::now() + period;
    while (!stopping_) {
      std::this_thread::sleep_until(next);
      next += period;
      if (stopping_ || !tick()) break;
    }
    running_ = false;
  });
}

void TMultimediaTimer::Stop() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
  running_ = false;
}
