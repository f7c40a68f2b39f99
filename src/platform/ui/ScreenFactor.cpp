#include "platform/ui/ScreenFactor.h"

#include <QGuiApplication>
#include <QScreen>
// Qt's only way of changing the scale of windows that already show; the one place the program
// uses its private headers, so a change in them stays here.
#include <QtGui/private/qhighdpiscaling_p.h>

namespace ScreenFactor {

void SetForAllScreens(double factor) {
  for (QScreen* screen : QGuiApplication::screens()) QHighDpiScaling::setScreenFactor(screen, factor);
}

}  // namespace ScreenFactor
