#pragma once
// A saloon car seen from the side, drawn with paths.

#include <QImage>

class QPainter;
class QRectF;

// Draws the car standing on the bottom edge of `box`, scaled to the box's width.
void DrawCar(QPainter& p, const QRectF& box);
// The car on the pages' light ground, filling the picture's width.
QImage DrawCarPicture(QSize size);
