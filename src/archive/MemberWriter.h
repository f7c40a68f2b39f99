#pragma once
// Places for extracted members below one folder on the host. Names are matched against what
// is already there without regard to letter case, as on the system the archives come from,
// so "Docs\a.txt" and "DOCS\b.txt" land in one folder. Nothing is reached through a link: a
// folder on the way that is a link refuses the member, a link where the file goes is removed
// first.

#include <QHash>
#include <QString>
#include <QStringList>

class TMemberWriter {
 public:
  explicit TMemberWriter(QString root);

  // The host folder for `components`, made when missing; empty when it cannot be (a file or
  // a link is in the way, or the folder cannot be made).
  QString Folder(const QStringList& components);
  // The host name for a file at `components` (the last is the file's name), its folders made;
  // empty when it cannot be written there.
  QString File(const QStringList& components);

 private:
  // `name` as spelt in `folder` when present there in any letter case, else `name`.
  QString Spelling(const QString& folder, const QString& name);
  void Remember(const QString& folder, const QString& name);

  QString root_;
  QHash<QString, QHash<QString, QString>> listings_;  // folder -> folded name -> name
  QHash<QString, QString> folders_;                   // folded components -> host folder
};
