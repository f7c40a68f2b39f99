#include "platform/NamedGuard.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QProcess>

TEST(NamedGuard, OneHolderPerName) {
  const std::string name =
      "SkinBook guard test \xCA\xED\xE8\xE3\xE0 / " + std::to_string(QCoreApplication::applicationPid());
  TNamedGuard first(name);
  ASSERT_TRUE(first.Acquire());
  EXPECT_TRUE(first.Acquire());  // holding it already
  {
    TNamedGuard second(name);
    EXPECT_FALSE(second.Acquire());
    TNamedGuard other(name + "2");
    EXPECT_TRUE(other.Acquire());
  }
  EXPECT_TRUE(first.Held());
}

TEST(NamedGuard, ReleasedWithTheObject) {
  const std::string name = "released " + std::to_string(QCoreApplication::applicationPid());
  {
    TNamedGuard first(name);
    ASSERT_TRUE(first.Acquire());
  }
  TNamedGuard second(name);
  EXPECT_TRUE(second.Acquire());
}
