#pragma once
// Text elements as the reader shows them: it draws each one's text from its top-left
// corner in the element's font, so a text placed in its area needs that corner worked out.

#include "SkinLayout.h"

#include <QFont>
#include <QImage>
#include <QPoint>

QFont TextFont(const SkinText& text);

// The corner the description names (vx, vy) so that the value sits in the area as meant.
QPoint TextPosition(const SkinText& text);

// Draws the element's value the way the reader does, for the previews.
void DrawTextLikeReader(QImage& screen, const SkinText& text);
