#include "Thesaurus.h"

#include "BookFolder.h"
#include "Canvas.h"
#include "ScreenChrome.h"
#include "platform/Cp1251.h"

#include <QPainter>

namespace {

struct Term {
  QString word;
  QString anchor;
  QString text;
};

const Term kTerms[] = {
    {QStringLiteral("Аккумулятор"), "akkum",
     QStringLiteral("Источник тока для пуска двигателя и питания приборов при неработающем генераторе.")},
    {QStringLiteral("Генератор"), "generator",
     QStringLiteral("Вырабатывает ток при работающем двигателе и заряжает аккумулятор.")},
    {QStringLiteral("Карбюратор"), "karb",
     QStringLiteral("Готовит горючую смесь из топлива и воздуха в нужной пропорции.")},
    {QStringLiteral("Поршень"), "porshen",
     QStringLiteral("Движется в цилиндре и передаёт давление газов через шатун на коленчатый вал.")},
    {QStringLiteral("Свеча зажигания"), "svecha", QStringLiteral("Поджигает рабочую смесь искрой между электродами.")},
    {QStringLiteral("Тормозной диск"), "disk",
     QStringLiteral("Вращается вместе с колесом; колодки, прижимаясь к нему, останавливают автомобиль.")},
};

const QString kPage = QStringLiteral("tezaurus.htm");

}  // namespace

SkinLayout ThesaurusLayout() {
  SkinLayout s;
  s.screenSize = QSize(520, 440);
  s.title = QStringLiteral("Тезаурус");
  s.backgrounds = {"tez_bg.bmp"};
  const int w = s.screenSize.width(), h = s.screenSize.height(), cut = 16;
  s.windowShape = QPolygon({QPoint(cut, 0), QPoint(w - cut, 0), QPoint(w, cut), QPoint(w, h - cut), QPoint(w - cut, h),
                            QPoint(cut, h), QPoint(0, h - cut), QPoint(0, cut)});
  s.minimize.face = FaceStyle::WindowMinimize;
  s.minimize.picture = "tez_min";
  s.minimize.rect = QRect(w - 86, 10, 30, 24);
  s.minimize.hint = QStringLiteral("Свернуть окно");
  s.close = s.minimize;
  s.close.face = FaceStyle::WindowClose;
  s.close.picture = "tez_exit";
  s.close.rect.moveLeft(w - 52);
  s.close.hint = QStringLiteral("Закрыть тезаурус");

  SkinElement find;
  find.face = FaceStyle::ToolButton;
  find.screen = 0;
  find.picture = "tez_find";
  find.rect = QRect(392, 52, 96, 30);
  find.captionUp = QStringLiteral("Найти");
  find.colors = {QColor(242, 244, 248), QColor(255, 212, 120), QColor(205, 215, 228), QColor(205, 215, 228)};
  find.command = "findnext1";
  find.hint = QStringLiteral("Найти статью о термине");
  find.sound = QStringLiteral("click.wav");
  s.elements.push_back(find);

  SkinFindTxt field;
  field.screen = 0;
  field.box = QRect(136, 58, 240, 18);
  field.number = 1;
  field.hint = QStringLiteral("Термин, Enter ищет его статью");
  s.findFields.push_back(field);

  SkinHtml pane;
  pane.screen = 0;
  pane.box = QRect(20, 96, 480, 300);
  pane.start = QString(kPageFolder) + '\\' + kPage;
  pane.number = 1;
  s.htmls.push_back(pane);

  SkinText status;
  status.screen = 0;
  status.area = QRect(28, 408, 460, 18);
  status.family = CaptionFontFamily();
  status.points = 8;
  status.color = QColor(240, 180, 80);
  status.value = QStringLiteral("Введите термин");
  status.ident = "statusline";
  status.number = 2;
  s.texts.push_back(status);
  return s;
}

QImage DrawThesaurusScreen(const SkinLayout& layout) {
  QImage img = DrawWindowBody(layout.screenSize, layout.windowShape, layout.title);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  for (const SkinFindTxt& field : layout.findFields) {
    const QRectF box = QRectF(field.box).adjusted(-3, -3, 3, 3);
    DrawInsetPanel(p, box, 2, Qt::white);
    p.setFont(PixelFont(CaptionFontFamily(), 12));
    p.setPen(QColor(150, 166, 186));
    p.drawText(QRectF(20, box.top(), box.left() - 28, box.height()), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Термин:"));
  }
  for (const SkinHtml& pane : layout.htmls)
    DrawInsetPanel(p, QRectF(pane.box).adjusted(-3, -3, 3, 3), 4, QColor(250, 249, 245));
  DrawInsetPanel(p, QRectF(18, 404, 484, 26), 4, QColor(16, 22, 30));
  return img;
}

BookFile ThesaurusPage() {
  QString body = QStringLiteral(
      "<h1>Тезаурус</h1><p>Краткие статьи о терминах книги. Наберите термин в "
      "поле вверху окна и нажмите Enter.</p>");
  for (const Term& term : kTerms)
    body += QStringLiteral("<a name=\"%1\"></a><h3>~ %2</h3><p>%3</p>").arg(term.anchor, term.word, term.text);
  return {kPage, HtmlPage(QStringLiteral("Тезаурус"), body)};
}

std::string ThesaurusIndex() {
  std::string text;
  for (const Term& term : kTerms)
    text += ToCp1251(term.word + '~' + kPageFolder + '\\' + kPage + (&term == kTerms ? QString() : '#' + term.anchor)) +
            "\r\n";
  return text;
}
