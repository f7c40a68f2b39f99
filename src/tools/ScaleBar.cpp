#include "tools/ScaleBar.h"

#include "app/Log.h"
#include "app/ui/PackPicture.h"
#include "platform/Globals.h"

#include <QPainter>
#include <QWidget>

namespace {

QImage LoadPicture(const std::string& name) {
  const QImage image = LoadPackPicture(Global.ProgramFolder + name);
  if (image.isNull()) qCWarning(lcErrors) << "scale bar picture" << name.c_str() << "cannot be read";
  return image;
}

}  // namespace

TScaleBar::TScaleBar() { PrepareBar(); }

void TScaleBar::SetDialog(QImage* background, QWidget* window) {
  dialogBackground_ = background;
  dialogWindow_ = window;
}

void TScaleBar::PrepareBar() {
  if (Global.CurrentScreen == Screen) {
    emptyBar_ = LoadPicture(EmptyBarName);
    fullBar_ = LoadPicture(FullBarName);
    right_ = X + emptyBar_.width();
    bottom_ = Y + emptyBar_.height();
    if (DialogExists()) {
      DrawOnDialog(emptyBar_, emptyBar_.rect(), QPoint(X, Y));
      ResetBar();
    }
  } else if (Global.CurrentScreen == lastScreen_) {
    emptyBar_ = QImage();
    fullBar_ = QImage();
  }
  lastScreen_ = Global.CurrentScreen;
}

void TScaleBar::ResetBar() {
  fill_ = X;
  if (Global.CurrentScreen == Screen && !emptyBar_.isNull()) DrawOnDialog(emptyBar_, emptyBar_.rect(), QPoint(X, Y));
}

void TScaleBar::StepBar() {
  const int column = fill_ - X;
  // Past the picture's last column there is nothing left to copy.
  if (Global.CurrentScreen == Screen && column >= 0 && column < fullBar_.width())
    DrawOnDialog(fullBar_, QRect(column, 0, 1, fullBar_.height()), QPoint(fill_, Y));
  ++fill_;
}

void TScaleBar::DrawOnDialog(const QImage& picture, const QRect& source, QPoint at) {
  if (!DialogExists() || picture.isNull()) return;
  {
    QPainter painter(dialogBackground_);
    painter.drawImage(at, picture, source);
  }
  if (dialogWindow_) dialogWindow_->update(QRect(at, source.size()));
}
