#pragma once
// The buttons' click sounds, synthesised: the same samples on every run.

#include "SkinLayout.h"

#include <cstdint>
#include <vector>

constexpr int kClickSampleRate = 22050;

std::vector<int16_t> ClickSamples(const SkinSound& sound);
