#include "widgets/ColorGrid.h"

#include "platform/ui/ColorConversion.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr TColor kCells[TColorGrid::kCount] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                               0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                               0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
constexpr int kCellSize = 20;

}  // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) { setFixedSize(sizeHint()); }

TColor TColorGrid::CellColor(int index) { return kCells[index]; }

QSize TColorGrid::sizeHint() const { return QSize(kColumns * kCellSize + 1, (kCount / kColumns) * kCellSize + 1); }

QRect TColorGrid::CellRect(int index) const {
  return QRect((index % kColumns) * kCellSize, (index / kColumns) * kCellSize, kCellSize, kCellSize);
}

void TColorGrid::SetMarkerShown(bool on) {
  markerShown_ = on;
  update();
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < kCount; ++i) {
    const QRect cell = CellRect(i);
    p.fillRect(cell.adjusted(1, 1, 0, 0), ToQColor(kCells[i]));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(cell);
  }
  if (markerShown_ && selection_ >= 0) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(CellRect(selection_).adjusted(1, 1, -1, -1));
  }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (int i = 0; i < kCount; ++i) {
    if (!CellRect(i).contains(at)) continue;
    selection_ = i;
    update();
    if (OnChange) OnChange();
    return;
  }
}
