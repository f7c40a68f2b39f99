#pragma once
// A looping animated GIF89a: one global colour table, full frames, LZW-compressed.

#include <QByteArray>
#include <QImage>
#include <vector>

// `delay` is each frame's display time in hundredths of a second. The frames must share
// one size; their colours are reduced to 256.
QByteArray EncodeAnimatedGif(const std::vector<QImage>& frames, int delay);

// The LZW data of one image (without the minimum code size byte or sub-blocks), exposed
// for checking against a decoder.
QByteArray LzwCompress(const std::vector<uint8_t>& indexes, int minCodeSize);
