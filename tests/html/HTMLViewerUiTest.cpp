#include "app/ResourcePack.h"
#include "html/HTMLViewer.h"
#include "platform/HostPath.h"
#include "support/PackBuilder.h"
#include "support/ui/HtmlFixture.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolTip>

namespace {

class HTMLViewerTest : public HtmlFixture {
 protected:
  void SetUp() override {
    viewer_.resize(400, 300);
    viewer_.show();
  }
  THTMLViewer viewer_;
};

TEST_F(HTMLViewerTest, FindsCyrillicWithAndWithoutCase) {
  viewer_.LoadFromFile(WriteText(
      "f.htm", QStringLiteral("<meta charset=utf-8><p>Проверка ТОРМОЗОВ.</p><p>Замена тормозной жидкости.</p>")));
  EXPECT_TRUE(viewer_.Find(QStringLiteral("тормоз"), false));
  EXPECT_EQ(viewer_.SelText(), QStringLiteral("ТОРМОЗ"));
  EXPECT_TRUE(viewer_.Find(QStringLiteral("тормоз"), false));
  EXPECT_EQ(viewer_.SelText(), QStringLiteral("тормоз"));
  EXPECT_FALSE(viewer_.Find(QStringLiteral("тормоз"), false));

  viewer_.SetCaretPos(0);
  EXPECT_EQ(viewer_.SelText(), QString());
  EXPECT_TRUE(viewer_.Find(QStringLiteral("тормоз"), true));
  EXPECT_EQ(viewer_.SelText(), QStringLiteral("тормоз"));
  viewer_.SetCaretPos(0);
  EXPECT_FALSE(viewer_.Find(QStringLiteral("ЖИДКОСТИ"), true));
  EXPECT_FALSE(viewer_.Find(QStringLiteral("шина"), false));

  viewer_.SetCaretPos(3);
  viewer_.SetSelStart(0);
  EXPECT_EQ(viewer_.SelText(), QStringLiteral("Про"));
  viewer_.SelectAll();
  EXPECT_TRUE(viewer_.SelText().startsWith(QStringLiteral("Проверка ТОРМОЗОВ.\n")));
}

TEST_F(HTMLViewerTest, DropDownListIsARealComboBox) {
  viewer_.LoadFromFile(WriteText(
      "form.htm",
      QStringLiteral("<meta charset=utf-8><p>Серийный номер:</p><p><select name=\"serial\"><option>AB-1</option>"
                     "<option selected>CD-2</option><option>EF-3</option></select></p><input name=\"who\">")));
  ProcessEvents();
  std::vector<TFormControl> controls = viewer_.FormControlList();
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_EQ(controls[0].name, "serial");
  EXPECT_EQ(controls[0].kind, TFormControlKind::Select);
  EXPECT_EQ(controls[0].items, (QStringList{"AB-1", "CD-2", "EF-3"}));
  EXPECT_EQ(controls[0].selectedIndex, 1);
  EXPECT_EQ(controls[0].SelectedText(), "CD-2");
  EXPECT_EQ(controls[1].kind, TFormControlKind::Input);

  auto* combo = qobject_cast<QComboBox*>(controls[0].widget);
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->isVisible());
  // Below the first paragraph, inside the page.
  const QPoint label = PointOfText(&viewer_, QStringLiteral("Серийный"));
  EXPECT_GT(combo->y(), label.y());
  EXPECT_LT(combo->geometry().bottom(), viewer_.height());
  combo->setCurrentIndex(2);
  EXPECT_EQ(viewer_.FormControlList()[0].SelectedText(), "EF-3");
}

TEST_F(HTMLViewerTest, PagesShowInTheirCharset) {
  const QString word = QStringLiteral("Двигатель");
  viewer_.LoadFromFile(Write("cp.htm", "<html><body><p>\xC4\xE2\xE8\xE3\xE0\xF2\xE5\xEB\xFC</p></body></html>"));
  EXPECT_TRUE(viewer_.Document()->toPlainText().contains(word));
  viewer_.LoadFromFile(WriteText(
      "u8.htm", "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head><body><p>" +
                    word + "</p></body></html>"));
  EXPECT_TRUE(viewer_.Document()->toPlainText().contains(word));
  viewer_.LoadFromFile(Write("k8.htm", "<meta charset=koi8-r><p>\xE4\xD7\xC9\xC7\xC1\xD4\xC5\xCC\xD8</p>"));
  EXPECT_TRUE(viewer_.Document()->toPlainText().contains(word));
  viewer_.LoadFromBuffer("<title>\xD2\xE8\xF2\xF3\xEB</title><p>\xC4\xE2\xE8\xE3\xE0\xF2\xE5\xEB\xFC</p>");
  EXPECT_TRUE(viewer_.Document()->toPlainText().contains(word));
  EXPECT_EQ(viewer_.DocumentTitle(), QStringLiteral("Титул"));
}

TEST_F(HTMLViewerTest, PageAndPictureFromThePack) {
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  picture.save(&png, "PNG");
  const std::string page =
      "<html><body style=\"margin:0\"><p>\xD1\xF5\xE5\xEC\xE0:</p>"
      "<p><img src=\"pics/red.png\" title=\"\xD1\xF5\xE5\xEC\xE0 \xF2\xEE\xF0\xEC\xEE\xE7\xE0\"></p></body></html>";
  PackOpenHostFile(WritePack(dir_, {{"man/p.htm", page}, {"man/pics/red.png", png.data().toStdString()}}));
  PackSetRoot("d:\\");

  viewer_.LoadFromFile("d:\\man\\p.htm");
  ProcessEvents();
  EXPECT_EQ(THTMLViewer::LastPictureSize(), QSize(40, 30));

  TImageObj object;
  const QPoint label = PointOfText(&viewer_, QStringLiteral("Схема:"));
  EXPECT_FALSE(viewer_.PtInObject(label, object));
  bool found = false;
  for (int y = label.y(); y < 150 && !found; y += 2) found = viewer_.PtInObject(QPoint(20, y), object);
  ASSERT_TRUE(found);
  EXPECT_EQ(object.title, QStringLiteral("Схема тормоза"));
  EXPECT_EQ(object.source, "pics/red.png");
  EXPECT_EQ(object.rect.size(), QSize(40, 30));
  const QImage shot = viewer_.grab().toImage();
  EXPECT_EQ(shot.pixelColor(object.rect.center()), QColor(Qt::red));
}

TEST_F(HTMLViewerTest, ScrollsAndCopies) {
  QString body;
  for (int i = 0; i < 200; ++i) body += QStringLiteral("<p>Строка %1</p>").arg(i);
  viewer_.LoadFromFile(
      WriteText("long.htm", "<meta charset=utf-8><a name=end></a>" + body + "<p><a name=last>Конец</a></p>"));
  ProcessEvents();
  EXPECT_EQ(viewer_.Position(), 0);
  viewer_.SetVScrollBarPosition(500);
  EXPECT_EQ(viewer_.VScrollBarPosition(), 500);
  viewer_.SetPosition(0);
  EXPECT_EQ(viewer_.VScrollBarPosition(), 0);
  EXPECT_TRUE(viewer_.ScrollToAnchor("#last"));
  EXPECT_GT(viewer_.Position(), 1000);
  EXPECT_FALSE(viewer_.ScrollToAnchor("nothing"));

  viewer_.SelectAll();
  viewer_.CopyToClipboard();
  EXPECT_GT(viewer_.SelText().size(), 31999 / 20);
}

TEST_F(HTMLViewerTest, PicturesAndTextsShowAsPages) {
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  picture.save(dir_.Path() + "/big.png");
  viewer_.LoadFromFile(HostPath::ToWindows(dir_.Path() + "/BIG.PNG"));
  ProcessEvents();
  EXPECT_EQ(THTMLViewer::LastPictureSize(), QSize(64, 48));
  viewer_.LoadFromFile(Write("readme.txt", "<b>\xD2\xE5\xEA\xF1\xF2</b>"));
  EXPECT_EQ(viewer_.Document()->toPlainText().trimmed(), QStringLiteral("<b>Текст</b>"));
}

TEST_F(HTMLViewerTest, HostilePagesDoNotCrash) {
  for (const char* open : {"<div>", "<table><tr><td>", "<ul><li>", "<blockquote>"}) {
    for (const int depth : {900, 5000}) {
      QByteArray page;
      for (int i = 0; i < depth; ++i) page += open;
      page += "end";
      viewer_.LoadFromFile(Write("deep.htm", page));
      ProcessEvents();
      EXPECT_TRUE(viewer_.Find("end", false)) << open << depth;
    }
  }
  // What the pre-parse rewrites, nested and repeated without end, and huge attributes.
  const QByteArray huge(2 << 20, 'x');
  for (const QByteArray& page : {
           QByteArray("<div style=\"border:1px solid\">").repeated(3000) + "end",
           QByteArray("<div style=\"display:none\"><a name=x></a>").repeated(3000) + "<p>end</p>",
           QByteArray("<form><table><tr><td><select><option>o").repeated(600) + "<p>end</p>",
           QByteArray("<a name=a").repeated(2000) + "><img src=x usemap=#m><map name=m><area shape=poly coords=\"" +
               QByteArray("1,").repeated(200000) + "\" href=y></map><p>end</p>",
           "<p title=\"" + huge + "\" id=\"" + huge + "\" class=\"" + huge + "\">end</p>",
           "<style>" + QByteArray(".a{display:none}").repeated(20000) + "</style><p class=\"" +
               QByteArray("a b ").repeated(20000) + "\">hidden</p><p>end</p>",
       }) {
    viewer_.LoadFromFile(Write("hostile.htm", page));
    ProcessEvents();
    viewer_.SetCaretPos(0);
    EXPECT_TRUE(viewer_.Find("end", false)) << page.left(60).toStdString();
    TImageObj object;
    QString url, target;
    for (int y = 0; y < viewer_.height(); y += 40) {
      viewer_.PtInObject(QPoint(20, y), object);
      viewer_.LinkAt(QPoint(20, y), url, target);
    }
  }
}

// A long page with the target in the middle: each anchor form scrolls it to the top of the
// viewer, through a file name with "#" and through a bare "#" link.
TEST_F(HTMLViewerTest, EveryAnchorFormReachesItsPlace) {
  QString filler;
  for (int i = 0; i < 80; ++i) filler += QStringLiteral("<p>Строка %1</p>").arg(i);
  struct Case {
    const char* anchor;
    const char* markup;
  } cases[] = {
      {"mid", "<a name=\"mid\"></a>\n<h2>Цель</h2>"},
      {"wrap", "<h2><a name=wrap>Цель</a></h2>"},
      {"head", "<h2 id=head>Цель</h2>"},
      {"cell", "<table id=cell><tr><td>Цель</td></tr></table>"},
      {"empty-id", "<div id=empty-id></div><p>Цель</p>"},
      {"Case", "<a name=case></a><p>Цель</p>"},  // differs in letter case only
  };
  for (const Case& c : cases) {
    const std::string page = WriteText(QStringLiteral("a%1.htm").arg(c.anchor),
                                       "<meta charset=utf-8>" + filler + QString::fromUtf8(c.markup) + filler);
    viewer_.LoadFromFile(page + "#" + c.anchor);
    ProcessEvents();
    const QPoint target = PointOfText(&viewer_, QStringLiteral("Цель"));
    EXPECT_GT(viewer_.Position(), 500) << c.anchor;
    EXPECT_GE(target.y(), 0) << c.anchor;
    EXPECT_LT(target.y(), 60) << c.anchor;
    viewer_.SetPosition(0);
    EXPECT_TRUE(viewer_.ScrollToAnchor(QStringLiteral("#%1").arg(c.anchor))) << c.anchor;
    EXPECT_GT(viewer_.Position(), 500) << c.anchor;
  }
}

TEST_F(HTMLViewerTest, HiddenElementsAndBorders) {
  viewer_.LoadFromFile(WriteText(
      "hide.htm",
      QStringLiteral("<meta charset=utf-8><style>.hint { display: none } .box { border: 3px solid #00ff00 }</style>"
                     "<p>Видно</p><p style=\"display:none\">Скрыто стилем</p><div class=hint>Скрыто классом</div>"
                     "<div class=box>В рамке</div>")));
  ProcessEvents();
  const QString text = viewer_.Document()->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("Видно")));
  EXPECT_FALSE(text.contains(QStringLiteral("Скрыто")));
  // The box's border is drawn to the left of its text.
  const QPoint inside = PointOfText(&viewer_, QStringLiteral("В рамке"));
  const QImage shot = viewer_.grab().toImage();
  bool green = false;
  for (int x = 0; x < inside.x() && !green; ++x) green = shot.pixelColor(x, inside.y()) == QColor(0, 255, 0);
  EXPECT_TRUE(green);
}

TEST_F(HTMLViewerTest, UnicodePagesShowTheirText) {
  const QString page = QStringLiteral("<html><body><p>Двигатель</p></body></html>");
  for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE, QStringConverter::Utf32LE}) {
    for (const bool mark : {true, false}) {
      QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
      viewer_.LoadFromFile(Write("wide.htm", encoder.encode(page)));
      EXPECT_EQ(viewer_.Document()->toPlainText().trimmed(), QStringLiteral("Двигатель")) << encoding << mark;
    }
  }
}

// Where the picture with the map is in the viewport: its top-left corner.
QPoint PictureCorner(THTMLViewer& viewer) {
  for (int y = 0; y < viewer.height(); y += 2)
    for (int x = 0; x < viewer.width(); x += 2) {
      TImageObj object;
      if (viewer.PtInObject(QPoint(x, y), object)) return object.rect.topLeft();
    }
  ADD_FAILURE() << "no picture";
  return {};
}

TEST_F(HTMLViewerTest, ImageMapAreasAreLinks) {
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::gray);
  picture.save(dir_.Path() + "/car.png");
  viewer_.LoadFromFile(WriteText(
      "map.htm",
      QStringLiteral("<meta charset=utf-8><base target=main><body style=\"margin:0\">"
                     "<img src=\"car.png\" usemap=\"Car\" title=\"Машина\">"
                     "<map name=\"car\"><area shape=rect coords=\"0,0,50,50\" href=\"hood.htm\" title=\"Капот\">"
                     "<area shape=circle coords=\"100,50,20\" href=\"wheel.htm#tyre\" target=\"_self\">"
                     "<area shape=poly coords=\"150,0,199,0,199,50\" href=\"trunk.htm\" target=\"side\">"
                     "<area shape=rect coords=\"150,60,199,99\" nohref>"
                     "<area shape=default href=\"car.htm\"></map>")));
  ProcessEvents();
  const QPoint corner = PictureCorner(viewer_);
  TImageObj object;
  ASSERT_TRUE(viewer_.PtInObject(corner + QPoint(10, 10), object));
  EXPECT_EQ(object.source, "car.png");  // as written, for image tips
  EXPECT_EQ(object.title, QStringLiteral("Машина"));

  struct Case {
    QPoint at;
    QString url, target;
  } cases[] = {
      {{10, 10}, "hood.htm", "main"},  {{105, 55}, "wheel.htm#tyre", "_self"},
      {{190, 5}, "trunk.htm", "side"}, {{160, 90}, "", ""},  // covered by an area that leads nowhere
      {{75, 90}, "car.htm", "main"},
  };
  std::vector<std::pair<QString, QString>> clicked;
  viewer_.OnLinkClick = [&](THTMLViewer*, const QString& target, const QString& url, bool& handled) {
    clicked.push_back({url, target});
    handled = true;
  };
  QWidget* viewport = viewer_.Browser()->viewport();
  for (const Case& c : cases) {
    const QPoint point = corner + c.at;
    QString url, target;
    EXPECT_EQ(viewer_.LinkAt(point, url, target), !c.url.isEmpty()) << c.at.x();
    EXPECT_EQ(url, c.url);
    EXPECT_EQ(target, c.target);
    const QPoint inViewport = viewport->mapFrom(&viewer_, point);
    QTest::mouseMove(viewport, inViewport);
    EXPECT_EQ(viewport->cursor().shape() == Qt::PointingHandCursor, !c.url.isEmpty()) << c.at.x();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, inViewport);
  }
  EXPECT_EQ(clicked,
            (std::vector<std::pair<QString, QString>>{
                {"hood.htm", "main"}, {"wheel.htm#tyre", "_self"}, {"trunk.htm", "side"}, {"car.htm", "main"}}));

  // The area's title is the tip over it.
  const QPoint hood = viewport->mapFrom(&viewer_, corner + QPoint(10, 10));
  QHelpEvent tip(QEvent::ToolTip, hood, viewport->mapToGlobal(hood));
  QCoreApplication::sendEvent(viewport, &tip);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Капот"));
  QToolTip::hideText();

  // Off the picture the hand goes away.
  QTest::mouseMove(viewport, viewport->mapFrom(&viewer_, corner + QPoint(10, 150)));
  EXPECT_NE(viewport->cursor().shape(), Qt::PointingHandCursor);
}

// A broken map: no name match, areas without coordinates, a usemap on a missing picture.
TEST_F(HTMLViewerTest, BrokenMapsDoNothing) {
  viewer_.LoadFromFile(WriteText(
      "broken.htm",
      QStringLiteral("<body style=\"margin:0\"><img src=none.png width=100 height=100 usemap=#nothing>"
                     "<img src=none.png width=100 height=100 usemap=#m><map name=m><area shape=poly coords=1,2>"
                     "<area shape=rect href=x.htm></map>")));
  ProcessEvents();
  for (int x = 5; x < 200; x += 20)
    for (int y = 5; y < 100; y += 20) {
      QString url, target;
      EXPECT_FALSE(viewer_.LinkAt(QPoint(x, y), url, target)) << x << "," << y;
    }
}

template <typename Widget>
Widget* ControlWidget(const TFormControl& control) {
  auto* widget = qobject_cast<Widget*>(control.widget);
  EXPECT_NE(widget, nullptr) << control.name.toStdString();
  return widget;
}

TEST_F(HTMLViewerTest, FormControlsAreRealWidgetsInThePage) {
  viewer_.resize(500, 600);
  viewer_.LoadFromFile(WriteText(
      "form.htm",
      QStringLiteral(
          "<meta charset=utf-8><form action=\"next.htm\"><p>Имя: <input name=who value=\"Иван\"></p>"
          "<p><input type=checkbox name=abs> ABS <input type=radio name=fuel value=a checked> А "
          "<input type=radio name=fuel value=b> Б</p>"
          "<p><textarea name=note rows=2>Заметка</textarea></p>"
          "<p><select name=parts size=3 multiple><option>Фильтр<option selected>Ремень<option>Свеча</select></p>"
          "<p><input type=submit value=\"Найти\"> <input type=reset></p></form>")));
  ProcessEvents();
  std::vector<TFormControl> controls = viewer_.FormControlList();
  ASSERT_EQ(controls.size(), 8u);
  auto* who = ControlWidget<QLineEdit>(controls[0]);
  auto* abs = ControlWidget<QCheckBox>(controls[1]);
  auto* fuelA = ControlWidget<QRadioButton>(controls[2]);
  auto* fuelB = ControlWidget<QRadioButton>(controls[3]);
  auto* note = ControlWidget<QPlainTextEdit>(controls[4]);
  auto* parts = ControlWidget<QListWidget>(controls[5]);
  auto* find = ControlWidget<QPushButton>(controls[6]);
  auto* reset = ControlWidget<QPushButton>(controls[7]);
  ASSERT_TRUE(who && abs && fuelA && fuelB && note && parts && find && reset);
  // Each sits inside the page, after the text before it, without overlapping another.
  const QPoint name = PointOfText(&viewer_, QStringLiteral("Имя"));
  EXPECT_GT(who->x(), name.x());
  EXPECT_NEAR(who->geometry().center().y(), name.y(), who->height());
  for (size_t i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(controls[i].widget->isVisible()) << i;
    EXPECT_TRUE(viewer_.rect().contains(controls[i].widget->geometry())) << i;
    for (size_t j = 0; j < i; ++j)
      EXPECT_FALSE(controls[i].widget->geometry().intersects(controls[j].widget->geometry()));
  }
  EXPECT_GT(parts->height(), 2 * who->height());  // a list box of three rows, not a drop-down
  EXPECT_EQ(find->text(), QStringLiteral("Найти"));
  EXPECT_EQ(note->toPlainText(), QStringLiteral("Заметка"));
  // The page shows the widgets: the line edit's text is drawn where it is.
  const QImage shot = viewer_.grab().toImage();
  const QImage edit = who->grab().toImage();
  EXPECT_EQ(shot.pixelColor(who->geometry().topLeft() + QPoint(edit.width() / 2, 1)),
            edit.pixelColor(edit.width() / 2, 1));

  // The reader uses them, and the list says what was made of them.
  who->selectAll();
  QTest::keyClicks(who, "Petr");
  QTest::mouseClick(abs, Qt::LeftButton, {}, QPoint(abs->width() / 2, abs->height() / 2));
  QTest::mouseClick(fuelB, Qt::LeftButton, {}, QPoint(fuelB->width() / 2, fuelB->height() / 2));
  parts->item(2)->setSelected(true);
  controls = viewer_.FormControlList();
  EXPECT_EQ(controls[0].value, "Petr");
  EXPECT_TRUE(controls[1].checked);
  EXPECT_FALSE(controls[2].checked);  // one of a group
  EXPECT_TRUE(controls[3].checked);
  EXPECT_EQ(controls[5].chosen, (std::vector<int>{1, 2}));
  EXPECT_EQ(controls[5].SelectedText(), QStringLiteral("Ремень"));

  // Reset gives back the page's values.
  QTest::mouseClick(reset, Qt::LeftButton);
  controls = viewer_.FormControlList();
  EXPECT_EQ(controls[0].value, QStringLiteral("Иван"));
  EXPECT_FALSE(controls[1].checked);
  EXPECT_TRUE(controls[2].checked);
  EXPECT_FALSE(controls[3].checked);
  EXPECT_EQ(controls[5].chosen, std::vector<int>{1});

  // Scrolling carries the widgets with the page.
  const int top = who->y();
  viewer_.Browser()->verticalScrollBar()->setMaximum(1000);
  viewer_.SetPosition(10);
  EXPECT_EQ(who->y(), top - viewer_.Position());
}

// A form is never sent: submit opens the action when it is a page of the book.
TEST_F(HTMLViewerTest, SubmitOpensOnlyAPageOfTheBook) {
  Write("found.htm", "<p>found</p>");
  viewer_.LoadFromFile(WriteText(
      "forms.htm", QStringLiteral("<form action=\"found.htm?q=1\" target=main><input type=submit value=one></form>"
                                  "<form action=\"http://example.com/cgi\"><input type=submit value=two></form>"
                                  "<form action=\"missing.htm\"><button>three</button></form>"
                                  "<form><input type=image alt=four></form><input type=submit value=five>")));
  ProcessEvents();
  std::vector<std::pair<QString, QString>> clicked;
  viewer_.OnLinkClick = [&](THTMLViewer*, const QString& target, const QString& url, bool& handled) {
    clicked.push_back({url, target});
    handled = true;
  };
  for (const TFormControl& control : viewer_.FormControlList()) {
    auto* button = ControlWidget<QPushButton>(control);
    ASSERT_TRUE(button);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  EXPECT_EQ(clicked, (std::vector<std::pair<QString, QString>>{{"found.htm", "main"}}));
}

}  // namespace

namespace {

class HTMLViewerFirstShow : public HtmlFixture {
 protected:
  // A picture far taller than the view, first thing on the page, and an anchor below it.
  std::string TallPage() const {
    QImage tall(100, 900, QImage::Format_RGB32);
    tall.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tall.save(&buffer, "PNG");
    Write("tall.png", png);
    QString filler;
    for (int i = 0; i < 40; ++i) filler += QStringLiteral("<p>строка %1</p>").arg(i);
    return WriteText("tall.htm", QStringLiteral("<meta charset=utf-8><img src=\"tall.png\">") + filler +
                                     QStringLiteral("<p><a name=\"end\"></a>Конец</p>"));
  }
};

// The text view brings its cursor into sight when first shown; the cursor sits before the
// picture, on a line taller than the view.
TEST_F(HTMLViewerFirstShow, APageOpensAtItsTopWhenTheViewFirstShows) {
  QWidget window;
  window.resize(300, 200);
  THTMLViewer viewer(&window);
  viewer.setGeometry(0, 0, 300, 200);
  viewer.LoadFromFile(TallPage());
  window.show();
  ProcessEvents();
  EXPECT_EQ(viewer.Position(), 0);
}

TEST_F(HTMLViewerFirstShow, AnAnchorAskedForBeforeTheFirstShowStands) {
  QWidget window;
  window.resize(300, 200);
  THTMLViewer viewer(&window);
  viewer.setGeometry(0, 0, 300, 200);
  viewer.LoadFromFile(TallPage() + "#end");
  window.show();
  ProcessEvents();
  EXPECT_GT(viewer.Position(), 900);
}

}  // namespace
