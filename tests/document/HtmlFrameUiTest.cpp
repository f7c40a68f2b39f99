#include "document/HtmlFrame.h"

#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/HostPath.h"
#include "platform/Registry.h"
#include "support/SavedGlobals.h"
#include "support/TempDir.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"
#include "tools/PanelBkgrd.h"
#include "tools/PathInputBox.h"
#include "tools/StatusLine.h"
#include "tools/TextMsg.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSplitter>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

using HtmlFrameTest = TPaneTest;

TEST_F(HtmlFrameTest, OneViewerPerScreenSharedByItsDeclarations) {
  Open();
  ASSERT_EQ(frame_->Viewers().size(), 2u);
  EXPECT_EQ(frame_->ViewerScreens(), (std::vector<int>{0, 1}));
  TFrameViewer* viewer = Viewer(0);
  EXPECT_FALSE(viewer->isHidden());
  EXPECT_TRUE(Viewer(1)->isHidden());
  EXPECT_EQ(viewer->geometry(), QRect(20, 100, 400, 400));
  // The start page of the screen's first declaration, titled in text element 1.
  EXPECT_EQ(Shown(0), Lower(Page("a.htm")));
  EXPECT_EQ(FromCp1251(form_->TextMsg->Elements()[0].text), QStringLiteral("Страница А  "));

  Command("html2=");
  EXPECT_EQ(viewer->geometry(), QRect(430, 100, 350, 400));
  EXPECT_EQ(Shown(0), Lower(Page("b.htm")));
  EXPECT_EQ(frame_->CurElement(), 1);

  Command("html1=man\\a.htm");  // already in the history: shown from there
  EXPECT_EQ(viewer->geometry(), QRect(20, 100, 400, 400));
  EXPECT_EQ(Shown(0), Lower(Page("a.htm")));
  EXPECT_EQ(viewer->History.size(), 2u);
  EXPECT_EQ(viewer->HistoryIndex(), 1);
}

TEST_F(HtmlFrameTest, ReadingScreenFillsThePanelAndKeepsItsPage) {
  Open();
  Command("screen2");
  TFrameViewer* reading = Viewer(1);
  EXPECT_TRUE(Viewer(0)->isHidden());
  EXPECT_FALSE(reading->isHidden());
  EXPECT_FALSE(form_->PanelBkgrd->isHidden());
  EXPECT_EQ(form_->PanelBkgrd->Splitter()->indexOf(reading), 0);
  EXPECT_EQ(Shown(1), Lower(Page("c.htm")));

  Command("html3=man\\d.htm");
  reading->ActiveViewer()->SetPosition(200);
  ASSERT_GT(reading->ActiveViewer()->Position(), 0);
  Command("2");  // the screen already shown
  EXPECT_FALSE(reading->isHidden());

  Command("screen1");
  EXPECT_TRUE(reading->isHidden());
  EXPECT_TRUE(form_->PanelBkgrd->isHidden());
  Command("screen2");
  EXPECT_EQ(Shown(1), Lower(Page("d.htm")));
  EXPECT_EQ(reading->ActiveViewer()->Position(), 0);
  EXPECT_EQ(reading->History.size(), 2u);  // the start page was not loaded again
}

// A contents entry that leads into a page: shown anew, from the history, or into a
// declaration, the page stands at its anchor.
TEST_F(HtmlFrameTest, PagesWithAnAnchorStandAtIt) {
  Open();
  QString body;
  for (int i = 0; i < 60; ++i) body += QStringLiteral("<p>Строка %1</p>").arg(i);
  book_.File("man/anchored.htm", PageBytes("Якорь", body + "<a name=\"mid\"></a><h2>Середина</h2>" + body));
  const std::string anchored = Page("anchored.htm") + "#mid";
  const auto atAnchor = [&] {
    THTMLViewer* active = Viewer(0)->ActiveViewer();
    const QTextCursor heading = active->Document()->find(QStringLiteral("Середина"));
    const int top = active->Browser()->cursorRect(heading).top();
    return active->Position() > 0 && top >= 0 && top < 40;
  };
  frame_->ShowFile(anchored);
  EXPECT_TRUE(atAnchor());
  frame_->ShowFile(Page("b.htm"));
  frame_->ShowFile(anchored);  // from the history
  EXPECT_TRUE(atAnchor());
  frame_->ShowFile(Page("b.htm"));
  frame_->ShowInElement(1, anchored);
  EXPECT_TRUE(atAnchor());
  frame_->ShowInElement(1, Page("anchored.htm"));
  EXPECT_EQ(Viewer(0)->ActiveViewer()->Position(), 0);
}

TEST_F(HtmlFrameTest, UndeclaredNumberDoesNothingAndOtherScreensArePreloaded) {
  Open();
  const auto history = Viewer(0)->History;
  Command("html9=man\\d.htm");
  EXPECT_EQ(Viewer(0)->History, history);
  EXPECT_TRUE(Viewer(1)->History.empty());

  Command("html3=man\\e.htm");
  EXPECT_EQ(Shown(1), Lower(Page("e.htm")));
  EXPECT_TRUE(Viewer(1)->isHidden());
  EXPECT_EQ(Viewer(0)->History, history);
  Command("screen2");
  EXPECT_FALSE(Viewer(1)->isHidden());
  EXPECT_EQ(Shown(1), Lower(Page("e.htm")));
  EXPECT_EQ(Viewer(1)->History.size(), 1u);
}

TEST_F(HtmlFrameTest, BackAtTheOldestEntryChangesNothing) {
  Open();
  Command("screen2");
  Command("back");
  EXPECT_EQ(Shown(1), Lower(Page("c.htm")));
  EXPECT_EQ(Viewer(1)->HistoryIndex(), 0);
  Command("forward");
  EXPECT_EQ(Viewer(1)->HistoryIndex(), 0);
}

// The toggle switch opens b.htm when turned off (as the build's replay does) and a2.htm when
// turned on. Back from a2.htm to b.htm turns it off again with Shift: no command runs.
TEST_F(HtmlFrameTest, BackPressesTheSwitchThatOpenedThePage) {
  TTestSkinCommands commands;
  commands.toggleOff = "html1=man\\b.htm";
  commands.toggleOn = "html1=man\\a2.htm";
  Open(commands);
  TFrameViewer* viewer = Viewer(0);
  const RSwthOne& toggle = form_->Skin.ScreenSwthOne[0][0];
  EXPECT_EQ(Shown(0), Lower(Page("b.htm")));
  ASSERT_FALSE(toggle.state);

  QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(210, 30));
  EXPECT_TRUE(toggle.state);
  EXPECT_EQ(Shown(0), Lower(Page("a2.htm")));
  ASSERT_EQ(frame_->VisitGroups()[0].size(), 2u);
  EXPECT_EQ(frame_->VisitIndex(), 1);

  Command("back");
  EXPECT_EQ(Shown(0), Lower(Page("b.htm")));
  EXPECT_FALSE(toggle.state);
  EXPECT_EQ(viewer->History.size(), 3u);
  EXPECT_EQ(viewer->HistoryIndex(), 1);
  EXPECT_EQ(frame_->VisitIndex(), 0);
  ASSERT_EQ(frame_->HistoryBackItems().size(), 1u);
  EXPECT_EQ(frame_->HistoryBackItems()[0].caption, QStringLiteral("Страница А"));
  EXPECT_EQ(frame_->HistoryBackItems()[0].command, "history=2");
  ASSERT_EQ(frame_->HistoryForwardItems().size(), 1u);
  EXPECT_EQ(frame_->HistoryForwardItems()[0].command, "history=0");

  Command("forward");
  EXPECT_EQ(Shown(0), Lower(Page("a2.htm")));
  EXPECT_TRUE(toggle.state);
  EXPECT_EQ(viewer->HistoryIndex(), 0);
}

TEST_F(HtmlFrameTest, VisitGroupCollectsThePagesShownWhileCurrent) {
  Open();
  Command("html1=man\\b.htm");
  frame_->ShowFile(Page("c.htm"));
  ASSERT_EQ(frame_->VisitGroups()[0].size(), 1u);
  EXPECT_EQ(frame_->VisitGroups()[0][0], Page("b.htm") + "; " + Lower(Page("c.htm")));
  Command("html1=man\\c.htm");  // already in a group
  EXPECT_EQ(frame_->VisitGroups()[0].size(), 1u);
  EXPECT_EQ(frame_->VisitIndex(), 0);
}

void Drop(TMainForm& form, const QStringList& hostFiles) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& file : hostFiles) urls << QUrl::fromLocalFile(file);
  data.setUrls(urls);
  // A drop goes to the widget that accepted the drag's entry.
  QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
}

TEST_F(HtmlFrameTest, DroppedFiles) {
  Open();
  TempDir elsewhere;
  const QString page = elsewhere.Write("Docs/PAGE.HTM", PageBytes("Сброшенная", "<p>Сброс</p>"));
  const QString letter = elsewhere.Write("letter.doc", "letter");
  const std::string before = Shown(0);

  Drop(*form_, {letter, page});
  EXPECT_EQ(Shown(0), before);

  Drop(*form_, {page, letter});
  EXPECT_EQ(QFileInfo(HostPath::ToHost(Viewer(0)->CurrentFile())).canonicalFilePath(),
            QFileInfo(page).canonicalFilePath());
}

TEST_F(HtmlFrameTest, CtrlCCopiesWithoutOuterLineBreaks) {
  Open();
  frame_->ShowFile(Page("breaks.htm"));
  THTMLViewer* active = Viewer(0)->ActiveViewer();
  active->SelectAll();
  ASSERT_TRUE(active->SelText().startsWith(u'\n'));
  QGuiApplication::clipboard()->setText("old");
  QTest::keyClick(active->Browser(), Qt::Key_C, Qt::ControlModifier);
  ProcessEventsFor(50);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ЖЖЖ\nИИИ"));

  active->SetCaretPos(0);  // no selection: nothing is copied
  QGuiApplication::clipboard()->setText("old");
  QTest::keyClick(active->Browser(), Qt::Key_Insert, Qt::ControlModifier);
  ProcessEventsFor(50);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("old"));
}

TEST_F(HtmlFrameTest, ImageTipShowsOnTheSecondTickAndGoesOnTheTwentyFirst) {
  Open();
  frame_->ShowFile(Page("pics.htm"));
  TFrameViewer* viewer = Viewer(0);
  THTMLViewer* page = viewer->ActiveViewer();
  QPoint over(-1, -1);
  TImageObj image;
  for (int y = 0; y < 150 && over.x() < 0; y += 5)
    for (int x = 0; x < 150 && over.x() < 0; x += 5)
      if (page->PtInObject(QPoint(x, y), image)) over = page->mapTo(viewer, QPoint(x, y));
  ASSERT_GE(over.x(), 0) << "the picture is not under any point";

  QCursor::setPos(viewer->mapToGlobal(over));
  frame_->PaneMouseMove(viewer, over);
  EXPECT_TRUE(frame_->ImageHintTimer().isActive());
  EXPECT_EQ(frame_->ImageHintTimer().interval(), 200);
  frame_->ImageHintTimer().stop();  // the ticks are driven here

  frame_->ImageHintTick();
  EXPECT_TRUE(frame_->HintWindow()->isHidden());
  frame_->ImageHintTick();
  EXPECT_FALSE(frame_->HintWindow()->isHidden());
  EXPECT_EQ(frame_->HintWindow()->text(), QStringLiteral("Карбюратор"));
  EXPECT_EQ(frame_->HintWindow()->pos(), viewer->mapToGlobal(over) + QPoint(0, 18));
  EXPECT_EQ(frame_->HintWindow()->palette().color(QPalette::Window), QColor(225, 255, 255));
  for (int tick = 3; tick < 21; ++tick) frame_->ImageHintTick();
  EXPECT_FALSE(frame_->HintWindow()->isHidden());
  frame_->ImageHintTick();
  EXPECT_TRUE(frame_->HintWindow()->isHidden());
}

TEST_F(HtmlFrameTest, CopyDocumentTakesItsFilesFolder) {
  Open();
  book_.File("man/doc.htm", PageBytes("Документ", "<p>Документ</p>"));
  book_.File("man/doc.files/img/p1.gif", "GIF89a");
  book_.File("man/doc.files/style.css", "p {}");
  frame_->ShowFile(Page("doc.htm"));
  TempDir install;
  form_->PathInput->Box(0)->setText(FromCp1251(HostPath::ToWindows(install.Path() + "/inst/")));

  Command("copyhtml");
  EXPECT_TRUE(QFile::exists(install.Path() + "/inst/doc.htm"));
  EXPECT_TRUE(QFile::exists(install.Path() + "/inst/doc.files/img/p1.gif"));
  EXPECT_TRUE(QFile::exists(install.Path() + "/inst/doc.files/style.css"));
  EXPECT_EQ(FromCp1251(form_->StatusLine->Text()), QStringLiteral("Файл скопирован"));
}

// A copy that cannot land, whole or in part, is reported with the folder, and never as done.
TEST_F(HtmlFrameTest, CopyDocumentReportsAFailedCopy) {
  Open();
  book_.File("man/doc.htm", PageBytes("Документ", "<p>Документ</p>"));
  book_.File("man/doc.files/p1.gif", "GIF89a");
  frame_->ShowFile(Page("doc.htm"));
  TempDir install;
  install.Write("file", "a file where a folder should be");
  install.Write("inst/doc.files", "a file where the pictures' folder should be");
  const QString failed = QStringLiteral("Не удалось скопировать файл в ");
  for (const QString& folder : {install.Path() + "/file/inst/", install.Path() + "/inst/"}) {
    form_->StatusLine->ClearStatus();
    form_->PathInput->Box(0)->setText(FromCp1251(HostPath::ToWindows(folder)));
    Command("copyhtml");
    EXPECT_EQ(FromCp1251(form_->StatusLine->Text()), failed + folder) << folder.toStdString();
  }
  EXPECT_TRUE(QFile::exists(install.Path() + "/inst/doc.htm"));  // the page itself landed
}

TEST_F(HtmlFrameTest, ViewerSettingsComeFromTheBooksKeyAndGoBackThere) {
  Open();
  const TViewerSettings& s = frame_->Settings();
  EXPECT_EQ(s.fontName, "Arial");
  EXPECT_EQ(s.fontSize, 8);
  EXPECT_EQ(s.hotSpotColor, 0x003366);
  EXPECT_EQ(s.background, 0xFFFFFF);
  EXPECT_EQ(Viewer(0)->DefFontName(), "Arial");
  EXPECT_EQ(Viewer(0)->DefOverLinkColor(), 255);
  EXPECT_EQ(Viewer(0)->HistoryMaxCount, 10);

  Viewer(0)->SetDefFontSize(14);
  form_->HtmlFrame.reset();
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\Velquist\\" + Global.BookTitle, false));
  EXPECT_EQ(registry.ReadInteger("FontSize"), 14);
  EXPECT_EQ(registry.ReadString("FontName"), "Arial");
}

TEST_F(HtmlFrameTest, KeysOfTheReadingScreen) {
  Open();
  frame_->ShowFile(Page("c.htm"));
  QTest::keyClick(form_.get(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(form_.get(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_TRUE(Viewer(0)->ActiveViewer()->SelText().isEmpty());  // screen 0 has no pane keys
  EXPECT_EQ(Global.CurrentScreen, 0);

  Command("screen2");
  QTest::keyClick(form_.get(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Viewer(1)->ActiveViewer()->SelText(), QStringLiteral("Цэ"));
  QTest::keyClick(form_.get(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Global.CurrentScreen, 0);
}

}  // namespace
