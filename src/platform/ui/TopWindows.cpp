#include "platform/ui/TopWindows.h"

std::vector<TBusWindow> FindTopWindowsByTitle(const QString& title) {
  std::vector<TBusWindow> found;
  const QString wanted = title.left(127);
  for (const TBusWindow& w : WindowBus().TopWindows())
    if (w.visible && w.caption.left(127).compare(wanted, Qt::CaseInsensitive) == 0) found.push_back(w);
  return found;
}

TWindowHandle FindTopWindowByTitle(const QString& title) {
  const std::vector<TBusWindow> found = FindTopWindowsByTitle(title);
  return found.empty() ? 0 : found.front().handle;
}

TWindowHandle FindWindowByTitle(const QString& title) {
  for (const TBusWindow& w : WindowBus().TopWindows())
    if (w.caption.compare(title, Qt::CaseInsensitive) == 0) return w.handle;
  return 0;
}
