#include "app/Description.h"

#include "app/Errors.h"
#include "app/Folders.h"
#include "platform/Globals.h"
#include "platform/Cp1251.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(Description, ReadsEveryLineLowerCasingOnlyAsciiWhenAsked) {
  TempDir book;
  book.Write(QStringLiteral("Struct.txt"),
             QByteArray::fromStdString(ToCp1251(u"Button1;Hint=Назад\r\n\r\nFN1=A.BMP\nX\rLast")));
  ApplyFolders(ComputeFolders(book.Path()));

  const TLines lower = ReadDescriptionLines(Global.ProgramFolder + "struct.TXT", true);
  ASSERT_EQ(lower.size(), 4u);
  EXPECT_EQ(FromCp1251(lower[0]), QStringLiteral("button1;hint=Назад"));
  EXPECT_EQ(lower[1], "");
  EXPECT_EQ(lower[2], "fn1=a.bmpx");
  EXPECT_EQ(lower[3], "last");

  const TLines kept = ReadDescriptionLines(Global.ProgramFolder + "Struct.txt", false);
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(kept[2], "FN1=A.BMPX");

  EXPECT_THROW(ReadDescriptionLines(Global.ProgramFolder + "Title.txt", false), EFOpenError);
}
