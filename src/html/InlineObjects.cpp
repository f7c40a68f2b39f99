#include "html/InlineObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

std::optional<ObjectPlace> ObjectAtPosition(QTextDocument* document, int position, bool onlyLaidOut) {
  const QTextBlock block = document->findBlock(position);
  if (!block.isValid()) return std::nullopt;
  QTextCharFormat format;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (position >= fragment.position() && position < fragment.position() + fragment.length()) {
      format = fragment.charFormat();
      break;
    }
  }
  if (!format.isImageFormat()) return std::nullopt;
  const QTextLayout* textLayout = block.layout();
  if (!textLayout || (onlyLaidOut && textLayout->lineCount() == 0)) return std::nullopt;
  const QRectF blockRect = document->documentLayout()->blockBoundingRect(block);
  const int inBlock = position - block.position();
  const QTextLine line = textLayout->lineForTextPosition(inBlock);
  if (!line.isValid()) return std::nullopt;
  const QTextImageFormat image = format.toImageFormat();
  const qreal x = line.cursorToX(inBlock);
  const qreal w = line.cursorToX(inBlock + 1) - x;
  const qreal h = image.height() > 0 ? image.height() : line.ascent();
  const qreal top = line.y() + line.ascent() - h;
  return ObjectPlace{image, QRectF(blockRect.left() + x, blockRect.top() + top, w, h), position};
}

std::optional<ObjectPlace> ObjectAt(QTextDocument* document, QPointF point) {
  const int hit = document->documentLayout()->hitTest(point, Qt::FuzzyHit);
  if (hit < 0) return std::nullopt;
  // The hit is the cursor place nearest to the point: the picture lies after or before it.
  for (const int position : {hit, hit - 1}) {
    if (position < 0) continue;
    const auto place = ObjectAtPosition(document, position, false);
    if (place && place->rect.contains(point)) return place;
  }
  return std::nullopt;
}
