#include "platform/InterfaceScale.h"

#include <gtest/gtest.h>

TEST(InterfaceScale, AutomaticTakesTheLargestQuarterStepThatFitsMostOfTheScreen) {
  const struct {
    QSize skin, available;
    double factor;
  } cases[] = {
      {{800, 600}, {3840, 2120}, 3.0},                                // 4K less a panel: the height decides
      {{800, 600}, {1920, 1040}, 1.25},                               // 884 / 600 = 1.47
      {{800, 600}, {2560, 1400}, 1.75},                               // 1190 / 600 = 1.98: the step below 2
      {{800, 600}, {1024, 768}, 1.0},                                 // not even 1 fits: never smaller than the skin
      {{800, 600}, {640, 480}, 1.0},    {{85, 85}, {200, 200}, 2.0},  // an exact fit counts
      {{}, {1920, 1080}, 1.0},                                        // no skin picture
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(InterfaceScale::AutomaticFactor(c.skin, c.available), c.factor)
        << c.available.width() << "x" << c.available.height();
}

TEST(InterfaceScale, EachChoiceHasItsFactor) {
  const QSize skin(800, 600), screen(3840, 2160);
  EXPECT_DOUBLE_EQ(InterfaceScale::FactorForChoice(InterfaceScale::Automatic, skin, screen), 3.0);
  EXPECT_DOUBLE_EQ(InterfaceScale::FactorForChoice(InterfaceScale::SkinSize, skin, screen), 1.0);
  EXPECT_DOUBLE_EQ(InterfaceScale::FactorForChoice(InterfaceScale::Size1024x768, skin, screen), 1.28);
  EXPECT_DOUBLE_EQ(InterfaceScale::FactorForChoice(InterfaceScale::Free, skin, screen), 1.0);
  EXPECT_DOUBLE_EQ(InterfaceScale::FactorForChoice(InterfaceScale::Free, skin, screen, 1376), 1.376);
}

TEST(InterfaceScale, AStoredFreeSizeOutOfRangeIsTheSkinsOwn) {
  const struct {
    int perMille;
    double factor;
  } cases[] = {{500, 0.5}, {8000, 8.0}, {1250, 1.25}, {499, 1.0}, {8001, 1.0}, {0, 1.0}, {-1500, 1.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(InterfaceScale::FreeFactor(c.perMille), c.factor) << c.perMille;
}
