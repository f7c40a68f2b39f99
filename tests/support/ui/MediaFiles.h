#pragma once
// Small media files made at test time (a tone as PCM WAV, flat-coloured frames as a
// Motion-JPEG AVI), and a folder for them that is the program's folder on drive d:.

#include "support/SavedGlobals.h"
#include "support/TempDir.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <string>

QByteArray ToneWav(int milliseconds);
// Frame i has the colour `first` turned by i × 30° of hue, so frames can be told apart.
QByteArray ColourAvi(int frames, int framesPerSecond, QSize size = {64, 48}, QColor first = QColor(200, 40, 40));

// Drive d: and ProgramFolder ("d:\"), with no pack open and settings of its own; the
// process-wide values come back when it goes.
class TMediaFolder {
 public:
  TMediaFolder();
  // Writes the file; returns its Windows name.
  std::string Write(const std::string& name, const QByteArray& bytes) const;
  QString HostFile(const std::string& name) const;
  const TempDir& Dir() const { return dir_; }

 private:
  TSavedGlobals saved_;
  TempDir dir_;
};
