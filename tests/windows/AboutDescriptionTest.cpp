#include "windows/AboutDescription.h"

#include "app/Errors.h"
#include "platform/Cp1251.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <utility>
#include <vector>

namespace {

TLines Lines(const QStringList& utf8) {
  TLines lines;
  for (const QString& line : utf8) lines.push_back(ToCp1251(line));
  return lines;
}

}  // namespace

TEST(AboutDescription, ReadsPictureShapeTextsAndButtons) {
  const TAboutDescription about = ReadAboutLines(Lines({
      "Picture=About.BMP",
      "vertex=[0,0; 300,0",
      "300,200; 0,200]",
      "TEXT vx=10; vy=20; font=Arial Cyr; size=12; style=Bold Underline; color=255,128,0",
      "value=Версия 2.0; idenf=None",
      "text vx=5; vy=150; font=Arial; size=9; style=normal; color=0,0,255; value=Mail@Example.org; idenf=URL",
      "button vx=200; vy=160",
      "fn1=Close_up.bmp; fn2=close_mv.bmp",
      "hint=Закрыть окно; wav=Click.WAV",
  }));
  EXPECT_EQ(about.picture, "About.BMP");
  ASSERT_TRUE(about.hasVertex);
  EXPECT_EQ(about.vertex, (std::vector<QPoint>{{0, 0}, {300, 0}, {300, 200}, {0, 200}}));

  ASSERT_EQ(about.texts.size(), 2u);
  const RAboutText& version = about.texts[0];
  EXPECT_EQ(version.vx, 10);
  EXPECT_EQ(version.vy, 20);
  EXPECT_EQ(version.font, "Arial Cyr");
  EXPECT_EQ(version.size, 12);
  EXPECT_EQ(version.style, fsBold | fsUnderline);
  EXPECT_EQ(version.color, 255 + 128 * 256);
  EXPECT_EQ(version.value, ToCp1251(QStringLiteral("Версия 2.0")));
  EXPECT_FALSE(version.IsLink());
  EXPECT_EQ(about.texts[1].value, "Mail@Example.org");
  EXPECT_TRUE(about.texts[1].IsLink());

  ASSERT_EQ(about.buttons.size(), 1u);
  const RAboutButton& close = about.buttons[0];
  EXPECT_EQ(close.vx, 200);
  EXPECT_EQ(close.vy, 160);
  EXPECT_EQ(close.fn1, "Close_up.bmp");
  EXPECT_EQ(close.fn2, "close_mv.bmp");
  EXPECT_EQ(close.hint, ToCp1251(QStringLiteral("Закрыть окно")));
  EXPECT_EQ(close.wav, "click.wav");
}

TEST(AboutDescription, TextWinsOverButtonAndWordsInValuesStartNothing) {
  const TAboutDescription about = ReadAboutLines(Lines({
      "button with text vx=1; vy=2; font=A; size=8; style=; color=0,0,0; value=x; idenf=",
      "button vx=3; vy=4",
      "fn1=text_up.bmp; fn2=text_mv.bmp",  // the keys of the button before: no text here
      "hint=Press the button; wav=no",
      "picture=about.bmp",
      "text vx=1; vy=2; font=A; size=8; style=; color=0,0,0; value=Pictures and a vertex by me; idenf=",
  }));
  EXPECT_EQ(about.picture, "about.bmp");
  ASSERT_EQ(about.texts.size(), 2u);
  EXPECT_EQ(about.texts[0].vx, 1);
  ASSERT_EQ(about.buttons.size(), 1u);
  EXPECT_EQ(about.buttons[0].fn1, "text_up.bmp");
  EXPECT_FALSE(about.hasVertex);
}

TEST(AboutDescription, AKeyMissingOrAnUnclosedShapeNamesTheLine) {
  const std::vector<std::pair<QStringList, std::string>> cases = {
      {{"picture=a.bmp", "button vx=1; vy=2; fn1=a.bmp"}, "About.txt: line 2"},
      {{"picture=a.bmp", "vertex=[18,0;422,0", "text vx=1"}, "About.txt: line 2"},
  };
  for (const auto& [lines, where] : cases) {
    try {
      ReadAboutLines(Lines(lines));
      ADD_FAILURE() << "no error for " << lines.join(u'|').toStdString();
    } catch (const EDataError& e) {
      EXPECT_NE(std::string(e.what()).find(where), std::string::npos) << e.what();
    }
  }
}

TEST(AboutDescription, LinksMailAddressesAndShowTheTextUpToTheQuestionMark) {
  const struct {
    const char* value;
    const char* command;
    const char* shown;
  } cases[] = {
      {"service@example.org?subject=Book", "mailto:service@example.org?subject=Book", "service@example.org"},
      {"https://example.org/book?from=about", "https://example.org/book?from=about", "https://example.org/book"},
      {"www.example.org", "www.example.org", "www.example.org"},
  };
  for (const auto& c : cases) {
    const TAboutLink link = AboutLink(c.value);
    EXPECT_EQ(link.command, c.command);
    EXPECT_EQ(link.shown, c.shown);
  }
}
