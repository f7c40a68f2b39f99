// Standard window mode: picture windows (built in this process from a command line) and the
// main window's "standartwin", with their tool bar, history menus and status bar.

#include "app/ui/OtherInstances.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/WindowBus.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"
#include "tools/PathInputBox.h"
#include "windows/StandardWindow.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

using OtherInstances::kPictureCaption;

// The positions of the tool bar's buttons on show.
std::vector<int> ShownButtons(const TStandardWindow& window) {
  std::vector<int> shown;
  for (int position = 0; position < TStandardWindow::ToolButtonCount; ++position)
    if (window.ToolAction(position)->isVisible()) shown.push_back(position);
  return shown;
}

class PictureWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    book_.Picture("big.bmp", {1000, 700}, Qt::red);
    book_.Picture("small.bmp", {200, 100}, Qt::green);
    book_.Picture("scheme_lux.bmp", {50, 40}, Qt::blue);
    book_.File("page.htm", PageBytes("Страница", "<p>Текст</p>"));
    book_.Title(QStringLiteral("Книга картинок"));
  }

  std::unique_ptr<TMainForm> Open(const QStringList& arguments) {
    book_.IsolateSettings();
    auto form = std::make_unique<TMainForm>(ParseCommandLine(QStringList{"--book", book_.Folder()} + arguments));
    form->FormCreate();
    ProcessEventsFor(10);
    return form;
  }

  TSavedGlobals saved_;
  TBookFixture book_;
};

TEST_F(PictureWindow, APictureSizesTheWindowWhichStaysOnTheWorkArea) {
  const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_LT(work.width(), 1045) << "the test expects a work area smaller than the big picture";
  const struct {
    const char* file;
    QSize size;
    QPoint corner;
  } cases[] = {
      {"d:\\big.bmp", {1045, 790}, {0, 0}},
      {"d:\\small.bmp", {245, 190}, {40, 30}},
      // Any picture of this name, whatever its size.
      {"d:\\SCHEME_LUX.BMP", {780, 550}, {780 + 40 > work.width() ? 0 : 40, 550 + 30 > work.height() ? 0 : 30}},
  };
  for (const auto& c : cases) {
    const auto form = Open({QString::fromLatin1(c.file)});
    EXPECT_EQ(form->size(), c.size) << c.file;
    EXPECT_EQ(form->pos(), c.corner) << c.file;
    EXPECT_TRUE(form->isVisible());
  }
}

TEST_F(PictureWindow, APageKeepsTheSizeTheSystemGaveTheWindow) {
  QWidget plain;
  plain.show();
  const auto form = Open({"d:\\page.htm"});
  EXPECT_EQ(form->size(), plain.size());
}

TEST_F(PictureWindow, ShowsOnlyPrintUnderThePictureWindowsCaption) {
  const auto form = Open({"d:\\small.bmp"});
  TStandardWindow* window = form->StandardWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ShownButtons(*window), std::vector<int>{TStandardWindow::Print});
  EXPECT_EQ(window->Button(TStandardWindow::Print)->text(), QStringLiteral("Печать"));
  EXPECT_EQ(form->windowTitle(), kPictureCaption);
  EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window->StatusBar()->isHidden());
  EXPECT_EQ(window->ShownFile(), "d:\\small.bmp");
  EXPECT_EQ(Global.BookTitle, ToCp1251(u"Книга картинок"));
  EXPECT_EQ(WindowBus().Group(), QStringLiteral("Книга картинок"));

  // The page fills the window under the tool bar.
  TFrameViewer* viewer = form->HtmlFrame->CurrentViewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_FALSE(viewer->isHidden());
  EXPECT_EQ(viewer->geometry(),
            QRect(0, window->ToolBar()->height(), form->width(), form->height() - window->ToolBar()->height()));

  const QJsonObject instances = form->StateForDump()["instances"].toObject();
  EXPECT_EQ(instances["role"].toString(), "picture");
  EXPECT_EQ(instances["shownFile"].toString(), "d:\\small.bmp");
}

TEST_F(PictureWindow, TheHelpVariantIsNoBooksMainWindow) {
  const auto form = Open({"d:\\page.htm#Topic12", "/h"});
  EXPECT_EQ(Global.BookTitle, ToCp1251(u"Помощь"));
  EXPECT_EQ(form->StandardWindow()->ShownFile(), "d:\\page.htm#Topic12");
  EXPECT_EQ(WindowBus().Group(), QStringLiteral("Книга картинок")) << "it still belongs to its book";
}

TEST_F(PictureWindow, AHostPathNamesTheFileToo) {
  const auto form = Open({book_.Folder() + QStringLiteral("/small.bmp")});
  EXPECT_EQ(form->StandardWindow()->ShownFile(), "d:\\small.bmp");
  EXPECT_EQ(form->size(), QSize(245, 190));
}

TEST_F(PictureWindow, EscEndsIt) {
  const auto form = Open({"d:\\small.bmp"});
  QSignalSpy terminate(form.get(), &TMainForm::TerminateApplication);
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_EQ(terminate.count(), 1);
}

TEST_F(PictureWindow, F1AsksTheBooksMainWindowForHelp) {
  QWidget main;
  main.setWindowTitle(QStringLiteral("Книга картинок"));
  main.show();
  std::vector<quint32> got;
  WindowBus().SetHandler(&main, [&](const TBusMessage& m) -> std::optional<qint64> {
    got.push_back(m.number);
    return 0;
  });
  const auto form = Open({"d:\\small.bmp"});
  QTest::keyClick(form.get(), Qt::Key_F1);
  ProcessEventsUntil([&] { return !got.empty(); }, 2000);
  EXPECT_EQ(got, std::vector<quint32>{1226});

  // The help window's book title is "Помощь": no main window has it.
  got.clear();
  const auto help = Open({"d:\\page.htm", "/h"});
  QTest::keyClick(help.get(), Qt::Key_F1);
  ProcessEventsFor(100);
  EXPECT_TRUE(got.empty());
}

class MainStandardWindow : public TPaneTest {};

TEST_F(MainStandardWindow, EnteringTwiceReusesTheBarsAndLeavingGivesTheSkinBack) {
  Open();
  const QRegion skinShape = form_->mask();
  const QString title = form_->windowTitle();
  const QRect declared = Viewer(0)->geometry();
  QLineEdit* pathBox = form_->PathInput->Box(0);
  ASSERT_TRUE(pathBox->isVisible());

  Command("standartwin");
  TStandardWindow* window = form_->StandardWindow();
  ASSERT_NE(window, nullptr);
  QToolBar* bar = window->ToolBar();
  EXPECT_TRUE(form_->isMaximized());
  EXPECT_FALSE(form_->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form_->mask().isEmpty());
  EXPECT_EQ(ShownButtons(*window), (std::vector<int>{TStandardWindow::Print, TStandardWindow::Collapse}));
  EXPECT_EQ(window->Button(TStandardWindow::Collapse)->text(), QStringLiteral("Свернуть"));
  EXPECT_EQ(window->Button(TStandardWindow::Collapse)->toolTip(), QStringLiteral("Вернуться к красивому окошку"));
  EXPECT_EQ(form_->windowTitle(), kPictureCaption);
  EXPECT_FALSE(pathBox->isVisible());
  ProcessEventsFor(20);
  EXPECT_EQ(Viewer(0)->geometry(), QRect(0, bar->height(), form_->width(), form_->height() - bar->height()));

  QTest::mouseClick(window->Button(TStandardWindow::Collapse), Qt::LeftButton);
  ProcessEventsFor(20);
  EXPECT_FALSE(window->Active());
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(form_->size(), QSize(800, 600));
  EXPECT_TRUE(form_->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form_->mask(), skinShape);
  EXPECT_EQ(form_->windowTitle(), title);
  EXPECT_EQ(Viewer(0)->geometry(), declared);
  EXPECT_TRUE(pathBox->isVisible());

  Command("standartwin");
  EXPECT_EQ(form_->StandardWindow(), window);
  EXPECT_EQ(window->ToolBar(), bar);
  EXPECT_TRUE(bar->isVisible());
}

TEST_F(MainStandardWindow, HistoryMenusOfferTheSevenNearestPages) {
  Open();
  for (const char* page : {"a2.htm", "b.htm", "c.htm", "d.htm", "e.htm", "pics.htm", "breaks.htm", "b.htm", "c.htm"})
    Viewer(0)->LoadFromFile(Page(page));
  Command("standartwin");
  TStandardWindow* window = form_->StandardWindow();
  const QList<QAction*> items = window->HistoryMenu(true)->actions();
  ASSERT_EQ(items.size(), 7);
  for (QAction* item : items) EXPECT_TRUE(item->isVisible());
  EXPECT_EQ(items[0]->text(), QStringLiteral("Страница Б--") + FromCp1251(Lower(Page("b.htm"))));
  EXPECT_EQ(items[0]->data().toInt(), 1);
  EXPECT_TRUE(window->Button(TStandardWindow::Back)->isEnabled());
  EXPECT_FALSE(window->Button(TStandardWindow::Forward)->isEnabled());

  items[2]->trigger();  // the page three steps back
  EXPECT_EQ(Viewer(0)->HistoryIndex(), 3);
  const QList<QAction*> forward = window->HistoryMenu(false)->actions();
  EXPECT_TRUE(forward[0]->isVisible());
  EXPECT_FALSE(forward[3]->isVisible());
  EXPECT_EQ(forward[0]->data().toInt(), 2);

  window->ToolButtonClick(TStandardWindow::Forward);
  EXPECT_EQ(Viewer(0)->HistoryIndex(), 2);
}

TEST_F(MainStandardWindow, TheStatusBarTellsWhereALinkLeads) {
  Open();
  frame_->LinkCovered(Viewer(0), {}, QStringLiteral("b.htm"));
  Command("standartwin");
  QStatusBar* bar = form_->StandardWindow()->StatusBar();
  EXPECT_TRUE(bar->currentMessage().isEmpty()) << "nothing before the status bar existed";
  frame_->LinkCovered(Viewer(0), QStringLiteral("_blank"), QStringLiteral("b.htm"));
  EXPECT_EQ(bar->currentMessage(),
            QStringLiteral("Url: ") + FromCp1251(Global.ProgramFolder) + QStringLiteral("man\\b.htm  Target: _blank"));
  frame_->LinkCovered(Viewer(0), {}, QStringLiteral("#top"));
  EXPECT_EQ(bar->currentMessage(), FromCp1251(Viewer(0)->CurrentFile()) + QStringLiteral("#top"));
  frame_->LinkCovered(Viewer(0), {}, {});
  EXPECT_TRUE(bar->currentMessage().isEmpty());
}

}  // namespace
