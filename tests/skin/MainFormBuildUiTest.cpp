#include "app/PackWriter.h"
#include "platform/Cp1251.h"
#include "platform/Registry.h"
#include "support/ui/SkinFixture.h"
#include "tools/MyControl.h"

#include <gtest/gtest.h>
#include <QFile>

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

namespace {

// The message of the start's failure; empty when the book started.
std::string StartFailure(const TBookFixture& book) {
  book.IsolateSettings();
  TMainForm form(ParseCommandLine({"--book", book.Folder()}));
  try {
    form.FormCreate();
  } catch (const TStartFailure& failure) {
    EXPECT_FALSE(form.isVisible());
    return failure.what();
  }
  return {};
}

QByteArray PackOf(const std::string& name, const std::string& bytes) {
  TPackWriter writer;
  writer.AddFile(name, bytes);
  return QByteArray::fromStdString(writer.ToBytes());
}

}  // namespace

// Each message names the host file and what is wrong with it, and the line of a description.
TEST(MainFormBuild, BooksThatCannotStartSayWhy) {
  const struct {
    QStringList structLines;  // empty: no description at all
    const char* expected;
  } cases[] = {
      {{}, "has neither \"interface.dat\" nor \"Struct.txt\""},
      {{"button 1; vx=1; vy=2; fn1=a.bmp"}, "/Struct.txt: line 1: key \"fn2\""},
      {{"_html x; vx=1"}, "/Struct.txt: line 1"},
      {{"_screen2147483648 bg.bmp"}, "/Struct.txt: line 1: screen number 2147483648"},
      {{"_screen 1 bg.bmp", "vertexmain=[0,0;5,5", "codec="},
       "/Struct.txt: line 2: vertex list of \"vertexmain\": the list has no closing \"]\""},
      // Book text in a message is UTF-8, as every message is.
      {{"_screen 1 bg.bmp", "vertexmain=[0,0;Цифра,5]"}, "\"Цифра\" is not a valid integer value"},
      {{"codec="}, "/Struct.txt declares no screen"},
      {{""}, "/Struct.txt declares no screen"},
  };
  for (const auto& c : cases) {
    TBookFixture book;
    if (!c.structLines.isEmpty()) book.Struct(c.structLines);
    const std::string failure = StartFailure(book);
    EXPECT_NE(failure.find(c.expected), std::string::npos) << failure;
    if (!c.structLines.isEmpty()) {
      EXPECT_EQ(failure.find(book.Folder().toStdString()), 0u) << failure;
    }
  }
}

// A pack that is there must be readable: the book never opens from loose files instead.
TEST(MainFormBuild, ADamagedPackIsAnErrorThatSaysSo) {
  const std::string description(2000, ' ');  // compresses, so its zlib stream can be broken
  TBookFixture damaged, member, folder, noStruct;
  for (const TBookFixture* book : {&damaged, &member, &folder, &noStruct}) {
    WriteTestSkin(*book, UniqueTitle("pack"));
  }
  damaged.File("interface.dat", "not a pack at all");
  QByteArray pack = PackOf("Struct.txt", "_screen1 bg0.bmp\r\n" + description);
  pack.chop(2);
  member.File("interface.dat", pack + "\xff\xff");
  folder.File("interface.dat/inside", "x");
  noStruct.File("interface.dat", PackOf("other.txt", "x"));
  QFile::remove(noStruct.Folder() + "/Struct.txt");

  const struct {
    const TBookFixture& book;
    std::string expected;
  } cases[] = {
      {damaged, "the resource pack " + damaged.Folder().toStdString() + "/interface.dat is damaged: "},
      {member, "Cannot open file \"Struct.txt\" in the resource pack " + member.Folder().toStdString() +
                   "/interface.dat: it is damaged"},
      {folder, "Cannot open file " + folder.Folder().toStdString() + "/interface.dat: it is a folder"},
      {noStruct, "the resource pack " + noStruct.Folder().toStdString() +
                     "/interface.dat holds no \"Struct.txt\", and there is no \"Struct.txt\" beside it"},
  };
  for (const auto& c : cases) EXPECT_EQ(StartFailure(c.book).substr(0, c.expected.size()), c.expected);
}

// Descriptions saved with Linux line ends read as their author wrote them.
TEST(MainFormBuild, ADescriptionWithLinuxLineEndsOpens) {
  TBookFixture book;
  WriteTestSkin(book, UniqueTitle("lf"));
  QFile file(book.Folder() + "/Struct.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray crlf = file.readAll();
  file.close();
  book.File("Struct.txt", QByteArray(crlf).replace("\r\n", "\n"));
  const auto form = OpenBook(book);
  EXPECT_EQ(form->Skin.ScreenCount(), 2);
  EXPECT_EQ(form->size(), QSize(800, 600));
  EXPECT_EQ(form->BtnPics.size(), 5u);
}
