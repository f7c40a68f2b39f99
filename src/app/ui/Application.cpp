#include "app/ui/Application.h"

#include "app/Log.h"

#include <exception>

namespace {

QtMessageHandler defaultHandler = nullptr;

// The media back end tells of a machine without a sound server at every player it makes (it
// then plays into a silent stand-in) and of its way of converting frames: the error log gets
// these, the reader's terminal does not.
bool FromMediaBackEnd(const QMessageLogContext& context, const QString& message) {
  return QLatin1String(context.category ? context.category : "").startsWith(QLatin1String("qt.multimedia")) ||
         message.startsWith(QStringLiteral("PulseAudioService:")) || message.contains(QStringLiteral("No RHI backend"));
}

// Platforms without window shapes or stacking (offscreen) say so at every change; the widget
// still keeps what was asked, so the message says nothing useful.
void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support setting window masks")) ||
      message.startsWith(QStringLiteral("This plugin does not support raise()")))
    return;
  if (type != QtFatalMsg && FromMediaBackEnd(context, message)) {
    qCWarning(lcErrors).noquote() << message;
    return;
  }
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
