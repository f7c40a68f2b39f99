#include "Canvas.h"
#include "ScreenChrome.h"
#include "Screens.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The frame round the page pane, which the program places at 33, 90 in 673 by 421 pixels,
// and a quiet strip beside it, with the book's emblem at its top unless a clip panel sits
// there.
void DrawPaneFrame(QPainter& p, const QRect& pane, bool emblem) {
  DrawInsetPanel(p, QRectF(pane).adjusted(-3, -3, 3, 3), 4, QColor(250, 249, 245));
  const QRectF strip(pane.right() + 8, pane.top() - 3, 782 - pane.right() - 8, pane.height() + 6);
  DrawInsetPanel(p, strip, 4, QColor(22, 30, 42));
  if (!emblem) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  DrawEmblem(p, QPointF(strip.center().x(), strip.top() + 44), 24, QColor(232, 163, 58, 120));
  p.restore();
}

// The bar under the page that the page's title is written on: dark metal with an amber mark
// at its left end, the look of the toolbar's buttons.
void DrawPageHeader(QPainter& p, const QRect& r) {
  DrawPlate(p, QRectF(r), 5);
  p.fillRect(QRectF(r.left() + 8, r.top() + 7, 3, r.height() - 14), QColor(232, 163, 58));
}

// A white field sunk into the status strip, a little larger than the edit box it frames,
// with its label right-aligned before it.
void DrawPathField(QPainter& p, const SkinPath& path) {
  const QRectF field = QRectF(path.box).adjusted(-2, -2, 2, 2);
  DrawInsetPanel(p, field, 2, QColor(255, 255, 255));
  p.save();
  p.setFont(PixelFont("DejaVu Sans", 11));
  p.setPen(QColor(150, 166, 186));
  p.drawText(QRectF(field.left() - 150, field.top(), 142, field.height()), Qt::AlignRight | Qt::AlignVCenter,
             path.label);
  p.restore();
}

}  // namespace

QImage DrawReaderScreen(const SkinLayout& layout) {
  QImage img = DrawWindowBody(layout.screenSize, layout.windowShape, layout.title);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);

  // Toolbar groove under the buttons.
  QLinearGradient groove(0, 47, 0, 85);
  groove.setColorAt(0, QColor(14, 20, 28, 150));
  groove.setColorAt(1, QColor(14, 20, 28, 40));
  p.fillRect(QRectF(8, 47, layout.screenSize.width() - 16, 38), groove);

  for (const SkinHtml& pane : layout.htmls)
    if (pane.screen == 1) DrawPaneFrame(p, pane.box, layout.clips.empty());
  DrawPageHeader(p, layout.pageHeader);
  DrawInsetPanel(p, QRectF(layout.statusStrip), 4, QColor(16, 22, 30));
  for (const SkinPath& path : layout.paths)
    if (path.screen == 1) DrawPathField(p, path);
  // The clip panel sits sunk into the strip beside the page.
  for (const SkinClip& clip : layout.clips)
    if (clip.screen == 1) DrawInsetPanel(p, QRectF(clip.box).adjusted(-3, -3, 3, 3), 3, clip.color);
  return img;
}
