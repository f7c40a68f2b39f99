#include "document/LinkRules.h"

#include "platform/Cp1251.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(LinkRules, RowsInTheirOrder) {
  struct TCase {
    std::string target, url;
    TLinkRow row;
  } cases[] = {
      {"_BLANK", "http://example.org/a.jpg", TLinkRow::PictureWindow},  // the target wins
      {"_blank", "pic\\big.jpg#top", TLinkRow::PictureWindow},
      {"", "HTTP://WWW.EXAMPLE.ORG", TLinkRow::Web},
      {"", "https://example.org", TLinkRow::Web},
      {"", "mailto:service@example.org", TLinkRow::Web},
      {"main", "printhtml:man\\a.htm", TLinkRow::PrintHtml},
      {"", "copy:drivers\\setup.exe", TLinkRow::Copy},
      {"", "copylist:serials", TLinkRow::CopyList},
      {"", "a.htm#part", TLinkRow::Ordinary},
      {"", "#part", TLinkRow::Ordinary},
      {"", "setup.exe", TLinkRow::Ordinary},
      {"blank", "a.htm", TLinkRow::Ordinary},
  };
  for (const TCase& c : cases) EXPECT_EQ(ClassifyLink(c.target, c.url), c.row) << c.target << " " << c.url;
}

TEST(LinkRules, PageLinksAndFileLinks) {
  struct TCase {
    std::string url, expanded;
    bool page;
  } cases[] = {
      {"a.htm", "d:\\man\\a.htm", true},
      {"a.html#x", "d:\\man\\a.html#x", true},  // the anchor stays part of the extension
      {"#x", "d:\\man\\a.htm#x", true},
      {"readme.txt", "d:\\readme.txt", true},
      {"file_id.diz", "d:\\file_id.diz", true},
      {"setup.inf", "d:\\setup.inf", true},
      {"p.bmp", "d:\\p.bmp", true},
      {"p.gif", "d:\\p.gif", true},
      {"p.jpeg", "d:\\p.jpeg", true},
      {"p.png", "d:\\p.png", false},
      {"setup.exe", "d:\\setup.exe", false},
      {"clip.avi", "d:\\clip.avi", false},
      {"music.wav", "d:\\music.wav", false},
      {"data.zip", "d:\\data.zip", false},
      {"folder.htm\\noext", "d:\\folder.htm\\noext", false},  // a dot in a folder is no extension
  };
  for (const TCase& c : cases) EXPECT_EQ(IsPageLink(c.url, FileExtension(c.expanded)), c.page) << c.url;
}

TEST(LinkRules, FilesAreTakenFromTheDisc) {
  struct TCase {
    std::string expanded;
    bool archiveMode;
    std::string file;
  } cases[] = {
      {"c:\\copy\\soft\\setup.exe", false, "d:\\copy\\soft\\setup.exe"},
      {"d:\\soft\\setup.exe", false, "d:\\soft\\setup.exe"},
      {"D:\\soft\\setup.exe", false, "D:\\soft\\setup.exe"},  // the same drive in capitals
      {"c:\\tmp\\arc\\setup.exe", true, "c:\\tmp\\arc\\setup.exe"},
      {"soft\\setup.exe", false, "d:\\soft\\setup.exe"},
  };
  for (const TCase& c : cases) EXPECT_EQ(RedirectToDisc(c.expanded, "d:\\", c.archiveMode), c.file) << c.expanded;
}

TEST(LinkRules, ArchiveListingsShowMembersButNotTheirOwnFrames) {
  EXPECT_TRUE(ArchivePageShownByPane("readme.htm", "c:\\tmp\\arc\\readme.htm"));
  EXPECT_FALSE(ArchivePageShownByPane("as_list.htm", "c:\\tmp\\arc\\as_list.htm"));
  EXPECT_FALSE(ArchivePageShownByPane("#top", "c:\\tmp\\arc\\readme.htm#top"));
}

TEST(LinkRules, SchemeRemovedOnce) {
  EXPECT_EQ(WithoutScheme("printhtml:a.htm", "printhtml:"), "a.htm");
  EXPECT_EQ(WithoutScheme("PrintHtml:printhtml:a.htm", "printhtml:"), "printhtml:a.htm");
  EXPECT_EQ(WithoutScheme("a.htm", "printhtml:"), "a.htm");
}

// The source may lie anywhere the book can read ("..\\soft\\setup.exe"); the copy lands in the
// install folder under the source's bare name, or nowhere.
TEST(LinkRules, CopyStaysInsideTheInstallFolder) {
  struct TCase {
    std::string source;
    std::optional<std::string> target;
  } cases[] = {
      {"d:\\man\\soft\\setup.exe", "c:\\inst\\setup.exe"},
      {"d:\\soft\\setup.exe", "c:\\inst\\setup.exe"},
      {"d:\\x.dll", "c:\\inst\\x.dll"},
      {"d:\\man\\a..b.txt", "c:\\inst\\a..b.txt"},  // dots inside a name are no folder
      {"d:\\", std::nullopt},
      {"d:\\man\\soft\\", std::nullopt},
      {"d:\\man\\..", std::nullopt},
      {"d:\\man\\.", std::nullopt},
      {"d:..", std::nullopt},
      {"", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(CopyDestination("c:\\inst\\", c.source), c.target) << c.source;
}

TEST(LinkRules, DroppedFiles) {
  struct TCase {
    std::string name;
    TDropAction action;
  } cases[] = {
      {"c:\\docs\\PAGE.HTM", TDropAction::Show},
      {"c:\\docs\\notes.txt", TDropAction::Show},
      {"c:\\pics\\car.PNG", TDropAction::Show},
      {"c:\\pics\\car.jpeg", TDropAction::Show},
      {"c:\\arc\\drivers.rar", TDropAction::Archive},
      {"c:\\music\\song.mp3", TDropAction::Media},
      {"c:\\music\\song.wav", TDropAction::Media},
      {"c:\\music\\song.mpa", TDropAction::Media},
      {"c:\\docs\\letter.doc", TDropAction::Ignore},
      {"c:\\site.htm.files\\x.rar", TDropAction::Show},  // a substring test on the whole path
  };
  for (const TCase& c : cases) EXPECT_EQ(ClassifyDrop(c.name), c.action) << c.name;
}

TEST(LinkRules, VisitGroups) {
  const std::vector<std::string> groups = {"d:\\run\\man\\a.htm; d:\\run\\man\\a2.htm", "d:\\run\\man\\b.htm"};
  EXPECT_EQ(FindVisitGroup(groups, "d:\\run\\man\\a2.htm"), 0);
  EXPECT_EQ(FindVisitGroup(groups, "D:\\RUN\\MAN\\B.HTM"), 1);
  EXPECT_EQ(FindVisitGroup(groups, "d:\\run\\man\\c.htm"), -1);
  EXPECT_EQ(VisitGroupToken(groups, 0), "d:\\run\\man\\a.htm");
  EXPECT_EQ(VisitGroupToken(groups, 2), "");
  EXPECT_EQ(VisitGroupToken(groups, -1), "");
}

TEST(LinkRules, LinkCoveredText) {
  const auto expand = [](const std::string& url) { return "d:\\man\\" + url; };
  const std::string copying = ToCp1251(u"Копирование файла \"d:\\man\\setup.exe\" в каталог \"c:\\inst\\\"");
  struct TCase {
    TLinkCoveredInput input;
    std::string text;
  } cases[] = {
      {{"", "b.htm", "d:\\man\\a.htm", false, {}}, "d:\\man\\b.htm"},
      {{"", "#top", "d:\\man\\a.htm", false, {}}, "d:\\man\\a.htm#top"},
      {{"", "http://example.org/x", "d:\\man\\a.htm", false, {}}, "http://example.org/x"},
      {{"", "mailto:a@example.org", "d:\\man\\a.htm", false, {}}, "mailto:a@example.org"},
      {{"", "file://x.htm", "d:\\man\\a.htm", false, {}}, "d:\\man\\file://x.htm"},
      {{"", "copy:setup.exe", "d:\\man\\a.htm", false, std::string("c:\\inst\\")}, copying},
      {{"", "copy:setup.exe", "d:\\man\\a.htm", false, {}}, "d:\\man\\setup.exe"},
      {{"main", "b.htm", "d:\\man\\a.htm", false, {}}, "Url: d:\\man\\b.htm  Target: main"},
      {{"main", "", "d:\\man\\a.htm", false, {}}, ""},
      {{"", "b.htm", "d:\\man\\a.htm", true, {}}, ""},
  };
  for (const TCase& c : cases) EXPECT_EQ(LinkCoveredText(c.input, expand), c.text) << c.input.url;
}

TEST(LinkRules, CopiedSelectionLosesOuterLineBreaks) {
  EXPECT_EQ(TrimLineBreaks("\r\n\r\nline one\r\nline two\n\r\n"), "line one\r\nline two");
  EXPECT_EQ(TrimLineBreaks("\r\n\n"), "");
  EXPECT_EQ(TrimLineBreaks(" text "), " text ");
}

}  // namespace
