#include "html/HtmlNames.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* document;
  const char* url;
  const char* expanded;
};

class ExpandHtmlNameTest : public ::testing::TestWithParam<Case> {};

TEST_P(ExpandHtmlNameTest, MakesAFullName) {
  const Case& c = GetParam();
  EXPECT_EQ(ExpandHtmlName(c.document, c.url), c.expanded) << c.url;
}

INSTANTIATE_TEST_SUITE_P(Names, ExpandHtmlNameTest,
                         ::testing::Values(Case{"d:\\run\\man\\a.htm", "b.htm", "d:\\run\\man\\b.htm"},
                                           Case{"d:\\run\\man\\a.htm", "pics/c.gif", "d:\\run\\man\\pics\\c.gif"},
                                           Case{"d:\\run\\man\\a.htm", "../x\\y.htm#top", "d:\\run\\x\\y.htm#top"},
                                           Case{"d:\\run\\man\\a.htm", "./../../../../z.htm", "d:\\z.htm"},
                                           Case{"d:\\run\\man\\a.htm", "/root.htm", "d:\\root.htm"},
                                           Case{"d:\\run\\man\\a.htm", "c:\\tmp\\q.htm", "c:\\tmp\\q.htm"},
                                           Case{"d:\\run\\man\\a.htm#old", "#sec", "d:\\run\\man\\a.htm#sec"},
                                           Case{"d:\\run\\man\\a.htm", "my%20page.htm", "d:\\run\\man\\my page.htm"},
                                           Case{"d:\\run\\man\\a.htm", "HTTP://example.com/a", "HTTP://example.com/a"},
                                           Case{"d:\\run\\man\\a.htm", "mailto:x@y.ru", "mailto:x@y.ru"},
                                           Case{"d:\\run\\man\\a.htm", "\xF0\xE8\xF1.htm",
                                                "d:\\run\\man\\\xF0\xE8\xF1.htm"}));

TEST(HtmlNamesTest, SchemesNeedTwoLetters) {
  EXPECT_TRUE(HasUrlScheme("http://a"));
  EXPECT_TRUE(HasUrlScheme("printhtml:a.htm"));
  EXPECT_FALSE(HasUrlScheme("d:\\a.htm"));
  EXPECT_FALSE(HasUrlScheme("a.htm"));
  EXPECT_FALSE(HasUrlScheme(":x"));
}

TEST(HtmlNamesTest, AnchorsSplitOff) {
  EXPECT_EQ(WithoutAnchor("d:\\a.htm#x"), "d:\\a.htm");
  EXPECT_EQ(AnchorOf("d:\\a.htm#x"), "x");
  EXPECT_EQ(AnchorOf("d:\\a.htm"), "");
}

}  // namespace
