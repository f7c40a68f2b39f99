#include "Clips.h"

#include "Canvas.h"
#include "CarDrawing.h"
#include "Piston.h"
#include "Screens.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace {

constexpr int kIntroFrames = 12;
constexpr int kCarFrames = 24;
constexpr int kEngineCycles = 3;
const QSize kIntroSize(320, 200);

}  // namespace

// The car drives in from the left and stops under the book's title, which brightens.
std::vector<QImage> IntroFrames(const SkinLayout& layout) {
  std::vector<QImage> frames;
  for (int i = 0; i < kIntroFrames; ++i) {
    const double t = static_cast<double>(i) / (kIntroFrames - 1);
    QImage img = NewCanvas(kIntroSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kIntroSize.height());
    sky.setColorAt(0, QColor(20, 34, 56));
    sky.setColorAt(1, QColor(6, 10, 18));
    p.fillRect(img.rect(), sky);
    p.fillRect(QRectF(0, 160, kIntroSize.width(), 2), QColor(232, 163, 58));
    const double eased = 1 - (1 - t) * (1 - t);
    DrawCar(p, QRectF(-180 + eased * 245, 96, 190, 64));
    p.setFont(PixelFont("DejaVu Serif", 15, true));
    p.setPen(QColor(248, 250, 252, static_cast<int>(60 + 195 * t)));
    p.drawText(QRectF(0, 20, kIntroSize.width(), 60), Qt::AlignCenter | Qt::TextWordWrap, layout.title);
    p.end();
    frames.push_back(img);
  }
  return frames;
}

std::vector<QImage> TurningCarFrames(const SkinLayout& layout) {
  std::vector<QImage> frames;
  for (int i = 0; i < kCarFrames; ++i)
    frames.push_back(DrawShowroomFrame(layout, 2 * M_PI * i / kCarFrames, k3dViewArea));
  return frames;
}

std::vector<QImage> EngineFrames(QSize size) {
  const std::vector<QImage> cycle = PistonFrames();
  std::vector<QImage> frames;
  for (int n = 0; n < kEngineCycles; ++n)
    for (const QImage& piston : cycle) {
      QImage img = NewCanvas(size, QColor(8, 12, 18));
      QPainter p(&img);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      const QSize fitted = piston.size().scaled(size, Qt::KeepAspectRatio);
      p.drawImage(QRect(QPoint((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2), fitted),
                  piston);
      p.end();
      frames.push_back(img);
    }
  return frames;
}
