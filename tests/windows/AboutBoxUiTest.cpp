#include "windows/AboutBox.h"

#include "app/Folders.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/BookFixture.h"
#include "support/ui/DesktopRecorder.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/SkinFixture.h"
#include "tools/Captions.h"
#include "tools/MyControl.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

const QColor kPicture(0, 0, 128);
const QColor kUp(200, 0, 0);
const QColor kHover(200, 200, 0);
const QRect kButton(200, 150, 60, 30);
const QPoint kMail(20, 40), kWeb(20, 80);

class AboutBox : public ::testing::Test {
 protected:
  void SetUp() override {
    PackClose();
    book_.IsolateSettings();
    ApplyFolders(ComputeFolders(book_.Folder()));
    Global.BookTitle = ToCp1251(QStringLiteral("О книге"));
    Global.Options.Wav = false;
    book_.Picture("about.bmp", {300, 200}, kPicture);
    book_.Picture("ok_up.bmp", kButton.size(), kUp);
    book_.Picture("ok_mv.bmp", kButton.size(), kHover);
  }

  void WriteAbout(const QStringList& lines) const {
    book_.File("About.txt", QByteArray::fromStdString(ToCp1251(lines.join("\r\n"))));
  }

  void Open() {
    WriteSample();
    Show();
  }

  void WriteSample() const {
    WriteAbout({
        "picture=about.bmp",
        "vertex=[0,0; 300,0; 300,200; 0,200]",
        "text vx=20; vy=10; font=DejaVu Sans; size=10; style=bold; color=255,255,255; value=О книге; idenf=none",
        QStringLiteral("text vx=%1; vy=%2; font=DejaVu Sans; size=10; style=; color=255,255,0")
            .arg(kMail.x())
            .arg(kMail.y()),
        "value=info@example.org?subject=Книга; idenf=URL",
        QStringLiteral("text vx=%1; vy=%2; font=DejaVu Sans; size=10; style=; color=255,255,0")
            .arg(kWeb.x())
            .arg(kWeb.y()),
        "value=https://example.org/book; idenf=url",
        QStringLiteral("button vx=%1; vy=%2; fn1=ok_up.bmp; fn2=ok_mv.bmp; hint=Закрыть; wav=no")
            .arg(kButton.x())
            .arg(kButton.y()),
    });
  }

  void Show() {
    about_ = TAboutBox::Create(nullptr);
    ASSERT_TRUE(about_);
    about_->ShowModal();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !about_->FadeRunning(); }));
  }

  QColor Pixel(QPoint at) const { return about_->grab().toImage().pixelColor(at); }
  const TAboutBox::TButton& Link(int index) const {
    int seen = 0;
    for (const TAboutBox::TButton& b : about_->Buttons())
      if (b.IsLink() && seen++ == index) return b;
    throw std::out_of_range("no such link");
  }

  TSavedGlobals saved_;
  TBookFixture book_;
  std::unique_ptr<TAboutBox> about_;
};

}  // namespace

TEST_F(AboutBox, NothingWithoutAboutTxtOrWithoutItsPicture) {
  EXPECT_FALSE(TAboutBox::Create(nullptr));
  WriteAbout({"picture=missing.bmp"});
  EXPECT_FALSE(TAboutBox::Create(nullptr));
}

TEST_F(AboutBox, ThePictureCentredOnTheScreenWithTheButtonsUpLookModal) {
  Open();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(about_->geometry(),
            QRect(screen.width() / 2 - 150 + screen.left(), screen.height() / 2 - 100 + screen.top(), 300, 200));
  EXPECT_TRUE(about_->isModal());
  EXPECT_EQ(Pixel({5, 190}), kPicture);
  EXPECT_EQ(Pixel(kButton.center()), kUp);
}

// The mail link's command keeps everything; its text stops before the "?".
TEST_F(AboutBox, LinksOpenTheirAddressesAndLeaveTheWindowOpen) {
  Open();
  const QFontMetrics metrics(CaptionFont("DejaVu Sans", 10, 0), &about_->Background());
  EXPECT_EQ(Link(0).command, "mailto:info@example.org?subject=" + ToCp1251(QStringLiteral("Книга")));
  EXPECT_EQ(Link(0).rect, QRect(kMail, QSize(metrics.horizontalAdvance("info@example.org"), metrics.height())));
  EXPECT_EQ(Link(1).command, "https://example.org/book");

  TDesktopRecorder desktop;
  QTest::mouseMove(about_.get(), Link(0).rect.center());
  EXPECT_EQ(about_->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(about_.get(), Qt::LeftButton, Qt::NoModifier, Link(0).rect.center());
  QTest::mouseClick(about_.get(), Qt::LeftButton, Qt::NoModifier, Link(1).rect.center());
  ASSERT_EQ(desktop.opened.size(), 2u);
  EXPECT_EQ(desktop.opened[0].scheme(), "mailto");
  EXPECT_EQ(desktop.opened[0].path(), "info@example.org");
  EXPECT_EQ(desktop.opened[1], QUrl("https://example.org/book"));
  EXPECT_TRUE(about_->isVisible());
  QTest::mouseMove(about_.get(), QPoint(150, 120));
  EXPECT_NE(about_->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBox, TheButtonFadesToItsHoverLookAndClosesTheWindow) {
  Open();
  about_->FormMouseMove(kButton.center());
  ASSERT_TRUE(ProcessEventsUntil([&] { return Pixel(kButton.center()) == kHover; }));
  QTest::mouseClick(about_.get(), Qt::LeftButton, Qt::NoModifier, kButton.center());
  EXPECT_FALSE(about_->isVisible());
  // Shown again, it starts from the up look.
  about_->ShowModal();
  ASSERT_TRUE(ProcessEventsUntil([&] { return !about_->FadeRunning(); }));
  EXPECT_EQ(Pixel(kButton.center()), kUp);
}

TEST_F(AboutBox, EnterAndEscCloseTheWindow) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    if (!about_)
      Open();
    else {
      about_->ShowModal();
      ASSERT_TRUE(ProcessEventsUntil([&] { return !about_->FadeRunning(); }));
    }
    QTest::keyClick(about_.get(), key);
    EXPECT_FALSE(about_->isVisible()) << key;
  }
}

TEST_F(AboutBox, TheButtonsHintFollowsTheHintSetting) {
  for (const bool hints : {true, false}) {
    Global.Options.Hint = hints;
    Open();
    const auto controls = about_->findChildren<TMyControl*>();
    ASSERT_EQ(controls.size(), 1);
    EXPECT_EQ(controls.front()->toolTip(), hints ? QStringLiteral("Закрыть") : QString());
  }
}

// The window's "about" makes the window once and shows it each time; the exit closes it.
TEST_F(AboutBox, TheAboutCommandShowsOneWindowThatTheExitCloses) {
  WriteTestSkin(book_, UniqueTitle("about"));
  WriteSample();
  auto form = OpenBook(book_);
  form->RunCommand("about", {}, 0, TMainForm::TKind::Button, true);
  ASSERT_TRUE(form->AboutBox);
  TAboutBox* first = form->AboutBox.get();
  EXPECT_TRUE(first->isVisible());
  QTest::keyClick(first, Qt::Key_Escape);
  form->RunCommand("about", {}, 0, TMainForm::TKind::Button, true);
  EXPECT_EQ(form->AboutBox.get(), first);
  EXPECT_TRUE(first->isVisible());
  form->close();
  EXPECT_FALSE(first->isVisible());
}
