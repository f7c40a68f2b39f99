#pragma once
// Caption placement. The reader draws a caption one character at a time from the top-left
// corner of its box, so a centred caption needs a box that starts where the text should.

#include "SkinLayout.h"

#include <QFont>
#include <QImage>
#include <QRect>

QFont CaptionFont(const SkinElement& element);

// Box for `text` centred in the element's caption area: left and top where drawing starts,
// right and bottom at the area's edges.
QRect CaptionBox(const SkinElement& element, const QString& text);

// Draws the caption the way the reader does, for the previews.
void DrawCaptionLikeReader(QImage& picture, const SkinElement& element, const QString& text, const QColor& color);
