#pragma once
// The background music: two short tunes, synthesised the same way on every run.

#include <cstdint>
#include <vector>

constexpr int kSongSampleRate = 11025;

// `which` is 0 or 1.
std::vector<int16_t> SongSamples(int which);
