// The text search in a real main window with its dialog: page search, the walk through the
// book, the index search with its page scan, keys and the busy state.

#include "search/FindTxtHtml.h"

#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/SavedGlobals.h"
#include "support/ui/DialogBook.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/SkinFixture.h"
#include "tools/StatusLine.h"
#include "windows/CoolDialog.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

QByteArray Page(const QString& title, const QString& body) {
  return QByteArray::fromStdString(
      ToCp1251(QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>").arg(title, body)));
}

// The test skin with a document pane, a search field and a status line on its second screen,
// the test dialog, and pages a..e in "pages" (b and c hold "рычаг", a holds it once).
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TTestSkinCommands commands;
    commands.extraLines = {
        "_html 2; vx=33; vy=90; vw=706; vh=511; fn=pages\\a.htm; number=20",
        "_findtxt 2; vx=20; vy=10; vw=300; vh=28; frame=main; nofiles=[skip\\]; number=1; hint=Слово",
        "_text 2; vx=10; vy=570; vw=400; font=DejaVu Sans; size=8; style=; color=255,255,255; value=",
        "ident=statusline; number=2",
    };
    WriteTestSkin(book_, UniqueTitle("search"), commands);
    WriteTestDialog(book_);
    book_.File("pages/a.htm", Page("А", "<p>Тяга и рычаг.</p><p>колесо, колесо</p>"));
    book_.File("pages/b.htm", Page("Б", "<p>Первый рычаг</p><p>второй рычаг</p>"));
    book_.File("pages/c.htm", Page("В", "<p>Третий <b>ры</b>чаг</p>"));
    book_.File("pages/d.htm", Page("Г", "<p>Ничего</p>"));
    book_.File("skip/e.htm", Page("Д", "<p>рычаг в пропущенной папке</p>"));
    form_ = OpenBook(book_);
    Command("screen2");
    search_ = form_->FindTxt.get();
    ASSERT_TRUE(search_);
    ASSERT_TRUE(form_->Dialog);
  }

  void Command(const std::string& command) { form_->RunCommand(command, {}, 0, TMainForm::TKind::Button, true); }

  QLineEdit* Field() const { return search_->Field(1); }

  // Types into the field while the dialog shows its search page in page-search mode.
  void Type(const QString& text) {
    form_->Dialog->ShowPage(TCoolDialog::SearchPage);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form_->Dialog->FadeRunning(); }));
    form_->Dialog->RunDialogCommand("findtxtlimit", {});
    Field()->clear();
    Field()->setText(text);
  }

  THTMLViewer* Viewer() const { return form_->HtmlFrame->CurrentViewer()->ActiveViewer(); }
  QString Shown() const { return FromCp1251(FileNamePart(form_->HtmlFrame->CurrentViewer()->CurrentFile())); }
  QString Selected() const { return Viewer()->SelText(); }
  QString Status() const { return FromCp1251(form_->StatusLine->Text()); }

  TSavedGlobals saved_;
  TBookFixture book_;
  std::unique_ptr<TMainForm> form_;
  TFindTxtHtml* search_ = nullptr;
};

TEST_F(SearchTest, ThePageSearchWrapsRoundInOnePage) {
  Type(QStringLiteral("  колесо  "));
  search_->FindNext(1);
  EXPECT_EQ(Field()->text(), "колесо");
  const int first = Viewer()->CaretPos();
  EXPECT_EQ(Selected(), "колесо");
  search_->FindNext(1);
  const int second = Viewer()->CaretPos();
  EXPECT_GT(second, first);
  search_->FindNext(1);
  EXPECT_EQ(Viewer()->CaretPos(), first);
  EXPECT_EQ(Status(), "");
  EXPECT_TRUE(search_->Idle());

  Field()->setText(QStringLiteral("нет   такого   слова"));
  search_->FindNext(1);
  EXPECT_EQ(Field()->text(), "нет такого слова");
  EXPECT_EQ(Status(), "Текст не найден");
  Field()->setText(QStringLiteral("   "));
  search_->FindNext(1);
  EXPECT_EQ(Status(), "Введите слово для поиска");
}

// Both ways of reading pages give the same walk: the start page skipped, a hit shown with its
// first occurrence selected, the next search going on after it, and after the last page the
// next search beginning again at the first.
TEST_F(SearchTest, TheWalkThroughTheBookResumesAfterEachHit) {
  for (const bool quick : {true, false}) {
    search_->Scanner().quick = quick;
    Global.SearchStartPage.clear();
    form_->HtmlFrame->ShowFile(Global.ProgramFolder + "pages\\a.htm");
    Viewer()->SetCaretPos(0);
    Type(QStringLiteral("рычаг"));
    Command("findtxtall");
    QStringList shown;
    for (int i = 0; i < 7; ++i) {
      search_->FindNext(1);
      shown << QStringLiteral("%1:%2:%3").arg(Shown(), Selected()).arg(search_->FileIndex());
    }
    // Pages: a, b, c, d in "pages", then e in "skip".
    EXPECT_EQ(shown.join(' ').toStdString(),
              "a.htm:рычаг:-1 b.htm:рычаг:1 b.htm:рычаг:1 c.htm:рычаг:2 e.htm:рычаг:4 e.htm:рычаг:-1 a.htm:рычаг:0")
        << quick;
    EXPECT_EQ(Status(), "");
  }
}

TEST_F(SearchTest, AStoppedWalkReadsThePageItDidNotReachNextTime) {
  Type(QStringLiteral("рычаг"));
  Command("findtxtall");
  search_->FindNext(1);  // in a.htm itself
  bool busyDuringWalk = false;
  QString typedDuringWalk;
  QTimer::singleShot(0, [&] {
    busyDuringWalk = Global.BusyFlag;
    QTest::keyClick(Field(), Qt::Key_X);
    typedDuringWalk = Field()->text();
    Command("screen1");  // refused while busy
    search_->SetIdle(true);
  });
  search_->FindNext(1);
  EXPECT_TRUE(busyDuringWalk);
  EXPECT_EQ(typedDuringWalk, "рычаг");
  EXPECT_EQ(Global.CurrentScreen, 1);
  EXPECT_EQ(Shown(), "a.htm");
  EXPECT_EQ(search_->FileIndex(), -1);
  EXPECT_FALSE(Global.BusyFlag);
  search_->FindNext(1);
  EXPECT_EQ(Shown(), "b.htm");
}

TEST_F(SearchTest, EnterInTheFieldSearchesAndEscGoesToTheMainWindow) {
  Type(QStringLiteral("колесо"));
  QTest::keyClick(Field(), Qt::Key_Return);
  EXPECT_EQ(Selected(), "колесо");
  EXPECT_TRUE(form_->Dialog->isVisible());
  QTest::keyClick(Field(), Qt::Key_Escape);
  EXPECT_FALSE(form_->Dialog->isVisible());
  EXPECT_EQ(Field()->text(), "колесо");
}

TEST_F(SearchTest, TheIndexSearchListsTheIndexedPagesAndOpensThem) {
  book_.File("keywords.idx", QByteArray::fromStdString(ToCp1251(QStringLiteral("колесо\r\nрычаг\r\n"))));
  book_.File("index.idx", "1\r\n1:2\r\n");
  book_.File("files.idx",
             QByteArray::fromStdString(ToCp1251(QStringLiteral("pages\\a.htm#:#А\r\npages\\b.htm#:#Б\r\n"))));
  form_->Dialog->ShowPage(TCoolDialog::SearchPage);  // the stored mode: the whole book, by index
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form_->Dialog->FadeRunning(); }));
  EXPECT_TRUE(search_->IndexMode());
  EXPECT_EQ(form_->Dialog->height(), TCoolDialog::CutHeight);
  Field()->setText(QStringLiteral("РЫЧАГ"));
  form_->Dialog->RunDialogCommand("findnext1", {});
  EXPECT_EQ(search_->Results().Files,
            (std::vector<std::string>{Global.ProgramFolder + "pages\\a.htm", Global.ProgramFolder + "pages\\b.htm"}));
  QListWidget* list = form_->Dialog->ResultList();
  ASSERT_TRUE(list);
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(form_->Dialog->height(), 250);

  // Choosing a result opens it and selects the text, searching the page as written (case counts
  // on this screen).
  Field()->setText(QStringLiteral("рычаг"));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(Shown(), "b.htm");
  EXPECT_EQ(Selected(), "рычаг");
  EXPECT_TRUE(search_->IndexMode());
}

TEST_F(SearchTest, WithoutTheWordInTheIndexTheScanListsPagesNamedInFilesIdx) {
  book_.File("keywords.idx", QByteArray::fromStdString(ToCp1251(QStringLiteral("колесо\r\n"))));
  book_.File("index.idx", "1\r\n");
  book_.File("files.idx", QByteArray::fromStdString(
                              ToCp1251(QStringLiteral("b.htm#:#  Бэ \r\npages\\c.htm#:#В по пути\r\ne.htm#:#Д\r\n"))));
  Type(QStringLiteral("рычаг"));
  search_->SetIndexMode();
  search_->FindNext(1);
  // c.htm is named by its path, which the scan does not match; e.htm is in an excluded folder.
  EXPECT_EQ(search_->Results().Titles, std::vector<std::string>{ToCp1251(QStringLiteral("Бэ"))});
  EXPECT_TRUE(SameName(search_->Results().Files.at(0), Global.ProgramFolder + "pages\\b.htm"));
  EXPECT_TRUE(Global.DialogsAnswered.isEmpty());
  EXPECT_EQ(form_->Dialog->ResultList()->count(), 1);
}

TEST_F(SearchTest, MissingIndexFilesAreToldAndThePagesScanned) {
  Global.Unattended = true;
  Type(QStringLiteral("шина"));
  search_->SetIndexMode();
  search_->FindNext(1);
  EXPECT_EQ(Global.DialogsAnswered, QStringList{"Индескный(е) файл(ы) не найден"});
  EXPECT_TRUE(search_->Results().Empty());
  EXPECT_EQ(Status(), "Текст не найден");
  EXPECT_EQ(form_->Dialog->height(), TCoolDialog::CutHeight);
}

TEST_F(SearchTest, CtrlFOpensTheSearchPageOnTheReadingScreenOnly) {
  QTest::keyClick(form_.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(form_->Dialog->Page(), TCoolDialog::SearchPage);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form_->Dialog->FadeRunning(); }));
  EXPECT_TRUE(Field()->isVisibleTo(form_->Dialog.get()));
  form_->Dialog->FormClose();
  Command("screen1");
  QTest::keyClick(form_.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_FALSE(form_->Dialog->isVisible());
}

TEST_F(SearchTest, TheDumpTellsTheDialogAndTheSearch) {
  Type(QStringLiteral("колесо"));
  const QJsonObject state = form_->StateForDump();
  const QJsonObject dialog = state["dialog"].toObject();
  EXPECT_TRUE(dialog["exists"].toBool());
  EXPECT_TRUE(dialog["visible"].toBool());
  EXPECT_EQ(dialog["page"].toInt(), 2);
  EXPECT_EQ(dialog["switches"].toArray()[1].toArray().size(), 5);
  const QJsonObject search = state["search"].toObject();
  EXPECT_TRUE(search["idle"].toBool());
  EXPECT_FALSE(search["indexMode"].toBool());
  EXPECT_TRUE(search["caseSensitive"].toBool());  // the screen's switch ran "caseon"
  EXPECT_EQ(search["fileIndex"].toInt(), -1);
  EXPECT_EQ(search["fields"].toArray(), QJsonArray{"колесо"});
}

}  // namespace
