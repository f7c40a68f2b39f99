#include "platform/Cp1251.h"
#include "support/PackBuilder.h"
#include "support/StructBuilder.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct ToolRun {
  int exitCode;
  QByteArray out, err;
};

ToolRun DumpSkin(const QString& book) {
  QProcess process;
  process.start(QStringLiteral(SKINBOOK_BOOKTOOL), {QStringLiteral("dump-skin"), book});
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

TStructBuilder SmallBook() {
  TStructBuilder d;
  d.Line("rolic=Intro.avi")
      .Line("vertexmain=[0,0;640,0;640,480]")
      .WindowButtons()
      .Line("button1;vx=5;vy=6;fn1=a1.bmp;fn2=a2.bmp;fn3=a3.bmp;go=html1=man\\a.htm;hint=Оглавление;wav=no")
      .Line("button1;textfontstyleup=Bold Italic")
      .Line("vx=9;vy=9;fn1=b1.bmp;fn2=b2.bmp;fn3=b3.bmp;go=prior;hint=b;wav=no")
      .Screen(1, "Back.bmp")
      .Line("switchgrp2;vx=1;vy=2;fn1=1.bmp;fn2=2.bmp;fn3=3.bmp;fn4=4.bmp;state=on;store=on;group=1")
      .Line("go=html1=man\\b.htm;hint=g;wav=no")
      .Line("_popup2;xfon=-1;yfon=-1;fnfon=p.bmp;xbtn=-1;ybtn=-1")
      .Line("fnbtnup=[u.bmp]")
      .Line("fnbtnmove=[m.bmp]")
      .Line("fnbtndown=[d.bmp]")
      .Line("fontup=arial;sizeup=8;styleup=bold;colorup=0,0,0;fontmv=arial;sizemv=8;stylemv=;colormv=255,0,0")
      .Line("caption=[]")
      .Line("go=[]")
      .Line("parent=x;type=historyback")
      .Line("vertex=[1,2;3,4]");
  return d;
}

TEST(BooktoolDumpSkin, PrintsTheModelAsJson) {
  TempDir book;
  book.Write(QStringLiteral("Struct.txt"), SmallBook().FileBytes());

  const ToolRun run = DumpSkin(book.Path());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  QJsonParseError error;
  const QJsonObject skin = QJsonDocument::fromJson(run.out, &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();

  const QJsonArray screens = skin[u"screens"].toArray();
  ASSERT_EQ(screens.size(), 2);
  const QJsonObject first = screens[0].toObject();
  EXPECT_EQ(first[u"background"].toString(), QStringLiteral("back.bmp"));
  const QJsonArray buttons = first[u"buttons"].toArray();
  ASSERT_EQ(buttons.size(), 4);
  EXPECT_EQ(buttons[0][u"go"].toString(), QStringLiteral("html1=man\\a.htm"));
  EXPECT_EQ(buttons[0][u"hint"].toString(), QStringLiteral("Оглавление"));
  EXPECT_EQ(buttons[1][u"textfontstyleup"].toInt(), 3);
  EXPECT_EQ(buttons[2][u"go"].toString(), QStringLiteral("minimize"));
  EXPECT_EQ(buttons[3][u"vx"].toInt(), 720);
  EXPECT_FALSE(buttons[0].toObject().contains(u"right"));

  const QJsonObject grp = screens[1][u"switchgrp"][0].toObject();
  EXPECT_EQ(grp[u"go"].toString(), QStringLiteral("html1=d:\\man\\b.htm"));  // the book folder is the disc
  EXPECT_TRUE(grp[u"state"].toBool());
  EXPECT_EQ(grp[u"group"].toInt(), 1);

  const QJsonObject popup = skin[u"popup"][0].toObject();
  EXPECT_EQ(popup[u"screen"].toInt(), 1);
  EXPECT_EQ(popup[u"type"].toInt(), -1);
  EXPECT_EQ(popup[u"colormv"].toInt(), 255);
  EXPECT_EQ(popup[u"vertex"].toArray(), (QJsonArray{QJsonArray{1, 2}, QJsonArray{3, 4}}));

  EXPECT_EQ(skin[u"rolic"].toString(), QStringLiteral("intro.avi"));
  EXPECT_EQ(skin[u"vertexmain"].toArray().size(), 3);
  EXPECT_TRUE(skin[u"html"].toArray().isEmpty());
  EXPECT_TRUE(skin[u"bgsounddef"].toArray().isEmpty());
}

TEST(BooktoolDumpSkin, ReadsTheDescriptionFromThePack) {
  TempDir book;
  TStructBuilder d;
  d.Line("icon=Book.ico");
  WritePack(book, {{"Struct.txt", d.FileBytes().toStdString()}});

  const ToolRun run = DumpSkin(book.Path());
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const QJsonObject skin = QJsonDocument::fromJson(run.out).object();
  EXPECT_EQ(skin[u"icon"].toString(), QStringLiteral("book.ico"));
  EXPECT_TRUE(skin[u"vertexmain"].isNull());
  EXPECT_TRUE(skin[u"screens"].toArray().isEmpty());
}

TEST(BooktoolDumpSkin, BadBooksExitWithOne) {
  TempDir malformed;
  malformed.Write(QStringLiteral("Struct.txt"), "codec=x\r\nbutton1;vx=1\r\nvy=2\r\n");
  TempDir missing;
  TempDir damagedPack;
  damagedPack.Write(QStringLiteral("interface.dat"), "not a pack");
  damagedPack.Write(QStringLiteral("Struct.txt"), "codec=x\r\n");
  TempDir cyrillic;
  cyrillic.Write(QStringLiteral("Struct.txt"), QByteArray::fromStdString(ToCp1251(u"vertexmain=[0,0;Цифра,5]\r\n")));

  const struct {
    QString book;
    QString message;
  } cases[] = {
      {malformed.Path(),
       malformed.Path() + QStringLiteral("/Struct.txt: line 2: key \"fn1\" of \"button\" never occurs")},
      {missing.Path(), QStringLiteral("Struct.txt")},
      {damagedPack.Path(), QStringLiteral("/interface.dat is damaged")},
      {missing.Path() + QStringLiteral("/nowhere"), QStringLiteral("/nowhere does not exist")},
      {cyrillic.Path(), QStringLiteral("\"Цифра\" is not a valid integer value")},
  };
  for (const auto& c : cases) {
    const ToolRun run = DumpSkin(c.book);
    EXPECT_EQ(run.exitCode, 1) << c.book.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.message)) << run.err.toStdString();
  }
}

}  // namespace
