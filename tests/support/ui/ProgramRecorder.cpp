#include "support/ui/ProgramRecorder.h"

#include "support/ui/EventLoopWait.h"

#include <QFile>
#include <QFileInfo>

TProgramRecorder::TProgramRecorder() {
  program_ = dir_.Write(QStringLiteral("program.sh"),
                        "#!/bin/sh\n"
                        "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\" && mv \"$0.part\" \"$0.out\"\n");
  QFile::setPermissions(program_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool TProgramRecorder::Started() const { return QFileInfo::exists(program_ + QStringLiteral(".out")); }

QStringList TProgramRecorder::Arguments(int timeoutMs) const {
  ProcessEventsUntil([this] { return Started(); }, timeoutMs);
  QFile out(program_ + QStringLiteral(".out"));
  if (!out.open(QIODevice::ReadOnly)) return {};
  QStringList arguments = QString::fromUtf8(out.readAll()).split(u'\n');
  arguments.removeLast();
  return arguments;
}
