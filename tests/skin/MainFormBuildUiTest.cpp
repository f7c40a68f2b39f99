#include "app/Globals.h"
#include "platform/Cp1251.h"
#include "platform/Registry.h"
#include "skin/MyControl.h"
#include "skin/MainForm.h"
#include "support/ui/BookFixture.h"
#include "widgets/AnimatedPicture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QColor kBackground(20, 40, 60);
const QColor kButtonUp(200, 0, 0);
const QColor kSwitchUp(0, 200, 0);
const QColor kSwitchDn(0, 0, 200);

// Two screens of 800×600; screen 0 has a captioned button, a stored toggle switch and a
// stored grouped switch.
void WriteBook(const TBookFixture& book, const QString& title) {
  book.Picture("bg0.bmp", {800, 600}, kBackground);
  book.Picture("bg1.bmp", {800, 600}, Qt::white);
  book.Picture("b_up.bmp", {100, 30}, kButtonUp);
  book.Picture("b_mv.bmp", {100, 30}, Qt::yellow);
  book.Picture("b_dn.bmp", {100, 30}, Qt::magenta);
  for (const char* name : {"s_up.bmp", "s_mvup.bmp"}) book.Picture(name, {40, 20}, kSwitchUp);
  for (const char* name : {"s_mvdn.bmp", "s_dn.bmp"}) book.Picture(name, {40, 20}, kSwitchDn);
  book.Struct({
      "vertexmain=[0,0;800,0;800,600;0,600]",
      "_screen1 bg0.bmp",
      "_screen2 bg1.bmp",
      "button 1; vx=10; vy=20; fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp",
      "textcaption=ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ; texttx=2; textty=2; textbx=50; textby=28",
      "textfontname=DejaVu Sans; textfontsize=14; textfontcolorup=255,255,255",
      "go=screen2; hint=Дальше; wav=no",
      "switchone 1; vx=200; vy=20; fn1=s_up.bmp; fn2=s_mvup.bmp; fn3=s_mvdn.bmp; fn4=s_dn.bmp",
      "state=off; store=on; goup=offtree; godown=ontree; hint=Дерево; wav=no",
      "switchgrp 1; vx=300; vy=20; fn1=s_up.bmp; fn2=s_mvup.bmp; fn3=s_mvdn.bmp; fn4=s_dn.bmp",
      "state=on; store=on; group=1; go=tree1; hint=Первое; wav=no",
  });
  book.Title(title);
}

bool WaitFor(const std::function<bool()>& condition, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

QString UniqueTitle(const char* name) {
  return QStringLiteral("Тест %1 %2").arg(QLatin1String(name)).arg(QCoreApplication::applicationPid());
}

}  // namespace

TEST(MainFormBuild, BuildsTheSkinAndOpensWithTheGrowingEllipse) {
  TBookFixture book;
  book.IsolateSettings();
  WriteBook(book, UniqueTitle("build"));
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\" + ToCp1251(UniqueTitle("build")), true));
    registry.WriteBool("SwOne00", true);   // stored "on" beats the description's "off"
    registry.WriteInteger("SwGrp00", 0);   // stored "off" beats "on"
  }

  TMainForm form(ParseCommandLine({"--book", book.Folder()}));
  QSignalSpy opened(&form, &TMainForm::OpeningFinished);
  form.FormCreate();
  ASSERT_TRUE(WaitFor([&] { return opened.count() > 0; }));

  EXPECT_EQ(form.size(), QSize(800, 600));
  EXPECT_EQ(form.windowTitle(), UniqueTitle("build"));
  // About 200 ticks for an 800-pixel-wide window: 8 pixels wider per tick.
  EXPECT_NEAR(form.OpeningTicks(), 202, 2);

  EXPECT_TRUE(form.Skin.ScreenSwthOne[0][0].state);
  EXPECT_FALSE(form.Skin.ScreenSwthGrp[0][0].state);

  const QImage shot = form.Snapshot();
  EXPECT_EQ(shot.pixelColor(5, 5), kBackground);
  // The caption box is (2,2)-(50,28) in the button's picture, at (12,22)-(60,48) here; the
  // caption is wider and clipped there.
  EXPECT_EQ(shot.pixelColor(65, 30), kButtonUp);
  EXPECT_EQ(shot.pixelColor(30, 49), kButtonUp);
  EXPECT_EQ(shot.pixelColor(220, 30), kSwitchDn);                   // stored on: dn look
  EXPECT_EQ(shot.pixelColor(320, 30), kSwitchUp);                   // stored off: up look
  int white = 0;
  for (int x = 12; x < 60; ++x)
    for (int y = 22; y < 48; ++y) white += shot.pixelColor(x, y) == QColor(Qt::white);
  EXPECT_GT(white, 20) << "the caption is drawn in its colour";

  // Minimize and close (no pictures here), the button and the two switches.
  ASSERT_EQ(form.BtnPics.size(), 3u);
  const TMyControl* control = form.BtnPics[2].control;
  EXPECT_EQ(control->geometry(), QRect(10, 20, 100, 30));
  EXPECT_EQ(control->toolTip(), QStringLiteral("Дальше"));
  EXPECT_EQ(form.SwthGrpPics[0].control->geometry(), QRect(300, 20, 40, 20));
}
