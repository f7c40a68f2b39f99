#include "Preview.h"

#include "Canvas.h"
#include "Captions.h"
#include "TextElements.h"

#include <QPainter>
#include <algorithm>

namespace {

// The caption drawn on a look, as the reader chooses it.
QImage WithCaption(const SkinElement& e, const QString& look, const QImage& picture) {
  QImage img = picture.copy();
  const QStringList looks = LooksOf(e.kind);
  const int index = static_cast<int>(looks.indexOf(look));
  const bool dnCaption = e.kind != ElementKind::Button && (look == "mvdn" || look == "dn");
  const QString text = dnCaption ? e.captionDn : e.captionUp;
  if (!text.trimmed().isEmpty()) DrawCaptionLikeReader(img, e, text, e.colors[index]);
  return img;
}

// The look the reader shows at rest: up for buttons and switches that are off, dn for
// switches that are on.
QString RestLook(const SkinElement& e) { return e.kind != ElementKind::Button && e.state ? "dn" : "up"; }

}  // namespace

QImage PreviewScreen(const SkinLayout& layout, int screen, const QImage& background,
                     const std::vector<ElementPictures>& pictures, const QImage& pistonFrame) {
  QImage img = background.copy();
  QPainter p(&img);
  for (const ElementPictures& ep : pictures) {
    const SkinElement& e = *ep.element;
    const bool everyScreen = e.face == FaceStyle::WindowMinimize || e.face == FaceStyle::WindowClose;
    if (e.screen != screen && !everyScreen) continue;
    const QString look = RestLook(e);
    p.drawImage(e.rect.topLeft(), WithCaption(e, look, ep.looks.at(look)));
  }
  if (screen == 0) p.drawImage(layout.pistonPos, pistonFrame);
  // The path boxes are edit boxes on the window: white, with the default folder in them.
  for (const SkinPath& path : layout.paths) {
    if (path.screen != screen) continue;
    p.fillRect(path.box, Qt::white);
    p.setFont(PixelFont(CaptionFontFamily(), path.box.height() - 1));
    p.setPen(Qt::black);
    p.drawText(path.box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, path.pathdef);
  }
  p.end();
  for (const SkinText& text : layout.texts)
    if (text.screen == screen) DrawTextLikeReader(img, text);
  // Outside the window's shape nothing is shown.
  QImage shaped = NewCanvas(img.size(), QColor(255, 255, 255));
  QPainter s(&shaped);
  s.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addPolygon(QPolygonF(layout.windowShape));
  s.setClipPath(outline);
  s.drawImage(0, 0, img);
  return shaped;
}

QImage PreviewLooks(const std::vector<ElementPictures>& pictures) {
  const int gap = 8;
  int width = 0, height = gap;
  for (const ElementPictures& ep : pictures) {
    const QSize sz = ep.element->rect.size();
    width = std::max(width, gap + static_cast<int>(ep.looks.size()) * (sz.width() + gap));
    height += sz.height() + gap;
  }
  QImage sheet = NewCanvas(QSize(width, height), QColor(28, 38, 52));
  QPainter p(&sheet);
  int y = gap;
  for (const ElementPictures& ep : pictures) {
    const SkinElement& e = *ep.element;
    int x = gap;
    for (const QString& look : LooksOf(e.kind)) {
      p.drawImage(x, y, WithCaption(e, look, ep.looks.at(look)));
      x += e.rect.width() + gap;
    }
    y += e.rect.height() + gap;
  }
  return sheet;
}
