#include "platform/Cp1251.h"

#include <gtest/gtest.h>

TEST(Cp1251, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x98) all.push_back(static_cast<char>(b));  // 0x98 has no character
  EXPECT_EQ(ToCp1251(FromCp1251(all)), all);
}

TEST(Cp1251, KnownLetters) {
  EXPECT_EQ(FromCp1251("\xC0\xFF\xA8\xB8"), QStringLiteral("АяЁё"));
  EXPECT_EQ(ToCp1251(u"Привет №1"), std::string("\xCF\xF0\xE8\xE2\xE5\xF2 \xB9"
                                                "1"));
  EXPECT_EQ(ToCp1251(u"日本"), "??");
}
