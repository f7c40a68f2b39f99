#include "html/InlineObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// Every inline picture of the document and where the layout put it.
std::vector<ObjectPlace> InlineObjects(QTextDocument* document) {
  std::vector<ObjectPlace> out;
  QAbstractTextDocumentLayout* layout = document->documentLayout();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QRectF blockRect = layout->blockBoundingRect(block);
    QTextLayout* textLayout = block.layout();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
      const QTextImageFormat image = fragment.charFormat().toImageFormat();
      for (int i = 0; i < fragment.length(); ++i) {
        const int pos = fragment.position() + i - block.position();
        const QTextLine line = textLayout ? textLayout->lineForTextPosition(pos) : QTextLine();
        if (!line.isValid()) continue;
        const qreal x = line.cursorToX(pos);
        const qreal w = line.cursorToX(pos + 1) - x;
        const qreal h = image.height() > 0 ? image.height() : line.ascent();
        const qreal top = line.y() + line.ascent() - h;
        out.push_back({image, QRectF(blockRect.left() + x, blockRect.top() + top, w, h)});
      }
    }
  }
  return out;
}
