#pragma once
// Client-side image maps: the areas of a <map> and which of them lies under a point of the
// picture that uses it.

#include <QPointF>
#include <QString>
#include <vector>

struct TMapArea {
  enum class Shape { Rect, Circle, Poly, Default };
  Shape shape = Shape::Rect;
  std::vector<double> coords;  // as written; an area with too few never matches
  QString href;                // empty: the area leads nowhere (it still covers what lies below)
  QString target;              // the area's target, else the page's base target
  QString title;
  bool Contains(QPointF point) const;
};

struct TImageMap {
  QString name;
  std::vector<TMapArea> areas;  // in page order: the first that holds a point wins
};

// An area from its shape and coords attributes; unknown shapes are rectangles, as browsers
// read them.
TMapArea MakeMapArea(const QString& shape, const QString& coords);

// The map a usemap attribute names ("#name" or "name", letter case ignored); null when none.
const TImageMap* FindImageMap(const std::vector<TImageMap>& maps, const QString& usemap);

// The area holding `point` (relative to the picture's top-left corner); null when none.
const TMapArea* MapAreaAt(const TImageMap& map, QPointF point);
