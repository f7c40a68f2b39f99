#pragma once
// Window shapes: the regions a skinned window is cut to.

#include <QPoint>
#include <QRegion>
#include <vector>

class QVariantAnimation;
class QWidget;

namespace WindowShape {

QRegion PolygonRegion(const std::vector<QPoint>& points);  // winding fill rule
QRegion EllipseRegion(const QRect& bounds);
QRegion RoundRectRegion(const QRect& rect, int ellipseWidth, int ellipseHeight);

// Cuts the window to `region`. An empty region hides every pixel of the window (a Qt mask
// that is empty would show all of it instead).
void SetWindowRegion(QWidget* window, const QRegion& region, bool redraw);
// Gives the window back its full rectangle.
void ClearWindowRegion(QWidget* window);

// Slides a shown window in from one of its edges within `milliseconds`: downwards, its
// lower part appears first at its top edge and the rest follows; upwards, from its bottom
// edge. The window ends where it was placed, without a mask. The animation belongs to the
// window and is deleted when it ends; stopping it leaves the window where it is.
QVariantAnimation* SlideIn(QWidget* window, bool downwards, int milliseconds);

}  // namespace WindowShape
