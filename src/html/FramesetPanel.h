#pragma once
// Lays out the parts of one frameset: rows and columns sized from the frameset's attributes,
// filled with its frames and nested framesets in row-major order.

#include <QWidget>
#include <string>
#include <vector>

class TFramesetPanel : public QWidget {
  Q_OBJECT

 public:
  TFramesetPanel(const std::string& rows, const std::string& cols, int gap, QWidget* parent);
  // The parts in order; parts beyond rows x columns are hidden.
  void AddPart(QWidget* part);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  std::string rows_, cols_;
  int gap_;
  std::vector<QWidget*> parts_;
};
