#pragma once
// A temporary folder for one test, removed with the object.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempDir {
 public:
  TempDir();
  QString Path() const { return dir_.path(); }
  // Writes `bytes` to `relative` (UTF-8, '/' separated), creating folders. Returns the host path.
  QString Write(const QString& relative, const QByteArray& bytes) const;
  QString MakeFolder(const QString& relative) const;

 private:
  QTemporaryDir dir_;
};
