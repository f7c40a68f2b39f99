#include "html/PageScan.h"

#include <gtest/gtest.h>

namespace {

TPageScan Scan(const QString& page, const QString& linkedSheet = {}) {
  return ScanPage(page, [&](const QString&) { return linkedSheet; });
}

// Only what the parse tree is for sends a page to it: long plain pages are cheap.
TEST(PageScanTest, WhichPagesNeedTheTree) {
  struct Case {
    QString page;
    bool needsTree;
  } cases[] = {
      {"<table><tr><td><a href=a.htm name=x>a</a><img src=p.png title=t></table>", false},
      {"<p style=\"color:red\">x</p><style>p { color: red }</style><!-- <frameset> -->", false},
      {"<script>document.write('<input>')</script><textarea><select></textarea>", true},  // the text area
      {"<script>document.write('<input>')</script>", false},
      {"<frameset><frame src=a.htm></frameset>", true},
      {"<form><INPUT name=a></form>", true},
      {"<img src=a.png usemap=#m>", true},
      {"<map name=m></map>", true},
      {"<div style=\"DISPLAY:none\">x</div>", true},
      {"<p style=\"border: 1px solid\">x</p>", true},
      {"<td style=\"border: 1px solid\">x</td><p style=\"border:none; display:block\">", false},
      {"<style>.a { display: none }</style>", true},
      {"<style>td, table { border: 1px solid } p { border: none } .a { display: block }</style>", false},
      {"<style>div.box { border: 1px solid }</style>", true},
      {"<link rel=stylesheet href=a.css>", false},
      {QString("<table><tr><td>").repeated(13), true},
      {QString("<table><tr><td>").repeated(12), false},
      {QString("<div>").repeated(301), true},
  };
  for (const Case& c : cases) EXPECT_EQ(Scan(c.page).needsTree, c.needsTree) << c.page.left(80).toStdString();
  EXPECT_TRUE(Scan("<link rel=\"StyleSheet\" href=a.css>", ".x { display: none }").needsTree);
}

TEST(PageScanTest, TitleBaseTargetAndLinks) {
  const TPageScan scan = Scan(QStringLiteral(
      "<a href=\"first.htm\">before the base</a><head><title> Ремонт &amp; уход\n&#1076;вигателя </title>"
      "<base target=\"main\"></head><a href='b.htm?x=1&amp;y=\"2\"'>b</a> <a href=c.htm target=_top>c</a> "
      "<a href=d.htm target=\"\">d</a> <a name=only>e</a>"));
  EXPECT_EQ(scan.title, QStringLiteral("Ремонт & уход двигателя"));
  EXPECT_EQ(scan.baseTarget, "main");
  EXPECT_TRUE(scan.html.contains(QStringLiteral("<a href=\"skbtarget:main|first.htm\">")));
  EXPECT_TRUE(scan.html.contains(QStringLiteral("<a href=\"skbtarget:main|b.htm?x=1&amp;y=&quot;2&quot;\">")));
  EXPECT_TRUE(scan.html.contains(QStringLiteral("<a href=\"skbtarget:_top|c.htm\" target=_top>")));
  EXPECT_TRUE(scan.html.contains(QStringLiteral("<a href=d.htm target=\"\">")));
  QString target, url;
  DecodeLinkTarget(QStringLiteral("skbtarget:toc|b.htm"), target, url);
  EXPECT_EQ(target, "toc");
  EXPECT_EQ(url, "b.htm");
  DecodeLinkTarget(QStringLiteral("plain.htm"), target, url);
  EXPECT_EQ(target, "");
  EXPECT_EQ(url, "plain.htm");
}

TEST(PageScanTest, BrokenTagsEndQuietly) {
  for (const char* page : {"<", "<a", "<a href=\"x", "<a href='x>y", "<!--", "<!-- x --", "</", "</a", "<title>x",
                           "<a name=x>", "<select><option>x", "<p>&", "&#;", "<a name=x></a>&#", "\xF0\x9F\x98\x80"}) {
    const TPageScan scan = Scan(QString::fromUtf8(page));
    EXPECT_FALSE(scan.html.isNull()) << page;
  }
  EXPECT_EQ(Scan(QString::fromUtf8("<a name=x></a>\xF0\x9F\x98\x80 z")).html,
            QString::fromUtf8("<a name=x></a><span id=\"x\">\xF0\x9F\x98\x80</span> z"));
  // A control never closed is only its start tag.
  EXPECT_EQ(Scan(QStringLiteral("<a name=x></a><select>z")).html,
            QStringLiteral("<a name=x></a><span id=\"x\"><select></span>z"));
}

}  // namespace
