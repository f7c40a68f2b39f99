#pragma once
// Where the layout put the inline pictures of a document (placeholders of form controls too).

#include <QRectF>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

struct ObjectPlace {
  QTextCharFormat format;
  QRectF rect;  // document coordinates
};

std::vector<ObjectPlace> InlineObjects(QTextDocument* document);
