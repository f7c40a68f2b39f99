#include "html/FramesetPanel.h"

#include "html/FramesetLayout.h"

#include <algorithm>

TFramesetPanel::TFramesetPanel(const std::string& rows, const std::string& cols, int gap, QWidget* parent)
    : QWidget(parent), rows_(rows), cols_(cols), gap_(gap) {}

void TFramesetPanel::AddPart(QWidget* part) {
  part->setParent(this);
  parts_.push_back(part);
  Arrange();
}

void TFramesetPanel::resizeEvent(QResizeEvent*) { Arrange(); }

void TFramesetPanel::Arrange() {
  const std::vector<int> heights = FramesetSizes(rows_, height());
  const std::vector<int> widths = FramesetSizes(cols_, width());
  size_t index = 0;
  int y = 0;
  for (int h : heights) {
    int x = 0;
    for (int w : widths) {
      if (index < parts_.size()) {
        const bool lastCol = x + w >= width(), lastRow = y + h >= height();
        parts_[index]->setGeometry(x, y, std::max(0, w - (lastCol ? 0 : gap_)), std::max(0, h - (lastRow ? 0 : gap_)));
        parts_[index]->show();
      }
      ++index;
      x += w;
    }
    y += h;
  }
  for (; index < parts_.size(); ++index) parts_[index]->hide();
}
