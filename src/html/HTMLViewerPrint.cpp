// The viewer's page on sheets: the print preview's recording and printing.

#include "html/HTMLViewer.h"
#include "html/PageTarget.h"
#include "html/PagedLayout.h"

#include <QPainter>
#include <QTextDocument>
#include <algorithm>

namespace {

void DrawHeader(THTMLViewer* viewer, TPageTarget& target, const TPageGeometry& g, QPainter& painter, int page,
                bool& stop) {
  if (!target.ShowPageNumbers() || !viewer->OnPrintHeader) return;
  painter.save();
  painter.scale(g.factorX, g.factorY);
  painter.translate(g.sheetOrigin);
  viewer->OnPrintHeader(viewer, painter, page, g.sheet.width(), g.sheet.height(), stop);
  painter.restore();
}

}  // namespace

int THTMLViewer::PrintPreview(TPageTarget& target, double scale) {
  bool stop = false;
  if (OnPageEvent) OnPageEvent(this, 0, stop);
  TPrinterMetrics metrics;
  target.ReadPrinterCaps(metrics);
  target.BeginPages();
  int recorded = 0;
  if (!stop) {
    const TPagedLayout layout(*Document(), metrics, scale, logicalDpiY(), PrintTableBackground);
    for (int page = 0; page < layout.PageCount(); ++page) {
      if (OnPageEvent) OnPageEvent(this, page + 1, stop);
      if (stop) break;
      if (page > 0) target.NewPage();
      QPainter& canvas = target.Canvas();
      layout.DrawPage(canvas, page);
      ++recorded;
      DrawHeader(this, target, layout.Geometry(), canvas, page + 1, stop);
      if (stop) break;
    }
  }
  target.EndPages();
  return recorded;
}

bool THTMLViewer::Print(TPageTarget& target, int fromPage, int toPage, double scale) {
  TPrinterMetrics metrics;
  if (!target.ReadPrinterCaps(metrics)) return false;
  bool stop = false;
  if (OnPageEvent) OnPageEvent(this, 0, stop);
  if (stop) return true;
  const TPagedLayout layout(*Document(), metrics, scale, logicalDpiY(), PrintTableBackground);
  const int first = std::max(1, fromPage);
  const int last = std::min(toPage, layout.PageCount());
  if (first > last) return true;
  QPainter* painter = target.BeginPrinting();
  if (!painter) return false;
  bool ok = true;
  for (int page = first; page <= last && !stop; ++page) {
    if (OnPageEvent) OnPageEvent(this, page, stop);
    if (stop) break;
    if (page > first && !target.NewSheet()) {
      ok = false;
      break;
    }
    layout.DrawPage(*painter, page - 1);
    DrawHeader(this, target, layout.Geometry(), *painter, page, stop);
  }
  return target.EndPrinting() && ok;
}
