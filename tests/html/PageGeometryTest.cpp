#include "html/PageGeometry.h"

#include <gtest/gtest.h>

TEST(PageGeometry, AreaOfTheFallbackSheet) {
  const TPrinterMetrics portrait = FallbackMetrics(false);
  // 2 cm margins at 300 pixels per inch are 236 pixels; the rest in screen pixels at 96.
  EXPECT_EQ(PrintArea(portrait, 1, 96), QSize(642, 972));
  // Half the scale doubles the area: the margins stay 2 cm in the layout's units.
  const QSize half = PrintArea(portrait, 0.5, 96);
  EXPECT_NEAR(half.width(), (2479 - 2 * 118) * 96 / 150.0, 1);
  EXPECT_NEAR(half.height(), (3508 - 2 * 118) * 96 / 150.0, 1);
  const TPrinterMetrics landscape = FallbackMetrics(true);
  EXPECT_EQ(PrintArea(landscape, 1, 96), QSize(972, 642));
}

TEST(PageGeometry, PrintableAreaBeyondThePaperCounts) {
  TPrinterMetrics m = FallbackMetrics(false);
  m.printableWidth = 2479;  // with its offset it reaches past the paper's edge
  EXPECT_EQ(PrintArea(m, 1, 96).width(), static_cast<int>(std::lround((2479 + 75 - 472) * 96 / 300.0)));
}

TEST(PageGeometry, TheTextStartsAtTheMarginInsideThePrintableArea) {
  const TPageGeometry g = PageGeometry(FallbackMetrics(false), 1, 96);
  EXPECT_EQ(g.origin, QPoint(236 - 75, 236 - 91));
  EXPECT_DOUBLE_EQ(g.factorX, 300.0 / 96);
  EXPECT_EQ(g.sheet, QSize(793, 1123));
}
