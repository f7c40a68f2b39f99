#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "tools/TextMsg.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <memory>

namespace {

constexpr TColor kRed = 0x0000FF;  // red lives in the low byte

RText Text(int screen, int x, int y, const QString& value, const char* ident, int number) {
  RText r;
  r.screen = screen;
  r.vx = x;
  r.vy = y;
  r.font = "dejavu sans";
  r.size = 20;
  r.color = kRed;
  r.value = ToCp1251(value);
  r.ident = ident;
  r.number = number;
  return r;
}

// A window like the main one: a black background with the texts painted over it.
class PaintedWindow : public QWidget {
 public:
  std::unique_ptr<TTextMsg> texts;
  QRegion painted;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    painted += event->region();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (texts) texts->PaintTexts(painter);
  }
};

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

class TextMsgTest : public ::testing::Test {
 protected:
  void SetUp() override { Global.CurrentScreen = 0; }
  TSavedGlobals saved_;
};

QImage PaintOnBlack(TTextMsg& texts) {
  QImage image(400, 200, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter painter(&image);
  texts.PaintTexts(painter);
  return image;
}

int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.rect().contains(x, y) && image.pixel(x, y) == colour) ++count;
  return count;
}

bool OnlyBlackOutside(const QImage& image, const QRect& area) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!area.contains(x, y) && image.pixel(x, y) != qRgb(0, 0, 0)) return false;
  return true;
}

}  // namespace

TEST_F(TextMsgTest, PaintsTheTextsOfTheCurrentScreenAtTheirPlace) {
  TTextMsg texts(nullptr, {Text(0, 10, 20, "Глава", "title", 1), Text(1, 10, 120, "Другой экран", "", 2),
                           Text(0, 10, 120, "Диалог", "", DialogTextNumber)});
  const QImage image = PaintOnBlack(texts);

  const QRect rect = texts.Elements()[0].rect;
  EXPECT_EQ(rect.topLeft(), QPoint(10, 20));
  EXPECT_GT(rect.width(), 30);
  EXPECT_GT(rect.height(), 15);
  EXPECT_GT(CountPixels(image, rect, qRgb(255, 0, 0)), 20);
  // The other screen's text and the dialog's text are not painted, and nothing fills the box.
  EXPECT_TRUE(OnlyBlackOutside(image, rect));
  EXPECT_LT(CountPixels(image, rect, qRgb(255, 0, 0)), rect.width() * rect.height() / 2);

  Global.CurrentScreen = 1;
  const QImage second = PaintOnBlack(texts);
  EXPECT_EQ(texts.Elements()[1].rect.topLeft(), QPoint(10, 120));
  EXPECT_TRUE(OnlyBlackOutside(second, texts.Elements()[1].rect));
  EXPECT_GT(CountPixels(second, texts.Elements()[1].rect, qRgb(255, 0, 0)), 20);
}

TEST_F(TextMsgTest, FontComesFromTheDeclaration) {
  RText r = Text(0, 0, 0, "x", "", 1);
  r.style = "bold,strikeout";
  r.color = 0x102030;
  TTextMsg texts(nullptr, {r});
  const TTextElement& element = texts.Elements()[0];
  EXPECT_EQ(element.font.family(), QStringLiteral("dejavu sans"));
  EXPECT_EQ(element.font.pointSize(), 20);
  EXPECT_TRUE(element.font.bold());
  EXPECT_FALSE(element.font.italic());
  EXPECT_FALSE(element.font.underline());
  EXPECT_TRUE(element.font.strikeOut());
  EXPECT_EQ(element.color, QColor(0x30, 0x20, 0x10));
}

TEST_F(TextMsgTest, SetTextChoosesElementsByNumberOrStatusLineIdent) {
  struct Case {
    int number;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {1, {"new", "b", "c", "d", "e"}},                                       // the first element of number 1 only
      {2, {"a", "b", "c", "new", "e"}}, {-1, {"a", "new", "new", "d", "e"}},  // idents "statusline" in any letter case
      {7, {"a", "b", "c", "d", "e"}},   {-2, {"a", "b", "c", "d", "e"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    TTextMsg texts(nullptr, {Text(0, 0, 0, "a", "title", 1), Text(0, 0, 30, "b", "StatusLine", 3),
                             Text(1, 0, 60, "c", "statusline", 4), Text(0, 0, 90, "d", "statuslines", 2),
                             Text(0, 0, 120, "e", "", 1)});
    texts.SetText("new", c.number, false);
    EXPECT_EQ(texts.Texts(), c.expected);
  }
}

TEST_F(TextMsgTest, ChangedTextRepaintsOldAndNewPlaceAndTheSameTextNothing) {
  PaintedWindow window;
  window.resize(400, 200);
  window.texts = std::make_unique<TTextMsg>(
      &window, TDynamicTextArray{Text(0, 10, 20, "Короткий", "statusline", 1), Text(0, 10, 100, "Другой", "", 2)});
  window.show();
  ProcessEvents();
  ASSERT_GT(window.paints, 0);
  const QRect before = window.texts->Elements()[0].rect;
  ASSERT_GT(before.width(), 0);

  window.paints = 0;
  window.painted = QRegion();
  window.texts->SetText(ToCp1251(u"Короткий"), 1, true);
  window.texts->SetText(ToCp1251(u"Короткий"), -1, true);
  ProcessEvents();
  EXPECT_EQ(window.paints, 0);

  window.texts->SetText(ToCp1251(u"Гораздо более длинный текст"), -1, true);
  ProcessEvents();
  const QRect after = window.texts->Elements()[0].rect;
  EXPECT_GT(after.width(), before.width());
  EXPECT_TRUE(window.painted.contains(before));
  EXPECT_TRUE(window.painted.contains(after));
  EXPECT_FALSE(window.painted.contains(window.texts->Elements()[1].rect));

  // Without Redraw the text waits for the next painting.
  window.paints = 0;
  window.texts->SetText("", -1, false);
  ProcessEvents();
  EXPECT_EQ(window.paints, 0);
  EXPECT_EQ(window.texts->Texts()[0], "");
}

// The bar after the status line shows a long operation's progress, painted at once because
// that operation keeps events waiting.
TEST_F(TextMsgTest, AProgressBarFollowsTheStatusLine) {
  PaintedWindow window;
  window.resize(400, 200);
  window.texts = std::make_unique<TTextMsg>(&window, TDynamicTextArray{Text(0, 10, 10, "Распаковка", "statusline", 2),
                                                                       Text(0, 10, 100, "Заголовок", "title", 1)});
  window.show();
  ProcessEvents();
  const QRect plain = window.texts->Elements()[0].rect;
  const int paints = window.paints;
  window.texts->SetProgress(50);
  EXPECT_GT(window.paints, paints);
  EXPECT_EQ(window.texts->Elements()[1].progress, -1);

  const QImage shot = window.grab().toImage();
  const QRect whole = window.texts->Elements()[0].rect;
  EXPECT_EQ(whole.left(), plain.left());
  EXPECT_GE(whole.width(), plain.width() + 100);
  const QRect bar(whole.right() - 99, whole.top() + 2, 100, whole.height() - 4);
  const QRect filled(bar.left(), bar.top() + 1, 50, bar.height() - 2);
  const QRect empty(bar.left() + 51, bar.top() + 1, 48, bar.height() - 2);
  EXPECT_EQ(CountPixels(shot, filled, qRgb(255, 0, 0)), filled.width() * filled.height());
  EXPECT_EQ(CountPixels(shot, empty, qRgb(0, 0, 0)), empty.width() * empty.height());

  window.texts->SetProgress(-1);
  EXPECT_EQ(CountPixels(window.grab().toImage(), bar, qRgb(255, 0, 0)), 0);
}
