#include "widgets/ElTree.h"

#include "support/ui/EventLoopWait.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <cstdlib>

namespace {

class ElTree : public ::testing::Test {
 protected:
  ElTree() : tree_(nullptr) {
    tree_.resize(200, 120);
    tree_.SetAutoExpand(true);
    tree_.SetShowLines(false);
    tree_.SetShowButtons(false);
    tree_.SetBorder(false);
    tree_.OnItemSelectedChange = [this](TElTreeItem* item) { events_.push_back("select " + item->Caption()); };
    tree_.OnAfterSelectionChange = [this] { events_.push_back("after"); };
  }

  // a, a/b, a/b/c, d
  void AddFour() {
    a_ = tree_.AddItem(nullptr, "a");
    b_ = tree_.AddItem(a_, "b");
    c_ = tree_.AddItem(b_, "c");
    d_ = tree_.AddItem(nullptr, "d");
  }

  void Show() {
    tree_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree_));
  }

  void Click(TElTreeItem* item) {
    tree_.EnsureVisible(item);
    QTest::mouseClick(tree_.viewport(), Qt::LeftButton, {}, tree_.visualItemRect(item).center());
  }

  TElTree tree_;
  TElTreeItem *a_ = nullptr, *b_ = nullptr, *c_ = nullptr, *d_ = nullptr;
  QStringList events_;
};

TEST_F(ElTree, ItemsKeepTheirOrderLevelAndNeighbours) {
  AddFour();
  ASSERT_EQ(tree_.ItemCount(), 4);
  EXPECT_EQ(tree_.Item(2), c_);
  EXPECT_EQ(tree_.Item(4), nullptr);
  EXPECT_EQ(tree_.Item(-1), nullptr);
  EXPECT_EQ(c_->Level(), 2);
  EXPECT_EQ(c_->Parent(), b_);
  EXPECT_EQ(tree_.GetNext(c_), d_);
  EXPECT_EQ(tree_.GetPrev(a_), nullptr);
  EXPECT_EQ(tree_.GetNext(d_), nullptr);
  // A child added to an earlier branch comes before the items after that branch.
  TElTreeItem* e = tree_.AddItem(a_, "e");
  EXPECT_EQ(e->AbsoluteIndex(), 3);
  EXPECT_EQ(tree_.Item(4), d_);
  EXPECT_EQ(tree_.GetNext(e), d_);
}

TEST_F(ElTree, TheProgramsSelectionIsReportedAtOnceAndTheReadersAlsoAfterwards) {
  AddFour();
  Show();
  tree_.SetSelected(c_);
  EXPECT_EQ(events_, QStringList{"select c"});
  EXPECT_EQ(tree_.Selected(), c_);
  EXPECT_TRUE(c_->isExpanded());  // AutoExpand
  tree_.SetSelected(c_);
  EXPECT_EQ(events_.size(), 1);

  events_.clear();
  Click(d_);
  EXPECT_EQ(events_, (QStringList{"select d", "after"}));
  EXPECT_EQ(tree_.Selected(), d_);
  events_.clear();
  QTest::keyClick(tree_.viewport(), Qt::Key_Up);
  EXPECT_EQ(events_, (QStringList{"select c", "after"}));

  events_.clear();
  tree_.SetSelected(nullptr);
  EXPECT_EQ(tree_.Selected(), nullptr);
  EXPECT_TRUE(events_.isEmpty());
}

TEST_F(ElTree, MouseEventsReachTheHandlers) {
  AddFour();
  Show();
  QStringList mouse;
  tree_.OnMouseDown = [&](QMouseEvent*) { mouse << "down"; };
  tree_.OnClick = [&] { mouse << "click"; };
  tree_.OnMouseMove = [&](QMouseEvent* e) { mouse << QStringLiteral("move %1").arg(e->position().toPoint().y()); };
  const QPoint at = tree_.visualItemRect(a_).center();
  QTest::mouseMove(tree_.viewport(), at);
  ProcessEventsFor(20);
  Click(a_);
  EXPECT_TRUE(mouse.contains(QStringLiteral("move %1").arg(at.y())));
  EXPECT_EQ(mouse.filter("down").size(), 1);
  EXPECT_EQ(mouse.last(), "click");
}

TEST_F(ElTree, SelectedItemsAreDrawnInTheSelectionColours) {
  AddFour();
  tree_.SetFocusedSelectColor(QColor(30, 52, 80));
  tree_.SetFocusedSelectTextColor(QColor(255, 212, 120));
  Show();
  tree_.SetSelected(d_);
  ProcessEventsFor(20);
  const QRect row = tree_.visualItemRect(d_);
  const QImage shot = tree_.viewport()->grab().toImage();
  bool background = false, text = false;
  for (int x = row.left(); x <= row.right(); ++x)
    for (int y = row.top(); y <= row.bottom(); ++y) {
      const QColor c = shot.pixelColor(x, y);
      // The style may shade the fill by a step.
      background =
          background || (std::abs(c.red() - 30) <= 2 && std::abs(c.green() - 52) <= 2 && std::abs(c.blue() - 80) <= 2);
      text = text || (c.red() > 200 && c.green() > 150 && c.blue() < 150);
    }
  EXPECT_TRUE(background);
  EXPECT_TRUE(text);
  // The row of an item not selected keeps the base colour.
  EXPECT_EQ(shot.pixelColor(tree_.visualItemRect(a_).right() - 2, tree_.visualItemRect(a_).center().y()),
            tree_.palette().color(QPalette::Base));
}

TEST_F(ElTree, TheScrollBarOnTheLeftScrollsTheItems) {
  tree_.SetScrollbarOpposite(true);
  for (int i = 0; i < 40; ++i) tree_.AddItem(nullptr, QStringLiteral("item %1").arg(i));
  Show();
  ProcessEventsFor(20);
  QScrollBar* left = tree_.OppositeScrollBar();
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(left->isVisible());
  EXPECT_FALSE(tree_.verticalScrollBar()->isVisible());
  EXPECT_LT(left->geometry().right(), tree_.viewport()->geometry().left());
  left->setValue(left->maximum());
  EXPECT_EQ(tree_.verticalScrollBar()->value(), tree_.verticalScrollBar()->maximum());
  EXPECT_FALSE(tree_.visualItemRect(tree_.Item(39)).isEmpty());
  // Scrolling the view itself moves the bar.
  tree_.EnsureVisible(tree_.Item(0));
  EXPECT_EQ(left->value(), 0);
}

}  // namespace
