#pragma once
// The environment for starting the program in a test: settings, cache and runtime folders of
// its own below `folder` (so runs neither share a book's guard nor leave settings behind), on
// Qt's offscreen platform.

#include <QProcessEnvironment>
#include <QString>

QProcessEnvironment ProgramEnvironment(const QString& folder);
