// "tezaurus.idx" of any bytes and a word (the first byte is its length): a target found is a
// trimmed, non-empty piece of one line of the file (line feeds are dropped when it is read).

#include "platform/HostPath.h"
#include "search/MakeTesaurusFind.h"

#include <QDir>
#include <QFile>

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

struct TIndexFolder {
  QString path = QDir::tempPath() + QStringLiteral("/tesaurus_fuzz_%1").arg(getpid());
  TIndexFolder() { QDir().mkpath(path); }
  ~TIndexFolder() { QDir(path).removeRecursively(); }
};

const QString& IndexFolder() {
  static const TIndexFolder folder;
  return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t length = std::min<size_t>(data[0], size - 1);
  const std::string word(reinterpret_cast<const char*>(data + 1), length);
  const std::string bytes(reinterpret_cast<const char*>(data + 1 + length), size - 1 - length);
  {
    QFile file(IndexFolder() + QStringLiteral("/tezaurus.idx"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) std::abort();
  }
  TMakeTesaurusFind find;
  find.SetFolder(HostPath::ToWindows(IndexFolder() + u'/'));
  std::string target;
  if (!find.Lookup(word, target)) return 0;
  std::string lines = bytes;
  std::erase(lines, '\n');
  if (target.empty() || target.find_first_of("\r\n") != std::string::npos || target.front() == ' ' ||
      target.back() == ' ' || lines.find(target) == std::string::npos)
    __builtin_trap();
  return 0;
}
