// Links of a viewer: their colours, the mouse over them and clicks on them, text links and
// the areas of image maps alike.

#include "html/HTMLViewer.h"
#include "html/HTMLViewerPage.h"
#include "html/ImageMaps.h"
#include "html/InlineObjects.h"
#include "html/PagePreparser.h"
#include "platform/ui/ColorConversion.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolTip>

// Gives every link the colour it should have now (under the mouse, visited, or its own) and
// its underline.
void THTMLViewer::ColourLinks() {
  QTextDocument* document = browser_->document();
  for (Page::Link& link : page_->links) {
    QBrush brush = link.own;
    if (link.href == hoverHref_)
      brush = ToQColor(defOverLinkColor_);
    else if (visited_ && !link.visitedKey.empty() && visited_->count(link.visitedKey))
      brush = ToQColor(defVisitedColor_);
    const bool underlined = link.underlined && !noLinkUnderline_;
    if (brush == link.shown && underlined == link.shownUnderlined) continue;
    QTextCursor cursor(document);
    cursor.setPosition(link.start);
    cursor.setPosition(link.end, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setForeground(brush);
    format.setFontUnderline(underlined);
    cursor.mergeCharFormat(format);
    link.shown = brush;
    link.shownUnderlined = underlined;
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

bool THTMLViewer::AreaAt(QPoint viewportPoint, QString& href, QString& title) const {
  const QPointF point = ToDocument(viewportPoint);
  const auto place = ObjectAt(browser_->document(), point);
  int index = -1;
  QString source;
  if (!place || !DecodeMappedImage(place->format.name(), index, source)) return false;
  const auto& images = page_->preparsed.images;
  if (index < 0 || index >= static_cast<int>(images.size())) return false;
  const TImageMap* map = FindImageMap(page_->preparsed.maps, images[index].usemap);
  const TMapArea* area = map ? MapAreaAt(*map, point - place->rect.topLeft()) : nullptr;
  if (!area) return false;
  title = area->title;
  href = area->href.isEmpty() || area->target.isEmpty() ? area->href : EncodeLinkTarget(area->target, area->href);
  return true;
}

QString THTMLViewer::HotSpotAt(QPoint viewportPoint) const {
  const QString anchor = browser_->anchorAt(viewportPoint);
  if (!anchor.isEmpty()) return anchor;
  QString href, title;
  AreaAt(viewportPoint, href, title);
  return href;
}

// Over an area that leads somewhere the hand shows and the text underneath is not selected.
bool THTMLViewer::MouseMoved(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const QString anchor = browser_->anchorAt(point);
  QString areaHref, title;
  if (anchor.isEmpty()) AreaAt(point, areaHref, title);
  SetHoverLink(anchor.isEmpty() ? areaHref : anchor);
  if (OnMouseMove) OnMouseMove(browser_->viewport()->mapTo(this, point));
  const bool overArea = !areaHref.isEmpty();
  if (overArea && !areaCursor_) {
    savedCursor_ = browser_->viewport()->cursor();
    browser_->viewport()->setCursor(Qt::PointingHandCursor);
  } else if (!overArea && areaCursor_) {
    browser_->viewport()->setCursor(savedCursor_);
  }
  areaCursor_ = overArea;
  return overArea && event->buttons() == Qt::NoButton;
}

void THTMLViewer::MouseReleased(QMouseEvent* event) {
  const QString href = HotSpotAt(event->position().toPoint());
  const bool click = event->button() == Qt::LeftButton && !href.isEmpty() && href == pressHref_ &&
                     !browser_->textCursor().hasSelection();
  pressHref_.clear();
  if (!click) return;
  QString target, url;
  DecodeLinkTarget(href, target, url);
  bool handled = false;
  if (OnLinkClick) OnLinkClick(this, target, url, handled);
  if (!handled && url.startsWith('#')) ScrollToAnchor(url.mid(1));
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
      if (onViewport && MouseMoved(static_cast<QMouseEvent*>(event))) return true;
      break;
    case QEvent::Leave:
      if (onViewport) SetHoverLink(QString());
      break;
    case QEvent::ToolTip:
      if (onViewport) {
        // An area's title; other tips (pictures' titles) are the text browser's.
        auto* help = static_cast<QHelpEvent*>(event);
        QString href, title;
        if (browser_->anchorAt(help->pos()).isEmpty() && AreaAt(help->pos(), href, title)) {
          if (title.isEmpty())
            QToolTip::hideText();
          else
            QToolTip::showText(help->globalPos(), title, browser_->viewport());
          return true;
        }
      }
      break;
    case QEvent::MouseButtonPress:
      if (onViewport) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        pressHref_ = HotSpotAt(mouse->position().toPoint());
        if (OnActivated) OnActivated(this);
        if (OnMouseDown) OnMouseDown(mouse->buttons(), browser_->viewport()->mapTo(this, mouse->position().toPoint()));
      }
      break;
    case QEvent::MouseButtonRelease:
      if (onViewport) MouseReleased(static_cast<QMouseEvent*>(event));
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}
