#pragma once
// What both screens share: the window's body and bevelled rim, the title band with the
// window buttons' place, and inset panels.

#include <QImage>
#include <QPolygon>
#include <QRectF>
#include <QString>

class QPainter;

// The window body in its shape, with the title band across the top. `bandText` is drawn
// at the band's left after the emblem.
QImage DrawWindowBody(QSize size, const QPolygon& shape, const QString& bandText);

// A sunken panel with a soft inner shadow, filled with `fill`.
void DrawInsetPanel(QPainter& p, const QRectF& r, qreal radius, const QColor& fill);

// A raised plate of brushed dark metal.
void DrawPlate(QPainter& p, const QRectF& r, qreal radius);

// A steering-wheel emblem in a ring.
void DrawEmblem(QPainter& p, QPointF centre, qreal radius, const QColor& color);

constexpr int kBandHeight = 44;
