// The popup lists in the main window: the history lists filled by the pane, the page's
// context list, favourites from buttons, keys and items, and what closes the lists.

#include "app/Settings.h"
#include "document/ControlPopupWindow.h"
#include "document/HtmlFavorite.h"
#include "document/PopupWindow.h"
#include "support/ui/EventLoopWait.h"
#include "support/ui/PaneFixture.h"

#include <gtest/gtest.h>
#include <QTest>
#include <QTextBrowser>

namespace {

// A "_popup" block of the test skin on screen `screen` (counted from 1).
QStringList PopupBlock(int screen, const QString& type, const QStringList& captions = {},
                       const QStringList& commands = {}) {
  return {QStringLiteral("_popup%1").arg(screen),
          "xfon=-1; yfon=-1; fnfon=pop.bmp",
          "xbtn=-1; ybtn=4",
          "fnbtnup=[pop_up.bmp]",
          "fnbtnmove=[pop_mv.bmp]",
          "fnbtndown=[pop_dn.bmp]",
          "fontup=DejaVu Sans; sizeup=8; styleup=; colorup=255,255,255",
          "fontmv=DejaVu Sans; sizemv=8; stylemv=bold; colormv=0,0,0",
          "caption=[" + captions.join(';') + "]",
          "go=[" + commands.join(';') + "]",
          "parent=none; type=" + type,
          "vertex=[]"};
}

class PopupListsTest : public TPaneTest {
 protected:
  void OpenWithLists(TTestSkinCommands commands) {
    book_.Picture("pop.bmp", {160, 60}, QColor(10, 20, 30));
    book_.Picture("pop_up.bmp", {150, 20}, QColor(40, 40, 40));
    book_.Picture("pop_mv.bmp", {150, 20}, QColor(250, 200, 0));
    book_.Picture("pop_dn.bmp", {150, 20}, QColor(200, 100, 0));
    book_.File("man/u.htm", PageBytes(QString(), "<p>Без заголовка</p>"));
    Open(commands);
    lists_ = form_->PopupLists.get();
    ASSERT_NE(lists_, nullptr);
  }
  TPopupWindow* List(int type) const { return lists_->List(type); }
  static std::vector<QString> Captions(const TPopupWindow* list) {
    std::vector<QString> captions;
    for (const auto& item : list->Items())
      if (item->Shown) captions.push_back(item->Caption());
    return captions;
  }
  static void Click(TPopupWindow* list, int item) {
    ASSERT_TRUE(ProcessEventsUntil([&] { return !list->Sliding(); }, 2000));
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->Items()[item]->Bounds.center());
    ProcessEventsFor(20);
  }
  QWidget* PageViewport(int viewer) const { return Viewer(viewer)->ActiveViewer()->Browser()->viewport(); }

  TControlPopupWindow* lists_ = nullptr;
};

TEST_F(PopupListsTest, HistoryListsOfferTheNearestPagesAndGoThere) {
  TTestSkinCommands commands;
  commands.button3 = "historyback";
  commands.extraLines << PopupBlock(1, "historyback") << PopupBlock(1, "historyforward");
  OpenWithLists(commands);
  for (const char* page : {"a2.htm", "u.htm", "c.htm"}) Command(std::string("html1=man\\") + page);
  TPopupWindow* back = List(ptHistoryBack);
  EXPECT_EQ(Captions(back), (std::vector<QString>{QStringLiteral("Без названия"), QStringLiteral("Страница А2"),
                                                  QStringLiteral("Страница А")}));
  EXPECT_TRUE(Captions(List(ptHistoryForward)).empty());

  // The back list hangs left of the button's bottom right corner.
  QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(70, 75));
  ASSERT_TRUE(back->IsOpen());
  EXPECT_EQ(back->geometry().topRight() + QPoint(1, 0), form_->mapToGlobal(QPoint(160, 90)));
  Click(back, 1);
  EXPECT_FALSE(back->IsOpen());
  EXPECT_EQ(Shown(0), Lower(Page("a2.htm")));
  EXPECT_EQ(Captions(List(ptHistoryForward)),
            (std::vector<QString>{QStringLiteral("Без названия"), QStringLiteral("Страница Ц")}));

  // Lists made afresh for a screen offer its viewer's history at once.
  Command("screen2");
  Command("screen1");
  EXPECT_EQ(Captions(List(ptHistoryBack)), std::vector<QString>{QStringLiteral("Страница А")});
  EXPECT_EQ(Captions(List(ptHistoryForward)).size(), 2u);
}

TEST_F(PopupListsTest, ARightClickInThePageOpensItsContextList) {
  TTestSkinCommands commands;
  commands.extraLines << PopupBlock(1, "contexthtml", {"Выделить всё", "Наверх"}, {"selectallhtml", "tophtml"});
  OpenWithLists(commands);
  TPopupWindow* context = List(ptContextHtml);
  QWidget* page = PageViewport(0);
  const QPoint at(30, 40);
  QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, at);
  ASSERT_TRUE(context->IsOpen());
  EXPECT_EQ(context->pos(), page->mapToGlobal(at));

  QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_FALSE(context->IsOpen());
  QTest::mouseClick(page, Qt::RightButton, Qt::ShiftModifier, at);
  EXPECT_FALSE(context->IsOpen()) << "only a right click alone opens it";

  QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, at);
  Click(context, 0);
  EXPECT_FALSE(Viewer(0)->ActiveViewer()->SelText().isEmpty());

  // Esc and a press on the skin close the lists too.
  QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, at);
  QTest::keyClick(form_.get(), Qt::Key_Escape);
  EXPECT_FALSE(context->IsOpen());
  QTest::mouseClick(page, Qt::RightButton, Qt::NoModifier, at);
  QTest::mousePress(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 580));
  EXPECT_FALSE(context->IsOpen());
  QTest::mouseRelease(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(600, 580));
}

// On the second screen: Ctrl+I keeps the page with its scroll position, the favourites list
// brings it back there, and the lists of a screen without favourites have none.
TEST_F(PopupListsTest, AFavouriteReturnsToWhereThePageWasScrolled) {
  TTestSkinCommands commands;
  commands.extraLines << PopupBlock(2, "favorite") << PopupBlock(2, "contexthtml", {"В избранное"}, {"addtofavorite"});
  OpenWithLists(commands);
  Command("screen2");
  frame_->ShowFile(Page("d.htm"));
  THTMLViewer* page = Viewer(1)->ActiveViewer();
  page->SetVScrollBarPosition(400);
  ASSERT_EQ(page->VScrollBarPosition(), 400);
  QTest::keyClick(form_.get(), Qt::Key_I, Qt::ControlModifier);
  ASSERT_NE(lists_->Favorites(), nullptr);
  ASSERT_EQ(lists_->Favorites()->Favorites().size(), 1u);
  EXPECT_EQ(lists_->Favorites()->Favorites()[0].command, "htmlpos=" + Page("d.htm") + "=400");

  // The same page again, through the context list, is not added twice.
  frame_->ShowFile(Page("e.htm"));
  Viewer(1)->ActiveViewer()->SetVScrollBarPosition(200);
  lists_->Popup(ptContextHtml, form_->mapToGlobal(QPoint(200, 200)));
  Click(List(ptContextHtml), 0);
  Command("addtofavorite");
  ASSERT_EQ(lists_->Favorites()->Favorites().size(), 2u);
  EXPECT_EQ(lists_->Favorites()->Favorites()[1].caption, ToCp1251(QStringLiteral("Страница Е")));

  // Away to a screen without favourites and back: they were stored and come back.
  Command("screen1");
  EXPECT_EQ(lists_->Favorites(), nullptr);
  Command("addtofavorite");
  Command("screen2");
  ASSERT_EQ(lists_->Favorites()->Favorites().size(), 2u);

  Viewer(1)->ActiveViewer()->SetPosition(0);
  lists_->Popup(ptFavorite, form_->mapToGlobal(QPoint(300, 300)));
  Click(List(ptFavorite), 0);
  EXPECT_EQ(Shown(1), Lower(Page("d.htm")));
  EXPECT_EQ(Viewer(1)->ActiveViewer()->VScrollBarPosition(), 400);
}

}  // namespace
