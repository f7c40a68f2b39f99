#pragma once
// A saloon car seen from the side, drawn with paths.

class QPainter;
class QRectF;

// Draws the car standing on the bottom edge of `box`, scaled to the box's width.
void DrawCar(QPainter& p, const QRectF& box);
