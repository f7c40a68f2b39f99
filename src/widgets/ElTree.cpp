#include "widgets/ElTree.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

int TElTreeItem::Level() const {
  int level = 0;
  for (const QTreeWidgetItem* p = parent(); p; p = p->parent()) ++level;
  return level;
}

TElTree::TElTree(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(1);
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setMouseTracking(true);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &TElTree::SelectionChanged);
}

// The item view clears its items after this part of the object is gone: their selection
// changes must not reach it.
TElTree::~TElTree() { disconnect(this, &QTreeWidget::itemSelectionChanged, this, &TElTree::SelectionChanged); }

TElTreeItem* TElTree::AddItem(TElTreeItem* parent, const QString& caption) {
  auto* item = new TElTreeItem;
  item->setText(0, caption);
  item->setToolTip(0, caption);
  // The new item ends its parent's branch; that is the end of the tree order unless an
  // earlier branch is being added to.
  bool atEnd = !parent || order_.empty();
  if (!atEnd)
    for (const QTreeWidgetItem* p = order_.back(); p && !atEnd; p = p->parent()) atEnd = p == parent;
  if (parent)
    parent->addChild(item);
  else
    addTopLevelItem(item);
  if (atEnd) {
    item->absoluteIndex_ = static_cast<int>(order_.size());
    order_.push_back(item);
    return item;
  }
  order_.clear();
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    auto* each = static_cast<TElTreeItem*>(*it);
    each->absoluteIndex_ = static_cast<int>(order_.size());
    order_.push_back(each);
  }
  return item;
}

TElTreeItem* TElTree::Item(int index) const {
  return index >= 0 && index < ItemCount() ? order_[static_cast<size_t>(index)] : nullptr;
}

TElTreeItem* TElTree::GetNext(const TElTreeItem* item) const {
  return item ? Item(item->AbsoluteIndex() + 1) : nullptr;
}

TElTreeItem* TElTree::GetPrev(const TElTreeItem* item) const {
  return item ? Item(item->AbsoluteIndex() - 1) : nullptr;
}

void TElTree::SetSelected(TElTreeItem* item) {
  if (item == selected_) return;
  bySelf_ = true;
  if (item)
    setCurrentItem(item);
  else
    clearSelection();
  bySelf_ = false;
}

void TElTree::EnsureVisible(TElTreeItem* item) {
  if (!item) return;
  for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
  scrollToItem(item);
}

void TElTree::SelectionChanged() {
  const QList<QTreeWidgetItem*> items = selectedItems();
  auto* now = items.isEmpty() ? nullptr : static_cast<TElTreeItem*>(items.front());
  if (now == selected_) return;
  selected_ = now;
  if (!now) return;
  if (autoExpand_) now->setExpanded(true);
  if (OnItemSelectedChange) OnItemSelectedChange(now);
  if (!bySelf_ && OnAfterSelectionChange) OnAfterSelectionChange();
}

void TElTree::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
  QTreeWidget::mousePressEvent(event);
}

void TElTree::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && OnClick) OnClick();
}

void TElTree::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
  QTreeWidget::mouseMoveEvent(event);
}

void TElTree::SetBorder(bool on) { setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame); }

void TElTree::SetShowLines(bool on) {
  showLines_ = on;
  setRootIsDecorated(showLines_ || showButtons_);
  viewport()->update();
}

void TElTree::SetShowButtons(bool on) {
  showButtons_ = on;
  setRootIsDecorated(showLines_ || showButtons_);
  viewport()->update();
}

// Without lines and buttons the indentation stays as the only mark of the level.
void TElTree::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
  if (showLines_ || showButtons_) QTreeWidget::drawBranches(painter, rect, index);
}

void TElTree::SetSelectionColor(QPalette::ColorRole role, const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Active, role, color);
  p.setColor(QPalette::Inactive, role, color);
  setPalette(p);
}

void TElTree::SetFocusedSelectColor(const QColor& color) { SetSelectionColor(QPalette::Highlight, color); }

void TElTree::SetFocusedSelectTextColor(const QColor& color) { SetSelectionColor(QPalette::HighlightedText, color); }

// Qt keeps the vertical bar on the right; an own bar on the left mirrors it.
void TElTree::SetScrollbarOpposite(bool on) {
  scrollbarOpposite_ = on;
  QScrollBar* own = verticalScrollBar();
  if (on && !leftBar_) {
    leftBar_ = new QScrollBar(Qt::Vertical, this);
    connect(own, &QScrollBar::rangeChanged, this, [this] { PlaceLeftBar(); });
    connect(own, &QScrollBar::valueChanged, leftBar_, &QScrollBar::setValue);
    connect(leftBar_, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
  }
  setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  PlaceLeftBar();
}

void TElTree::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  PlaceLeftBar();
}

void TElTree::PlaceLeftBar() {
  if (!leftBar_) return;
  const QScrollBar* own = verticalScrollBar();
  const bool needed = scrollbarOpposite_ && own->maximum() > own->minimum();
  const int width = needed ? leftBar_->sizeHint().width() : 0;
  if (viewportMargins().left() != width) setViewportMargins(width, 0, 0, 0);
  leftBar_->setVisible(needed);
  if (!needed) return;
  leftBar_->setRange(own->minimum(), own->maximum());
  leftBar_->setPageStep(own->pageStep());
  leftBar_->setSingleStep(own->singleStep());
  leftBar_->setValue(own->value());
  const QRect area = viewport()->geometry();
  leftBar_->setGeometry(area.left() - width, area.top(), width, area.height());
}
