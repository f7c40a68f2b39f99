#include "DialogPages.h"

#include "Canvas.h"
#include "Captions.h"
#include "ElementFaces.h"
#include "ScreenChrome.h"
#include "platform/Cp1251.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace {

const QColor kAmber(232, 163, 58);
const QColor kLight(236, 240, 246);
const QColor kInk(30, 52, 80);
constexpr int kStripHeight = 30;

// The search page: the field, the button beside it, the progress bar the reader draws at
// (33, 75) from "status_up.bmp" and "status_dn.bmp", the three modes, and the results below
// the 115 pixels the page keeps without results.
const QRect kFieldPanel(18, 38, 274, 24);
const QRect kBar(33, 75, 334, 8);
const QRect kResults(9, 123, 382, 120);

struct DialogButton {
  QString picture;
  QRect rect;
  QString caption;  // drawn into the pictures: dialog buttons have no caption keys
  QString align;
  QString command;
  QString hint;
  FaceStyle face = FaceStyle::ToolButton;
};

struct DialogSwitch {
  QString picture;
  QRect rect;
  QString caption;
  QString command;
  QString hint;
  bool state = false;
};

struct DialogPage {
  QSize size;
  QString title;
  QString notice;  // fixed text of the notices
  QRect textArea;  // where the reader draws the message; empty on pages without one
  std::vector<DialogButton> buttons;
  std::vector<DialogSwitch> switches;
};

SkinElement AsElement(const DialogButton& b) {
  SkinElement e;
  e.kind = ElementKind::Button;
  e.face = b.face;
  e.picture = b.picture;
  e.rect = b.rect;
  e.captionUp = b.caption;
  e.fontPoints = 10;
  e.colors = {kLight, QColor(255, 212, 120), QColor(205, 215, 228), QColor(205, 215, 228)};
  return e;
}

SkinElement AsElement(const DialogSwitch& s) {
  SkinElement e;
  e.kind = ElementKind::Grouped;
  e.face = FaceStyle::ToggleLed;
  e.picture = s.picture;
  e.rect = s.rect;
  e.captionUp = e.captionDn = s.caption;
  e.fontPoints = 9;
  e.colors = {kLight, QColor(255, 212, 120), QColor(255, 212, 120), QColor(190, 240, 190)};
  return e;
}

std::vector<DialogPage> Pages() {
  const QString ok = QStringLiteral("Закрыть окно");
  DialogPage message{QSize(360, 150), QStringLiteral("Сообщение"), {}, QRect(28, 54, 304, 36), {}, {}};
  message.buttons.push_back({"dlg_ok", QRect(132, 104, 96, 32), "OK", "middle", "yes", ok});

  DialogPage search{QSize(400, 250), QStringLiteral("Поиск по книге"), {}, {}, {}, {}};
  search.buttons.push_back(
      {"dlg_find", QRect(298, 34, 92, 32), QStringLiteral("Найти"), "left", "findnext1", QStringLiteral("Искать")});
  search.buttons.push_back({"dlg_close", QRect(368, 5, 26, 22), {}, "left", "no", ok, FaceStyle::WindowClose});
  search.switches = {
      {"dlg_all", QRect(16, 86, 122, 26), QStringLiteral("Вся книга"), "findtxtall",
       QStringLiteral("По указателю всей книги"), true},
      {"dlg_page", QRect(140, 86, 122, 26), QStringLiteral("Страница"), "findtxtlimit",
       QStringLiteral("В открытой странице"), false},
      {"dlg_toc", QRect(264, 86, 122, 26), QStringLiteral("Оглавление"), "findtxtcontents",
       QStringLiteral("В заголовках оглавления"), false},
  };

  DialogPage noPrinter{
      QSize(360, 140), QStringLiteral("Печать"), QStringLiteral("Не найдено установленных принтеров!"), {}, {}, {}};
  noPrinter.buttons.push_back({"dlg_ok", QRect(132, 96, 96, 32), "OK", "middle", "yes", ok});
  DialogPage unavailable = noPrinter;
  unavailable.notice = QStringLiteral("Принтер, установленный по умолчанию, сейчас не доступен!");
  return {message, search, noPrinter, unavailable};
}

QImage DrawPage(const DialogPage& page) {
  QImage img = NewCanvas(page.size, QColor(10, 14, 20));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPlate(p, QRectF(1, 1, page.size.width() - 2, page.size.height() - 2), 8);
  p.fillRect(QRectF(2, kStripHeight, page.size.width() - 4, 2), kAmber);
  DrawEmblem(p, QPointF(18, kStripHeight / 2.0), 8, kAmber);
  p.setFont(PixelFont(CaptionFontFamily(), 13, true));
  p.setPen(kLight);
  p.drawText(QRectF(34, 0, page.size.width() - 40, kStripHeight), Qt::AlignVCenter | Qt::AlignLeft, page.title);
  if (!page.textArea.isEmpty()) DrawInsetPanel(p, QRectF(page.textArea).adjusted(-8, -6, 8, 6), 6, kInk);
  if (!page.notice.isEmpty()) {
    const QRectF panel(16, 40, page.size.width() - 32, 46);
    DrawInsetPanel(p, panel, 6, kInk);
    p.setFont(PixelFont(CaptionFontFamily(), 12, true));
    p.setPen(kLight);
    p.drawText(panel.adjusted(8, 2, -8, -2), Qt::AlignCenter | Qt::TextWordWrap, page.notice);
  }
  if (!page.switches.empty()) {
    DrawInsetPanel(p, kFieldPanel, 4, QColor(250, 250, 248));
    DrawInsetPanel(p, kBar.adjusted(-2, -2, 2, 2), 3, QColor(16, 22, 30));
    DrawInsetPanel(p, kResults, 6, QColor(250, 250, 248));
  }
  return img;
}

void Save(const QImage& image, const QDir& out, const QString& name) { SaveBmp(image, out.filePath(name)); }

QString Color(const QColor& c) { return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()); }

// Keys in the reader's order, one element a block; hints stand on their own lines so that no
// word in them is taken for a key.
QStringList ButtonLines(int page, const DialogButton& b) {
  return {QStringLiteral("_button %1").arg(page),
          QStringLiteral("vx=%1; vy=%2; align=%3").arg(b.rect.left()).arg(b.rect.top()).arg(b.align),
          QStringLiteral("fn1=%1_up.bmp; fn2=%1_mv.bmp; fn3=%1_dn.bmp").arg(b.picture),
          "go=" + b.command,
          "hint=" + b.hint,
          "wav=click.wav",
          QString()};
}

// Caption keys go before vx: the reader takes them from lines where a main key is missing.
QStringList SwitchLines(int page, const DialogSwitch& s) {
  const SkinElement e = AsElement(s);
  const QRect box = CaptionBox(e, s.caption);
  return {QStringLiteral("switchgrp %1").arg(page),
          QStringLiteral("textcaptionup=%1; textcaptiondn=%1").arg(s.caption),
          QStringLiteral("texttx=%1; textty=%2; textbx=%3; textby=%4")
              .arg(box.left())
              .arg(box.top())
              .arg(box.right() + 1)
              .arg(box.bottom() + 1),
          QStringLiteral("textfontname=%1; textfontsize=%2").arg(CaptionFontFamily()).arg(e.fontPoints),
          "textfontstyleup=bold; textfontstylemvup=bold; textfontstylemvdn=bold; textfontstyledn=bold",
          QStringLiteral("textfontcolorup=%1; textfontcolormvup=%2; textfontcolormvdn=%3; textfontcolordn=%4")
              .arg(Color(e.colors[0]), Color(e.colors[1]), Color(e.colors[2]), Color(e.colors[3])),
          QStringLiteral("vx=%1; vy=%2").arg(s.rect.left()).arg(s.rect.top()),
          QStringLiteral("fn1=%1_up.bmp; fn2=%1_mvup.bmp; fn3=%1_mvdn.bmp; fn4=%1_dn.bmp").arg(s.picture),
          QStringLiteral("state=%1; store=on; group=1").arg(s.state ? "on" : "off"),
          "go=" + s.command,
          "hint=" + s.hint,
          "wav=toggle.wav",
          QString()};
}

QStringList TextLines(int page, const QRect& area) {
  return {QStringLiteral("_text %1").arg(page),
          QStringLiteral("vx=%1; vy=%2; vw=%3").arg(area.left()).arg(area.top()).arg(area.left() + area.width()),
          QStringLiteral("font=%1; size=10; style=bold; color=%2").arg(CaptionFontFamily(), Color(kLight)),
          "value=", QString()};
}

}  // namespace

QImage WriteDialog(const QDir& out) {
  QStringList lines;
  std::vector<QImage> shown;
  const std::vector<DialogPage> pages = Pages();
  for (size_t i = 0; i < pages.size(); ++i) {
    const DialogPage& page = pages[i];
    const int number = static_cast<int>(i) + 1;
    QImage background = DrawPage(page);
    Save(background, out, QStringLiteral("dlg%1.bmp").arg(number));
    lines << QStringLiteral("%1_picture=dlg%1.bmp").arg(number) << QString();
    if (!page.textArea.isEmpty()) lines << TextLines(number, page.textArea);
    QImage preview = background.copy();
    QPainter p(&preview);
    for (const DialogButton& b : page.buttons) {
      const SkinElement e = AsElement(b);
      const QImage under = background.copy(b.rect);
      const QStringList looks = LooksOf(e.kind);
      for (int look = 0; look < looks.size(); ++look) {
        QImage face = DrawFace(e, looks[look], under);
        if (!b.caption.isEmpty()) DrawCaptionLikeReader(face, e, b.caption, e.colors[look]);
        Save(face, out, PictureFile(e, looks[look]));
        if (look == 0) p.drawImage(b.rect.topLeft(), face);
      }
      lines << ButtonLines(number, b);
    }
    for (const DialogSwitch& s : page.switches) {
      const SkinElement e = AsElement(s);
      const QImage under = background.copy(s.rect);
      for (const QString& look : LooksOf(e.kind)) Save(DrawFace(e, look, under), out, PictureFile(e, look));
      QImage rest = DrawFace(e, s.state ? "dn" : "up", under);
      DrawCaptionLikeReader(rest, e, s.caption, s.state ? e.colors[3] : e.colors[0]);
      p.drawImage(s.rect.topLeft(), rest);
      lines << SwitchLines(number, s);
    }
    shown.push_back(preview);
  }
  while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  std::string text;
  for (const QString& line : lines) text += ToCp1251(line) + "\r\n";
  QFile file(out.filePath("Dialog.txt"));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    throw std::runtime_error("cannot write Dialog.txt");

  // The progress bar: an empty groove, and the same groove filled with amber.
  QImage empty = NewCanvas(kBar.size(), QColor(16, 22, 30));
  QImage full = NewCanvas(kBar.size(), QColor(16, 22, 30));
  {
    QPainter p(&full);
    QLinearGradient amber(0, 0, 0, kBar.height());
    amber.setColorAt(0, QColor(255, 212, 120));
    amber.setColorAt(1, kAmber);
    p.fillRect(QRect(QPoint(0, 1), QSize(kBar.width(), kBar.height() - 2)), amber);
  }
  Save(empty, out, "status_up.bmp");
  Save(full, out, "status_dn.bmp");

  int width = 0, height = 0;
  for (const QImage& page : shown) {
    width += page.width() + 10;
    height = std::max(height, page.height());
  }
  QImage sheet = NewCanvas(QSize(width, height), QColor(90, 96, 104));
  QPainter p(&sheet);
  int x = 0;
  for (const QImage& page : shown) {
    p.drawImage(x, 0, page);
    x += page.width() + 10;
  }
  return sheet;
}
