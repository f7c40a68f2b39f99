#include "archive/MemberPath.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(MemberPath, NamesThatStayInsideTheFolder) {
  const struct {
    const char* name;
    QStringList components;
  } cases[] = {
      {"a.txt", {"a.txt"}},
      {"docs\\a.txt", {"docs", "a.txt"}},
      {"docs/sub/a.txt", {"docs", "sub", "a.txt"}},
      {"docs\\\\.\\a.txt", {"docs", "a.txt"}},
      {"docs\\", {"docs"}},
      {"..a\\b..", {"..a", "b.."}},
      {"Таблицы\\масла.txt", {"Таблицы", "масла.txt"}},
  };
  for (const auto& c : cases) {
    const TMemberPath path = SplitMemberPath(QString::fromUtf8(c.name));
    EXPECT_TRUE(path.Safe()) << c.name;
    EXPECT_EQ(path.components, c.components) << c.name;
  }
}

TEST(MemberPath, NamesThatWouldLeaveItAreRefused) {
  const struct {
    QString name;
    TMemberPathProblem problem;
  } cases[] = {
      {"..\\evil.txt", TMemberPathProblem::ParentFolder},
      {"docs\\..\\..\\evil.txt", TMemberPathProblem::ParentFolder},
      {"docs/../../evil.txt", TMemberPathProblem::ParentFolder},
      {"docs\\...\\evil.txt", TMemberPathProblem::ParentFolder},
      {"docs\\.. \\evil.txt", TMemberPathProblem::ParentFolder},
      {"\\windows\\evil.txt", TMemberPathProblem::Absolute},
      {"/etc/evil", TMemberPathProblem::Absolute},
      {"\\\\server\\share\\evil.txt", TMemberPathProblem::Absolute},
      {"c:\\evil.txt", TMemberPathProblem::Drive},
      {"c:evil.txt", TMemberPathProblem::Drive},
      {"a.txt:stream", TMemberPathProblem::Drive},
      {"", TMemberPathProblem::Empty},
      {".\\.", TMemberPathProblem::Empty},
      {QString("a\\").repeated(MaxMemberDepth + 1) + "b", TMemberPathProblem::TooDeep},
      {QString(MaxMemberNameLength + 1, u'x'), TMemberPathProblem::TooDeep},
  };
  for (const auto& c : cases) {
    const TMemberPath path = SplitMemberPath(c.name);
    EXPECT_FALSE(path.Safe()) << c.name.toStdString();
    EXPECT_EQ(path.problem, c.problem) << c.name.toStdString();
  }
}

TEST(MemberPath, SubFoldersAreNumberedBeforeTheExtension) {
  QSet<QString> existing;
  auto exists = [&](const QString& name) { return existing.contains(name); };
  EXPECT_EQ(NumberedSubFolder("tools.rar", exists), "tools.rar");
  existing << "tools.rar";
  EXPECT_EQ(NumberedSubFolder("tools.rar", exists), "tools1.rar");
  existing << "tools1.rar";
  EXPECT_EQ(NumberedSubFolder("tools.rar", exists), "tools2.rar");
  existing << "tools";
  EXPECT_EQ(NumberedSubFolder("tools", exists), "tools1");
}

}  // namespace
