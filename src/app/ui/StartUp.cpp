#include "app/ui/StartUp.h"

#include "app/CommandLine.h"
#include "app/Errors.h"
#include "platform/Globals.h"
#include "app/Log.h"
#include "app/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/WindowBus.h"
#include "skin/MainForm.h"
#include "skin/ScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <cstdio>

namespace {

bool HoldsBook(const QString& folder) {
  const QStringList names = QDir(folder).entryList(QDir::Files);
  for (const QString& name : names)
    if (name.compare(u"Struct.txt", Qt::CaseInsensitive) == 0 ||
        name.compare(u"interface.dat", Qt::CaseInsensitive) == 0)
      return true;
  return false;
}

// --book, else the program's own folder when it holds a book, else the sample book.
QString ChooseBook(const TCommandLine& cl) {
  if (!cl.book.isEmpty()) return cl.book;
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (HoldsBook(programFolder)) return programFolder;
  for (const QString& candidate : {programFolder + QStringLiteral("/../sample/book"),
                                   QStringLiteral(SKINBOOK_SAMPLE_BOOK)})
    if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
  return programFolder;
}

void ReportStartFailure(const QString& message) {
  std::fprintf(stderr, "skinbook: %s\n", qUtf8Printable(message));
  qCWarning(lcErrors).noquote() << "the book cannot start:" << message;
  Dialogs::Message(nullptr, QMessageBox::Critical, QStringLiteral("SkinBook"), message);
}

}  // namespace

int RunProgram(int argc, char** argv) {
  TApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("skinbook"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SKINBOOK_VERSION));

  TCommandLine cl = ParseCommandLine(QCoreApplication::arguments().mid(1));
  if (!cl.error.isEmpty()) {
    std::fprintf(stderr, "skinbook: %s\n%s", qUtf8Printable(cl.error), qUtf8Printable(CommandLineUsage()));
    return 2;
  }
  if (cl.help) {
    std::fputs(qUtf8Printable(CommandLineUsage()), stdout);
    return 0;
  }
  if (cl.version) {
    std::printf("skinbook %s\n", SKINBOOK_VERSION);
    return 0;
  }
  if (cl.verbose) QLoggingCategory::setFilterRules(QStringLiteral("skinbook.errors.warning=true"));
  cl.book = ChooseBook(cl);

  // Nobody is there to answer a message box in an unattended run.
  const bool unattended = !cl.screenshot.isEmpty() || !cl.script.isEmpty() ||
                          QGuiApplication::platformName() == u"offscreen";

  TScript script;
  if (!cl.script.isEmpty()) {
    QFile file(cl.script);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "skinbook: cannot read the script %s\n", qUtf8Printable(cl.script));
      return 1;
    }
    script = ParseScript(QString::fromUtf8(file.readAll()));
    if (!script.error.isEmpty()) {
      std::fprintf(stderr, "skinbook: %s: %s\n", qUtf8Printable(cl.script), qUtf8Printable(script.error));
      return 1;
    }
  }
  Global.Unattended = unattended;

  // The bus goes before the application object does, after every window.
  struct TBusEnd {
    ~TBusEnd() { Global.Bus.reset(); }
  } busEnd;
  if (!WindowBus().Start(DefaultBusFolder()))
    qCWarning(lcErrors).noquote() << "other processes of the program cannot reach this one:" << DefaultBusFolder();

  TMainForm form(cl);
  QObject::connect(&form, &TMainForm::TerminateApplication, &app, [] { QCoreApplication::exit(0); });
  TScriptRunner runner(form, std::move(script));
  // Once the window is open: run the script, or save the window and end.
  const auto whenOpen = [&] {
    // Let the last opening frame reach the window before anyone looks at it.
    QTimer::singleShot(0, &form, [&] {
      if (!cl.script.isEmpty()) {
        runner.Start();
      } else if (!cl.screenshot.isEmpty()) {
        const bool saved = form.Snapshot().save(cl.screenshot, "PNG");
        if (!saved) std::fprintf(stderr, "skinbook: cannot write %s\n", qUtf8Printable(cl.screenshot));
        QCoreApplication::exit(saved ? 0 : 1);
      }
    });
  };
  QObject::connect(&form, &TMainForm::OpeningFinished, &form, whenOpen);
  try {
    form.FormCreate();
  } catch (const TStartFailure& failure) {
    ReportStartFailure(QString::fromUtf8(failure.what()));
    return 1;
  } catch (const std::exception& e) {
    ReportStartFailure(QString::fromUtf8(e.what()));
    return 1;
  }
  if (form.Terminating()) return 0;
  // The other roles show their window at once, without an opening effect.
  if (cl.Role() != TRole::Main) whenOpen();
  return QApplication::exec();
}
