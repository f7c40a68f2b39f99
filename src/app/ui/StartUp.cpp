#include "app/ui/StartUp.h"

#include "app/BookPlace.h"
#include "app/CommandLine.h"
#include "app/Errors.h"
#include "app/Log.h"
#include "app/ui/Application.h"
#include "platform/Cp1251.h"
#include "platform/Globals.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/SkinScale.h"
#include "platform/ui/WindowBus.h"
#include "skin/InterfaceSize.h"
#include "skin/MainForm.h"
#include "skin/ScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTimer>
#include <cstdio>

namespace {

// --book or PATH, else the program's own folder when it holds a book, else the sample book:
// beside an installed program, in the build tree, or where this build made it.
QString ChooseBook(const TCommandLine& cl) {
  if (!cl.book.isEmpty()) return cl.book;
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (HoldsBook(programFolder)) return programFolder;
  for (const QString& candidate :
       {programFolder + QStringLiteral("/../share/skinbook/sample"), programFolder + QStringLiteral("/../sample/book"),
        QStringLiteral(SKINBOOK_SAMPLE_BOOK)})
    if (QFileInfo(candidate).isDir()) return QDir::cleanPath(candidate);
  return programFolder;
}

void ReportStartFailure(const QString& message) {
  std::fprintf(stderr, "skinbook: %s\n", qUtf8Printable(message));
  qCWarning(lcErrors).noquote() << "the book cannot start:" << message;
  Dialogs::Message(nullptr, QMessageBox::Critical, QStringLiteral("SkinBook"), message);
}

// Without a display Qt's default platform aborts the program; a platform chosen by the user
// is left to them.
bool DisplayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

// The factor the windows are drawn at is fixed before the application object exists: the
// book's stored choice and the screen are looked at through a passing one.
double ScaleBeforeStart(int argc, char** argv, const TCommandLine& cl) {
  if (cl.scale > 0) return cl.scale;
  SkinScale::Apply(1);  // the screen as it is, whatever the process inherited
  std::vector<char*> arguments(argv, argv + argc);
  int count = argc;
  QGuiApplication probe(count, arguments.data());
  return StoredInterfaceScale(ChooseBook(cl), cl.disc);
}

}  // namespace

int RunProgram(int argc, char** argv) {
  // The options are read before the application object exists: help, version and option
  // errors need no display.
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  TCommandLine cl = ParseCommandLine(args);
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
  if (!DisplayAvailable()) {
    if (!cl.Scripted()) {
      std::fputs(
          "skinbook: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set);\n"
          "--screenshot FILE and --script FILE run without one\n",
          stderr);
      return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }

  SkinScale::Apply(ScaleBeforeStart(argc, argv, cl));
  Global.ScaleForced = cl.scale > 0;
  TApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("skinbook"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SKINBOOK_VERSION));
  if (cl.verbose) QLoggingCategory::setFilterRules(QStringLiteral("skinbook.errors.warning=true"));

  // Nobody is there to answer a message box in an unattended run.
  const bool unattended = cl.Scripted() || QGuiApplication::platformName() == u"offscreen";
  Global.Unattended = unattended;

  try {
    const TBookPlace place = LocateBook(ChooseBook(cl), cl.disc);
    cl.book = place.book;
    cl.disc = place.disc;
  } catch (const std::exception& e) {
    ReportStartFailure(QString::fromUtf8(e.what()));
    return 1;
  }

  TScript script;
  if (!cl.script.isEmpty()) {
    QFile file(cl.script);
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "skinbook: cannot read the script %s: %s\n", qUtf8Printable(cl.script),
                   qUtf8Printable(file.errorString()));
      return 1;
    }
    script = ParseScript(QString::fromUtf8(file.readAll()));
    if (!script.error.isEmpty()) {
      std::fprintf(stderr, "skinbook: %s: %s\n", qUtf8Printable(cl.script), qUtf8Printable(script.error));
      return 1;
    }
  }
  Global.NoPdfPrinter = cl.noPdfPrinter;
  if (!cl.printTo.isEmpty()) Global.PrintTo = QFileInfo(cl.printTo).absoluteFilePath();

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
  } catch (const std::exception& e) {
    ReportStartFailure(QString::fromUtf8(e.what()));
    return 1;
  }
  if (form.Terminating()) {
    // A scripted run cannot do its work in the other process's window.
    if (Global.OtherInstance && cl.Scripted()) {
      std::fprintf(stderr, "skinbook: the book \"%s\" in %s is already open\n",
                   qUtf8Printable(FromCp1251(Global.BookTitle)), qUtf8Printable(cl.book));
      return 1;
    }
    return 0;
  }
  // The other roles show their window at once, without an opening effect.
  if (cl.Role() != TRole::Main) whenOpen();
  return QApplication::exec();
}
