#pragma once
// A looping animated GIF89a: one global colour table, full frames, LZW-compressed.

#include <QByteArray>
#include <QImage>
#include <vector>

// `delay` is each frame's display time in hundredths of a second. The frames must share
// one size; their colours are reduced to 256.
QByteArray EncodeAnimatedGif(const std::vector<QImage>& frames, int delay);
