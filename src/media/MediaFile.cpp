#include "media/MediaFile.h"

#include "app/MemoryStream.h"
#include "app/ResourcePack.h"
#include "platform/Cp1251.h"
#include "platform/HostPath.h"
#include "platform/WinNames.h"

#include <QDir>

int MediaSourceOf(const std::string& fileName, TMediaSource& source) {
  std::string name = fileName;
  if (!name.empty() && name.find(':') == std::string::npos && name.front() != '\\')
    name = HostPath::ToWindows(QDir::currentPath() + QLatin1Char('/')) + name;
  source.name = FromCp1251(FileNamePart(name));
  if (name.empty()) return 0;
  const int entry = PackFind(name);
  if (entry < 0) {
    source.hostFile = HostPath::ToHost(name);
    return 0;
  }
  TMemoryStream stream;
  if (PackExtract(entry, stream) != 0) return Mci::kFileRead;
  if (stream.Size() == 0) return Mci::kInvalidFile;
  source.data = QByteArray(stream.Data().data(), static_cast<qsizetype>(stream.Size()));
  return 0;
}
