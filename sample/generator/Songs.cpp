#include "Songs.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBeat = 0.25;   // seconds a note lasts
constexpr double kLevel = 0.18;  // of full scale: quiet under the clicks

// Semitones above A3 (220 Hz); a negative value is a rest.
const std::vector<int> kTunes[] = {
    {3, 7, 10, 15, 10, 7, 3, 7, 5, 8, 12, 17, 12, 8, 5, 8, 3, 7, 10, 15, 17, 15, 10, 7, 8, 12, 15, 20, 15, 12, 10, -1},
    {0, 4, 7, 12, 7, 4, 2, 5, 9, 14, 9, 5, 4, 7, 11, 16, 11, 7, 0, 4, 7, 12, 14, 12, 9, 5, 7, 4, 2, 0, -1, -1},
};

}  // namespace

std::vector<int16_t> SongSamples(int which) {
  const std::vector<int>& tune = kTunes[which % 2];
  const int perNote = static_cast<int>(kSongSampleRate * kBeat);
  std::vector<int16_t> samples;
  samples.reserve(tune.size() * static_cast<size_t>(perNote));
  for (int note : tune) {
    const double hz = 220 * std::pow(2.0, note / 12.0);
    for (int n = 0; n < perNote; ++n) {
      const double t = static_cast<double>(n) / kSongSampleRate;
      // A soft pluck: quick rise, slow fall, a little of the octave for colour.
      const double envelope = note < 0 ? 0 : std::min(1.0, t / 0.01) * std::exp(-t / 0.12);
      const double wave = std::sin(2 * M_PI * hz * t) + 0.3 * std::sin(4 * M_PI * hz * t);
      samples.push_back(static_cast<int16_t>(std::lround(kLevel * envelope * wave / 1.3 * 32767)));
    }
  }
  return samples;
}
