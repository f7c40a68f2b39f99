#include "app/ui/Application.h"

#include "app/Log.h"

#include <exception>

namespace {

QtMessageHandler defaultHandler = nullptr;

// Platforms without window shapes (offscreen) say so at every shape change; the shape is
// still kept by the widget, so the message says nothing useful.
void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support setting window masks"))) return;
  defaultHandler(type, context, message);
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  defaultHandler = qInstallMessageHandler(FilterMessages);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "discarded:" << e.what();
  } catch (...) {
    qCWarning(lcErrors) << "discarded an unknown exception";
  }
  return false;
}
