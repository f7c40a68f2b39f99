#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempDir::TempDir() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

QString TempDir::Write(const QString& relative, const QByteArray& bytes) const {
  const QString path = dir_.filePath(relative);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
  return path;
}

QString TempDir::MakeFolder(const QString& relative) const {
  const QString path = dir_.filePath(relative);
  QDir().mkpath(path);
  return path;
}
