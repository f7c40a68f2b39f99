#include "support/ui/PaneFixture.h"

#include "platform/Cp1251.h"

QByteArray PageBytes(const QString& title, const QString& body) {
  const QString html = QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body);
  return QByteArray::fromStdString(ToCp1251(html));
}

namespace {

QString LongText(const QString& word) {
  QString body;
  for (int i = 0; i < 80; ++i) body += QStringLiteral("<p>%1 %2</p>").arg(word).arg(i);
  return body;
}

}  // namespace

void WritePaneBook(const TBookFixture& book, const QString& title, TTestSkinCommands commands) {
  commands.extraLines << "_html1 vx=20; vy=100; vw=420; vh=500; fn=man\\a.htm; number=1"
                      << "_html1 vx=430; vy=100; vw=780; vh=500; fn=man\\b.htm; number=2"
                      << "_html2 vx=40; vy=100; vw=700; vh=500; fn=man\\c.htm; number=3"
                      << "_path1 vx=500; vy=520; vw=780; vh=540; pathdef=c:\\; hint=Папка"
                      << "_text1 vx=20; vy=550; vw=0; font=DejaVu Sans; size=10; style=; color=0,0,0; "
                         "value=; ident=title; number=1";
  WriteTestSkin(book, title, commands);
  book.File("man/a.htm", PageBytes("Страница А", LongText("Первая")));
  book.File("man/a2.htm", PageBytes("Страница А2", "<p>Вторая</p>"));
  book.File("man/b.htm", PageBytes("Страница Б", "<p>Бэ</p><a href=\"c.htm\">к це</a>"));
  book.File("man/c.htm", PageBytes("Страница Ц", "<p>Цэ</p>"));
  book.File("man/d.htm", PageBytes("Страница Д", LongText("Дэ")));
  book.File("man/e.htm", PageBytes("Страница Е", LongText("Е")));
  book.Picture("man/p.bmp", {100, 80}, Qt::blue);
  book.File("man/pics.htm", PageBytes("Картинки",
                                      "<img src=\"p.bmp\" width=\"100\" height=\"80\" title=\"Карбюратор\">"
                                      "<p><select name=\"serials\"><option>111-111</option>"
                                      "<option selected>222-222</option></select></p>"));
  book.File("man/breaks.htm", PageBytes("Переводы", "<br><br>ЖЖЖ<br>ИИИ<br><br>"));
}
