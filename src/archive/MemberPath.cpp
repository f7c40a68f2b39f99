#include "archive/MemberPath.h"

namespace {

bool OnlyDotsAndSpaces(const QString& component) {
  for (const QChar c : component)
    if (c != u'.' && c != u' ') return false;
  return true;
}

}  // namespace

TMemberPath SplitMemberPath(const QString& name) {
  TMemberPath path;
  if (name.startsWith(u'\\') || name.startsWith(u'/')) {
    path.problem = TMemberPathProblem::Absolute;
    return path;
  }
  if (name.contains(u':')) {
    path.problem = TMemberPathProblem::Drive;
    return path;
  }
  if (name.size() > MaxMemberNameLength) {
    path.problem = TMemberPathProblem::TooDeep;
    return path;
  }
  QString normalized = name;
  normalized.replace(u'/', u'\\');
  for (const QString& component : normalized.split(u'\\', Qt::SkipEmptyParts)) {
    if (component == u".") continue;
    if (OnlyDotsAndSpaces(component)) {
      path.problem = TMemberPathProblem::ParentFolder;
      path.components.clear();
      return path;
    }
    path.components << component;
  }
  if (path.components.isEmpty())
    path.problem = TMemberPathProblem::Empty;
  else if (path.components.size() > MaxMemberDepth)
    path.problem = TMemberPathProblem::TooDeep;
  return path;
}
