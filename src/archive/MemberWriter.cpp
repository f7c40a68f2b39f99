#include "archive/MemberWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TMemberWriter::TMemberWriter(QString root) : root_(std::move(root)) {}

QString TMemberWriter::Spelling(const QString& folder, const QString& name) {
  auto listing = listings_.find(folder);
  if (listing == listings_.end()) {
    QHash<QString, QString> names;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) names.insert(entry.toCaseFolded(), entry);
    listing = listings_.insert(folder, names);
  }
  return listing->value(name.toCaseFolded(), name);
}

void TMemberWriter::Remember(const QString& folder, const QString& name) {
  const auto listing = listings_.find(folder);
  if (listing != listings_.end() && !listing->contains(name.toCaseFolded())) listing->insert(name.toCaseFolded(), name);
}

QString TMemberWriter::Folder(const QStringList& components) {
  QString path = root_;
  QString key;
  for (const QString& component : components) {
    key += u'\\' + component.toCaseFolded();
    if (const auto known = folders_.constFind(key); known != folders_.constEnd()) {
      path = *known;
      continue;
    }
    const QString name = Spelling(path, component);
    const QString next = path + u'/' + name;
    const QFileInfo info(next);
    if (info.isSymLink()) return {};
    if (!info.exists()) {
      if (!QDir(path).mkdir(name)) return {};
      Remember(path, name);
    } else if (!info.isDir()) {
      return {};
    }
    folders_.insert(key, next);
    path = next;
  }
  return path;
}

QString TMemberWriter::File(const QStringList& components) {
  if (components.isEmpty()) return {};
  const QString folder = Folder(components.mid(0, components.size() - 1));
  if (folder.isEmpty()) return {};
  const QString name = Spelling(folder, components.last());
  const QString file = folder + u'/' + name;
  const QFileInfo info(file);
  if (info.isSymLink()) {
    if (!QFile::remove(file)) return {};
  } else if (info.isDir()) {
    return {};
  }
  Remember(folder, name);
  return file;
}
