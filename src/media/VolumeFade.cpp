#include "media/VolumeFade.h"

#include <algorithm>
#include <cmath>

namespace {

// The timer's period: the finest the platform's timers give.
constexpr int kPeriodMs = 1;

}  // namespace

int TVolumeFade::Step(int level) {
  if (level <= 100) return 3;
  if (level <= 4000) return 7;
  if (level <= 8000) return 15;
  if (level <= 32000) return 25;
  return 50;
}

bool TVolumeFade::Prepare(bool fadeIn) {
  if (!volume_.HasVolumeControl()) return false;
  // Once the timer is stopped, the fade's state is this thread's alone.
  timer_.Stop();
  if (!prepared_) {
    const std::uint32_t v = volume_.Volume();
    left_ = std::max<int>(1, v & 0xFFFF);
    right_ = std::max<int>(1, v >> 16);
    top_ = std::max(left_, right_);
    ratio_ = static_cast<float>(top_) / static_cast<float>(std::min(left_, right_));
    level_ = fadeIn ? 0 : left_;
  }
  prepared_ = true;
  up_ = fadeIn;
  return true;
}

bool TVolumeFade::Start(bool fadeIn) {
  if (!Prepare(fadeIn)) return false;
  timer_.Start(kPeriodMs, [this] { return Tick(); });
  return true;
}

bool TVolumeFade::Tick() {
  // The softer channel gets the level divided by the ratio rounded half to even, the
  // division truncating.
  const int level = std::clamp(level_, 0, 0xFFFF);
  const int other = level / std::max(1, static_cast<int>(std::nearbyint(ratio_)));
  const int left = right_ >= left_ ? other : level;
  const int right = right_ >= left_ ? level : other;
  volume_.SetVolume(static_cast<std::uint32_t>(left) | static_cast<std::uint32_t>(right) << 16);

  const int step = Step(level_);
  if (up_) {
    level_ += step;
    if (level_ < top_) return true;
    volume_.SetVolume(StartVolume());
  } else {
    level_ -= step;
    if (level_ > 0) return true;
    volume_.SetVolume(0);
    fadedOut_.Set();
  }
  prepared_ = false;
  return false;
}
