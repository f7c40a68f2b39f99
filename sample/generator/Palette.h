#pragma once
// One colour table for a set of pictures, by median cut, and the pictures mapped onto it.

#include <QImage>
#include <QList>
#include <QRgb>
#include <cstdint>
#include <vector>

// At most 256 colours that represent every pixel of `images`.
QList<QRgb> MedianCutPalette(const std::vector<QImage>& images, int maxColors = 256);

// Each pixel as the index of its nearest palette colour, row by row.
std::vector<uint8_t> MapToPalette(const QImage& image, const QList<QRgb>& palette);
