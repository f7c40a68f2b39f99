#pragma once
// Resource packs for tests, made with the real pack writer.

#include "support/TempDir.h"

#include <QString>
#include <string>
#include <vector>

struct PackMember {
  std::string path;  // Windows-1251, '\' or '/' between components; ending in one: an empty folder
  std::string bytes;
};

// Writes a pack of `members` to `relative` inside `dir`; returns its host path.
QString WritePack(const TempDir& dir, const std::vector<PackMember>& members,
                  const QString& relative = QStringLiteral("interface.dat"));
