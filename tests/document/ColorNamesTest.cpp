#include "document/ColorNames.h"

#include <gtest/gtest.h>

TEST(ColorNames, TheBackgroundListInItsOrder) {
  const std::vector<TNamedColor>& names = BackgroundColorNames();
  ASSERT_EQ(names.size(), 22u);
  EXPECT_STREQ(names.front().name, "clBlack");
  EXPECT_STREQ(names[1].name, "clMaroon");
  EXPECT_EQ(names[1].color, 0x000080);  // red lives in the low byte
  EXPECT_STREQ(names[17].name, "clSkyBlue");
  EXPECT_EQ(names[17].color, 0xF0CAA6);
  EXPECT_STREQ(names.back().name, "clNone");
}

TEST(ColorNames, NamedColoursByNameAndOthersAsEightHexDigits) {
  const struct {
    TColor color;
    const char* text;
  } cases[] = {
      {0xFFFFFF, "clWhite"},
      {0x20000000, "clDefault"},
      {static_cast<TColor>(0x8000000F), "clBtnFace"},  // a system colour has its name too
      {0x123456, "$00123456"},
      {0x00ABCDEF, "$00ABCDEF"},
      {static_cast<TColor>(0x800000FF), "$800000FF"},  // the top bit without a system colour
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToText(c.color), c.text);
    EXPECT_EQ(TextToColor(c.text), c.color) << c.text;
  }
}

TEST(ColorNames, ReadingTakesEitherFormAndRefusesAnythingElse) {
  EXPECT_EQ(TextToColor("CLRED"), 0x0000FF);
  EXPECT_EQ(TextToColor("$ff"), 0xFF);
  EXPECT_EQ(TextToColor("clInfoBk"), static_cast<TColor>(0x80000018));
  for (const char* bad : {"", "$", "$123456789", "$12G456", "red", "123456", "clRedd"})
    EXPECT_FALSE(TextToColor(bad)) << bad;
}
