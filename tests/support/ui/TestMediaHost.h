#pragma once
// A plain window standing in for the main window as the media players' host: its skin is a
// flat colour, and what the players ask of it is recorded.

#include "media/MediaHost.h"

#include <QImage>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

class TTestMediaHost : public QWidget, public TMediaHost {
 public:
  explicit TTestMediaHost(QColor skin = QColor(30, 120, 30), QSize size = {400, 300});

  QWidget* Window() override { return this; }
  QImage& SkinBackground() override { return background_; }
  void PointerLeftSkin() override { ++pointerLeft; }
  void ShowInElement(int number, const std::string& document) override { shown.emplace_back(number, document); }

  int pointerLeft = 0;
  std::vector<std::pair<int, std::string>> shown;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage background_;
};
