#include "ClickSound.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kToneDecay = 0.004;  // seconds for the bright tone to fall to 1/e
constexpr double kBodyDecay = 0.012;
constexpr double kAttack = 0.0008;  // a ramp in, so the click has no hard edge
constexpr double kRelease = 0.006;  // and out to silence at the last sample
constexpr double kLevel = 0.3;      // of full scale: a soft click

}  // namespace

std::vector<int16_t> ClickSamples(const SkinSound& sound) {
  const int count = kClickSampleRate * sound.milliseconds / 1000;
  const double length = static_cast<double>(count - 1) / kClickSampleRate;
  std::vector<int16_t> samples(static_cast<size_t>(std::max(count, 0)));
  for (int n = 0; n < count; ++n) {
    const double t = static_cast<double>(n) / kClickSampleRate;
    const double tone = std::sin(2 * M_PI * sound.toneHz * t) * std::exp(-t / kToneDecay);
    const double body = std::sin(2 * M_PI * sound.bodyHz * t) * std::exp(-t / kBodyDecay);
    const double envelope = std::min({1.0, t / kAttack, (length - t) / kRelease});
    const double value = kLevel * envelope * (0.55 * tone + 0.45 * body);
    samples[static_cast<size_t>(n)] = static_cast<int16_t>(std::lround(value * 32767));
  }
  return samples;
}
