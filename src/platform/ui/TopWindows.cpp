#include "platform/ui/TopWindows.h"

#include <QApplication>
#include <QWidget>

QList<QWidget*> FindTopWindowsByTitle(const QString& title) {
  QList<QWidget*> found;
  const QString wanted = title.left(127);
  QWidget* active = QApplication::activeWindow();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || w->windowTitle().isEmpty()) continue;
    if (w->windowTitle().left(127).compare(wanted, Qt::CaseInsensitive) != 0) continue;
    if (w == active) found.prepend(w);
    else found.append(w);
  }
  return found;
}

QWidget* FindTopWindowByTitle(const QString& title) {
  const QList<QWidget*> found = FindTopWindowsByTitle(title);
  return found.isEmpty() ? nullptr : found.first();
}
