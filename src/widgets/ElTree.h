#pragma once
// A tree of captions over Qt's item view: items are added as last children, so the flat tree
// order is the order of adding. One item at most is selected. The program's own selections
// are reported like the reader's, before the call returns; only the reader's are followed by
// OnAfterSelectionChange.

#include <QColor>
#include <QTreeWidget>
#include <functional>
#include <vector>

class QScrollBar;

class TElTreeItem : public QTreeWidgetItem {
 public:
  QString Caption() const { return text(0); }
  TElTreeItem* Parent() const { return static_cast<TElTreeItem*>(parent()); }
  int Level() const;
  // The position in tree order.
  int AbsoluteIndex() const { return absoluteIndex_; }

 private:
  friend class TElTree;
  int absoluteIndex_ = -1;
};

class TElTree : public QTreeWidget {
  Q_OBJECT
 public:
  explicit TElTree(QWidget* parent);
  ~TElTree() override;

  // A new last child of `parent`, or a new last top-level item when it is nullptr.
  TElTreeItem* AddItem(TElTreeItem* parent, const QString& caption);
  int ItemCount() const { return static_cast<int>(order_.size()); }
  // In tree order; nullptr outside it.
  TElTreeItem* Item(int index) const;
  TElTreeItem* GetNext(const TElTreeItem* item) const;
  TElTreeItem* GetPrev(const TElTreeItem* item) const;

  TElTreeItem* Selected() const { return selected_; }
  void SetSelected(TElTreeItem* item);
  // Opens the item's parents and scrolls it into view.
  void EnsureVisible(TElTreeItem* item);
  bool CanFocus() const { return isVisible() && isEnabled(); }

  // Appearance. Multiple selection is not offered; AutoExpand opens an item when it becomes
  // selected; ScrollbarOpposite puts the vertical scroll bar on the left.
  void SetAutoExpand(bool on) { autoExpand_ = on; }
  void SetScrollbarOpposite(bool on);
  void SetBorder(bool on);
  void SetShowLines(bool on);
  void SetShowButtons(bool on);
  void SetFocusedSelectColor(const QColor& color);
  void SetFocusedSelectTextColor(const QColor& color);
  QScrollBar* OppositeScrollBar() const { return leftBar_; }

  std::function<void(TElTreeItem*)> OnItemSelectedChange;  // with the item that became selected
  std::function<void()> OnAfterSelectionChange;
  std::function<void()> OnClick;
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseMove;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

 private:
  void SelectionChanged();
  void PlaceLeftBar();
  void SetSelectionColor(QPalette::ColorRole role, const QColor& color);

  std::vector<TElTreeItem*> order_;
  TElTreeItem* selected_ = nullptr;
  bool bySelf_ = false;  // the program is changing the selection
  bool autoExpand_ = false;
  bool scrollbarOpposite_ = false;
  bool showLines_ = true, showButtons_ = true;
  QScrollBar* leftBar_ = nullptr;
};
