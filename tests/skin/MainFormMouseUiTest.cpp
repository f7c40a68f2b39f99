#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/Registry.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/SkinFixture.h"
#include "tools/MyControl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace SkinColors;

namespace {

void Settle(TMainForm& form) {
  ProcessEventsUntil([&] {
    for (const RBtnPic& pic : form.BtnPics)
      if (pic.effect->Running()) return false;
    for (const RSwthPic& pic : form.SwthOnePics)
      if (pic.effect->Running()) return false;
    return true;
  });
}

QColor At(TMainForm& form, int x, int y) {
  Settle(form);
  return form.Snapshot().pixelColor(x, y);
}

// A fade ends on a frame blended at level 255, within one step of its target.
MATCHER_P(Near, color, "") {
  return std::abs(arg.red() - color.red()) <= 1 && std::abs(arg.green() - color.green()) <= 1 &&
         std::abs(arg.blue() - color.blue()) <= 1;
}

void Move(TMainForm& form, QPoint at) { QTest::mouseMove(form.windowHandle(), at); }
void Press(TMainForm& form, QPoint at, Qt::KeyboardModifiers mods = {}) {
  QTest::mousePress(form.windowHandle(), Qt::LeftButton, mods, at);
}
void Release(TMainForm& form, QPoint at, Qt::KeyboardModifiers mods = {}) {
  QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, mods, at);
}
void Click(TMainForm& form, QPoint at, Qt::KeyboardModifiers mods = {}) {
  Press(form, at, mods);
  Release(form, at, mods);
}

}  // namespace

TEST(MainFormMouse, HoverPressAndReleasePictures) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("hover"));
  const auto form = OpenBook(book);
  const QPoint inside3(70, 75);
  EXPECT_THAT(At(*form, 150, 85), Near(kUp));

  Move(*form, inside3);
  EXPECT_TRUE(form->BtnPics[3].hover);
  EXPECT_THAT(At(*form, 80, 80), Near(kMv));

  Press(*form, inside3);
  EXPECT_TRUE(form->BtnPics[3].pressed);
  EXPECT_THAT(At(*form, 80, 80), Near(kDn));

  Release(*form, inside3);
  EXPECT_FALSE(form->BtnPics[3].pressed);
  EXPECT_THAT(At(*form, 80, 80), Near(kMv));

  Move(*form, QPoint(400, 400));
  EXPECT_FALSE(form->BtnPics[3].hover);
  EXPECT_THAT(At(*form, 80, 80), Near(kUp));

  // The border line itself is outside.
  Move(*form, QPoint(60, 75));
  EXPECT_FALSE(form->BtnPics[3].hover);
}

TEST(MainFormMouse, OverlappingButtonsAndTheScreenChangingUnderTheLoop) {
  const struct {
    QString button3, button4;
    int screenAfter;
  } cases[] = {
      // Both run in list order; the second switches.
      {"nothing", "2", 1},
      // The first switches; the loop stops before the second would switch back.
      {"2", "screen1", 1},
  };
  for (const auto& c : cases) {
    TBookFixture book;
    TTestSkinCommands commands;
    commands.button3 = c.button3;
    commands.button4 = c.button4;
    WriteTestSkin(book, UniqueTitle("overlap"), commands);
    const auto form = OpenBook(book);
    const QPoint both(130, 75);
    Press(*form, both);
    EXPECT_TRUE(form->BtnPics[3].pressed);
    EXPECT_FALSE(form->BtnPics[4].pressed) << "a press takes only the first button";
    Press(*form, both);
    EXPECT_TRUE(form->BtnPics[4].pressed) << "a second press takes the next one not pressed";
    Release(*form, both);
    EXPECT_EQ(Global.CurrentScreen, c.screenAfter) << c.button3.toStdString();
  }
}

TEST(MainFormMouse, ScreenSwitchRebuildsPicturesAndControls) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("switch"));
  const auto form = OpenBook(book);
  Click(*form, QPoint(50, 35));  // "screen2"
  ASSERT_EQ(Global.CurrentScreen, 1);
  ASSERT_EQ(form->BtnPics.size(), 3u);
  ASSERT_EQ(form->SwthGrpPics.size(), 1u);
  EXPECT_TRUE(form->SwthOnePics.empty());
  EXPECT_EQ(form->BtnPics[2].control->toolTip(), QStringLiteral("Назад"));
  EXPECT_FALSE(form->BtnPics[2].hover || form->BtnPics[2].pressed);
  EXPECT_THAT(At(*form, 400, 400), Near(QColor(Qt::white)));
  EXPECT_THAT(At(*form, 330, 30), Near(kSwitchDn));
  EXPECT_THAT(At(*form, 220, 30), Near(QColor(Qt::white))) << "screen 0's toggle is gone";

  Click(*form, QPoint(50, 35));  // "screen1"
  EXPECT_EQ(Global.CurrentScreen, 0);
  EXPECT_EQ(form->BtnPics.size(), 5u);
  EXPECT_THAT(At(*form, 5, 300), Near(kBackground));
}

TEST(MainFormMouse, ShiftClickChangesTheSwitchWithoutItsCommand) {
  TBookFixture book;
  TTestSkinCommands commands;
  commands.toggleOn = "2";
  commands.toggleOff = "nothing";
  WriteTestSkin(book, UniqueTitle("shift"), commands);
  const auto form = OpenBook(book);
  const QPoint toggle(220, 30);

  Click(*form, toggle, Qt::ShiftModifier);
  EXPECT_TRUE(form->Skin.ScreenSwthOne[0][0].state);
  EXPECT_EQ(Global.CurrentScreen, 0) << "no command with Shift";
  EXPECT_THAT(At(*form, 220, 30), Near(kSwitchMvDn));

  Click(*form, toggle, Qt::ShiftModifier);
  EXPECT_FALSE(form->Skin.ScreenSwthOne[0][0].state);
  Click(*form, toggle);
  EXPECT_EQ(Global.CurrentScreen, 1) << "without Shift the on-command runs";
}

TEST(MainFormMouse, GroupedSwitchesAreExclusiveWithinTheirScreen) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("group"));
  const auto form = OpenBook(book);
  auto& group = form->Skin.ScreenSwthGrp;
  Click(*form, QPoint(370, 30));
  EXPECT_FALSE(group[0][0].state);
  EXPECT_TRUE(group[0][1].state);
  EXPECT_TRUE(group[1][0].state) << "equal numbers on another screen are not related";
  EXPECT_THAT(At(*form, 320, 30), Near(kSwitchUp));
  EXPECT_THAT(At(*form, 370, 30), Near(kSwitchMvDn));

  Click(*form, QPoint(370, 30));  // already on: nothing
  EXPECT_TRUE(group[0][1].state);
  EXPECT_FALSE(group[0][0].state);
}

TEST(MainFormMouse, StoredSwitchesSurviveARestartButNotASecondaryInstance) {
  TBookFixture book;
  const QString title = UniqueTitle("store");
  WriteTestSkin(book, title);
  {
    const auto form = OpenBook(book);
    Click(*form, QPoint(220, 30));  // toggle on
    Click(*form, QPoint(370, 30));  // second of the group on
  }
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\" + ToCp1251(title), false));
  EXPECT_EQ(registry.ReadInteger("SwOne00"), 1);
  EXPECT_EQ(registry.ReadInteger("SwGrp00"), 0);
  EXPECT_EQ(registry.ReadInteger("SwGrp01"), 1);
  EXPECT_FALSE(registry.ValueExists("SwGrp10")) << "not stored: store=off";

  {
    const auto form = OpenBook(book);
    EXPECT_TRUE(form->Skin.ScreenSwthOne[0][0].state);
    EXPECT_TRUE(form->Skin.ScreenSwthGrp[0][1].state);
    EXPECT_FALSE(form->Skin.ScreenSwthGrp[0][0].state);
    form->Skin.ScreenSwthOne[0][0].state = false;
    Global.HasParams = true;  // as a second instance of the book would be
  }
  EXPECT_EQ(registry.ReadInteger("SwOne00"), 1);
}

TEST(MainFormMouse, TheCloseButtonTwiceRunsTheExitOnce) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("close"));
  const auto form = OpenBook(book);
  QSignalSpy finished(form.get(), &TMainForm::TerminateApplication);
  Click(*form, QPoint(780, 15));
  EXPECT_TRUE(form->ClosingRunning());
  Click(*form, QPoint(780, 15));
  form->close();
  ASSERT_TRUE(ProcessEventsUntil([&] { return finished.count() > 0; }));
  EXPECT_EQ(form->ExitSequencesStarted(), 1);
  EXPECT_EQ(form->ExitButtonIndex, 1);
}

TEST(MainFormKeys, EscAndShiftHome) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("keys"));
  const auto form = OpenBook(book);
  QTest::keyClick(form->windowHandle(), Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible()) << "Esc in the main role with nothing open does nothing";
  // Shift+Home needs the document pane, which this book has none of, on either screen.
  QTest::keyClick(form->windowHandle(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Global.CurrentScreen, 0);
  Click(*form, QPoint(50, 35));
  QTest::keyClick(form->windowHandle(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Global.CurrentScreen, 1);
}

TEST(MainFormKeys, EscEndsASecondaryInstance) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("esc"));
  book.IsolateSettings();
  TMainForm form(ParseCommandLine({"--book", book.Folder(), "picture.bmp"}));
  form.FormCreate();
  EXPECT_TRUE(Global.HasParams);
  QSignalSpy terminate(&form, &TMainForm::TerminateApplication);
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(terminate.count(), 1) << "Esc ends the application";

  // A key that the focused control leaves goes on to its parents: it still acts once.
  auto* field = new QLineEdit(&form);
  field->show();
  form.activateWindow();
  field->setFocus();
  ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::focusWidget() == field; }));
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(terminate.count(), 2);
}

TEST(MainFormCommands, ExitFromAPopupItemRecordsIndexZero) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("exit"));
  const auto form = OpenBook(book);
  form->RunCommand("exit", "", 0, TMainForm::TKind::Button, true);
  EXPECT_EQ(form->ExitButtonIndex, 0);
  EXPECT_TRUE(form->ClosingRunning());
  Global.BusyFlag = true;
  form->RunCommand("2", "", 0, TMainForm::TKind::Button, false);
  Global.BusyFlag = false;
  EXPECT_EQ(Global.CurrentScreen, 0) << "commands are refused while busy";
  ProcessEventsUntil([&] { return !form->ClosingRunning(); });
}

TEST(MainFormCommands, A3dSwitchArmsTheRestartTimerAfterAScreenSwitch) {
  TBookFixture book;
  TTestSkinCommands commands;
  commands.extraLines = {
      "switchgrp 2; vx=400; vy=20; fn1=s_up.bmp; fn2=s_mvup.bmp; fn3=s_mvdn.bmp; fn4=s_dn.bmp",
      "state=on; store=off; group=2; go=3d; hint=Машина; wav=no",
  };
  WriteTestSkin(book, UniqueTitle("3d"), commands);
  const auto form = OpenBook(book);
  EXPECT_FALSE(form->Restart3dPending());
  form->RunCommand("2", "", 0, TMainForm::TKind::Button, true);
  EXPECT_TRUE(form->Restart3dPending()) << "a \"3d\" group switch that is on, off screen 0";
  EXPECT_TRUE(ProcessEventsUntil([&] { return !form->Restart3dPending(); }));
  form->RunCommand("2", "", 0, TMainForm::TKind::Button, true);
  form->RunCommand("1", "", 0, TMainForm::TKind::Button, true);
  EXPECT_FALSE(form->Restart3dPending()) << "the next switch stops it; screen 0 has no such switch";
}

// A book without a title has a window without a caption: its close button still closes it.
TEST(MainFormCommands, TheCloseButtonOfAnUntitledBookClosesIt) {
  for (const bool blank : {false, true}) {
    TBookFixture book;
    WriteTestSkin(book, "unused");
    if (blank)
      book.Title("   ");
    else
      QFile::remove(book.Folder() + "/Title.txt");
    const auto form = OpenBook(book);
    QSignalSpy finished(form.get(), &TMainForm::TerminateApplication);
    Click(*form, QPoint(780, 15));
    ASSERT_TRUE(ProcessEventsUntil([&] { return finished.count() > 0; })) << "blank: " << blank;
    EXPECT_EQ(form->ExitSequencesStarted(), 1);
  }
}

// The build sizes the window once; another screen's background keeps to its top-left corner,
// clipped by the window or leaving the window's colour beside it.
TEST(MainFormCommands, AScreenSwitchKeepsTheWindowsSize) {
  for (const QSize other : {QSize(400, 300), QSize(1000, 700)}) {
    TBookFixture book;
    WriteTestSkin(book, UniqueTitle("size"));
    book.Picture("bg1.bmp", other, Qt::blue);
    const auto form = OpenBook(book);
    Click(*form, QPoint(50, 35));  // "screen2"
    ASSERT_EQ(Global.CurrentScreen, 1);
    EXPECT_EQ(form->size(), QSize(800, 600));
    const QImage shot = form->Snapshot();
    EXPECT_EQ(shot.size(), QSize(800, 600));
    EXPECT_EQ(shot.pixelColor(399, 299), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(799, 599), other.width() > 800 ? QColor(Qt::blue) : QColor(Qt::white));
    Click(*form, QPoint(50, 35));  // back: "screen1"
    EXPECT_EQ(form->size(), QSize(800, 600));
  }
}
