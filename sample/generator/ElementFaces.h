#pragma once
// The blank faces of buttons and switches, one picture per look. Captions are not drawn
// here: the reader draws them from the description.

#include "SkinLayout.h"

#include <QImage>

// Draws the element's face for `look` over `under`, the background the picture replaces.
QImage DrawFace(const SkinElement& element, const QString& look, const QImage& under);

// Where the caption is centred, in picture coordinates.
QRect CaptionArea(const SkinElement& element);
