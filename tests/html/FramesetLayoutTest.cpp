#include "html/FramesetLayout.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* list;
  int total;
  std::vector<int> sizes;
};

class FramesetSizesTest : public ::testing::TestWithParam<Case> {};

TEST_P(FramesetSizesTest, SplitsTheTotal) {
  const Case& c = GetParam();
  EXPECT_EQ(FramesetSizes(c.list, c.total), c.sizes) << c.list;
}

INSTANTIATE_TEST_SUITE_P(Lists, FramesetSizesTest,
                         ::testing::Values(Case{"", 300, {300}}, Case{"100,*", 300, {100, 200}},
                                           Case{"25%,75%", 400, {100, 300}}, Case{"100,*,2*", 400, {100, 100, 200}},
                                           Case{"30%, 50 ,*", 200, {60, 50, 90}},
                                           // Fixed parts that do not fit are scaled down; nothing is left for "*".
                                           Case{"300,300,*", 300, {150, 150, 0}},
                                           // Without "*" the fixed parts are stretched to fill.
                                           Case{"100,100", 400, {200, 200}},
                                           // Rounding never loses a pixel.
                                           Case{"*,*,*", 100, {33, 34, 33}}, Case{"abc,*", 50, {0, 50}},
                                           Case{"100,*", -5, {0, 0}}));

}  // namespace
