#pragma once
// Window shapes: the regions a skinned window is cut to.

#include <QPoint>
#include <QRegion>
#include <vector>

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

}  // namespace WindowShape
