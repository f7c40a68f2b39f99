#pragma once
// An AVI file of Motion-JPEG frames (every frame a JPEG picture, no sound), which the media
// back end's standard plugins decode.

#include <QByteArray>
#include <QImage>
#include <vector>

// Every frame has the first frame's size; `quality` is the JPEG quality, 0 … 100.
QByteArray EncodeMjpegAvi(const std::vector<QImage>& frames, int framesPerSecond, int quality = 75);
