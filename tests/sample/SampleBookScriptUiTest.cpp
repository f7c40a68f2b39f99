// The sample book driven from outside, as a reader would: the program runs a script that
// clicks through both screens, and its own dumps tell what it showed. Each test gives the
// program settings and runtime folders of its own.

#include "platform/Globals.h"
#include "platform/ui/Printers.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/PageText.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QThread>
#include <csignal>

namespace {

// Centres of the sample skin's elements (sample/generator/SkinLayout.cpp).
const QPoint kOpenBook(146, 445);         // title screen: "Открыть книгу", screen2
const QPoint kTitleButton(68, 68);        // reading screen: "Титул", screen1
const QPoint kContentsToggle(720, 68);    // reading screen: the stored toggle, on at first
const QPoint kIndexTab(192, 527);         // the stored group's second tab; the first is on
const QPoint kPathBox(695, 582);          // the install folder box in the status strip
const QPoint kPageArea(745, 120);         // the clip panel beside the pane: nothing to click
const QPoint kNextChapter(748, 214);      // reading screen: the chapter after the one read
const QPoint kContentsTab(90, 527);       // the group's first tab: tree A, the contents
const QPoint kStillTab(624, 111);         // title screen: "2D", the still car
const QPoint kTurningTab(672, 111);       // title screen: "3D", the car on its turntable
const QPoint kShowroom(359, 264);         // title screen: inside the 3D view
const QPoint kVideoButton(676, 529);      // reading screen: the engine clip in its panel
const QPoint kMusicButton(766, 529);      // reading screen: background music on or off
const QPoint kThesaurusButton(616, 529);  // reading screen: the thesaurus
const QPoint kAddFavorite(748, 403);      // reading screen: the page into the favourites
const QPoint kShowFavorites(748, 441);    // reading screen: the favourites list
const QPoint kDeleteFavorites(748, 479);  // reading screen: the favourites list in delete mode

constexpr int kRunTimeoutMs = 60000;

struct TRun {
  bool finished = false;
  int exitCode = -1;
  QString errors;  // standard error
};

QString At(const char* verb, QPoint p) {
  return QStringLiteral("%1 %2 %3").arg(QLatin1String(verb)).arg(p.x()).arg(p.y());
}

// States of one screen's switches in a dump, in declaration order.
std::vector<bool> States(const QJsonObject& dump, int screen, const char* kind, const char* field = "state") {
  std::vector<bool> states;
  for (const QJsonValue& s : dump["screens"].toArray()[screen].toObject()[kind].toArray())
    states.push_back(s.toObject()[field].toBool());
  return states;
}

class SampleBookScript : public ::testing::Test {
 protected:
  void SetUp() override {
    config_ = folders_.MakeFolder("config");
    data_ = folders_.MakeFolder("data");
    runtime_ = folders_.MakeFolder("runtime");
    temp_ = folders_.MakeFolder("tmp");
    QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }

  QString File(const QString& name) const { return QDir(folders_.Path()).filePath(name); }

  // The program on the sample book, running the script.
  void Start(QProcess& program, const QStringList& lines, const QStringList& options = {}) {
    const QString script = folders_.Write(QStringLiteral("script%1.txt").arg(++scripts_), lines.join('\n').toUtf8());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config_);
    env.insert("XDG_DATA_HOME", data_);
    env.insert("XDG_RUNTIME_DIR", runtime_);
    env.insert("TMPDIR", temp_);  // where archive listings are written
    program.setProcessEnvironment(env);
    program.start(SKINBOOK_PROGRAM,
                  QStringList{"--book", QStringLiteral(SKINBOOK_SAMPLE_BOOK), "--script", script} + options);
  }

  TRun RunScript(const QStringList& lines, const QStringList& options = {}) {
    QProcess program;
    Start(program, lines, options);
    TRun run;
    run.finished = program.waitForFinished(kRunTimeoutMs);
    if (!run.finished) {
      program.kill();
      program.waitForFinished();
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.errors = QString::fromUtf8(program.readAllStandardError());
    return run;
  }

  QJsonObject Dump(const QString& name) const {
    QFile file(File(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QJsonDocument::fromJson(file.readAll()).object();
  }

  QString Dumped(const QString& name) const { return "dump " + File(name); }

  // Every settings file the program wrote, as one text.
  QString StoredSettings() const {
    QString all;
    QDirIterator files(config_, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      QFile file(files.next());
      if (file.open(QIODevice::ReadOnly)) all += QString::fromUtf8(file.readAll());
    }
    return all;
  }

  TempDir folders_;
  QString config_, data_, runtime_, temp_;
  int scripts_ = 0;
};

TEST_F(SampleBookScript, ClicksThroughBothScreensAndKeepsTheSwitchesForTheNextRun) {
  const TRun first = RunScript({
      Dumped("start.json"),
      At("click", kOpenBook),
      "wait 100",
      Dumped("reading.json"),
      At("move", kContentsToggle),
      "wait 50",
      Dumped("hover.json"),
      At("click", kContentsToggle),
      At("click", kIndexTab),
      "wait 100",
      At("move", kIndexTab),
      "wait 50",
      Dumped("overtab.json"),
      At("move", kPathBox),
      "wait 50",
      Dumped("overbox.json"),
      At("click", kPathBox),
      At("click", kPageArea),
      "wait 100",
      Dumped("switched.json"),
      At("click", kTitleButton),
      "wait 100",
      Dumped("back.json"),
      "close",
  });
  ASSERT_TRUE(first.finished);
  EXPECT_EQ(first.exitCode, 0) << qPrintable(first.errors);

  const QJsonObject start = Dump("start.json");
  ASSERT_FALSE(start.isEmpty());
  EXPECT_EQ(start["screen"].toInt(), 0);
  EXPECT_EQ(start["size"].toArray(), (QJsonArray{800, 600}));
  EXPECT_FALSE(start["busy"].toBool());
  ASSERT_EQ(start["screens"].toArray().size(), 2);
  EXPECT_EQ(States(start, 1, "switchone"), std::vector<bool>{true});
  EXPECT_EQ(States(start, 1, "switchgrp"), (std::vector<bool>{true, false}));
  EXPECT_EQ(start["buttons"].toArray().size(), 8 + 2);
  // Page title, status line, the version line and the dialog's status line, whichever screen
  // is shown.
  const QJsonArray texts = start["texts"].toArray();
  EXPECT_EQ(texts.size(), 4);
  EXPECT_TRUE(texts.contains(QStringLiteral("Оглавление")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Готово")));
  EXPECT_TRUE(start["messages"].toArray().isEmpty());

  const QJsonObject reading = Dump("reading.json");
  EXPECT_EQ(reading["screen"].toInt(), 1);
  EXPECT_EQ(reading["buttons"].toArray().size(), 21 + 2);
  // The page title line now names the start page shown in the pane, the others stay.
  QJsonArray readingTexts;
  for (const QJsonValue& t : texts)
    readingTexts.append(t.toString() == QStringLiteral("Оглавление") ? QStringLiteral("Оглавление  ") : t);
  EXPECT_EQ(reading["texts"].toArray(), readingTexts);
  EXPECT_TRUE(
      reading["pane"].toObject()["currentFile"].toString().toLower().endsWith(QStringLiteral("\\man\\index.htm")));

  const QJsonObject hover = Dump("hover.json");
  EXPECT_EQ(States(hover, 1, "switchone", "hover"), std::vector<bool>{true});

  // The pointer moved from a tab onto the path box is over no element any more.
  EXPECT_EQ(States(Dump("overtab.json"), 1, "switchgrp", "hover"), (std::vector<bool>{false, true}));
  const QJsonObject overBox = Dump("overbox.json");
  EXPECT_EQ(States(overBox, 1, "switchgrp", "hover"), (std::vector<bool>{false, false}));
  EXPECT_EQ(States(overBox, 1, "switchone", "hover"), std::vector<bool>{false});

  // The clicks into the path box and onto the page area change nothing.
  const QJsonObject switched = Dump("switched.json");
  EXPECT_EQ(switched["screen"].toInt(), 1);
  EXPECT_EQ(States(switched, 1, "switchone"), std::vector<bool>{false});
  EXPECT_EQ(States(switched, 1, "switchgrp"), (std::vector<bool>{false, true}));
  EXPECT_EQ(States(switched, 1, "switchone", "hover"), std::vector<bool>{false});
  for (const QJsonValue& b : switched["buttons"].toArray()) {
    EXPECT_FALSE(b.toObject()["pressed"].toBool()) << qPrintable(b.toObject()["hint"].toString());
  }

  const QJsonObject back = Dump("back.json");
  EXPECT_EQ(back["screen"].toInt(), 0);
  EXPECT_EQ(back["buttons"].toArray().size(), 8 + 2);
  EXPECT_EQ(States(back, 1, "switchone"), std::vector<bool>{false});
  EXPECT_EQ(States(back, 1, "switchgrp"), (std::vector<bool>{false, true}));
  EXPECT_TRUE(StoredSettings().contains(QStringLiteral("PathInstall0")));

  // A new run in the same settings folder starts with the switches as they were left.
  const TRun second = RunScript({Dumped("again.json"), "close"});
  ASSERT_TRUE(second.finished);
  EXPECT_EQ(second.exitCode, 0) << qPrintable(second.errors);
  const QJsonObject again = Dump("again.json");
  EXPECT_EQ(again["screen"].toInt(), 0);
  EXPECT_EQ(States(again, 1, "switchone"), std::vector<bool>{false});
  EXPECT_EQ(States(again, 1, "switchgrp"), (std::vector<bool>{false, true}));
}

// The contents tree opens pages; the chapter button walks on and its hint names the next
// chapter; the index tab shows the second tree.
TEST_F(SampleBookScript, ReadsThroughTheContentsTree) {
  const TRun run = RunScript({
      At("click", kOpenBook),
      "wait 100",
      "tree 1 Система смазки",
      Dumped("chapter.json"),
      At("click", kNextChapter),
      "wait 100",
      Dumped("next.json"),
      At("click", kIndexTab),
      "tree 2 Г",
      "tree 2 Генератор",
      Dumped("index.json"),
      At("click", kContentsTab),
      "tree 1 Г",
      "close",
  });
  ASSERT_TRUE(run.finished);
  // A caption that is not in the tree ends the run, naming it.
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.errors.contains(QStringLiteral("tree 1 has no item \"Г\""))) << qPrintable(run.errors);

  const auto selected = [](const QJsonObject& dump, const char* tree) {
    return dump["trees"].toObject()[tree].toObject()["selected"].toObject()["caption"].toString();
  };
  const auto hints = [](const QJsonObject& dump) {
    QStringList list;
    for (const QJsonValue& h : dump["trees"].toObject()["chapterHints"].toArray())
      list << h.toObject()["hint"].toString();
    return list;
  };
  const auto shown = [](const QJsonObject& dump) {
    return dump["pane"].toObject()["currentFile"].toString().toLower();
  };

  const QJsonObject chapter = Dump("chapter.json");
  EXPECT_EQ(selected(chapter, "A"), QStringLiteral("Система смазки"));
  EXPECT_TRUE(shown(chapter).endsWith(QStringLiteral("man\\glava2.htm"))) << qPrintable(shown(chapter));
  EXPECT_EQ(hints(chapter), (QStringList{QStringLiteral("Двигатель : Основные данные"),
                                         QStringLiteral("Система смазки : Проверка уровня")}));

  const QJsonObject next = Dump("next.json");
  EXPECT_EQ(selected(next, "A"), QStringLiteral("Проверка уровня"));
  EXPECT_EQ(hints(next), (QStringList{QStringLiteral("Главы книги : Система смазки"),
                                      QStringLiteral("Система смазки : Замена масла и фильтра")}));

  const QJsonObject index = Dump("index.json");
  EXPECT_FALSE(index["trees"].toObject()["A"].toObject()["visible"].toBool());
  EXPECT_TRUE(index["trees"].toObject()["B"].toObject()["visible"].toBool());
  EXPECT_EQ(selected(index, "B"), QStringLiteral("Генератор"));
  EXPECT_TRUE(shown(index).endsWith(QStringLiteral("man\\glava9.htm"))) << qPrintable(shown(index));
}

// The search page from the keyboard: the whole book by its index, one page, the contents.
// Dialog elements are clicked where they lie over the window.
TEST_F(SampleBookScript, SearchesTheBookThreeWaysFromTheDialog) {
  const QPoint pageMode(402, 272), contentsMode(525, 272), closeButton(580, 190);
  const TRun run = RunScript({
      At("click", kOpenBook),
      "wait 100",
      "key Ctrl+F",
      "field 1 Масло",
      "key Enter",
      Dumped("index.json"),
      At("click", pageMode),
      "field 1 тормозная  система",
      "key Enter",
      Dumped("page.json"),
      At("click", contentsMode),
      "field 1 система",
      "key Enter",
      "key Enter",
      Dumped("contents.json"),
      At("click", closeButton),
      Dumped("closed.json"),
      "close",
  });
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  const QJsonObject index = Dump("index.json");
  const QJsonObject dialog = index["dialog"].toObject();
  EXPECT_TRUE(dialog["visible"].toBool());
  EXPECT_EQ(dialog["page"].toInt(), 2);
  EXPECT_EQ(dialog["results"].toArray(), (QJsonArray{"Система смазки", "Трансмиссия"}));
  EXPECT_EQ(dialog["height"].toInt(), 250);
  EXPECT_TRUE(index["search"].toObject()["indexMode"].toBool());

  const QJsonObject page = Dump("page.json");
  EXPECT_EQ(page["search"].toObject()["fields"].toArray(), QJsonArray{"тормозная система"});
  EXPECT_FALSE(page["search"].toObject()["indexMode"].toBool());
  EXPECT_EQ(page["dialog"].toObject()["switches"].toArray()[1].toArray(), (QJsonArray{false, true, false}));
  EXPECT_EQ(page["status"].toString(), "");

  const QJsonObject contents = Dump("contents.json");
  EXPECT_TRUE(contents["search"].toObject()["contentsMode"].toBool());
  EXPECT_EQ(contents["trees"].toObject()["A"].toObject()["selected"].toObject()["caption"].toString(),
            QStringLiteral("Система охлаждения"));

  EXPECT_FALSE(Dump("closed.json")["dialog"].toObject()["visible"].toBool());
  // The modes are kept for the next run.
  EXPECT_TRUE(StoredSettings().contains(QStringLiteral("\"SwGrpD12\"=dword:00000001"))) << qPrintable(StoredSettings());
}

// Two favourites kept at different places of their pages; the next run opens the second from
// the favourites list and lands where it was read.
TEST_F(SampleBookScript, FavouritesReturnToTheirPlaceInTheNextRun) {
  const TRun first = RunScript({
      At("click", kOpenBook),
      "wait 100",
      "tree 1 Двигатель",
      "link #zapusk",
      At("click", kAddFavorite),
      "tree 1 Система смазки",
      "link #masla",
      At("click", kAddFavorite),
      Dumped("added.json"),
      "close",
  });
  ASSERT_TRUE(first.finished);
  ASSERT_EQ(first.exitCode, 0) << qPrintable(first.errors);
  const QJsonArray added = Dump("added.json")["favorites"].toArray();
  ASSERT_EQ(added.size(), 2);
  const auto place = [](const QJsonValue& favorite) {
    return favorite.toObject()["command"].toString().section(u'=', -1).toInt();
  };
  EXPECT_EQ(added[0].toObject()["caption"].toString(), QStringLiteral("Двигатель"));
  EXPECT_EQ(added[1].toObject()["caption"].toString(), QStringLiteral("Система смазки"));
  EXPECT_GT(place(added[0]), 0);
  EXPECT_GT(place(added[1]), 0);
  EXPECT_NE(place(added[0]), place(added[1]));

  const TRun second = RunScript({
      At("click", kOpenBook),
      "wait 100",
      At("click", kShowFavorites),
      "wait 150",
      Dumped("list.json"),
      "item favorite 2",
      "wait 100",
      Dumped("returned.json"),
      At("click", kDeleteFavorites),
      "wait 150",
      "item favorite 1",
      Dumped("deleted.json"),
      "tree 1 Двигатель",
      Dumped("treeclick.json"),
      "close",
  });
  ASSERT_TRUE(second.finished);
  ASSERT_EQ(second.exitCode, 0) << qPrintable(second.errors);
  const QJsonObject list = Dump("list.json");
  EXPECT_EQ(list["favorites"].toArray(), added);
  const auto favoritesList = [](const QJsonObject& dump) {
    for (const QJsonValue& p : dump["popups"].toArray())
      if (p.toObject()["type"].toInt() == -3) return p.toObject();
    return QJsonObject();
  };
  EXPECT_TRUE(favoritesList(list)["open"].toBool());
  EXPECT_EQ(favoritesList(list)["items"].toArray().size(), 2);

  const QJsonObject returned = Dump("returned.json");
  const QJsonObject pane = returned["pane"].toObject();
  EXPECT_TRUE(pane["currentFile"].toString().toLower().endsWith(QStringLiteral("man\\glava2.htm")))
      << qPrintable(pane["currentFile"].toString());
  EXPECT_EQ(pane["vScrollBarPosition"].toInt(), place(added[1]));
  EXPECT_FALSE(favoritesList(returned)["open"].toBool());

  // In delete mode a click removes the favourite and the list stays open.
  const QJsonObject deleted = Dump("deleted.json");
  EXPECT_EQ(deleted["favorites"].toArray(), QJsonArray{added[1]});
  EXPECT_TRUE(favoritesList(deleted)["open"].toBool());
  EXPECT_TRUE(favoritesList(deleted)["deleteMode"].toBool());
  // A click in the contents tree closes it.
  EXPECT_FALSE(favoritesList(Dump("treeclick.json"))["open"].toBool());
}

// A favourite is on disk the moment it is added: a program killed afterwards loses nothing.
TEST_F(SampleBookScript, AFavouriteOutlivesAKilledProgram) {
  QProcess program;
  Start(program, {At("click", kOpenBook), "wait 100", "tree 1 Двигатель", At("click", kAddFavorite),
                  Dumped("added.json"), "wait 60000"});
  ASSERT_TRUE(program.waitForStarted());
  QElapsedTimer waited;
  waited.start();
  while (!QFile::exists(File("added.json")) && waited.elapsed() < kRunTimeoutMs && program.state() == QProcess::Running)
    program.waitForFinished(50);
  ASSERT_TRUE(QFile::exists(File("added.json"))) << qPrintable(QString::fromUtf8(program.readAllStandardError()));
  program.kill();
  program.waitForFinished();

  const TRun next = RunScript({At("click", kOpenBook), "wait 100", Dumped("next.json"), "close"});
  ASSERT_TRUE(next.finished);
  ASSERT_EQ(next.exitCode, 0) << qPrintable(next.errors);
  const QJsonArray favorites = Dump("next.json")["favorites"].toArray();
  ASSERT_EQ(favorites.size(), 1);
  EXPECT_EQ(favorites[0].toObject()["caption"].toString(), QStringLiteral("Двигатель"));
}

// The files page links to the book's archive: its listing shows in the pane, a member followed
// there is extracted and shown, and going back to the files page ends archive mode.
TEST_F(SampleBookScript, BrowsesTheBooksArchive) {
  const TRun run = RunScript({
      At("click", kOpenBook),
      "wait 100",
      "link files.htm",
      "link tools.rar",
      Dumped("listing.json"),
      "link Прочти.htm",
      Dumped("member.json"),
      "command back",
      "command back",
      Dumped("back.json"),
      "close",
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  const QJsonObject listing = Dump("listing.json");
  const QJsonObject archive = listing["archive"].toObject();
  EXPECT_TRUE(archive["name"].toString().endsWith(QStringLiteral("man\\tools.rar")))
      << qPrintable(archive["name"].toString());
  EXPECT_TRUE(archive["archiveMode"].toBool());
  EXPECT_EQ(archive["mainPages"].toArray().size(), 1);
  EXPECT_EQ(listing["pane"].toObject()["currentFile"].toString(), archive["mainPages"].toArray()[0].toString());
  EXPECT_EQ(listing["texts"].toArray()[1].toString(),
            QStringLiteral("Содержимое архива: ") + archive["name"].toString() + QStringLiteral("  "));
  EXPECT_TRUE(listing["messages"].toArray().isEmpty());

  const QJsonObject member = Dump("member.json");
  EXPECT_TRUE(member["pane"].toObject()["currentFile"].toString().endsWith(QStringLiteral("\\прочти.htm")));
  EXPECT_TRUE(member["archive"].toObject()["archiveMode"].toBool());

  const QJsonObject back = Dump("back.json");
  EXPECT_TRUE(back["pane"].toObject()["currentFile"].toString().endsWith(QStringLiteral("man\\files.htm")));
  EXPECT_FALSE(back["archive"].toObject()["archiveMode"].toBool());
  // The working folder went with the program.
  EXPECT_TRUE(QDir(temp_).entryList({"as_*"}, QDir::Dirs).isEmpty());
}

// A picture opens in a picture window once however often it is clicked; F1 opens the help in
// a window of its own; the main window's exit closes them all.
TEST_F(SampleBookScript, PictureWindowsComeAndGoWithTheMainWindow) {
  const QString picture = QStringLiteral("Увеличенная картинка");
  const TRun run = RunScript({
      At("click", kOpenBook),
      "command html20=man\\gallery.htm",
      "link battery_big.bmp _blank",
      "await windows 1 " + picture,
      "link battery_big.bmp _blank",
      "wait 300",
      Dumped("once.json"),
      "key F1",
      "await windows 2 " + picture,
      Dumped("help.json"),
      "close",
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  const auto pictureWindows = [&](const QJsonObject& dump) {
    std::vector<qint64> pids;
    for (const QJsonValue& w : dump["instances"].toObject()["windows"].toArray())
      if (w.toObject()["caption"].toString() == picture) pids.push_back(w.toObject()["pid"].toInteger());
    return pids;
  };
  EXPECT_EQ(pictureWindows(Dump("once.json")).size(), 1u) << "the second click started no second window";
  const std::vector<qint64> pids = pictureWindows(Dump("help.json"));
  EXPECT_EQ(pids.size(), 2u);
  for (const qint64 pid : pids) {
    QElapsedTimer waited;
    waited.start();
    while (::kill(static_cast<pid_t>(pid), 0) == 0 && waited.elapsed() < 10000) QThread::msleep(20);
    if (::kill(static_cast<pid_t>(pid), 0) == 0) {
      ADD_FAILURE() << "picture window " << pid << " is still running";
      ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
  }
}

// Ctrl+P opens the preview; the lines after it drive the preview until it closes.
TEST_F(SampleBookScript, PrintsAChapterThroughThePreviewIntoAPdf) {
  const QString pdf = File("chapter.pdf");
  const TRun run = RunScript(
      {
          At("click", kOpenBook),
          "wait 100",
          "command html20=man\\glava1.htm",
          "key Ctrl+P",
          Dumped("opened.json"),
          "preview LastPageBut",
          "preview TwoPageBut",
          Dumped("two.json"),
          "preview PrintBut",
          Dumped("printed.json"),
          "preview CloseBut",
          "wait 50",
          Dumped("closed.json"),
          "close",
      },
      {"--print-to", pdf});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  const QJsonObject opened = Dump("opened.json")["preview"].toObject();
  EXPECT_TRUE(opened["open"].toBool());
  const int pages = opened["pages"].toInt();
  ASSERT_GE(pages, 2);
  EXPECT_EQ(opened["currentPage"].toInt(), 0);
  EXPECT_EQ(opened["printScale"].toDouble(), 1);
  EXPECT_EQ(opened["orientation"].toString(), "portrait");
  EXPECT_TRUE(opened["pageNumbers"].toBool());
  EXPECT_FALSE(opened["twoPages"].toBool());

  const QJsonObject two = Dump("two.json")["preview"].toObject();
  EXPECT_EQ(two["currentPage"].toInt(), pages - 1);
  EXPECT_TRUE(two["twoPages"].toBool());

  const QJsonObject printed = Dump("printed.json");
  EXPECT_EQ(printed["preview"].toObject()["pdfFile"].toString(), pdf);
  EXPECT_TRUE(printed["messages"].toArray().contains(QStringLiteral("Печать")));
  ASSERT_TRUE(QFileInfo::exists(pdf));
  if (PdfToolsInstalled()) {
    EXPECT_EQ(PdfPageCount(pdf), pages);
  }

  EXPECT_FALSE(Dump("closed.json")["preview"].toObject()["open"].toBool());
}

// With no printer at all, Ctrl+P shows the book's own notice on the dialog and no preview.
TEST_F(SampleBookScript, WithoutAPrinterCtrlPShowsTheBooksNotice) {
  const TSavedGlobals saved;
  Global.NoPdfPrinter = true;
  if (Printers::Installed()) GTEST_SKIP() << "the system has printers";
  const TRun run = RunScript({At("click", kOpenBook), "wait 100", "command html20=man\\glava1.htm", "key Ctrl+P",
                              "await state dialog.page 3", Dumped("notice.json"), "close"},
                             {"--no-pdf-printer"});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
  const QJsonObject notice = Dump("notice.json");
  EXPECT_TRUE(notice["dialog"].toObject()["visible"].toBool());
  EXPECT_FALSE(notice["preview"].toObject()["open"].toBool());
}

// A script stops at the first line it cannot read or run, and says which.
TEST_F(SampleBookScript, BadLineEndsTheRunWithStatusOneNamingIt) {
  struct Case {
    QStringList script;
    QString line;
  };
  const Case cases[] = {
      {{Dumped("never.json"), "# a comment", "jump 10 20", "close"}, "line 3"},
      {{"wait 10", "click 10", "close"}, "line 2"},
      {{"wait 10", "dump " + File("no/such/folder/x.json"), "close"}, "line 2"},
      // A list that is not open, an item it does not show.
      {{At("click", kOpenBook), "wait 100", "item favorite 1", "close"}, "line 3: popup list -3 is not open"},
      {{At("click", kOpenBook), "wait 100", "tree 1 Двигатель", At("click", kAddFavorite), At("click", kShowFavorites),
        "wait 150", "item favorite 2", "close"},
       "line 7: popup list -3 shows no item 2"},
  };
  for (const Case& c : cases) {
    const TRun run = RunScript(c.script);
    ASSERT_TRUE(run.finished) << qPrintable(c.script.join(" | "));
    EXPECT_EQ(run.exitCode, 1) << qPrintable(c.script.join(" | "));
    EXPECT_TRUE(run.errors.contains(c.line)) << qPrintable(run.errors);
  }
  // An unreadable script does not open the window at all.
  EXPECT_FALSE(QFile::exists(File("never.json")));
}

TEST_F(SampleBookScript, TurnsTheCarPlaysTheEngineClipAndSwitchesTheMusic) {
  const TRun run = RunScript({
      Dumped("start.json"),
      At("click", kTurningTab),
      "wait 600",
      Dumped("turning.json"),
      At("click", kShowroom),
      "wait 100",
      Dumped("paused.json"),
      At("click", kStillTab),
      "wait 100",
      Dumped("still.json"),
      At("click", kOpenBook),
      "wait 100",
      At("click", kVideoButton),
      "await state media.mode playing",
      Dumped("clip.json"),
      "await state media.mode notReady",
      Dumped("ended.json"),
      At("click", kMusicButton),
      "wait 300",
      Dumped("music.json"),
      At("click", kMusicButton),
      Dumped("silence.json"),
      "close",
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  // The start clip has played; the music plays from the first song; no view yet.
  const QJsonObject start = Dump("start.json");
  EXPECT_TRUE(start["media"].toObject()["musicOn"].toBool());
  EXPECT_EQ(start["media"].toObject()["songIndex"].toInt(), 0);
  EXPECT_EQ(start["media"].toObject()["mode"].toString(), "notReady");
  EXPECT_FALSE(start["clip3d"].toObject()["exists"].toBool());

  const QJsonObject turning = Dump("turning.json")["clip3d"].toObject();
  EXPECT_TRUE(turning["exists"].toBool());
  EXPECT_TRUE(turning["active"].toBool());
  EXPECT_FALSE(turning["frozen"].toBool());
  EXPECT_EQ(States(Dump("turning.json"), 0, "switchgrp"), (std::vector<bool>{false, true}));

  const QJsonObject paused = Dump("paused.json")["clip3d"].toObject();
  EXPECT_TRUE(paused["frozen"].toBool());
  EXPECT_TRUE(paused["userPaused"].toBool());

  const QJsonObject still = Dump("still.json")["clip3d"].toObject();
  EXPECT_FALSE(still["active"].toBool());
  EXPECT_TRUE(still["frozen"].toBool());

  // The clip plays in its panel and switches the music off; at its end the player closes.
  const QJsonObject clip = Dump("clip.json");
  EXPECT_EQ(clip["screen"].toInt(), 1);
  const QJsonObject media = clip["media"].toObject();
  EXPECT_EQ(media["mode"].toString(), "playing") << qPrintable(run.errors);  // the log says why not
  EXPECT_TRUE(media["file"].toString().toLower().endsWith(QStringLiteral("\\man\\engine.avi")));
  EXPECT_EQ(media["endAction"].toInt(), 4);
  EXPECT_FALSE(media["musicOn"].toBool());
  EXPECT_TRUE(clip["pane"].toObject()["currentFile"].toString().toLower().endsWith(QStringLiteral("\\man\\video.htm")));
  EXPECT_EQ(Dump("ended.json")["media"].toObject()["mode"].toString(), "notReady");

  const QJsonObject music = Dump("music.json")["media"].toObject();
  EXPECT_TRUE(music["musicOn"].toBool());
  EXPECT_GT(music["musicPosition"].toInt(), 0);
  const QJsonObject silence = Dump("silence.json")["media"].toObject();
  EXPECT_FALSE(silence["musicOn"].toBool());
  // The fade out ended and the music player's volume is back where it was.
  EXPECT_EQ(silence["volume"].toArray(), (QJsonArray{65535, 65535}));
  EXPECT_TRUE(StoredSettings().contains(QStringLiteral("\"BGSound\"=dword:00000000")));
}

// The thesaurus window on its own: its skin, its page, the heading search; a second copy
// started meanwhile ends at once.
TEST_F(SampleBookScript, ThesaurusWindowFindsATermsHeading) {
  const QString page = QStringLiteral(SKINBOOK_SAMPLE_BOOK) + "/man/tezaurus.htm";
  const QString go = File("go");
  QProcess first;
  Start(first,
        {Dumped("start.json"), "shot " + File("thesaurus.png"), "field 1 поршень", "key Enter", Dumped("found.json"),
         "await file " + go, "close"},
        {page, "/t"});
  ASSERT_TRUE(first.waitForStarted());
  QElapsedTimer waited;
  waited.start();
  while (!QFileInfo::exists(File("found.json")) && waited.elapsed() < kRunTimeoutMs) QThread::msleep(20);

  QProcess second;
  Start(second, {"wait 5000", Dumped("second.json"), "close"}, {page, "/t"});
  EXPECT_TRUE(second.waitForFinished(kRunTimeoutMs));
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_FALSE(QFileInfo::exists(File("second.json"))) << "the second thesaurus ran its script";
  folders_.Write("go", {});
  ASSERT_TRUE(first.waitForFinished(kRunTimeoutMs));
  EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();

  const QJsonObject start = Dump("start.json");
  EXPECT_EQ(start["instances"].toObject()["role"].toString(), "thesaurus");
  EXPECT_TRUE(start["pane"].toObject()["currentFile"].toString().toLower().endsWith("\\man\\tezaurus.htm"));
  const QImage shot(File("thesaurus.png"));
  EXPECT_EQ(shot.size(), QSize(520, 440));
  // The title band is the skin's dark metal, not a bare window's white.
  EXPECT_LT(qGray(shot.pixel(260, 20)), 128);
  EXPECT_EQ(Dump("found.json")["pane"].toObject()["selText"].toString(), QStringLiteral("~ Поршень"));
}

// Shift+T and the command open one thesaurus window; the main window's end closes it.
TEST_F(SampleBookScript, ThesaurusOpensOnceAndGoesWithTheMainWindow) {
  const QString thesaurus = QStringLiteral("Тезаурус");
  const TRun run = RunScript({
      At("click", kOpenBook),
      "key Shift+T",
      "await windows 1 " + thesaurus,
      At("click", kThesaurusButton),
      "wait 300",
      Dumped("once.json"),
      "close",
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);
  std::vector<qint64> pids;
  for (const QJsonValue& w : Dump("once.json")["instances"].toObject()["windows"].toArray())
    if (w.toObject()["caption"].toString() == thesaurus) pids.push_back(w.toObject()["pid"].toInteger());
  ASSERT_EQ(pids.size(), 1u) << "the button started no second thesaurus";
  QElapsedTimer waited;
  waited.start();
  while (::kill(static_cast<pid_t>(pids[0]), 0) == 0 && waited.elapsed() < 10000) QThread::msleep(20);
  if (::kill(static_cast<pid_t>(pids[0]), 0) == 0) {
    ADD_FAILURE() << "the thesaurus is still running";
    ::kill(static_cast<pid_t>(pids[0]), SIGKILL);
  }
}

}  // namespace

// The title screen's parts leaf by their arrows, the about window comes and goes with its
// links, and the reading screen's look list opens the font dialog.
TEST_F(SampleBookScript, LeafsThroughThePartsOpensTheAboutWindowAndTheFontDialog) {
  const QPoint kPrevPart(687, 553), kNextPart(763, 553), kAboutButton(182, 111), kLookButton(586, 529);
  const TRun run = RunScript({
      Dumped("first.json"),
      At("click", kNextPart),
      At("click", kNextPart),
      At("click", kPrevPart),
      Dumped("stepped.json"),
      At("click", kAboutButton),
      "await state windows.about true",
      "await state about.fading false",
      Dumped("about.json"),
      "key Escape",
      Dumped("closed.json"),
      "command screen2",
      At("click", kLookButton),
      "item 2 1",
      "await state windows.fontForm true",
      Dumped("font.json"),
      "key Escape",
      "await state windows.fontForm false",
      "close",
  });
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << qPrintable(run.errors);

  const QJsonObject first = Dump("first.json")["slides"].toObject();
  EXPECT_TRUE(first["exists"].toBool());
  const QJsonObject area = first["areas"].toArray()[0].toObject();
  EXPECT_EQ(area["files"].toInt(), 5);
  EXPECT_EQ(area["shown"].toString(), "1_disc.bmp");
  EXPECT_TRUE(area["visible"].toBool());
  const QJsonObject stepped = Dump("stepped.json")["slides"].toObject();
  EXPECT_EQ(stepped["pictureIndex"].toInt(), 1);
  EXPECT_EQ(stepped["areas"].toArray()[0].toObject()["shown"].toString(), "2_plug.bmp");

  const QJsonObject about = Dump("about.json");
  EXPECT_TRUE(about["windows"].toObject()["about"].toBool());
  EXPECT_EQ(about["about"].toObject()["links"].toArray(),
            (QJsonArray{"https://example.org/autobook?from=about", "mailto:service@example.org?subject=autobook"}));
  EXPECT_FALSE(Dump("closed.json")["windows"].toObject()["about"].toBool());
  const QJsonObject font = Dump("font.json");
  EXPECT_TRUE(font["windows"].toObject()["fontForm"].toBool());
  EXPECT_FALSE(font["windows"].toObject()["about"].toBool());
}
