#include "html/PagedLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <QVariant>
#include <algorithm>
#include <set>

namespace {

// A copy loses the pictures the source read: they are lent to it by name.
void LendPictures(const QTextDocument& source, QTextDocument& copy) {
  std::set<QString> names;
  for (QTextBlock block = source.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) names.insert(format.toImageFormat().name());
    }
  for (const QString& name : names) {
    const QVariant picture = source.resource(QTextDocument::ImageResource, QUrl(name));
    if (picture.isValid()) copy.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }
}

void ClearFrameBackgrounds(QTextFrame* frame) {
  QTextFrameFormat format = frame->frameFormat();
  format.clearBackground();
  frame->setFrameFormat(format);
  if (QTextTable* table = qobject_cast<QTextTable*>(frame))
    for (int r = 0; r < table->rows(); ++r)
      for (int c = 0; c < table->columns(); ++c) {
        QTextTableCell cell = table->cellAt(r, c);
        QTextTableCellFormat cellFormat = cell.format().toTableCellFormat();
        if (cellFormat.hasProperty(QTextFormat::BackgroundBrush)) {
          cellFormat.clearBackground();
          cell.setFormat(cellFormat);
        }
      }
  for (QTextFrame* child : frame->childFrames()) ClearFrameBackgrounds(child);
}

// Page, table, cell and paragraph backgrounds are left out.
void ClearBackgrounds(QTextDocument& document) {
  ClearFrameBackgrounds(document.rootFrame());
  QTextCursor cursor(&document);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (!block.blockFormat().hasProperty(QTextFormat::BackgroundBrush)) continue;
    cursor.setPosition(block.position());
    QTextBlockFormat format = block.blockFormat();
    format.clearBackground();
    cursor.setBlockFormat(format);
  }
}

}  // namespace

TPagedLayout::TPagedLayout(const QTextDocument& source, const TPrinterMetrics& metrics, double scale, int screenPpi,
                           bool printBackground)
    : geometry_(PageGeometry(metrics, scale, screenPpi)), document_(source.clone()) {
  LendPictures(source, *document_);
  if (!printBackground) ClearBackgrounds(*document_);
  document_->setUndoRedoEnabled(false);
  // The frame's margin would add to the sheet's own margins.
  QTextFrameFormat root = document_->rootFrame()->frameFormat();
  root.setMargin(0);
  document_->rootFrame()->setFrameFormat(root);
  document_->setPageSize(QSizeF(geometry_.page));
  document_->documentLayout();  // lays out now, once
}

TPagedLayout::~TPagedLayout() = default;

int TPagedLayout::PageCount() const { return std::max(1, document_->pageCount()); }

void TPagedLayout::DrawPage(QPainter& painter, int page) const {
  painter.save();
  painter.translate(geometry_.origin);
  painter.scale(geometry_.factorX, geometry_.factorY);
  const QRectF view(0, page * geometry_.page.height(), geometry_.page.width(), geometry_.page.height());
  painter.setClipRect(QRectF(QPointF(0, 0), view.size()));
  painter.translate(0, -view.top());
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = view;
  context.palette.setColor(QPalette::Text, Qt::black);
  document_->documentLayout()->draw(&painter, context);
  painter.restore();
}
