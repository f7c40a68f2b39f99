#include "html/ImageMaps.h"

#include <algorithm>
#include <cmath>

namespace {

// Enough for any hand-drawn outline; the rest of a hostile list is ignored.
constexpr size_t kMaxCoords = 4000;

std::vector<double> ParseCoords(const QString& text) {
  std::vector<double> out;
  qsizetype i = 0;
  while (i < text.size() && out.size() < kMaxCoords) {
    while (i < text.size() && !text[i].isDigit() && text[i] != '-' && text[i] != '.') ++i;
    qsizetype end = i;
    if (end < text.size() && text[end] == '-') ++end;
    while (end < text.size() && (text[end].isDigit() || text[end] == '.')) ++end;
    if (end == i) break;
    bool ok = false;
    const double value = QStringView(text).mid(i, end - i).toDouble(&ok);
    if (ok && std::isfinite(value)) out.push_back(value);
    i = std::max(end, i + 1);
  }
  return out;
}

// Even-odd rule over the outline (x0, y0, x1, y1, ...).
bool InPolygon(const std::vector<double>& c, QPointF p) {
  const size_t n = c.size() / 2;
  bool inside = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const double xi = c[2 * i], yi = c[2 * i + 1], xj = c[2 * j], yj = c[2 * j + 1];
    if ((yi > p.y()) != (yj > p.y()) && p.x() < (xj - xi) * (p.y() - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

}  // namespace

bool TMapArea::Contains(QPointF p) const {
  switch (shape) {
    case Shape::Default: return true;
    case Shape::Rect: {
      if (coords.size() < 4) return false;
      const double left = std::min(coords[0], coords[2]), right = std::max(coords[0], coords[2]);
      const double top = std::min(coords[1], coords[3]), bottom = std::max(coords[1], coords[3]);
      return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    }
    case Shape::Circle: {
      if (coords.size() < 3) return false;
      const double dx = p.x() - coords[0], dy = p.y() - coords[1];
      return dx * dx + dy * dy <= coords[2] * coords[2];
    }
    case Shape::Poly: return coords.size() >= 6 && InPolygon(coords, p);
  }
  return false;
}

TMapArea MakeMapArea(const QString& shape, const QString& coords) {
  TMapArea area;
  const QString lower = shape.trimmed().toLower();
  if (lower == "circle" || lower == "circ")
    area.shape = TMapArea::Shape::Circle;
  else if (lower == "poly" || lower == "polygon")
    area.shape = TMapArea::Shape::Poly;
  else if (lower == "default")
    area.shape = TMapArea::Shape::Default;
  area.coords = ParseCoords(coords);
  return area;
}

const TImageMap* FindImageMap(const std::vector<TImageMap>& maps, const QString& usemap) {
  const QString name = usemap.startsWith('#') ? usemap.mid(1) : usemap;
  if (name.isEmpty()) return nullptr;
  for (const TImageMap& map : maps)
    if (map.name.compare(name, Qt::CaseInsensitive) == 0) return &map;
  return nullptr;
}

const TMapArea* MapAreaAt(const TImageMap& map, QPointF point) {
  for (const TMapArea& area : map.areas)
    if (area.Contains(point)) return &area;
  return nullptr;
}
