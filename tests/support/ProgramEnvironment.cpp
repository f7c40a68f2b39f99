#include "support/ProgramEnvironment.h"

#include <QDir>
#include <QFile>

QProcessEnvironment ProgramEnvironment(const QString& folder) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_CONFIG_HOME", folder + "/.config");
  env.insert("XDG_CACHE_HOME", folder + "/.cache");
  // Qt wants the runtime folder private; without one it warns on stderr.
  const QString runtime = folder + "/.runtime";
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  env.insert("XDG_RUNTIME_DIR", runtime);
  return env;
}
