#pragma once
// A child control showing an animated picture (GIF), its frames played in a loop while
// animating. Transparent pixels show the parent beneath.

#include <QBuffer>
#include <QMovie>
#include <QWidget>
#include <memory>

class TMemoryStream;

class TAnimatedPicture : public QWidget {
  Q_OBJECT
 public:
  explicit TAnimatedPicture(QWidget* parent);
  // False when the bytes are no picture; the control then shows nothing.
  bool LoadFromStream(const TMemoryStream& stream);
  void SetAnimate(bool on);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QByteArray bytes_;
  QBuffer buffer_;
  std::unique_ptr<QMovie> movie_;
  bool animate_ = false;
};
