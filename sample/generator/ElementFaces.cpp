#include "ElementFaces.h"

#include "Canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace {

const QColor kAmber(240, 176, 64);
const QColor kEdge(16, 24, 34);

// The face inside the picture; the margins hold the soft shadow.
QRectF FaceRect(const SkinElement& e) {
  const QRectF all(0, 0, e.rect.width(), e.rect.height());
  switch (e.face) {
    case FaceStyle::TitleButton: return all.adjusted(4, 3, -4, -5);
    case FaceStyle::ToolButton:
    case FaceStyle::ToggleLed: return all.adjusted(2, 2, -2, -4);
    case FaceStyle::Tab: return all;
    case FaceStyle::WindowMinimize:
    case FaceStyle::WindowClose: return all.adjusted(1, 1, -1, -2);
  }
  return all;
}

qreal Radius(const SkinElement& e, const QRectF& face) {
  switch (e.face) {
    case FaceStyle::TitleButton: return face.height() / 2;
    case FaceStyle::WindowMinimize:
    case FaceStyle::WindowClose: return 4;
    default: return 7;
  }
}

QPainterPath Capsule(const QRectF& r, qreal radius) {
  QPainterPath p;
  p.addRoundedRect(r, radius, radius);
  return p;
}

struct Palette {
  QColor top, bottom, border;
};

// A raised (or, pressed, sunken) glossy capsule.
void DrawCapsule(QPainter& p, const QRectF& face, qreal radius, const Palette& c, bool pressed, bool glow) {
  const QPainterPath body = Capsule(face, radius);
  if (glow) DrawSoftShadow(p, body, QPointF(0, 0), 3, QColor(255, 190, 80, 150));
  DrawSoftShadow(p, body, QPointF(0, pressed ? 1 : 2), pressed ? 1 : 2, QColor(0, 0, 0, 150));

  QLinearGradient fill(face.topLeft(), face.bottomLeft());
  fill.setColorAt(0, c.top);
  fill.setColorAt(1, c.bottom);
  p.fillPath(body, fill);

  if (pressed) {
    // Light falls short of the top edge of a pressed face.
    QLinearGradient inner(face.topLeft(), face.topLeft() + QPointF(0, 8));
    inner.setColorAt(0, QColor(0, 0, 0, 110));
    inner.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillPath(body, inner);
  } else {
    QPainterPath gloss;
    gloss.addRoundedRect(face.adjusted(2, 1.5, -2, -face.height() / 2), radius - 2, radius - 2);
    QLinearGradient shine(face.topLeft(), QPointF(face.left(), face.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 95));
    shine.setColorAt(1, QColor(255, 255, 255, 12));
    p.fillPath(gloss & body, shine);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.border, glow ? 1.6 : 1.0));
  p.drawPath(Capsule(face.adjusted(0.5, 0.5, -0.5, -0.5), radius));
  if (!pressed) {
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.drawPath(Capsule(face.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1));
  }
}

Palette CapsuleColors(const QString& look) {
  if (look == "mv" || look == "mvup") return {QColor(104, 146, 192), QColor(52, 88, 130), kAmber};
  if (look == "dn" || look == "mvdn") return {QColor(30, 50, 74), QColor(50, 80, 116), kEdge};
  return {QColor(86, 122, 164), QColor(40, 68, 104), kEdge};
}

void DrawLed(QPainter& p, QPointF centre, bool on) {
  const qreal r = 5.5;
  if (on) {
    QPainterPath halo;
    halo.addEllipse(centre, r + 1, r + 1);
    DrawSoftShadow(p, halo, QPointF(0, 0), 3, QColor(110, 255, 120, 200));
  }
  QRadialGradient g(centre - QPointF(1.5, 1.5), r * 1.4);
  g.setColorAt(0, on ? QColor(220, 255, 210) : QColor(96, 84, 76));
  g.setColorAt(0.5, on ? QColor(80, 230, 90) : QColor(52, 44, 40));
  g.setColorAt(1, on ? QColor(20, 140, 40) : QColor(26, 22, 20));
  p.setPen(QPen(QColor(10, 14, 20), 1));
  p.setBrush(g);
  p.drawEllipse(centre, r, r);
}

// Drawn opening downwards, then mirrored: the tabs hang under the page pane.
void DrawTab(QPainter& p, const SkinElement& e, const QString& look) {
  const QRectF face = FaceRect(e);
  p.save();
  p.translate(0, face.height());
  p.scale(1, -1);
  const bool active = look == "dn" || look == "mvdn";
  const bool hover = look.startsWith("mv");
  QPainterPath tab;
  const qreal r = 7;
  const QRectF body = face.adjusted(1, 2, -1, 0);
  tab.moveTo(body.bottomLeft());
  tab.lineTo(body.left(), body.top() + r);
  tab.quadTo(body.topLeft(), body.topLeft() + QPointF(r, 0));
  tab.lineTo(body.right() - r, body.top());
  tab.quadTo(body.topRight(), body.topRight() + QPointF(0, r));
  tab.lineTo(body.bottomRight());
  tab.closeSubpath();

  QLinearGradient fill(body.topLeft(), body.bottomLeft());
  if (active) {
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(238, 241, 245));
  } else if (hover) {
    fill.setColorAt(0, QColor(78, 108, 146));
    fill.setColorAt(1, QColor(50, 72, 102));
  } else {
    fill.setColorAt(0, QColor(56, 78, 106));
    fill.setColorAt(1, QColor(36, 52, 74));
  }
  p.fillPath(tab, fill);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kEdge, 1));
  p.drawPath(tab);
  if (active) {
    // The open tab runs into the pane above it: no line between them.
    p.fillRect(QRectF(body.left() + 1, body.bottom() - 1, body.width() - 1, 2), QColor(238, 241, 245));
  } else {
    p.fillRect(QRectF(face.left(), face.bottom() - 1, face.width(), 1), kEdge);
  }
  const QColor accent = hover ? kAmber : QColor(74, 120, 168);
  if (active || hover) {
    QPainterPath stripe;
    stripe.addRoundedRect(QRectF(body.left() + 4, body.top() + 1, body.width() - 8, 3), 1.5, 1.5);
    p.fillPath(stripe, accent);
  }
  p.restore();
}

void DrawWindowButton(QPainter& p, const SkinElement& e, const QString& look) {
  const QRectF face = FaceRect(e);
  const bool closing = e.face == FaceStyle::WindowClose;
  Palette c{QColor(64, 80, 100), QColor(36, 48, 64), kEdge};
  if (look == "mv")
    c = closing ? Palette{QColor(226, 92, 76), QColor(160, 40, 32), QColor(60, 10, 8)}
                : Palette{QColor(104, 146, 192), QColor(52, 88, 130), kEdge};
  if (look == "dn")
    c = closing ? Palette{QColor(120, 28, 22), QColor(176, 52, 42), QColor(50, 8, 6)}
                : Palette{QColor(30, 50, 74), QColor(50, 80, 116), kEdge};
  DrawCapsule(p, face, Radius(e, face), c, look == "dn", false);

  const QPointF shift = look == "dn" ? QPointF(0.5, 1) : QPointF(0, 0);
  const QColor glyph = look == "up" ? QColor(200, 210, 224) : QColor(255, 255, 255);
  p.setPen(QPen(glyph, 2.2, Qt::SolidLine, Qt::RoundCap));
  const QPointF c0 = face.center() + shift;
  if (closing) {
    p.drawLine(c0 + QPointF(-4.5, -4.5), c0 + QPointF(4.5, 4.5));
    p.drawLine(c0 + QPointF(-4.5, 4.5), c0 + QPointF(4.5, -4.5));
  } else {
    p.drawLine(c0 + QPointF(-5, 4), c0 + QPointF(5, 4));
  }
}

QPainterPath Star(QPointF centre, qreal outer) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const qreal r = i % 2 ? outer * 0.45 : outer;
    const qreal a = (-90 + i * 36) * M_PI / 180;
    const QPointF point = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0)
      star.moveTo(point);
    else
      star.lineTo(point);
  }
  star.closeSubpath();
  return star;
}

// Three short rules: a list.
void DrawListSign(QPainter& p, QPointF topLeft, qreal width) {
  for (int i = 0; i < 3; ++i) p.drawLine(topLeft + QPointF(0, i * 5), topLeft + QPointF(width, i * 5));
}

void DrawArrowHead(QPainter& p, QPointF tip, qreal direction) {
  p.drawLine(tip, tip + QPointF(-direction * 5, -4));
  p.drawLine(tip, tip + QPointF(-direction * 5, 4));
}

void DrawIcon(QPainter& p, const QRectF& face, FaceIcon icon, const QString& look) {
  const QColor glyph = look == "mv"   ? QColor(255, 212, 120)
                       : look == "dn" ? QColor(236, 240, 246)
                                      : QColor(200, 210, 224);
  const QPointF c = face.center() + (look == "dn" ? QPointF(0.5, 1) : QPointF(0, 0));
  p.save();
  p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (icon) {
    case FaceIcon::HistoryBackList:
      DrawArrowHead(p, c + QPointF(-11, 0), -1);
      p.drawLine(c + QPointF(-11, 0), c + QPointF(-3, 0));
      DrawListSign(p, c + QPointF(1, -5), 10);
      break;
    case FaceIcon::HistoryForwardList:
      DrawListSign(p, c + QPointF(-11, -5), 10);
      p.drawLine(c + QPointF(3, 0), c + QPointF(11, 0));
      DrawArrowHead(p, c + QPointF(11, 0), 1);
      break;
    case FaceIcon::FavoriteAdd:
    case FaceIcon::FavoriteShow:
    case FaceIcon::FavoriteDelete: {
      const QPointF starCentre = c + QPointF(icon == FaceIcon::FavoriteShow ? -6 : -4, 0);
      p.setPen(QPen(glyph, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(icon == FaceIcon::FavoriteDelete ? QBrush(Qt::NoBrush) : QBrush(glyph));
      p.drawPath(Star(starCentre, 8));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::RoundCap));
      const QPointF mark = c + QPointF(9, 0);
      if (icon == FaceIcon::FavoriteAdd) {
        p.drawLine(mark + QPointF(-4, 0), mark + QPointF(4, 0));
        p.drawLine(mark + QPointF(0, -4), mark + QPointF(0, 4));
      } else if (icon == FaceIcon::FavoriteDelete) {
        p.drawLine(mark + QPointF(-3.5, -3.5), mark + QPointF(3.5, 3.5));
        p.drawLine(mark + QPointF(-3.5, 3.5), mark + QPointF(3.5, -3.5));
      } else {
        DrawListSign(p, c + QPointF(5, -5), 8);
      }
      break;
    }
    case FaceIcon::DropDown: {
      QPainterPath triangle;
      triangle.moveTo(c + QPointF(-5, -2.5));
      triangle.lineTo(c + QPointF(5, -2.5));
      triangle.lineTo(c + QPointF(0, 3.5));
      triangle.closeSubpath();
      p.fillPath(triangle, glyph);
      break;
    }
    case FaceIcon::PlayClip: {
      QPainterPath triangle;
      triangle.moveTo(c + QPointF(-4, -6));
      triangle.lineTo(c + QPointF(6, 0));
      triangle.lineTo(c + QPointF(-4, 6));
      triangle.closeSubpath();
      p.fillPath(triangle, glyph);
      break;
    }
    case FaceIcon::PauseClip:
      p.fillRect(QRectF(c + QPointF(-5, -6), QSizeF(3.5, 12)), glyph);
      p.fillRect(QRectF(c + QPointF(1.5, -6), QSizeF(3.5, 12)), glyph);
      break;
    case FaceIcon::StopClip: p.fillRect(QRectF(c + QPointF(-5, -5), QSizeF(10, 10)), glyph); break;
    case FaceIcon::Music: {
      // An eighth note: head, stem and flag.
      p.setPen(Qt::NoPen);
      p.setBrush(glyph);
      p.drawEllipse(c + QPointF(-3, 4), 3.5, 2.6);
      p.fillRect(QRectF(c + QPointF(-0.2, -7), QSizeF(1.8, 11)), glyph);
      p.setPen(QPen(glyph, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      QPainterPath flag;
      flag.moveTo(c + QPointF(0.7, -7));
      flag.cubicTo(c + QPointF(2, -3), c + QPointF(7, -3), c + QPointF(5, 2));
      p.drawPath(flag);
      break;
    }
    case FaceIcon::Search:
      // A magnifying glass.
      p.drawEllipse(c + QPointF(-2, -2), 5, 5);
      p.drawLine(c + QPointF(1.7, 1.7), c + QPointF(7, 7));
      break;
    case FaceIcon::None: break;
  }
  p.restore();
}

}  // namespace

QRect CaptionArea(const SkinElement& e) {
  QRectF area = FaceRect(e);
  if (e.face == FaceStyle::ToggleLed) area.setLeft(area.left() + 22);
  if (e.face == FaceStyle::Tab) area.setBottom(area.bottom() - 3);
  return area.toRect();
}

QImage DrawFace(const SkinElement& e, const QString& look, const QImage& under) {
  QImage img = under.copy();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF face = FaceRect(e);
  switch (e.face) {
    case FaceStyle::TitleButton:
    case FaceStyle::ToolButton:
      DrawCapsule(p, face, Radius(e, face), CapsuleColors(look), look == "dn", look == "mv");
      DrawIcon(p, face, e.icon, look);
      break;
    case FaceStyle::ToggleLed: {
      const bool on = look == "dn" || look == "mvdn";
      const bool hover = look.startsWith("mv");
      Palette c = CapsuleColors(on ? "dn" : hover ? "mv" : "up");
      if (hover) c.border = kAmber;
      DrawCapsule(p, face, Radius(e, face), c, on, hover);
      DrawLed(p, QPointF(face.left() + 14, face.center().y() + (on ? 0.5 : 0)), on);
      break;
    }
    case FaceStyle::Tab: DrawTab(p, e, look); break;
    case FaceStyle::WindowMinimize:
    case FaceStyle::WindowClose: DrawWindowButton(p, e, look); break;
  }
  return img;
}
