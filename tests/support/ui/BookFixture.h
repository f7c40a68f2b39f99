#pragma once
// A small book written into a temporary folder: flat-coloured pictures (so pixels can be
// checked) and a main description given as UTF-8 lines, stored in Windows-1251 with CR LF.

#include "support/TempDir.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class TBookFixture {
 public:
  TBookFixture();
  QString Folder() const { return dir_.Path(); }
  // A picture file of one colour.
  void Picture(const QString& name, QSize size, QColor color) const;
  void Struct(const QStringList& lines) const;
  // Any other file of the book; returns its host path.
  QString File(const QString& name, const QByteArray& bytes) const { return dir_.Write(name, bytes); }
  void Title(const QString& title) const;
  // Points the settings store at a folder of this fixture.
  void IsolateSettings() const;

 private:
  TempDir dir_;
};
