#include "document/TreeViews.h"

#include "document/ContentsTrees.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"
#include "tools/MyControl.h"
#include "tools/PanelBkgrd.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QSplitter>
#include <QTest>
#include <cstdlib>

namespace {

const QColor kSelection(0, 0, 128);

// The pane book with trees on its second screen: tree A lists its pages, tree B (when
// declared) two of them. Chapter buttons and a toggle switch for "tree2" sit under the panel.
class TreeViewsTest : public TPaneTest {
 protected:
  void OpenWithTrees(int declarations = 2, bool contentsFile = true, const QStringList& more = {}) {
    TTestSkinCommands commands;
    commands.extraLines << more;
    commands.toggleOff = commands.toggleOn = commands.group0 = commands.group1 = "nothing";
    const QString pictures = "fn1=b_up.bmp; fn2=b_mv.bmp; fn3=b_dn.bmp";
    commands.extraLines << "button 2; vx=120; vy=540; " + pictures + "; go=prevchapter; hint=Назад по главам; wav=no"
                        << "button 2; vx=230; vy=540; " + pictures + "; go=nextchapter; hint=Дальше по главам; wav=no"
                        << "switchone 2; vx=450; vy=540; fn1=s_up.bmp; fn2=s_mvup.bmp; fn3=s_mvdn.bmp; fn4=s_dn.bmp"
                        << "state=off; store=off; goup=tree2; godown=tree2; hint=Оглавление; wav=no";
    const QStringList trees = {"vw=183; vh=511; colorselect=0,0,128; colorselecttext=255,255,255; fn=toc.txt",
                               "vw=133; vh=511; colorselect=0,128,0; colorselecttext=255,255,255; fn=terms.txt"};
    for (int i = 0; i < declarations; ++i) commands.extraLines << "_tree2 " + trees[i % 2];
    WritePaneBook(book_, UniqueTitle("trees"), commands);
    if (contentsFile)
      book_.File("toc.txt", QByteArray::fromStdString(ToCp1251(QStringLiteral("man\\a.htm;Страница А\r\n"
                                                                              "man\\c.htm;Глава Ц\r\n"
                                                                              "\tman\\c.htm;Раздел Ц\r\n"
                                                                              "\tman\\d.htm;Раздел Д\r\n"
                                                                              "\t\tman\\d.htm#x;Пункт Д\r\n"
                                                                              "\tman\\e.htm;Раздел Е\r\n"
                                                                              "man\\b.htm;Страница Б\r\n"
                                                                              ";Без ссылки\r\n"))));
    book_.File("terms.txt", QByteArray::fromStdString(ToCp1251(QStringLiteral("man\\b.htm;Бэ\r\nman\\e.htm;Е\r\n"))));
    form_ = OpenBook(book_);
    frame_ = form_->HtmlFrame.get();
    ASSERT_NE(frame_, nullptr);
  }

  TTreeViews* A() const { return form_->Trees ? form_->Trees->A() : nullptr; }
  TTreeViews* B() const { return form_->Trees ? form_->Trees->B() : nullptr; }
  TFrameViewer* Reading() const { return frame_->CurrentViewer(); }
  QString Selected(TTreeViews* tree) const { return tree->Selected() ? tree->Selected()->Caption() : QString(); }

  TElTreeItem* ItemOf(TTreeViews* tree, const QString& caption) const {
    for (int i = 0; i < tree->ItemCount(); ++i)
      if (tree->Item(i)->Caption() == caption) return tree->Item(i);
    return nullptr;
  }

  void ClickItem(TTreeViews* tree, const QString& caption) {
    TElTreeItem* item = ItemOf(tree, caption);
    ASSERT_NE(item, nullptr) << qPrintable(caption);
    tree->EnsureVisible(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
  }

  // The hint of the first button of the screen shown that runs `command`.
  QString Hint(const char* command) const {
    const TDynamicBtnArray& buttons = form_->Skin.ScreenBtns[Global.CurrentScreen];
    for (size_t i = 0; i < buttons.size(); ++i)
      if (buttons[i].go == command) return form_->BtnPics[i].control->toolTip();
    return "no button";
  }

  // Counts the pages the reading viewer shows from here on.
  int* CountLoads() {
    auto count = std::make_shared<int>(0);
    TFrameViewer* viewer = Reading();
    auto inner = viewer->OnHistoryChange;
    viewer->OnHistoryChange = [count, inner](TFrameViewer* v) {
      ++*count;
      inner(v);
    };
    counts_.push_back(count);
    return count.get();
  }

  // Pixels of the selection colour on the window's left part of the panel.
  int SelectionPixels(const QColor& colour) {
    ProcessEventsFor(30);
    const QImage shot = form_->grab(QRect(33, 90, 250, 421)).toImage();
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) {
        // The style may shade the fill by a step.
        const QColor c = shot.pixelColor(x, y);
        n += std::abs(c.red() - colour.red()) <= 2 && std::abs(c.green() - colour.green()) <= 2 &&
             std::abs(c.blue() - colour.blue()) <= 2;
      }
    return n;
  }

  std::vector<std::shared_ptr<int>> counts_;
};

TEST_F(TreeViewsTest, OneOrTwoDeclarationsMakeTreesAndOtherCountsNone) {
  for (const auto& [declarations, a, b] : {std::tuple{0, false, false}, std::tuple{1, true, false},
                                           std::tuple{2, true, true}, std::tuple{3, false, false}}) {
    OpenWithTrees(declarations);
    EXPECT_EQ(A() != nullptr, a) << declarations;
    EXPECT_EQ(B() != nullptr, b) << declarations;
    // Commands for trees that are not there do nothing.
    Command("screen2");
    for (const char* command : {"tree1", "tree2", "offtree", "ontree", "nextchapter"}) Command(command);
    EXPECT_EQ(Shown(1), Lower(Page(a ? "d.htm" : "c.htm"))) << declarations;
    form_.reset();
  }
}

TEST_F(TreeViewsTest, AMissingContentsFileGivesAnEmptyTreeThatLeadsNowhere) {
  OpenWithTrees(1, false);
  Command("screen2");
  ASSERT_NE(A(), nullptr);
  EXPECT_EQ(A()->ItemCount(), 0);
  Command("nextchapter");
  Command("prevchapter");
  EXPECT_EQ(Shown(1), Lower(Page("c.htm")));
  EXPECT_EQ(Hint("prevchapter"), QStringLiteral("Первый раздел"));
  EXPECT_EQ(Hint("nextchapter"), QStringLiteral("Последний раздел"));
}

TEST_F(TreeViewsTest, TheTreeShowsWithTheReadingScreenAndSelectsItsStartLink) {
  OpenWithTrees();
  ASSERT_NE(A(), nullptr);
  EXPECT_TRUE(A()->isHidden());
  EXPECT_TRUE(A()->TreeInactive);
  EXPECT_EQ(A()->ItemCount(), 8);
  EXPECT_EQ(A()->Item(4)->Level(), 2);

  Command("screen2");
  EXPECT_TRUE(form_->PanelBkgrd->isVisible());
  EXPECT_TRUE(A()->isVisible());
  EXPECT_FALSE(A()->TreeInactive);
  // Its toggle switch chose tree A: tree B waits.
  EXPECT_TRUE(B()->isHidden());
  EXPECT_TRUE(B()->TreeInactive);
  ProcessEventsFor(30);
  EXPECT_EQ(A()->width(), 150);
  EXPECT_EQ(Selected(A()), QStringLiteral("Глава Ц"));  // the pane's start page
  EXPECT_GT(SelectionPixels(kSelection), 100);

  Command("screen1");
  EXPECT_FALSE(form_->PanelBkgrd->isVisible());
  EXPECT_TRUE(A()->isHidden());
  EXPECT_TRUE(A()->TreeInactive);
  EXPECT_FALSE(A()->TreeHidden);

  Command("screen2=man\\d.htm");
  EXPECT_EQ(Selected(A()), QStringLiteral("Раздел Д"));
  EXPECT_EQ(Shown(1), Lower(Page("d.htm")));

  // No entry has the anchor: the caption of the page's entry is looked for instead, from the
  // entry after the one selected.
  Command("screen1");
  Command("screen2=man\\a.htm#nowhere");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница А"));
  EXPECT_EQ(Shown(1), Lower(Page("a.htm")));
  EXPECT_EQ(Lower(A()->StartLink), Lower(Page("a.htm#nowhere")));

  // The start link stays for the next switch that does not name one.
  ClickItem(A(), QStringLiteral("Страница Б"));
  Command("1");
  Command("2");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница А"));
}

TEST_F(TreeViewsTest, ClickingAnEntryOpensItsPageAndThePaneIsFollowedWithoutLoadingTwice) {
  OpenWithTrees();
  Command("screen2");
  ClickItem(A(), QStringLiteral("Раздел Д"));
  EXPECT_EQ(Shown(1), Lower(Page("d.htm")));
  // Stored as the full name it was opened by.
  EXPECT_EQ(Lower(A()->PendingLink), Lower(Page("d.htm")));
  ClickItem(A(), QStringLiteral("Пункт Д"));
  EXPECT_EQ(Lower(A()->PendingLink), Lower(Page("d.htm#x")));
  EXPECT_EQ(Selected(A()), QStringLiteral("Пункт Д"));  // another entry of the page shown stays

  ClickItem(A(), QStringLiteral("Страница Б"));
  ASSERT_EQ(Shown(1), Lower(Page("b.htm")));
  const int* loads = CountLoads();
  const size_t history = Reading()->History.size();
  // The page's own link to c.htm.
  Reading()->LoadFromFile(Reading()->HTMLExpandFilename("c.htm"));
  EXPECT_EQ(Selected(A()), QStringLiteral("Глава Ц"));
  EXPECT_EQ(*loads, 1);
  EXPECT_EQ(Reading()->History.size(), history + 1);

  // A heading without a link opens nothing.
  ClickItem(A(), QStringLiteral("Без ссылки"));
  EXPECT_EQ(Selected(A()), QStringLiteral("Без ссылки"));
  EXPECT_EQ(Shown(1), Lower(Page("c.htm")));
  EXPECT_EQ(*loads, 1);
}

// With the reading screen's page hidden (its start page is missing) an entry's page goes into
// the pane declared with number 20.
TEST_F(TreeViewsTest, AnEntryOpensInPane20WhenThePageIsHidden) {
  OpenWithTrees(1, true, {"_html2 vx=40; vy=100; vw=700; vh=500; fn=man\\c.htm; number=20"});
  form_.reset();
  QFile::remove(QDir(book_.Folder()).filePath("man/c.htm"));
  form_ = OpenBook(book_);
  frame_ = form_->HtmlFrame.get();
  Command("screen2");
  ASSERT_TRUE(Reading()->isHidden());
  ClickItem(A(), QStringLiteral("Раздел Д"));
  EXPECT_FALSE(Reading()->isHidden());
  EXPECT_EQ(Lower(Reading()->CurrentFile()), Lower(Page("d.htm")));
  EXPECT_EQ(Selected(A()), QStringLiteral("Раздел Д"));
}

TEST_F(TreeViewsTest, ChapterCommandsWalkTheTreeAndTheirButtonsNameWhereTheyLead) {
  OpenWithTrees();
  Command("screen2");
  ASSERT_EQ(Selected(A()), QStringLiteral("Глава Ц"));
  EXPECT_EQ(Hint("prevchapter"), QStringLiteral("Страница А"));
  // "Раздел Ц" shows the chapter's own page: it is stepped over.
  EXPECT_EQ(Hint("nextchapter"), QStringLiteral("Глава Ц : Раздел Д"));

  QTest::keyClick(form_.get(), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Selected(A()), QStringLiteral("Раздел Д"));
  EXPECT_EQ(Shown(1), Lower(Page("d.htm")));
  EXPECT_EQ(Hint("prevchapter"), QStringLiteral("Глава Ц : Раздел Ц"));
  EXPECT_EQ(Hint("nextchapter"), QStringLiteral("Раздел Д : Пункт Д"));

  Command("prevchapter");
  EXPECT_EQ(Selected(A()), QStringLiteral("Раздел Ц"));
  Command("prevchapter");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница А"));
  EXPECT_EQ(Shown(1), Lower(Page("a.htm")));
  EXPECT_EQ(Hint("prevchapter"), QStringLiteral("Первый раздел"));

  // At either end the selection stays and nothing is loaded.
  const int* loads = CountLoads();
  Command("prevchapter");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница А"));
  ClickItem(A(), QStringLiteral("Раздел Е"));
  Command("nextchapter");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница Б"));
  EXPECT_EQ(Hint("nextchapter"), QStringLiteral("Последний раздел"));
  const int before = *loads;
  Command("nextchapter");
  EXPECT_EQ(Selected(A()), QStringLiteral("Страница Б"));
  EXPECT_EQ(*loads, before);

  const QJsonObject trees = form_->StateForDump()["trees"].toObject();
  const QJsonObject a = trees["A"].toObject();
  EXPECT_TRUE(a["visible"].toBool());
  EXPECT_EQ(a["selected"].toObject()["caption"].toString(), QStringLiteral("Страница Б"));
  EXPECT_EQ(a["selected"].toObject()["link"].toString(), QStringLiteral("man\\b.htm"));
  EXPECT_TRUE(trees["B"].toObject()["TreeInactive"].toBool());
  EXPECT_EQ(trees["chapterHints"].toArray().size(), 2);
  EXPECT_EQ(trees["chapterHints"].toArray()[1].toObject()["hint"].toString(), QStringLiteral("Последний раздел"));
}

TEST_F(TreeViewsTest, OffTreeWidensThePaneAndOnTreeGivesItsPlaceBack) {
  OpenWithTrees();
  Command("screen2");
  TFrameViewer* viewer = Reading();
  ProcessEventsFor(30);
  const QRect beside = viewer->geometry();
  EXPECT_GT(beside.left(), A()->width());
  EXPECT_EQ(beside.right(), form_->PanelBkgrd->width() - 1);

  Command("offtree");
  ProcessEventsFor(30);
  EXPECT_TRUE(A()->isHidden());
  EXPECT_TRUE(A()->TreeHidden);
  EXPECT_TRUE(B()->TreeHidden);
  EXPECT_EQ(viewer->geometry(), QRect(0, 0, form_->PanelBkgrd->width(), form_->PanelBkgrd->height()));
  EXPECT_EQ(SelectionPixels(kSelection), 0);

  Command("ontree");
  ProcessEventsFor(30);
  EXPECT_FALSE(A()->isHidden());
  EXPECT_TRUE(B()->isHidden());  // not chosen
  EXPECT_EQ(viewer->geometry(), beside);
  EXPECT_GT(SelectionPixels(kSelection), 100);
}

TEST_F(TreeViewsTest, Tree1ShowsTreeBAndTree2TreeA) {
  OpenWithTrees();
  Command("screen2");
  Command("tree1");
  EXPECT_TRUE(A()->isHidden());
  EXPECT_TRUE(A()->TreeInactive);
  EXPECT_FALSE(B()->isHidden());
  EXPECT_FALSE(B()->TreeInactive);
  ProcessEventsFor(30);
  EXPECT_EQ(B()->width(), 100);
  EXPECT_EQ(form_->Trees->Visible(), B());

  // Hidden trees stay hidden when chosen, and the chosen one comes back with "ontree".
  Command("offtree");
  Command("tree2");
  EXPECT_TRUE(A()->isHidden());
  EXPECT_FALSE(A()->TreeInactive);
  Command("ontree");
  EXPECT_FALSE(A()->isHidden());
  EXPECT_TRUE(B()->isHidden());
}

TEST_F(TreeViewsTest, TheSwitchForTreeAIsIgnoredWhileBothTreesAreHidden) {
  OpenWithTrees();
  Command("screen2");
  const auto toggle = [this] { return form_->Skin.ScreenSwthOne[1].back().state; };
  Command("offtree");
  QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, QPoint(451, 541));
  EXPECT_FALSE(toggle());
  Command("ontree");
  QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, QPoint(451, 541));
  EXPECT_TRUE(toggle());
}

}  // namespace
