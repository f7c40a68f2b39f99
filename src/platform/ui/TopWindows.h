#pragma once
// Finding the program's top-level windows by their captions.

#include <QList>
#include <QString>

class QWidget;

// The first visible top-level window, most recently activated first, whose caption equals
// `title` without regard to letter case (only its first 127 characters count); windows
// without a caption are passed over.
QWidget* FindTopWindowByTitle(const QString& title);
QList<QWidget*> FindTopWindowsByTitle(const QString& title);
