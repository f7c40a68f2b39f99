#include "html/FrameViewer.h"
#include "support/ui/HtmlFixture.h"

#include "platform/Cp1251.h"
#include "platform/HostPath.h"

#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

namespace {

class FrameViewerTest : public HtmlFixture {
 protected:
  void SetUp() override {
    viewer_.resize(400, 300);
    viewer_.show();
  }

  std::string Page(const QString& name, const QString& title, const QString& body = {}) {
    return WriteText(name,
                     QStringLiteral("<html><head><meta charset=utf-8><title>%1</title></head><body>%2</body></html>")
                         .arg(title, body.isEmpty() ? title : body));
  }

  TFrameViewer viewer_;
};

TEST_F(FrameViewerTest, NestedFramesetsAndTargetedLinks) {
  WriteText("man/index.htm", QStringLiteral("<html><head><meta charset=utf-8><title>Книга</title></head>"
                                            "<frameset rows=\"50,*\"><frame name=top src=top.htm>"
                                            "<frameset cols=\"30%,*\"><frame name=toc src=\"toc.htm\"><frame name=Main "
                                            "src=a.htm></frameset></frameset></html>"));
  Page("man/top.htm", "Top");
  Page("man/toc.htm", "Toc",
       "<p><a href=\"b.htm\" target=\"main\">Chapter B</a></p><p><a href=sub/c.htm>Chapter C</a></p>");
  Page("man/a.htm", "Page A");
  Page("man/b.htm", "Page B");
  const std::string c = Page("man/sub/c.htm", "Page C");

  int changes = 0;
  viewer_.OnHistoryChange = [&](TFrameViewer*) { ++changes; };
  const std::string index = HostPath::ToWindows(dir_.Path() + "/man/index.htm");
  viewer_.LoadFromFile(index);
  ProcessEvents();

  ASSERT_EQ(viewer_.Viewers().size(), 3u);
  EXPECT_EQ(viewer_.CurrentFile(), index);
  EXPECT_EQ(viewer_.TitleHistory, std::vector<QString>{QStringLiteral("Книга")});
  THTMLViewer* top = viewer_.ViewerOfFrame("TOP");
  THTMLViewer* toc = viewer_.ViewerOfFrame("toc");
  THTMLViewer* main = viewer_.ViewerOfFrame("main");
  ASSERT_TRUE(top && toc && main);
  EXPECT_NEAR(top->height(), 50, 3);
  EXPECT_NEAR(toc->width(), 120, 3);
  EXPECT_NEAR(main->width(), 280, 3);
  EXPECT_EQ(main->DocumentTitle(), "Page A");

  // A link with a target loads into the named frame and goes into the history.
  ClickText(toc, "Chapter B");
  EXPECT_EQ(main->DocumentTitle(), "Page B");
  EXPECT_EQ(viewer_.CurrentFile(), index);
  ASSERT_EQ(viewer_.History.size(), 2u);
  EXPECT_EQ(viewer_.TitleHistory[0], "Page B");
  EXPECT_EQ(FromCp1251(viewer_.History[0]).toLower(), FromCp1251(main->CurrentFile()).toLower());
  EXPECT_EQ(changes, 2);

  // Without a target the link loads into the frame it is in.
  ClickText(toc, "Chapter C");
  EXPECT_EQ(toc->CurrentFile(), c);
  EXPECT_EQ(main->DocumentTitle(), "Page B");

  viewer_.GoBack();
  EXPECT_EQ(toc->DocumentTitle(), "Toc");
  viewer_.GoBack();
  EXPECT_EQ(main->DocumentTitle(), "Page A");
  EXPECT_FALSE(viewer_.BackButtonEnabled());
  EXPECT_TRUE(viewer_.FwdButtonEnabled());
}

TEST_F(FrameViewerTest, HistoryKeepsTheNewestEntries) {
  viewer_.HistoryMaxCount = 3;
  std::vector<std::string> pages;
  for (int i = 1; i <= 6; ++i)
    pages.push_back(Page(QStringLiteral("p%1.htm").arg(i), QStringLiteral("Страница %1").arg(i)));
  int changes = 0;
  viewer_.OnHistoryChange = [&](TFrameViewer*) { ++changes; };

  EXPECT_FALSE(viewer_.BackButtonEnabled());
  EXPECT_EQ(viewer_.ActiveViewer(), nullptr);
  for (int i = 0; i < 5; ++i) viewer_.LoadFromFile(pages[i]);
  EXPECT_EQ(viewer_.History, (std::vector<std::string>{pages[4], pages[3], pages[2]}));
  EXPECT_EQ(viewer_.TitleHistory[2], QStringLiteral("Страница 3"));
  EXPECT_EQ(viewer_.HistoryIndex(), 0);
  EXPECT_TRUE(viewer_.BackButtonEnabled());
  EXPECT_FALSE(viewer_.FwdButtonEnabled());

  viewer_.GoBack();
  EXPECT_EQ(viewer_.ActiveViewer()->CurrentFile(), pages[3]);
  EXPECT_TRUE(viewer_.FwdButtonEnabled());
  viewer_.SetHistoryIndex(2);
  EXPECT_EQ(viewer_.CurrentFile(), pages[2]);
  EXPECT_FALSE(viewer_.BackButtonEnabled());
  const int before = changes;
  viewer_.SetHistoryIndex(2);
  viewer_.SetHistoryIndex(3);
  viewer_.SetHistoryIndex(-1);
  viewer_.GoBack();
  EXPECT_EQ(changes, before);

  // A new page from an older entry drops the newer ones.
  viewer_.LoadFromFile(pages[5]);
  EXPECT_EQ(viewer_.History, (std::vector<std::string>{pages[5], pages[2]}));
  viewer_.GoFwd();
  EXPECT_EQ(viewer_.CurrentFile(), pages[5]);
}

TEST_F(FrameViewerTest, MissingFileChangesNothing) {
  const std::string a = Page("a.htm", "A");
  viewer_.LoadFromFile(a);
  const std::string missing = HostPath::ToWindows(dir_.Path() + "/none.htm");
  try {
    viewer_.LoadFromFile(missing);
    FAIL() << "no error";
  } catch (const EHtmlLoadError& error) {
    EXPECT_EQ(std::string(error.what()), "Can't locate file: " + missing);
  }
  EXPECT_EQ(viewer_.History, std::vector<std::string>{a});
  EXPECT_EQ(viewer_.CurrentFile(), a);
}

TEST_F(FrameViewerTest, HandledLinksAreNotFollowed) {
  const std::string a = Page("a.htm", "A", "<a href=\"B.HTM\" target=\"_blank\">go</a> <a href=\"b.htm\">plain</a>");
  const std::string b = Page("b.htm", "B");
  QString coveredUrl, clickedTarget, clickedUrl;
  bool handle = true;
  viewer_.OnHotSpotTargetCovered = [&](TFrameViewer*, const QString&, const QString& url) { coveredUrl = url; };
  viewer_.OnHotSpotTargetClick = [&](TFrameViewer*, const QString& target, const QString& url, bool& handled) {
    clickedTarget = target;
    clickedUrl = url;
    handled = handle;
  };
  viewer_.LoadFromFile(a);
  ProcessEvents();
  THTMLViewer* page = viewer_.ActiveViewer();
  ClickText(page, "go");
  EXPECT_EQ(coveredUrl, "B.HTM");
  EXPECT_EQ(clickedTarget, "_blank");
  EXPECT_EQ(clickedUrl, "B.HTM");
  EXPECT_EQ(viewer_.History.size(), 1u);
  EXPECT_EQ(viewer_.CurrentFile(), a);

  handle = false;
  ClickText(viewer_.ActiveViewer(), "plain");
  EXPECT_EQ(viewer_.CurrentFile(), b);
  EXPECT_EQ(viewer_.History.size(), 2u);
  EXPECT_EQ(viewer_.HTMLExpandFilename("../x/y.htm#k"), HostPath::ToWindows(dir_.Path() + "/x/y.htm") + "#k");
}

TEST_F(FrameViewerTest, VisitedLinksChangeColour) {
  const std::string a = Page("a.htm", "A", "<a href=\"b.htm\">bee</a>");
  viewer_.SetDefHotSpotColor(0xFF0000);
  viewer_.LoadFromFile(a);
  THTMLViewer* page = viewer_.ActiveViewer();
  const auto colourOf = [&] {
    QTextCursor cursor = page->Document()->find("bee");
    return cursor.charFormat().foreground().color();
  };
  EXPECT_EQ(colourOf(), QColor(0, 0, 255));
  viewer_.AddVisitedLink(viewer_.HTMLExpandFilename("B.htm"));
  viewer_.CheckVisitedLinks();
  EXPECT_EQ(colourOf(), QColor(0x80, 0, 0x80));

  // Under the mouse the link takes the over-link colour, and gives it back when the mouse leaves.
  QTest::mouseMove(page->Browser()->viewport(), PointOfText(page, "bee"));
  EXPECT_EQ(colourOf(), QColor(255, 0, 0));
  QTest::mouseMove(page->Browser()->viewport(), QPoint(300, 250));
  EXPECT_EQ(colourOf(), QColor(0x80, 0, 0x80));
}

TEST_F(FrameViewerTest, AppearanceAppliesAtReload) {
  viewer_.LoadFromFile(Page("a.htm", "A", "<p style=\"font-size:40pt\">\u2588\u2588\u2588</p>"));
  ProcessEvents();
  THTMLViewer* page = viewer_.ActiveViewer();
  const QPoint block = PointOfText(page, QStringLiteral("\u2588\u2588")) + QPoint(5, 0);
  const QPoint corner(page->width() - 5, page->height() - 5);
  EXPECT_EQ(page->grab().toImage().pixelColor(corner), QColor(Qt::white));
  EXPECT_EQ(page->grab().toImage().pixelColor(block), QColor(Qt::black));

  viewer_.SetDefBackground(0x00FF00);
  viewer_.SetDefFontColor(0x0000FF);
  EXPECT_EQ(page->grab().toImage().pixelColor(corner), QColor(Qt::white));
  viewer_.Reload();
  ProcessEvents();
  EXPECT_EQ(page->grab().toImage().pixelColor(corner), QColor(Qt::green));
  EXPECT_EQ(page->grab().toImage().pixelColor(block), QColor(Qt::red));
  EXPECT_EQ(page->DefBackground(), 0x00FF00);
}

TEST_F(FrameViewerTest, LinksLoseTheirUnderlineOnRequest) {
  viewer_.LoadFromFile(Page("a.htm", "A", "<a href=b.htm>bee</a>"));
  const auto underlined = [&] { return viewer_.ActiveViewer()->Document()->find("bee").charFormat().fontUnderline(); };
  EXPECT_TRUE(underlined());
  viewer_.NoLinkUnderline = true;
  viewer_.Reload();
  EXPECT_FALSE(underlined());
}

TEST_F(FrameViewerTest, HistoryKeepsTheScrollPosition) {
  QString body;
  for (int i = 0; i < 100; ++i) body += QStringLiteral("<p>Строка %1</p>").arg(i);
  const std::string longPage = Page("long.htm", "Long", body);
  viewer_.LoadFromFile(longPage);
  viewer_.ActiveViewer()->SetPosition(300);
  viewer_.LoadFromFile(Page("b.htm", "B"));
  viewer_.GoBack();
  EXPECT_EQ(viewer_.ActiveViewer()->CurrentFile(), longPage);
  EXPECT_EQ(viewer_.ActiveViewer()->Position(), 300);
}

// Frames whose source is itself a frameset page, and targets found anywhere in the tree.
TEST_F(FrameViewerTest, FramesetPagesInsideFrames) {
  WriteText(
      "man/index.htm",
      QStringLiteral("<frameset cols=\"100,*\"><frame name=toc src=toc.htm><frame name=body src=body.htm></frameset>"));
  WriteText("man/body.htm", QStringLiteral("<title>Тело</title><frameset rows=\"60,*\"><frame name=head "
                                           "src=top.htm><frame name=main src=a.htm></frameset>"));
  WriteText(
      "man/split.htm",
      QStringLiteral("<frameset cols=\"*,*\"><frame name=left src=a.htm><frame name=right src=up.htm></frameset>"));
  Page("man/toc.htm", "Toc",
       "<p><a href=b.htm target=main>To main</a></p><p><a href=split.htm target=main>Split</a></p>"
       "<p><a href=b.htm target=body>Whole body</a></p>");
  Page("man/top.htm", "Top");
  Page("man/a.htm", "Page A");
  Page("man/b.htm", "Page B");
  Page("man/up.htm", "Up", "<p><a href=b.htm target=_parent>Parent</a></p><p><a href=b.htm target=_top>Top</a></p>");
  const std::string index = HostPath::ToWindows(dir_.Path() + "/man/index.htm");
  viewer_.LoadFromFile(index);
  ProcessEvents();

  ASSERT_EQ(viewer_.Viewers().size(), 3u);
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "head", "main"}));
  THTMLViewer* main = viewer_.ViewerOfFrame("main");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->DocumentTitle(), "Page A");
  EXPECT_NEAR(viewer_.ViewerOfFrame("head")->height(), 60, 3);
  EXPECT_GT(main->width(), 250);

  // A link in one frame reaches a frame of the frameset page beside it.
  ClickText(viewer_.ViewerOfFrame("toc"), "To main");
  EXPECT_EQ(viewer_.ViewerOfFrame("main")->DocumentTitle(), "Page B");
  EXPECT_EQ(viewer_.History.size(), 2u);

  // A frameset page sent to a frame splits that frame.
  ClickText(viewer_.ViewerOfFrame("toc"), "Split");
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "head", "left", "right"}));
  EXPECT_EQ(viewer_.ViewerOfFrame("left")->DocumentTitle(), "Page A");
  EXPECT_EQ(viewer_.ActiveViewer(), viewer_.ViewerOfFrame("left"));
  EXPECT_EQ(viewer_.ViewerOfFrame("toc")->DocumentTitle(), "Toc");

  // "_parent" replaces the frame the inner frameset fills.
  ClickText(viewer_.ViewerOfFrame("right"), "Parent");
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "head", "main"}));
  EXPECT_EQ(viewer_.ViewerOfFrame("main")->DocumentTitle(), "Page B");

  // A frame that holds a frameset page can be a target as a whole.
  ClickText(viewer_.ViewerOfFrame("toc"), "Whole body");
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "body"}));
  EXPECT_EQ(viewer_.ViewerOfFrame("body")->DocumentTitle(), "Page B");

  // Back through it all, and forward again.
  viewer_.GoBack();
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "head", "main"}));
  viewer_.GoBack();
  EXPECT_EQ(viewer_.FrameNames(), (std::vector<QString>{"toc", "head", "left", "right"}));
  ClickText(viewer_.ViewerOfFrame("right"), "Top");
  EXPECT_EQ(viewer_.CurrentFile(), HostPath::ToWindows(dir_.Path() + "/man/b.htm"));
  EXPECT_EQ(viewer_.Viewers().size(), 1u);
}

// What a scripted "link URL TARGET" does: a click on such a link of the active frame.
TEST_F(FrameViewerTest, FollowLinkRoutesThroughTheFrames) {
  WriteText("index.htm",
            QStringLiteral("<frameset cols=\"*,*\"><frame name=toc src=a.htm><frame name=main src=a.htm></frameset>"));
  Page("a.htm", "Page A");
  Page("b.htm", "Page B", "<p>x</p><a name=end></a><p>end</p>");
  viewer_.LoadFromFile(HostPath::ToWindows(dir_.Path() + "/index.htm"));
  viewer_.FollowLink("main", "b.htm");
  EXPECT_EQ(viewer_.ViewerOfFrame("main")->DocumentTitle(), "Page B");
  EXPECT_EQ(viewer_.ViewerOfFrame("toc")->DocumentTitle(), "Page A");
  EXPECT_THROW(viewer_.FollowLink("main", "missing.htm"), EHtmlLoadError);
  EXPECT_EQ(viewer_.History.size(), 2u);
  // Without a target, into the active frame: the one that got the last page.
  viewer_.FollowLink({}, "a.htm");
  EXPECT_EQ(viewer_.ViewerOfFrame("main")->DocumentTitle(), "Page A");
  EXPECT_EQ(viewer_.History.size(), 3u);
  viewer_.FollowLink("_top", "a.htm");
  EXPECT_EQ(viewer_.Viewers().size(), 1u);
}

// A frameset that frames itself, and one with hundreds of frames, load and stop.
TEST_F(FrameViewerTest, HostileFramesets) {
  WriteText("self.htm", QStringLiteral("<frameset rows=\"*,*\"><frame src=self.htm><frame src=other.htm></frameset>"));
  WriteText("other.htm", QStringLiteral("<frameset cols=\"*,*\"><frame src=self.htm><frame src=other.htm></frameset>"));
  viewer_.LoadFromFile(HostPath::ToWindows(dir_.Path() + "/self.htm"));
  ProcessEvents();
  EXPECT_LE(viewer_.Viewers().size(), 64u);
  QString many = "<frameset cols=\"" + QString("1,").repeated(400) + "*\">";
  for (int i = 0; i < 400; ++i) many += "<frame src=self.htm>";
  WriteText("many.htm", many + "</frameset>");
  viewer_.LoadFromFile(HostPath::ToWindows(dir_.Path() + "/many.htm"));
  ProcessEvents();
  EXPECT_LE(viewer_.Viewers().size(), 64u);
}

}  // namespace
