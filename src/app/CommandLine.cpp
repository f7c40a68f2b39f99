#include "app/CommandLine.h"

#include "app/DiscImage.h"

#include <QFileInfo>

TRole TCommandLine::Role() const { return ParseRoleCommandLine(arguments).role; }

TRoleArguments ParseRoleCommandLine(const QStringList& arguments) {
  TRoleArguments result;
  QStringList rest;
  bool thesaurus = false;
  for (const QString& argument : arguments) {
    if (argument == u"/t") {
      thesaurus = result.roleSwitch = true;
    } else if (argument == u"/h") {
      result.help = result.roleSwitch = true;
    } else {
      rest << argument;
    }
  }
  result.file = rest.join(u' ').remove(u'"').trimmed();
  result.role = thesaurus ? TRole::Thesaurus : arguments.isEmpty() ? TRole::Main : TRole::Picture;
  if (thesaurus) result.help = false;
  return result;
}

namespace {

constexpr double kMinScale = 0.5;
constexpr double kMaxScale = 8;

}  // namespace

TCommandLine ParseCommandLine(const QStringList& args) {
  TCommandLine cl;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (!arg.startsWith(QStringLiteral("--"))) {
      cl.arguments << arg;
      continue;
    }
    QString* value = arg == u"--book"         ? &cl.book
                     : arg == u"--disc"       ? &cl.disc
                     : arg == u"--screenshot" ? &cl.screenshot
                     : arg == u"--script"     ? &cl.script
                     : arg == u"--print-to"   ? &cl.printTo
                                              : nullptr;
    if (value) {
      if (i + 1 >= args.size()) {
        cl.error = arg + QStringLiteral(" needs a value");
        return cl;
      }
      *value = args[++i];
    } else if (arg == u"--scale") {
      bool ok = false;
      cl.scale = i + 1 < args.size() ? args[++i].toDouble(&ok) : 0;
      if (!ok || !(cl.scale >= kMinScale && cl.scale <= kMaxScale)) {  // NaN too
        cl.error = QStringLiteral("--scale needs a number from %1 to %2").arg(kMinScale).arg(kMaxScale);
        return cl;
      }
    } else if (arg == u"--no-pdf-printer") {
      cl.noPdfPrinter = true;
    } else if (arg == u"--verbose") {
      cl.verbose = true;
    } else if (arg == u"--help") {
      cl.help = true;
    } else if (arg == u"--version") {
      cl.version = true;
    } else {
      cl.error = QStringLiteral("unknown option ") + arg;
      return cl;
    }
  }
  // A folder or an image named alone is the book to open (the roles' own arguments are
  // Windows names and "/t").
  if (cl.book.isEmpty() && cl.arguments.size() == 1 &&
      (IsDiscImageName(cl.arguments[0]) || QFileInfo(cl.arguments[0]).isDir()))
    cl.book = cl.arguments.takeFirst();
  return cl;
}

QString CommandLineUsage() {
  return QStringLiteral(
      "usage: skinbook [--book PATH] [--disc DIR] [--screenshot FILE] [--script FILE]\n"
      "                [--print-to FILE] [--no-pdf-printer] [--scale F] [--verbose]\n"
      "                [PATH | ARGUMENTS...]\n"
      "\n"
      "  --book PATH, PATH  the book: its folder, the folder of its disc (the book in its\n"
      "                     \"run\" folder) or an ISO 9660 image of the disc (.iso), which\n"
      "                     is unpacked once into the user's cache folder (default: the\n"
      "                     program's folder when it holds a book, else the sample book)\n"
      "  --disc DIR         the folder that stands for the book's disc (default: the book\n"
      "                     folder above its \"run\" folder, else the book folder)\n"
      "  --screenshot FILE  save the main window as a PNG once it has opened, then exit\n"
      "  --script FILE      run the commands in FILE once the window has opened, then exit\n"
      "                     (both run without a display, on Qt's offscreen platform)\n"
      "  --print-to FILE    a scripted run prints to the PDF printer into FILE\n"
      "  --no-pdf-printer   leave out the built-in \"PDF\" printer\n"
      "  --scale F          draw the windows F times the skin's size (0.5 to 8; default:\n"
      "                     the interface size chosen in the book's settings)\n"
      "  --verbose          log discarded errors to stderr\n"
      "  --help, --version\n"
      "\n"
      "Without arguments the book's main window opens; a second start of the same book\n"
      "brings its window to the front. FILE /t opens the thesaurus at FILE; any other\n"
      "FILE opens a picture window showing it (FILE /h: the help window).\n"
      "\n"
      "Exit status: 0 when the window closed or the screenshot was saved, 1 when the book\n"
      "cannot start (the message says why) or is already open in a scripted run, 2 for\n"
      "wrong options.\n");
}
