#pragma once
// A grid of the 16 basic colours, four by four. A click picks a colour; the picked cell is
// framed while the marker is shown.

#include "platform/BookColor.h"

#include <QWidget>
#include <functional>

class TColorGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kColumns = 4;
  static constexpr int kCount = 16;

  explicit TColorGrid(QWidget* parent = nullptr);

  static TColor CellColor(int index);
  int Selection() const { return selection_; }  // -1 before the first pick
  TColor Selected() const { return CellColor(selection_ < 0 ? 0 : selection_); }
  bool MarkerShown() const { return markerShown_; }
  void SetMarkerShown(bool on);
  // The cell's place in the widget.
  QRect CellRect(int index) const;

  // After a click: the picked colour is Selected().
  std::function<void()> OnChange;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int selection_ = -1;
  bool markerShown_ = true;
};
