#include "platform/ui/SkinScale.h"

#include "platform/Globals.h"
#include "platform/ui/ScreenFactor.h"

#include <QApplication>
#include <QByteArray>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace SkinScale {

namespace {
double applied = 1;  // the factor the process was started with
}

void Apply(double factor) {
  applied = factor;
  Global.InterfaceScale = factor;
  if (factor == 1)
    qunsetenv("QT_SCALE_FACTOR");
  else
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

void Change(double factor) {
  if (factor == Global.InterfaceScale) return;
  Global.InterfaceScale = factor;
  ScreenFactor::SetForAllScreens(factor / applied);
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowHandle()) window->windowHandle()->resize(window->size());
}

QPoint ToLogical(QPoint device) {
  return QPoint(static_cast<int>(std::floor(device.x() / Global.InterfaceScale)),
                static_cast<int>(std::floor(device.y() / Global.InterfaceScale)));
}

QPoint ToDevice(QPoint logical) {
  return QPoint(static_cast<int>(std::lround(logical.x() * Global.InterfaceScale)),
                static_cast<int>(std::lround(logical.y() * Global.InterfaceScale)));
}

QImage ForScreen(const QImage& picture) {
  const double factor = Global.InterfaceScale;
  if (factor == 1 || picture.isNull()) return picture;
  QImage scaled = picture.scaled(static_cast<int>(std::lround(picture.width() * factor)),
                                 static_cast<int>(std::lround(picture.height() * factor)), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(factor);
  return scaled;
}

}  // namespace SkinScale

const QImage& TScreenPictures::operator()(const QImage& picture) {
  if (Global.InterfaceScale == 1) return picture;
  if (factor_ != Global.InterfaceScale) {
    pictures_.clear();
    factor_ = Global.InterfaceScale;
  }
  auto found = pictures_.find(picture.cacheKey());
  if (found == pictures_.end()) found = pictures_.emplace(picture.cacheKey(), SkinScale::ForScreen(picture)).first;
  return found->second;
}

const QImage& TScreenPicture::operator()(const QImage& picture) {
  if (Global.InterfaceScale == 1) return picture;
  if (picture.cacheKey() != key_ || factor_ != Global.InterfaceScale) {
    screen_ = SkinScale::ForScreen(picture);
    key_ = picture.cacheKey();
    factor_ = Global.InterfaceScale;
  }
  return screen_;
}
