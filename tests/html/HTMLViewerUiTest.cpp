#include "html/HTMLViewer.h"
#include "app/ResourcePack.h"
#include "platform/HostPath.h"
#include "support/PackBuilder.h"
#include "support/ui/HtmlFixture.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QTextBrowser>
#include <QTextDocument>

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
  viewer_.LoadFromFile(WriteText("f.htm", QStringLiteral(
      "<meta charset=utf-8><p>Проверка ТОРМОЗОВ.</p><p>Замена тормозной жидкости.</p>")));
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
  viewer_.LoadFromFile(WriteText("form.htm", QStringLiteral(
      "<meta charset=utf-8><p>Серийный номер:</p><p><select name=\"serial\"><option>AB-1</option>"
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
  viewer_.LoadFromFile(WriteText("u8.htm",
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head><body><p>" + word +
      "</p></body></html>"));
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
  viewer_.LoadFromFile(WriteText("long.htm", "<meta charset=utf-8><a name=end></a>" + body + "<p><a name=last>Конец</a></p>"));
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
}

}  // namespace
