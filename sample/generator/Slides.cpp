#include "Slides.h"

#include "Canvas.h"
#include "CarDrawing.h"
#include "PartDrawings.h"

#include <QPainter>
#include <stdexcept>

namespace {

const QColor kGround(250, 249, 245);
const QColor kInk(30, 42, 56);
constexpr int kCaptionHeight = 16;

// The drawing fitted above a caption strip.
QImage Slide(const QImage& drawing, const QString& caption, QSize size) {
  QImage img = NewCanvas(size, kGround);
  QPainter p(&img);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize room(size.width() - 4, size.height() - kCaptionHeight - 2);
  const QImage fitted = drawing.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  p.drawImage((size.width() - fitted.width()) / 2, 2 + (room.height() - fitted.height()) / 2, fitted);
  p.setPen(kInk);
  p.setFont(PixelFont("DejaVu Sans", 10, true));
  p.drawText(QRect(0, size.height() - kCaptionHeight, size.width(), kCaptionHeight), Qt::AlignCenter, caption);
  return img;
}

}  // namespace

std::vector<QImage> WriteSlides(const SkinImage& image, const QDir& disk) {
  const QString folder = QString(image.folder).replace('\\', '/');
  if (!disk.mkpath(folder)) throw std::runtime_error("cannot create " + disk.filePath(folder).toStdString());
  const QDir out(disk.filePath(folder));
  const QSize size = image.box.size();
  const QSize large(size.width() * 3, size.height() * 3);
  struct Picture {
    QString file;
    QImage drawing;
    QString caption;
  };
  const Picture pictures[] = {
      {"1_disc.bmp", DrawBrakeDisc(large.height()), QStringLiteral("Тормозной диск")},
      {"2_plug.bmp", DrawSparkPlug(QSize(large.height() / 2, large.height())), QStringLiteral("Свеча")},
      {"3_battery.bmp", DrawBattery(large), QStringLiteral("Аккумулятор")},
      {"4_filter.jpg", DrawOilFilter(QSize(large.height() * 2 / 3, large.height())), QStringLiteral("Фильтр")},
      {"5_car.jpeg", DrawCarPicture(large), QStringLiteral("Автомобиль")},
  };
  std::vector<QImage> slides;
  for (const Picture& picture : pictures) {
    const QImage slide = Slide(picture.drawing, picture.caption, size);
    const QString name = out.filePath(picture.file);
    if (picture.file.endsWith(".bmp"))
      SaveBmp(slide, name);
    else if (!slide.save(name, "JPEG", 90))
      throw std::runtime_error("cannot write " + name.toStdString());
    slides.push_back(slide);
  }
  return slides;
}
