// Links of a viewer: their colours, the mouse over them and clicks on them.

#include "platform/ui/ColorConversion.h"
#include "html/HTMLViewer.h"
#include "html/HTMLViewerPage.h"
#include "html/PagePreparser.h"
#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

// Gives every link the colour it should have now: under the mouse, visited, or its own.
void THTMLViewer::ColourLinks() {
  QTextDocument* document = browser_->document();
  struct Span {
    int start, end;
    QBrush brush;
  };
  std::vector<Span> spans;
  for (auto block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      const QString href = format.anchorHref();
      if (!format.isAnchor() || href.isEmpty()) continue;
      QBrush brush = page_->linkBrushes.count(href) ? page_->linkBrushes[href] : format.foreground();
      QString target, url;
      DecodeLinkTarget(href, target, url);
      if (href == hoverHref_) {
        brush = ToQColor(defOverLinkColor_);
      } else if (visited_ && !url.startsWith('#')) {
        if (visited_->count(VisitedKey(HTMLExpandFilename(url)))) brush = ToQColor(defVisitedColor_);
      }
      if (format.foreground() != brush) spans.push_back({fragment.position(), fragment.position() + fragment.length(), brush});
    }
  for (const Span& span : spans) {
    QTextCursor cursor(document);
    cursor.setPosition(span.start);
    cursor.setPosition(span.end, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(span.brush);
    cursor.mergeCharFormat(format);
  }
}

void THTMLViewer::SetHoverLink(const QString& href) {
  if (href == hoverHref_) return;
  hoverHref_ = href;
  ColourLinks();
  QString target, url;
  DecodeLinkTarget(href, target, url);
  if (OnLinkCovered) OnLinkCovered(this, target, url);
}

bool THTMLViewer::eventFilter(QObject* watched, QEvent* event) {
  const bool onViewport = watched == browser_->viewport();
  switch (event->type()) {
    case QEvent::KeyPress:
      if (watched == browser_ && OnKeyDown) OnKeyDown(static_cast<QKeyEvent*>(event));
      break;
    case QEvent::FocusIn:
      if (watched == browser_ && OnActivated) OnActivated(this);
      break;
    case QEvent::Show:
      if (watched == browser_ && !browserShown_) positionBeforeShow_ = Position();
      break;
    case QEvent::MouseMove:
      if (onViewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        SetHoverLink(browser_->anchorAt(mouse->position().toPoint()));
        if (OnMouseMove) OnMouseMove(browser_->viewport()->mapTo(this, mouse->position().toPoint()));
      }
      break;
    case QEvent::Leave:
      if (onViewport) SetHoverLink(QString());
      break;
    case QEvent::MouseButtonPress:
      if (onViewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressHref_ = browser_->anchorAt(mouse->position().toPoint());
        if (OnActivated) OnActivated(this);
        if (OnMouseDown) OnMouseDown(mouse->buttons(), browser_->viewport()->mapTo(this, mouse->position().toPoint()));
      }
      break;
    case QEvent::MouseButtonRelease:
      if (onViewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString href = browser_->anchorAt(mouse->position().toPoint());
        const bool click = mouse->button() == Qt::LeftButton && !href.isEmpty() && href == pressHref_ &&
                           !browser_->textCursor().hasSelection();
        pressHref_.clear();
        if (click) {
          QString target, url;
          DecodeLinkTarget(href, target, url);
          bool handled = false;
          if (OnLinkClick) OnLinkClick(this, target, url, handled);
          if (!handled && url.startsWith('#')) ScrollToAnchor(url.mid(1));
        }
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}
