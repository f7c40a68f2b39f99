#include "widgets/EdgeResizer.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>
#include <optional>

namespace {

class TPressCounter : public QWidget {
 public:
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class EdgeResizer : public ::testing::Test {
 protected:
  EdgeResizer() {
    window_.setWindowFlag(Qt::FramelessWindowHint);
    window_.setGeometry(300, 200, 200, 100);
    window_.setCursor(Qt::PointingHandCursor);
    new TEdgeResizer(
        &window_, [] { return 1.0; },
        [this](double factor, QPoint topLeft) {
          dragged_ = {factor, topLeft};
        });
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  void Drag(QPoint from, QPoint to) {
    QWindow* window = window_.windowHandle();
    QTest::mouseMove(window, from);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
  }

  TPressCounter window_;
  std::optional<std::pair<double, QPoint>> dragged_;
};

TEST_F(EdgeResizer, EdgesAndCornersShowTheirCursorsAndTheRestKeepsTheWindows) {
  const struct {
    QPoint at;
    Qt::CursorShape shape;
  } cases[] = {
      {{199, 50}, Qt::SizeHorCursor},    {{0, 50}, Qt::SizeHorCursor},
      {{100, 99}, Qt::SizeVerCursor},    {{100, 0}, Qt::SizeVerCursor},
      {{1, 1}, Qt::SizeFDiagCursor},     {{199, 99}, Qt::SizeFDiagCursor},
      {{199, 0}, Qt::SizeBDiagCursor},   {{1, 90}, Qt::SizeBDiagCursor},  // a cut corner: along the edge
      {{2, 12}, Qt::SizeFDiagCursor},    {{100, 50}, Qt::PointingHandCursor},
      {{5, 50}, Qt::PointingHandCursor},  // past the margin
  };
  for (const auto& c : cases) {
    QTest::mouseMove(window_.windowHandle(), c.at);
    EXPECT_EQ(window_.cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(EdgeResizer, ADragAtAnEdgeGivesTheFactorAndKeepsTheEdgeAcross) {
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
  EXPECT_EQ(window_.presses, 1);
  EXPECT_FALSE(dragged_);

  Drag({199, 50}, {299, 60});
  EXPECT_EQ(window_.presses, 1);  // the skin never saw the press
  ASSERT_TRUE(dragged_);
  EXPECT_DOUBLE_EQ(dragged_->first, 1.5);
  EXPECT_EQ(dragged_->second, QPoint(300, 200));

  Drag({1, 1}, {-99, -19});  // the width asks for more than the height (a null point is the centre to QTest)
  ASSERT_TRUE(dragged_);
  EXPECT_DOUBLE_EQ(dragged_->first, 1.5);
  EXPECT_EQ(dragged_->second, QPoint(200, 150));  // the bottom-right corner stays
}

TEST(EdgeResizerFactor, TheLargerChangeWinsWithinTheLimits) {
  const QSize skin(800, 600);
  const struct {
    Qt::Edges edges;
    QPoint delta;
    double factor;
  } cases[] = {
      {Qt::RightEdge, {400, 0}, 1.5},    {Qt::LeftEdge, {400, 0}, 0.5},
      {Qt::BottomEdge, {0, -150}, 0.75}, {Qt::TopEdge | Qt::LeftEdge, {-80, -300}, 1.5},
      {Qt::RightEdge, {0, 300}, 1.0},  // along the edge: nothing changes
      {Qt::RightEdge, {-2000, 0}, 0.5},  {Qt::BottomEdge, {0, 9000}, 8.0},
      {Qt::RightEdge, {1, 0}, 1.001},  // thousandths, as it is kept
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(TEdgeResizer::DraggedFactor(skin, 1, c.edges, c.delta), c.factor)
        << c.delta.x() << "," << c.delta.y();
}

}  // namespace
