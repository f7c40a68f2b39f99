#include "app/BookPlace.h"

#include "app/DiscImage.h"
#include "app/Errors.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The book in `disc` itself or in its "run" folder; the disc itself when neither holds one.
TBookPlace BookOnDisc(const QString& disc) {
  if (HoldsBook(disc)) return {disc, disc};
  for (const QString& name : QDir(disc).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (name.compare(u"run", Qt::CaseInsensitive) == 0 && HoldsBook(disc + u'/' + name))
      return {disc + u'/' + name, disc};
  return {disc, disc};
}

}  // namespace

bool HoldsBook(const QString& folder) {
  const QStringList names = QDir(folder).entryList(QDir::Files);
  for (const QString& name : names)
    if (name.compare(u"Struct.txt", Qt::CaseInsensitive) == 0 ||
        name.compare(u"interface.dat", Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

TBookPlace LocateBook(const QString& path, const QString& disc) {
  const QFileInfo info(path);
  const QString absolute = QDir::cleanPath(info.absoluteFilePath());
  if (IsDiscImageName(path) && !info.isDir()) return BookOnDisc(DiscImageFolder(absolute));
  if (!info.exists()) throw EDataError("the book folder " + absolute.toStdString() + " does not exist");
  if (!info.isDir())
    throw EDataError(absolute.toStdString() + " is not a folder: a book is a folder or a disc image (\".iso\")");
  if (!info.isReadable() || !info.isExecutable())
    throw EDataError("the book folder " + absolute.toStdString() + " cannot be read (no permission)");
  if (HoldsBook(absolute) || !disc.isEmpty()) return {absolute, disc};
  const TBookPlace onDisc = BookOnDisc(absolute);
  return onDisc.book == absolute ? TBookPlace{absolute, {}} : onDisc;
}
