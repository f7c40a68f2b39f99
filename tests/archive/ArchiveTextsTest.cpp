#include "archive/ArchiveTexts.h"

#include "platform/Cp1251.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string Cp(const char* utf8) { return ToCp1251(QString::fromUtf8(utf8)); }

TEST(ArchiveTexts, WorkingFolderAndPageNames) {
  EXPECT_EQ(MangledName("d:\\soft\\tools.rar"), "d__soft_tools_rar");
  // Only the last dot goes: one in a folder name stays.
  EXPECT_EQ(MangledName("d:\\soft.old\\tools.rar"), "d__soft.old_tools_rar");
  EXPECT_EQ(MangledName("d:\\soft.old\\tools"), "d__soft.old_tools");
  EXPECT_EQ(ListingFolderOf("c:\\tmp\\", "d:\\soft\\tools.rar"), "c:\\tmp\\as_d__soft_tools_rar\\");
  EXPECT_EQ(FramePageName("d:\\soft\\tools.rar"), "as_tools.rar.htm");
  EXPECT_EQ(FolderPageName(3, 1084789920u), "as_31084789920.htm");
}

TEST(ArchiveTexts, SizesInBytesAndThousandsRoundedHalfToEven) {
  const struct {
    uint64_t size;
    const char* text;
  } cases[] = {
      {0, "0 байт"},
      {999, "999 байт"},
      {1000, "1 Кбайт"},
      {1499, "1 Кбайт"},
      {1500, "2 Кбайт"},
      {2500, "2 Кбайт"},
      {2501, "3 Кбайт"},
      {3500, "4 Кбайт"},
      {999'499, "999 Кбайт"},
      {999'500, "1\u00A0000 Кбайт"},
      {1'234'567, "1\u00A0235 Кбайт"},
      {4'000'000'000'000ull, "4\u00A0000\u00A0000\u00A0000 Кбайт"},
  };
  for (const auto& c : cases) EXPECT_EQ(SizeText(c.size), Cp(c.text)) << c.size;
}

TEST(ArchiveTexts, TimesAsDayMonthYearHoursMinutes) {
  EXPECT_EQ(TimeText(0x30B15400), Cp("17 май 04 10:32"));
  EXPECT_EQ(TimeText((uint32_t(45) << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5)),
            Cp("31 дек 25 23:59"));
  EXPECT_EQ(TimeText(0), "");
  EXPECT_EQ(TimeText(13u << 21 | 1u << 16), "");  // month 13
}

TEST(ArchiveTexts, DosDateTimeOfLocalMoments) {
  std::tm local{};
  local.tm_year = 2004 - 1900;
  local.tm_mon = 4;
  local.tm_mday = 17;
  local.tm_hour = 10;
  local.tm_min = 32;
  local.tm_sec = 1;
  local.tm_isdst = -1;
  EXPECT_EQ(DosDateTime(std::mktime(&local)), 0x30B15400u);
  local.tm_year = 1970 - 1900;
  EXPECT_EQ(DosDateTime(std::mktime(&local)), 0u);
}

TEST(ArchiveTexts, Messages) {
  EXPECT_EQ(OpenMessage(TRarCode::BadArchive, "d:\\a.rar"), Cp("Файл d:\\a.rar не является RAR архивом."));
  EXPECT_EQ(OpenMessage(TRarCode::BadData, "d:\\a.rar"), "d:\\a.rar: archive header broken");
  EXPECT_EQ(OpenMessage(TRarCode::EOpen, "d:\\a.rar"), "Cannot open d:\\a.rar");
  EXPECT_EQ(DamagedHeaderMessage("b.txt"), Cp("У файла: b.txt испорчен заголовок."));
  EXPECT_EQ(VolumeMissingMessage("d:\\a.part2.rar"), Cp("Том d:\\a.part2.rar не найден."));
  EXPECT_EQ(ProcessMessage(TRarCode::EOpen, "x"), "");
  EXPECT_EQ(RefusedMembersMessage({"..\\a", "c:\\b"}),
            Cp("Не распакованы, так как ведут за пределы папки распаковки: ..\\a, c:\\b."));
}

}  // namespace
