#include "archive/ListingPages.h"

#include "archive/ArchiveTexts.h"
#include "platform/Cp1251.h"

#include <gtest/gtest.h>

namespace {

std::string Cp(const char* utf8) { return ToCp1251(QString::fromUtf8(utf8)); }

std::vector<std::string> FolderNames(const TFolderList& list) {
  std::vector<std::string> names;
  for (const TListedFolder& f : list.Folders()) names.push_back(f.name);
  return names;
}

// Rows as "caption>target" for folders and "caption=path" for files.
std::vector<std::string> Rows(const TListingPage& page) {
  std::vector<std::string> rows;
  for (const TListingRow& r : page.rows) rows.push_back(r.caption + (r.file ? "=" : ">") + r.target);
  return rows;
}

TEST(ListingPages, FoldersAreDerivedWithEveryAncestorWhenTheArchiveListsNone) {
  const std::vector<TListedFile> files = {
      {"readme.txt", 10, 1}, {"docs\\manual\\a.htm", 20, 2}, {"DOCS\\b.htm", 30, 3}, {"img\\x\\y\\p.gif", 40, 4}};
  TFolderList folders;
  folders.AddMissingFolders(files, 1000);
  // Folders of the files in file order, then the parents that are still missing; "docs" is
  // already there as "DOCS".
  EXPECT_EQ(FolderNames(folders), (std::vector<std::string>{"", "docs\\manual", "DOCS", "img\\x\\y", "img\\x", "img"}));
  // A folder takes the time of the entry that needed it.
  EXPECT_EQ(folders.Folders()[2].time, 3u);
  EXPECT_EQ(folders.Folders()[5].time, 4u);

  const auto pages = BuildListingPages(folders.Folders(), files, 77);
  ASSERT_EQ(pages.size(), 6u);
  EXPECT_EQ(pages[0].fileName, "as_077.htm");
  // The root has no way up and does not list itself.
  EXPECT_EQ(Rows(pages[0]), (std::vector<std::string>{"DOCS>as_277.htm", "img>as_577.htm", "readme.txt=readme.txt"}));
  EXPECT_EQ(Rows(pages[2]), (std::vector<std::string>{"..>as_077.htm", "manual>as_177.htm", "b.htm=DOCS\\b.htm"}));
  // Letter case does not matter when a folder finds its parent.
  EXPECT_EQ(Rows(pages[1]), (std::vector<std::string>{"..>as_277.htm", "a.htm=docs\\manual\\a.htm"}));
  EXPECT_EQ(Rows(pages[3]), (std::vector<std::string>{"..>as_477.htm", "p.gif=img\\x\\y\\p.gif"}));
  EXPECT_EQ(Rows(pages[5]), (std::vector<std::string>{"..>as_077.htm", "x>as_477.htm"}));
}

TEST(ListingPages, ListedFoldersKeepTheirOrderAndIncompleteOnesAreCompleted) {
  TFolderList folders;
  folders.AddFolderEntry("b", 5);
  folders.AddFolderEntry("a\\deep", 6);  // its parent "a" is not listed
  folders.AddFolderEntry("B", 7);        // the same folder again
  folders.AddFolderEntry("", 8);
  const std::vector<TListedFile> files = {{"a\\deep\\f.txt", 1, 9}, {"c\\g.txt", 1, 9}};
  folders.AddMissingFolders(files, 1000);
  EXPECT_EQ(FolderNames(folders), (std::vector<std::string>{"", "b", "a\\deep", "c", "a"}));
  const auto pages = BuildListingPages(folders.Folders(), files, 1);
  EXPECT_EQ(Rows(pages[2]), (std::vector<std::string>{"..>as_41.htm", "f.txt=a\\deep\\f.txt"}));
  EXPECT_EQ(Rows(pages[4]), (std::vector<std::string>{"..>as_01.htm", "deep>as_21.htm"}));
}

TEST(ListingPages, TheFolderLimitLeavesNoRowPointingNowhere) {
  const std::vector<TListedFile> files = {{"a\\b\\c\\f.txt", 1, 1}};
  TFolderList folders;
  folders.AddMissingFolders(files, 2);
  EXPECT_EQ(FolderNames(folders), (std::vector<std::string>{"", "a\\b\\c"}));
  const auto pages = BuildListingPages(folders.Folders(), files, 1);
  EXPECT_EQ(Rows(pages[0]), std::vector<std::string>{});
  EXPECT_EQ(Rows(pages[1]), std::vector<std::string>{"f.txt=a\\b\\c\\f.txt"});
}

TEST(ListingPages, PageTexts) {
  // "filename" in the archive's name is not taken for the placeholder.
  EXPECT_EQ(FramePageText("d:\\soft\\filename.rar", "as_012.htm"),
            Cp("<html> <head> <title>Содержимое архива: d:\\soft\\filename.rar</title> </head> <frameset "
               "rows=\"50,*\" frameborder=0> <frame src=\"as_bar.htm\" name=\"Top\"> <frame src=\"as_012.htm\" "
               "name=\"Bot\"> </frameset> </head> </html>\r\n"));
  const std::string bar = BarPageText("d:\\soft\\tools.rar");
  EXPECT_EQ(bar.substr(0, 40), "<html> <head> <meta http-equiv=\"Content-");
  EXPECT_NE(bar.find(Cp("<title>Содержимое архива: d:\\soft\\tools.rar</title>")), std::string::npos);
  EXPECT_NE(bar.find(Cp("nowrap>Размер</th>")), std::string::npos);

  TListingPage page{"docs", "as_112.htm", {}};
  page.rows = {{false, "..", "as_012.htm", 0, 0}, {true, "a&b.txt", "docs\\a&b.txt", 2500, 0x30B15400}};
  const std::string text = FolderPageText("d:\\filename.rar", page);
  const std::string lines[] = {
      Cp("<html> <head> <meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"> "
         "<title>Содержимое архива: d:\\filename.rar</title> </head> <body bgcolor=\"#FFFFFF\" "
         "text=\"#000000\"> <table border=\"0\" cellpadding=3 width=\"100%\" cols=\"3\">\r\n"),
      "<tr> <td width=\"50%\"><a href=\"as_012.htm\">..</a></td><td align=\"right\" width=\"25%\"></td> <td "
      "width=\"25%\"></td> </tr>\r\n",
      Cp("<tr> <td width=\"50%\"><a href=\"docs\\a&amp;b.txt\">a&amp;b.txt</a></td><td align=\"right\" "
         "width=\"25%\">2 Кбайт</td> <td width=\"25%\">17 май 04 10:32</td> </tr>\r\n"),
      "</table> </body> </html>\r\n",
  };
  EXPECT_EQ(text, lines[0] + lines[1] + lines[2] + lines[3]);
}

}  // namespace
