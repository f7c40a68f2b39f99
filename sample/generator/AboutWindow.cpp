#include "AboutWindow.h"

#include "Canvas.h"
#include "Captions.h"
#include "ElementFaces.h"
#include "ScreenChrome.h"
#include "SkinLayout.h"
#include "platform/Cp1251.h"

#include <QFile>
#include <QPainter>
#include <QPolygon>
#include <stdexcept>

namespace {

const QSize kSize(440, 270);
constexpr int kCut = 18;
const QColor kAmber(232, 163, 58);
const QColor kLight(236, 240, 246);
const QColor kPale(150, 166, 186);
const QRect kClose(324, 222, 96, 30);

QPolygon Shape() {
  const int w = kSize.width(), h = kSize.height();
  return QPolygon({QPoint(kCut, 0), QPoint(w - kCut, 0), QPoint(w, kCut), QPoint(w, h - kCut), QPoint(w - kCut, h),
                   QPoint(kCut, h), QPoint(0, h - kCut), QPoint(0, kCut)});
}

QImage DrawBackground() {
  QImage img = NewCanvas(kSize, QColor(10, 14, 20));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath body;
  body.addPolygon(QPolygonF(Shape()));
  body.closeSubpath();
  p.setClipPath(body);
  DrawPlate(p, QRectF(0, 0, kSize.width(), kSize.height()), 0);
  p.fillRect(QRectF(kCut, 58, kSize.width() - 2 * kCut, 2), kAmber);
  DrawEmblem(p, QPointF(44, 32), 18, kAmber);
  DrawInsetPanel(p, QRectF(20, 150, 400, 62), 6, QColor(20, 30, 44));
  return img;
}

QString Color(const QColor& c) { return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()); }

// One element a block, its keys in the reader's order; no value holds a key word.
QStringList TextLines(QPoint at, int size, bool bold, const QColor& color, const QString& value, bool link) {
  return {QStringLiteral("text vx=%1; vy=%2").arg(at.x()).arg(at.y()),
          QStringLiteral("font=%1; size=%2; style=%3; color=%4")
              .arg(CaptionFontFamily())
              .arg(size)
              .arg(link   ? "underline"
                   : bold ? "bold"
                          : "normal",
                   Color(color)),
          "value=" + value, link ? "idenf=url" : "idenf=none", QString()};
}

}  // namespace

QImage WriteAboutWindow(const QDir& out) {
  const QImage background = DrawBackground();
  SaveBmp(background, out.filePath("about.bmp"));

  SkinElement close;
  close.kind = ElementKind::Button;
  close.face = FaceStyle::ToolButton;
  close.picture = "about_close";
  close.rect = kClose;
  close.fontPoints = 10;
  close.colors = {kLight, QColor(255, 212, 120), kLight, kLight};
  const QString caption = QStringLiteral("Закрыть");
  QImage shown = background.copy();
  const QStringList looks = {"up", "mv"};
  for (int i = 0; i < looks.size(); ++i) {
    QImage face = DrawFace(close, looks[i], background.copy(kClose));
    DrawCaptionLikeReader(face, close, caption, close.colors[i]);
    SaveBmp(face, out.filePath(PictureFile(close, looks[i])));
    if (i == 0) QPainter(&shown).drawImage(kClose.topLeft(), face);
  }

  QStringList vertices;
  for (const QPoint& pt : Shape()) vertices << QStringLiteral("%1,%2").arg(pt.x()).arg(pt.y());
  QStringList lines = {"picture=about.bmp", "vertex=[" + vertices.join(';') + "]", QString()};
  lines << TextLines({76, 14}, 12, true, kLight, QStringLiteral("Ремонт и эксплуатация автомобиля"), false);
  lines << TextLines({76, 36}, 9, false, kPale, QStringLiteral("Электронная книга  •  версия 2.0"), false);
  lines << TextLines({24, 76}, 10, false, kLight, QStringLiteral("Пример книги для программы чтения:"), false);
  lines << TextLines({24, 96}, 10, false, kLight, QStringLiteral("страницы, оглавление, поиск, ролики и музыка."),
                     false);
  lines << TextLines({24, 122}, 9, false, kPale, QStringLiteral("© Авторы примера, 2026"), false);
  lines << TextLines({36, 160}, 11, false, kAmber, QString::fromLatin1(kAboutWebLink), true);
  lines << TextLines({36, 184}, 11, false, kAmber, QString::fromLatin1(kAboutMailLink), true);
  lines << QStringLiteral("button vx=%1; vy=%2").arg(kClose.left()).arg(kClose.top())
        << QStringLiteral("fn1=%1; fn2=%2").arg(PictureFile(close, "up"), PictureFile(close, "mv"))
        << QStringLiteral("hint=Закрыть окно") << "wav=click.wav";

  std::string text;
  for (const QString& line : lines) text += ToCp1251(line) + "\r\n";
  QFile file(out.filePath("About.txt"));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    throw std::runtime_error("cannot write About.txt");
  return shown;
}
