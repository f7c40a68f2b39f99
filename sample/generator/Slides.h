#pragma once
// The slide pictures of the title screen's parts area: drawings of parts with their names,
// three BMP files, one ".jpg" and one ".jpeg", written into the folder beside the pack that
// the slide area names.

#include "SkinLayout.h"

#include <QDir>
#include <QImage>
#include <vector>

// Writes the pictures of `image` into `disk` (the book's folder on disk); returns them in the
// order the reader lists them.
std::vector<QImage> WriteSlides(const SkinImage& image, const QDir& disk);
