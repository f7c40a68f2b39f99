#pragma once
// A document laid out on pages for printing: a copy of the viewer's laid-out page, given the
// width of the sheet's usable area at the print scale. Pages break between lines, so no line
// of text and no picture smaller than a page is cut.

#include "html/PageGeometry.h"

#include <QSize>
#include <memory>

class QPainter;
class QTextDocument;

class TPagedLayout {
 public:
  // `source` stays the viewer's; backgrounds are kept only when `printBackground`.
  TPagedLayout(const QTextDocument& source, const TPrinterMetrics& metrics, double scale, int screenPpi,
               bool printBackground);
  ~TPagedLayout();

  int PageCount() const;
  const TPageGeometry& Geometry() const { return geometry_; }
  // Draws page `page` (from 0) in printer pixels, printable-area coordinates.
  void DrawPage(QPainter& painter, int page) const;

 private:
  TPageGeometry geometry_;
  std::unique_ptr<QTextDocument> document_;
};
