#pragma once
// A RIFF WAVE file of 16-bit PCM mono samples.

#include <QByteArray>
#include <cstdint>
#include <vector>

QByteArray EncodeWav(const std::vector<int16_t>& samples, int sampleRate);
