#include "support/ui/FakeBusPeer.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

TFakeBusPeer::TFakeBusPeer(const QString& busFolder, const QString& caption, const QString& group) {
  sleeper_.start(QStringLiteral("sleep"), {QStringLiteral("60")});
  EXPECT_TRUE(sleeper_.waitForStarted());
  pid_ = sleeper_.processId();
  const QJsonObject window{
      {"number", 1}, {"caption", caption}, {"visible", true}, {"activated", QDateTime::currentMSecsSinceEpoch()}};
  QFile announcement(QStringLiteral("%1/win-%2.json").arg(busFolder).arg(pid_));
  EXPECT_TRUE(announcement.open(QIODevice::WriteOnly));
  announcement.write(
      QJsonDocument(QJsonObject{{"pid", pid_}, {"group", group}, {"windows", QJsonArray{window}}}).toJson());
  announcement.close();
  EXPECT_TRUE(server_.listen(QStringLiteral("%1/bus-%2").arg(busFolder).arg(pid_)));
}

TFakeBusPeer::~TFakeBusPeer() {
  sleeper_.kill();
  sleeper_.waitForFinished();
}

qint64 EndedProcessId() {
  QProcess process;
  process.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
  process.waitForFinished();
  return process.readAllStandardOutput().trimmed().toLongLong();
}
