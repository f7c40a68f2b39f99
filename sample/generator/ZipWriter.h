#pragma once
// A zip archive of stored (uncompressed) members, enough for the book's download sample.

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

QByteArray EncodeStoredZip(const std::vector<std::pair<QString, QByteArray>>& members);
