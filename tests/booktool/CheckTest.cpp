// booktool check: a small book that is clean, and one fault at a time in copies of it.

#include "app/PackWriter.h"
#include "platform/Cp1251.h"
#include "support/ProgramEnvironment.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <functional>
#include <map>

namespace {

struct TRun {
  int exitCode;
  QString out, err;
};

TRun Booktool(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(SKINBOOK_BOOKTOOL), args);
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TRun Check(const QString& book) { return Booktool({"check", book}); }

// Book files by name: texts are written in Windows-1251 with CR LF line ends.
using TBook = std::map<QString, QByteArray>;

QByteArray Text(const QStringList& lines) { return QByteArray::fromStdString(ToCp1251(lines.join("\r\n") + "\r\n")); }

QStringList StructLines() {
  return {
      "minimize; vx=740; vy=5; fn1=w.bmp; fn2=w.bmp; fn3=w.bmp; hint=Свернуть; wav=no",
      "close; vx=770; vy=5; fn1=w.bmp; fn2=w.bmp; fn3=w.bmp; hint=Выход; wav=no",
      "button 1",                                       // line 3
      "vx=10; vy=20; fn1=b.bmp; fn2=b.bmp; fn3=b.bmp",  // line 4
      "go=html1=man\\a.htm",
      "hint=Страница; wav=click.wav",
      "switchone 1",  // line 7
      "vx=200; vy=20; fn1=s.bmp; fn2=s.bmp; fn3=s.bmp; fn4=s.bmp",
      "state=off; store=on",
      "goup=offtree; godown=ontree",
      "hint=Дерево; wav=no",
      "_html 1",
      "vx=10; vy=100; vw=400; vh=400",
      "fn=man\\a.htm; number=1",
      "_tree 1",
      "vw=200; vh=500; colorselect=0,0,0; colorselecttext=255,255,255",
      "fn=contents.txt",
      "_screen1 bg.bmp",
  };
}

TBook CleanBook() {
  return {
      {"Struct.txt", Text(StructLines())},
      {"Title.txt", Text({"Проверочная книга"})},
      {"contents.txt", Text({"man\\a.htm;Страница А", "\tman\\b.htm#part;Раздел"})},
      {"man/a.htm", "<html><body>\n<a href=\"b.htm#part\">b</a>\n<img src=\"p.gif\">\n</body></html>"},
      {"man/b.htm", "<html><body><a name=\"part\"></a><a href=\"a.htm\">a</a><a href=\"#part\">top</a></body></html>"},
      {"man/p.gif", "GIF89a"},
      {"w.bmp", "BM"},
      {"b.bmp", "BM"},
      {"s.bmp", "BM"},
      {"bg.bmp", "BM"},
      {"click.wav", "RIFF"},
  };
}

QString Write(const TempDir& dir, const TBook& book) {
  for (const auto& [name, bytes] : book) dir.Write(name, bytes);
  return dir.Path();
}

QByteArray WithStruct(const std::function<void(QStringList&)>& change) {
  QStringList lines = StructLines();
  change(lines);
  return Text(lines);
}

TEST(BooktoolCheck, ACleanBookHasNothingToSay) {
  TempDir dir;
  const TRun run = Check(Write(dir, CleanBook()));
  EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

TEST(BooktoolCheck, TheSampleBookIsClean) {
  const TRun run = Check(SKINBOOK_SAMPLE_BOOK);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

// An author checks the image they are about to ship just as the folder it was made from.
TEST(BooktoolCheck, TheSampleBooksImageIsCleanToo) {
  TempDir dir;
  const QString image = dir.Path() + "/sample.iso";
  const TRun written = Booktool({"iso", SKINBOOK_SAMPLE_BOOK, image});
  ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
  const TRun run = Booktool({"check", image}, ProgramEnvironment(dir.Path()));
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
  EXPECT_EQ(Booktool({"iso", dir.Path() + "/nowhere", image}).exitCode, 1);
}

TEST(BooktoolCheck, EachKindOfFaultIsFoundWithItsFileAndLine) {
  const struct {
    const char* fault;
    std::function<void(TBook&)> change;
    QString expected;  // one line of the output
  } cases[] = {
      {"LF line ends", [](TBook& b) { b["Struct.txt"].replace("\r\n", "\n"); }, "Struct.txt: lines end in LF alone"},
      {"mixed line ends",
       [](TBook& b) {
         b["contents.txt"] = Text({"man\\a.htm;А\nman\\b.htm;Б", "man\\a.htm;В"});
       },
       "contents.txt: line 2: mixed line ends: line 1 ends in LF alone, line 2 in CR LF"},
      {"a key written before the one read ahead of it",
       [](TBook& b) {
         b["Struct.txt"] = WithStruct([](QStringList& l) { l[3] = "fn1=b.bmp; fn2=b.bmp; fn3=b.bmp\r\nvx=10; vy=20"; });
       },
       "Struct.txt: line 4: \"fn1\" of \"button\" of line 3 stands before \"vy\" on line 5"},
      {"a missing key", [](TBook& b) { b["Struct.txt"] = WithStruct([](QStringList& l) { l[5] = "wav=click.wav"; }); },
       "Struct.txt: line 3: \"button\" of line 3 has no \"hint\": the reader takes the value from line 11"},
      {"a value swallowing the next pair",
       [](TBook& b) {
         b["Struct.txt"] = WithStruct([](QStringList& l) { l[3] = "vx=10; vy=20; fn1=b.bmp fn2=b.bmp; fn3=b.bmp"; });
       },
       "Struct.txt: line 4: the value of \"fn1\" runs on into \"fn2=\""},
      {"a missing picture", [](TBook& b) { b.erase("b.bmp"); },
       "Struct.txt: line 4: the picture \"b.bmp\" (\"fn1\") is missing"},
      {"a missing sound", [](TBook& b) { b.erase("click.wav"); },
       "Struct.txt: line 6: the sound \"click.wav\" (\"wav\") is missing"},
      {"a command's missing page",
       [](TBook& b) { b["Struct.txt"] = WithStruct([](QStringList& l) { l[4] = "go=html1=man\\zz.htm"; }); },
       "Struct.txt: line 5: the page \"man/zz.htm\" (\"go\") is missing"},
      {"a link to a missing page", [](TBook& b) { b["man/a.htm"].replace("b.htm#part", "c.htm"); },
       "man/a.htm: line 2: the page \"man/c.htm\" is missing"},
      {"a missing picture in a page", [](TBook& b) { b.erase("man/p.gif"); },
       "man/a.htm: line 3: the picture \"man/p.gif\" is missing"},
      {"a link to a missing anchor", [](TBook& b) { b["man/b.htm"].replace("name=\"part\"", "name=\"other\""); },
       "man/a.htm: line 2: the page \"man/b.htm\" has no anchor \"part\""},
      {"a contents entry pointing nowhere",
       [](TBook& b) {
         b["contents.txt"] = Text({"man\\a.htm;А", "Глава", "\tman\\x.htm;Икс"});
       },
       "contents.txt: line 3: the entry's page \"man/x.htm\" is missing"},
      {"an index naming a missing page",
       [](TBook& b) {
         b["keywords.idx"] = Text({"страница"});
         b["index.idx"] = Text({"1:2"});
         b["files.idx"] = Text({"man\\a.htm#:#А", "man\\gone.htm#:#Нет"});
       },
       "files.idx: line 2: the page \"man/gone.htm\" is missing"},
      {"colliding switch names",
       [](TBook& b) {
         b["Struct.txt"] = WithStruct([](QStringList& l) {
           for (int i = 0; i < 11; ++i)
             l << "switchone 2"
               << "vx=1; vy=1; fn1=s.bmp; fn2=s.bmp; fn3=s.bmp; fn4=s.bmp; state=on; store=on"
               << "goup=offtree; godown=ontree; hint=x; wav=no";
           l << "switchone 12"
             << "vx=1; vy=1; fn1=s.bmp; fn2=s.bmp; fn3=s.bmp; fn4=s.bmp; state=on; store=on"
             << "goup=offtree; godown=ontree; hint=x; wav=no";
         });
       },
       "Struct.txt: line 52: this switch is stored as \"SwOne110\", like the switch on line 49"},
      {"a hint holding \"close\"",
       [](TBook& b) { b["Struct.txt"] = WithStruct([](QStringList& l) { l[10] = "hint=Close the tree; wav=no"; }); },
       "Struct.txt: line 11: \"close\" inside this line makes the reader take it as a keyword: it reads the close "
       "button's keys again from here"},
      {"a malformed element, and a fault after it",
       [](TBook& b) {
         b["Struct.txt"] = WithStruct([](QStringList& l) { l[10] = "hint=Close the tree; wav=no"; });
         b.erase("s.bmp");
       },
       "Struct.txt: line 8: the picture \"s.bmp\" (\"fn1\") is missing"},
      {"no title", [](TBook& b) { b.erase("Title.txt"); }, "Title.txt: missing"},
      {"an empty title", [](TBook& b) { b["Title.txt"] = "\r\n  \r\n"; }, "Title.txt: no title in it"},
      {"no screen", [](TBook& b) { b["Struct.txt"] = Text({"codec="}); }, "Struct.txt: no screen is declared"},
      {"a damaged pack", [](TBook& b) { b["interface.dat"] = "not a pack"; }, "interface.dat: the resource pack "},
      {"a damaged member",
       [](TBook& b) {
         TPackWriter writer;
         writer.AddFile("notes.txt", std::string(3000, 'n'));
         QByteArray pack = QByteArray::fromStdString(writer.ToBytes());
         pack[pack.size() - 1] = static_cast<char>(pack[pack.size() - 1] ^ 0x55);
         b["interface.dat"] = pack;
       },
       "interface.dat: \"NOTES.TXT\" in the pack is damaged"},
  };
  for (const auto& c : cases) {
    TBook book = CleanBook();
    c.change(book);
    TempDir dir;
    const TRun run = Check(Write(dir, book));
    EXPECT_EQ(run.exitCode, 1) << c.fault << run.err.toStdString();
    const QStringList lines = run.out.split('\n');
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(c.expected); }))
        << c.fault << ":\n"
        << run.out.toStdString();
  }
}

// An index built before a page changed no longer finds what the page says.
TEST(BooktoolCheck, AnIndexOlderThanThePages) {
  TBook book = CleanBook();
  book["keywords.idx"] = Text({"страница"});
  book["index.idx"] = Text({"1"});
  book["files.idx"] = Text({"man\\a.htm#:#А"});
  TempDir dir;
  Write(dir, book);
  for (const char* index : {"keywords.idx", "index.idx", "files.idx"}) {
    QFile file(dir.Path() + "/" + index);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
  }
  const TRun run = Check(dir.Path());
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.out.startsWith("files.idx: older than the page \"man/")) << run.out.toStdString();
}

}  // namespace
