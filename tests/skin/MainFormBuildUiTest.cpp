#include "platform/Cp1251.h"
#include "platform/Registry.h"
#include "skin/MyControl.h"
#include "support/ui/SkinFixture.h"

#include <gtest/gtest.h>

using namespace SkinColors;

TEST(MainFormBuild, BuildsTheSkinAndOpensWithTheGrowingEllipse) {
  TBookFixture book;
  const QString title = UniqueTitle("build");
  WriteTestSkin(book, title);
  book.IsolateSettings();
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\" + ToCp1251(title), true));
    registry.WriteBool("SwOne00", true);  // stored "on" beats the description's "off"
    registry.WriteInteger("SwGrp00", 0);  // stored "off" beats "on"
  }

  const auto form = OpenBook(book);
  EXPECT_EQ(form->size(), QSize(800, 600));
  EXPECT_EQ(form->windowTitle(), title);
  // About 200 ticks for an 800-pixel-wide window: 8 pixels wider per tick.
  EXPECT_NEAR(form->OpeningTicks(), 202, 2);

  EXPECT_TRUE(form->Skin.ScreenSwthOne[0][0].state);
  EXPECT_FALSE(form->Skin.ScreenSwthGrp[0][0].state);

  const QImage shot = form->Snapshot();
  EXPECT_EQ(shot.pixelColor(5, 5), kBackground);
  EXPECT_EQ(shot.pixelColor(220, 30), kSwitchDn);  // stored on: dn look
  EXPECT_EQ(shot.pixelColor(320, 30), kSwitchUp);  // stored off: up look
  // The caption box is (2,2)-(50,28) in the button's picture, at (12,22)-(60,48) here; the
  // caption is wider and clipped there.
  EXPECT_EQ(shot.pixelColor(65, 30), kUp);
  EXPECT_EQ(shot.pixelColor(30, 49), kUp);
  int white = 0;
  for (int x = 12; x < 60; ++x)
    for (int y = 22; y < 48; ++y) white += shot.pixelColor(x, y) == QColor(Qt::white);
  EXPECT_GT(white, 20) << "the caption is drawn in its colour";

  // Minimize and close come first: their "_screen" line stands before the buttons.
  ASSERT_EQ(form->BtnPics.size(), 5u);
  EXPECT_EQ(form->BtnPics[0].control->geometry(), QRect(740, 5, 20, 20));
  EXPECT_EQ(form->BtnPics[1].control->toolTip(), QStringLiteral("Выход"));
  EXPECT_EQ(form->BtnPics[2].control->geometry(), QRect(10, 20, 100, 30));
  EXPECT_EQ(form->BtnPics[2].control->toolTip(), QStringLiteral("Дальше"));
  EXPECT_EQ(form->SwthGrpPics[0].control->geometry(), QRect(300, 20, 40, 20));
}

TEST(MainFormBuild, TitleIsTheLastNonEmptyLine) {
  TBookFixture book;
  WriteTestSkin(book, "ignored");
  book.Title(UniqueTitle("first") + "\r\n" + UniqueTitle("last") + "\r\n\r\n");
  const auto form = OpenBook(book);
  EXPECT_EQ(form->windowTitle(), UniqueTitle("last"));
}

TEST(MainFormBuild, BooksThatCannotStartSayWhy) {
  const struct {
    QStringList structLines;  // empty: no description at all
    const char* expected;
  } cases[] = {
      {{}, "no \"interface.dat\" with \"Struct.txt\""},
      {{"button 1; vx=1; vy=2; fn1=a.bmp"}, "Struct.txt: line 1"},
      {{"_html x; vx=1"}, "Struct.txt: line 1"},
      // Book text in a message is UTF-8, as every message is.
      {{"_screen 1 bg.bmp", "vertexmain=[0,0;Цифра,5]"}, "\"Цифра\" is not a valid integer value"},
  };
  for (const auto& c : cases) {
    TBookFixture book;
    book.IsolateSettings();
    if (!c.structLines.isEmpty()) book.Struct(c.structLines);
    TMainForm form(ParseCommandLine({"--book", book.Folder()}));
    try {
      form.FormCreate();
      ADD_FAILURE() << "started: " << c.expected;
    } catch (const TStartFailure& failure) {
      EXPECT_NE(std::string(failure.what()).find(c.expected), std::string::npos) << failure.what();
    }
    EXPECT_FALSE(form.isVisible());
  }
}
