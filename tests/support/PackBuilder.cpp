#include "support/PackBuilder.h"

#include "app/PackWriter.h"

#include <QByteArray>

QString WritePack(const TempDir& dir, const std::vector<PackMember>& members, const QString& relative) {
  TPackWriter writer;
  for (const PackMember& m : members) {
    if (!m.path.empty() && (m.path.back() == '\\' || m.path.back() == '/'))
      writer.AddFolder(m.path);
    else
      writer.AddFile(m.path, m.bytes);
  }
  const std::string bytes = writer.ToBytes();
  return dir.Write(relative, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
