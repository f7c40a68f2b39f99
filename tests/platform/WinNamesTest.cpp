#include "platform/Cp1251.h"
#include "platform/WinNames.h"

#include <gtest/gtest.h>

TEST(WinNames, PartsOfAName) {
  struct TCase {
    std::string name, folder, file, extension, stem;
  } cases[] = {
      {"d:\\man\\a.htm", "d:\\man\\", "a.htm", ".htm", "d:\\man\\a"},
      {"d:\\man.d\\readme", "d:\\man.d\\", "readme", "", "d:\\man.d\\readme"},
      {"d:a.HTM", "d:", "a.HTM", ".HTM", "d:a"},
      {"man/pics/car.bmp", "man/pics/", "car.bmp", ".bmp", "man/pics/car"},
      {"a.htm", "", "a.htm", ".htm", "a"},
      {"d:\\man\\", "d:\\man\\", "", "", "d:\\man\\"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(FolderPart(c.name), c.folder) << c.name;
    EXPECT_EQ(FileNamePart(c.name), c.file) << c.name;
    EXPECT_EQ(FileExtension(c.name), c.extension) << c.name;
    EXPECT_EQ(WithoutExtension(c.name), c.stem) << c.name;
  }
}

TEST(WinNames, LetterCase) {
  const std::string upper = ToCp1251(u"D:\\МАН\\Ёлка.HTM");
  EXPECT_EQ(AsciiLower(upper), ToCp1251(u"d:\\МАН\\Ёлка.htm"));  // descriptions fold ASCII only
  EXPECT_EQ(NameLower(upper), ToCp1251(u"d:\\ман\\ёлка.htm"));
  EXPECT_TRUE(SameName(upper, ToCp1251(u"d:\\ман\\ёЛКА.htm")));
  EXPECT_FALSE(SameName(upper, ToCp1251(u"d:\\ман\\елка.htm")));
  EXPECT_EQ(VisitedKey(upper), VisitedKey(NameLower(upper)));
}
