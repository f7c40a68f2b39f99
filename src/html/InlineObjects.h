#pragma once
// Where the layout put the inline pictures of a document (placeholders of form controls too).
// Only the block asked about is looked at, so that long pages stay cheap under the mouse.

#include <QRectF>
#include <QTextCharFormat>
#include <optional>

class QTextDocument;

struct ObjectPlace {
  QTextImageFormat format;
  QRectF rect;  // document coordinates
  int position = -1;
};

// The picture at character `position`; none when there is no picture there, or when
// `onlyLaidOut` and the layout has not reached it yet.
std::optional<ObjectPlace> ObjectAtPosition(QTextDocument* document, int position, bool onlyLaidOut);
// The picture under `point` (document coordinates).
std::optional<ObjectPlace> ObjectAt(QTextDocument* document, QPointF point);
