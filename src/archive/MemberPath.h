#pragma once
// Member names an archive may carry and where they may land. An archive is not trusted: a
// name is taken apart here once, and only names that stay inside the destination folder are
// ever written.

#include <QString>
#include <QStringList>
#include <cstdint>

enum class TMemberPathProblem {
  None,
  Empty,         // nothing but separators and "."
  Absolute,      // starts at a root: "\x", "/x", "\\server\x"
  Drive,         // names a drive or a stream: any ':'
  ParentFolder,  // a ".." component (or one of dots and spaces only, which Windows reads so)
  TooDeep,       // more components or bytes than a folder on any system holds
};

struct TMemberPath {
  QStringList components;  // without "." and empty components
  TMemberPathProblem problem = TMemberPathProblem::None;
  bool Safe() const { return problem == TMemberPathProblem::None; }
};

inline constexpr int MaxMemberDepth = 64;
inline constexpr int MaxMemberNameLength = 1024;  // characters

// `name` as the archive spells it, with '\' or '/' between components.
TMemberPath SplitMemberPath(const QString& name);

// The sub-folder "unarc" extracts into: the archive's file name, or, while a folder of that
// name exists, the name with 1, 2, ... put before its extension (tools.rar, tools1.rar, ...).
// `exists` tells whether a folder of the given name is in the destination.
template <typename Exists>
QString NumberedSubFolder(const QString& archiveFileName, Exists exists) {
  const qsizetype dot = archiveFileName.lastIndexOf(u'.');
  const QString stem = dot < 0 ? archiveFileName : archiveFileName.left(dot);
  const QString extension = dot < 0 ? QString() : archiveFileName.mid(dot);
  QString name = archiveFileName;
  for (uint32_t n = 1; exists(name) && n < UINT32_MAX; ++n) name = stem + QString::number(n) + extension;
  return name;
}
