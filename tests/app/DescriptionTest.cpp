#include "app/Description.h"

#include "app/Errors.h"
#include "app/Folders.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(Description, ReadsEveryLineLowerCasingOnlyAsciiWhenAsked) {
  TempDir book;
  book.Write(QStringLiteral("Struct.txt"),
             QByteArray::fromStdString(ToCp1251(u"Button1;Hint=Назад\r\n\r\nFN1=A.BMP\nX\rLast")));
  ApplyFolders(ComputeFolders(book.Path()));

  const TLines lower = ReadDescriptionLines(Global.ProgramFolder + "struct.TXT", true);
  EXPECT_EQ(lower, (TLines{ToCp1251(u"button1;hint=Назад"), "", "fn1=a.bmp", "x", "last"}));

  const TLines kept = ReadDescriptionLines(Global.ProgramFolder + "Struct.txt", false);
  ASSERT_EQ(kept.size(), 5u);
  EXPECT_EQ(kept[2], "FN1=A.BMP");

  try {
    ReadDescriptionLines(Global.ProgramFolder + "Title.txt", false);
    ADD_FAILURE() << "a missing file was read";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot open file " + book.Path().toStdString() + "/Title.txt: it does not exist");
  }
}
