#include "media/SlideSteps.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct TStep {
  int index, count;
  std::optional<int> next, previous;
};

}  // namespace

// The index is shared with areas whose lists are longer, so it may stand past this list's end.
TEST(SlideSteps, WrapAtBothEndsAndComeBackFromAnotherAreasIndex) {
  const TStep steps[] = {
      {0, 3, 1, 2},                        // previous on the first: the last
      {2, 3, 0, 1},                        // next on the last: the first
      {1, 1, 0, 0},                        // one picture stays
      {4, 2, 0, 1},                        // from a longer list: next starts again, previous takes the last
      {0, 0, std::nullopt, std::nullopt},  // an empty folder: the commands do nothing
  };
  for (const TStep& s : steps) {
    EXPECT_EQ(NextSlide(s.index, s.count), s.next) << s.index << " of " << s.count;
    EXPECT_EQ(PreviousSlide(s.index, s.count), s.previous) << s.index << " of " << s.count;
  }
}

TEST(SlideSteps, RandomOrderVisitsBothOfTwoPicturesAndStaysInTheList) {
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) {
    const std::optional<int> index = RandomSlide(2);
    ASSERT_TRUE(index);
    ASSERT_TRUE(*index == 0 || *index == 1) << *index;
    seen.insert(*index);
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1}));
  EXPECT_FALSE(RandomSlide(0));
}
