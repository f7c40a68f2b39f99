#include "platform/ui/FontTable.h"

#include "platform/HostPath.h"

#include <QFontDatabase>
#include <map>

namespace FontTable {
namespace {
std::map<std::string, int> added;  // Windows name -> font database id
}

bool AddFontResource(const std::string& windowsName) {
  if (added.count(windowsName)) return true;
  const QString host = HostPath::ToHost(windowsName);
  if (host.isEmpty()) return false;
  const int id = QFontDatabase::addApplicationFont(host);
  if (id < 0) return false;
  added[windowsName] = id;
  return true;
}

bool RemoveFontResource(const std::string& windowsName) {
  const auto it = added.find(windowsName);
  if (it == added.end()) return false;
  QFontDatabase::removeApplicationFont(it->second);
  added.erase(it);
  return true;
}

std::vector<std::string> AddedFonts() {
  std::vector<std::string> names;
  for (const auto& entry : added) names.push_back(entry.first);
  return names;
}

}  // namespace FontTable
