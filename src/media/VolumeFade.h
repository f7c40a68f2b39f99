#pragma once
// The background music's fade: its volume ramped up from silence to where it stood, or down
// to silence, in small steps on a timer thread of its own. The steps grow with the level, so
// that the ear hears an even fade: a whole fade from full volume takes about 2 500 ticks of
// 1 ms. The louder channel carries the level and the other keeps its share of it.
//
// At the end of a fade down the volume is 0 and `fadedOut` is signalled. A fade asked for
// while another runs takes it over: it goes on from the level reached, in the new direction,
// toward the volume the first fade started from.

#include "platform/AutoResetEvent.h"
#include "platform/MultimediaTimer.h"

#include <cstdint>

// Left volume in the low word, right in the high word, 16 bits each. Safe from any thread.
class TVolumeControl {
 public:
  virtual ~TVolumeControl() = default;
  virtual bool HasVolumeControl() const = 0;
  virtual std::uint32_t Volume() const = 0;
  virtual void SetVolume(std::uint32_t leftRight) = 0;
};

class TVolumeFade {
 public:
  TVolumeFade(TVolumeControl& volume, TAutoResetEvent& fadedOut) : volume_(volume), fadedOut_(fadedOut) {}
  ~TVolumeFade() { timer_.Stop(); }

  // Starts, or takes over, a fade on the timer thread. False, and nothing happens, when the
  // output has no volume control.
  bool Start(bool fadeIn);
  // Begins a fade without starting the timer (or takes one over, stopping the timer): tests
  // step it with Tick.
  bool Prepare(bool fadeIn);
  void Stop() { timer_.Stop(); }
  bool Running() const { return timer_.Running(); }

  // One step: sets the volume for the current level, then moves the level. False when the
  // fade has ended.
  bool Tick();
  // The volume the fade started from (the end of a fade up).
  std::uint32_t StartVolume() const {
    return static_cast<std::uint32_t>(left_) | static_cast<std::uint32_t>(right_) << 16;
  }
  int Level() const { return level_; }

  // How far one tick moves the level, by the level before the step.
  static int Step(int level);

 private:
  TVolumeControl& volume_;
  TAutoResetEvent& fadedOut_;
  TMultimediaTimer timer_;
  bool prepared_ = false;  // a fade has begun and not ended
  int left_ = 0, right_ = 0;
  float ratio_ = 1;  // louder channel ÷ softer channel
  int top_ = 0;      // the louder channel's volume: where a fade up ends
  int level_ = 0;
  bool up_ = true;
};
