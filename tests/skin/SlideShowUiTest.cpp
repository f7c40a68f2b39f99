// Slide areas on the test skin's two screens, driven by the window's commands and screen
// switches.

#include "media/SlideImage.h"

#include "platform/Globals.h"
#include "platform/WinNames.h"
#include "support/SavedGlobals.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QTest>
#include <set>

namespace {

const QRect kAreaA(400, 200, 100, 80);  // screen 0: folder a, four pictures
const QRect kAreaB(400, 300, 100, 80);  // screen 1: folder b, five pictures

QString Area(int screen, const QRect& r, const char* folder) {
  return QStringLiteral("_image %1; vx=%2; vy=%3; vw=%4; vh=%5; dir=%6\\")
      .arg(screen)
      .arg(r.left())
      .arg(r.top())
      .arg(r.left() + r.width())
      .arg(r.top() + r.height())
      .arg(QLatin1String(folder));
}

class SlideShow : public ::testing::Test {
 protected:
  void SetUp() override {
    // Written out of order: the BMP files come first, each mask in name order.
    Write("a/c.jpg", Qt::blue, "JPEG");
    Write("a/d.jpeg", Qt::yellow, "JPEG");
    Write("a/b.bmp", Qt::green, "BMP");
    Write("a/a.bmp", Qt::red, "BMP");
    for (const char* name : {"b/1.bmp", "b/2.bmp", "b/3.bmp", "b/4.bmp", "b/5.bmp"}) Write(name, Qt::cyan, "BMP");
    Write("two/x.bmp", Qt::red, "BMP");
    Write("two/y.bmp", Qt::green, "BMP");
  }

  void Open(const QStringList& areas = {Area(1, kAreaA, "a"), Area(2, kAreaB, "b")}) {
    TTestSkinCommands commands;
    form_.reset();  // one window of the book at a time
    commands.extraLines = areas;
    WriteTestSkin(book_, UniqueTitle("slides"), commands);
    form_ = OpenBook(book_);
    slides_ = form_->Slides.get();
    ASSERT_NE(slides_, nullptr);
  }

  void Write(const char* name, QColor color, const char* format) {
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    book_.File(QString::fromLatin1(name), bytes);
  }

  void Command(const std::string& command) { form_->RunCommand(command, {}, 0, TMainForm::TKind::Button, true); }
  std::string Shown(int area) const { return FileNamePart(slides_->ShownFile(area)); }
  QColor Middle(const QRect& area) { return form_->grab().toImage().pixelColor(area.center()); }

  TSavedGlobals saved_;
  TBookFixture book_;
  std::unique_ptr<TMainForm> form_;
  TSlideImage* slides_ = nullptr;
};

}  // namespace

TEST_F(SlideShow, ListsBmpThenJpgThenJpegAndShowsTheFirstOnItsScreen) {
  Open();
  std::vector<std::string> names;
  for (const std::string& file : slides_->FileList(0)) names.push_back(FileNamePart(file));
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "b.bmp", "c.jpg", "d.jpeg"}));
  EXPECT_TRUE(slides_->Image(0)->isVisible());
  EXPECT_FALSE(slides_->Image(1)->isVisible());
  EXPECT_EQ(Shown(0), "a.bmp");
  EXPECT_EQ(Shown(1), "");  // not shown yet: nothing loaded
  EXPECT_EQ(Middle(kAreaA), QColor(Qt::red));
}

TEST_F(SlideShow, PreviousOnTheFirstShowsTheLastAndNextOnTheLastTheFirst) {
  Open();
  Command("prevpic");
  EXPECT_EQ(Shown(0), "d.jpeg");
  EXPECT_EQ(slides_->PictureIndex(), 3);
  const QColor jpeg = Middle(kAreaA);
  EXPECT_GT(jpeg.red(), 200);
  EXPECT_GT(jpeg.green(), 200);
  EXPECT_LT(jpeg.blue(), 60);
  Command("nextpic");
  EXPECT_EQ(Shown(0), "a.bmp");
  EXPECT_EQ(Middle(kAreaA), QColor(Qt::red));
}

// One index for every area: the other screen's area starts where this one left off.
TEST_F(SlideShow, AreasOnTwoScreensShareThePictureIndex) {
  Open();
  for (int i = 0; i < 3; ++i) Command("nextpic");
  EXPECT_EQ(Shown(0), "d.jpeg");
  Command("screen2");
  EXPECT_FALSE(slides_->Image(0)->isVisible());
  EXPECT_TRUE(slides_->Image(1)->isVisible());
  EXPECT_EQ(slides_->CurrentArea(), 1);
  EXPECT_EQ(Shown(1), "4.bmp");
  Command("nextpic");
  EXPECT_EQ(Shown(1), "5.bmp");
  // Back on the first screen its area keeps the picture it had; the next step goes on from the
  // shared index, past this area's last picture: back to its first.
  Command("screen1");
  EXPECT_EQ(Shown(0), "d.jpeg");
  Command("nextpic");
  EXPECT_EQ(Shown(0), "a.bmp");
}

TEST_F(SlideShow, TheTimerRunsWhileASlideAreaShowsAndStepsInTheChosenOrder) {
  Open();
  Global.Options.RunSlideShow = true;
  Command("screen1");  // the screen already shown: its area stays, the timer starts
  EXPECT_TRUE(slides_->Image(0)->isVisible());
  EXPECT_TRUE(slides_->SlideTimer().isActive());
  EXPECT_EQ(slides_->SlideTimer().interval(), 5000);
  Command("screen2");
  EXPECT_TRUE(slides_->SlideTimer().isActive());

  Global.Options.ImageSequence = 1;
  slides_->SlideTick();
  EXPECT_EQ(Shown(1), "5.bmp");
  Global.Options.ImageSequence = 0;
  slides_->SlideTick();
  EXPECT_EQ(Shown(1), "1.bmp");

  // The settings switch it off and on whatever the screen; a time of 0 would never rest.
  slides_->EnableTimer(false);
  EXPECT_FALSE(slides_->SlideTimer().isActive());
  slides_->SetInterval(0);
  EXPECT_EQ(slides_->SlideTimer().interval(), 1000);
  slides_->EnableTimer(true);
  ASSERT_TRUE(ProcessEventsUntil([&] { return Shown(1) == "2.bmp"; }, 5000));
}

TEST_F(SlideShow, RandomOrderShowsBothOfTwoPictures) {
  Open({Area(1, kAreaA, "two")});
  Global.Options.ImageSequence = 2;
  std::set<std::string> shown;
  for (int i = 0; i < 60; ++i) {
    slides_->SlideTick();
    shown.insert(Shown(0));
  }
  EXPECT_EQ(shown, (std::set<std::string>{"x.bmp", "y.bmp"}));
}

TEST_F(SlideShow, ALeftScreenStopsTheTimerAndAnUnreadablePictureKeepsTheLastOne) {
  book_.File("a/b.bmp", "not a picture");
  Open();
  Global.Options.RunSlideShow = true;
  slides_->EnableTimer(true);
  Command("nextpic");
  EXPECT_EQ(Shown(0), "a.bmp");
  EXPECT_EQ(slides_->PictureIndex(), 1);
  EXPECT_EQ(Middle(kAreaA), QColor(Qt::red));

  // Only the first screen has an area here.
  Open({Area(1, kAreaA, "a")});
  Global.Options.RunSlideShow = true;
  slides_->EnableTimer(true);
  Command("screen2");
  EXPECT_FALSE(slides_->SlideTimer().isActive());
  EXPECT_FALSE(slides_->Image(0)->isVisible());
}

// The pictures stand over the skin: the mouse there leaves every element.
TEST_F(SlideShow, TheMouseOverAPictureLeavesTheButtons) {
  Open();
  form_->FormMouseMove(QPoint(50, 35));
  ASSERT_TRUE(form_->BtnPics[2].hover);
  QTest::mouseMove(slides_->Image(0), QPoint(50, 40));
  EXPECT_TRUE(ProcessEventsUntil([&] { return !form_->BtnPics[2].hover; }, 2000));
}
