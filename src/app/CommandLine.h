#pragma once
// The program's command line: our own "--" options, taken off first, and the book's
// arguments, which choose the instance's role.

#include <QString>
#include <QStringList>

enum class TRole { Main, Thesaurus, Picture };

struct TCommandLine {
  QString book;               // --book DIR
  QString disc;               // --disc DIR
  QString screenshot;         // --screenshot FILE
  QString script;             // --script FILE
  QString printTo;            // --print-to FILE: where a scripted run's PDF goes
  bool noPdfPrinter = false;  // --no-pdf-printer
  double scale = 0;           // --scale F: the interface drawn at F; 0: as the settings say
  bool verbose = false;
  bool help = false;
  bool version = false;
  QStringList arguments;  // what is left: the book's own arguments
  QString error;          // a "--" option that is unknown or lacks its value

  bool HasParams() const { return !arguments.isEmpty(); }
  // A run that saves the window or drives it from a script, and then ends.
  bool Scripted() const { return !screenshot.isEmpty() || !script.isEmpty(); }
  // "/t" among the arguments: thesaurus; any other argument: picture window.
  TRole Role() const;
};

// What the book's own arguments ask of the process.
struct TRoleArguments {
  TRole role = TRole::Main;
  // The file to show: the other arguments joined by spaces, double quotes removed, trimmed.
  QString file;
  bool roleSwitch = false;  // "/h" or "/t" was given
  bool help = false;        // "/h": the picture window is the help variant
};

// "/t" and "/h" count only as arguments of their own, so that a host path such as
// /tmp/x.bmp never selects a role.
TRoleArguments ParseRoleCommandLine(const QStringList& arguments);

// `args` without the program name.
TCommandLine ParseCommandLine(const QStringList& args);

QString CommandLineUsage();
