#pragma once
// Runs a script against the main window once it has opened: real mouse and key events,
// commands, waits, screenshots and state dumps. Ends the program with status 0 after the
// last line, or 1 naming the line that could not run.

#include "app/Script.h"

#include <QObject>
#include <functional>

class TMainForm;

class TScriptRunner : public QObject {
  Q_OBJECT
 public:
  TScriptRunner(TMainForm& form, TScript script);
  void Start();

 private:
  // False with `error` set when the line cannot run.
  bool RunLine(const TScriptLine& line, QString& error);
  bool ClickLink(const TScriptLine& line, QString& error);
  bool ClickTreeItem(const TScriptLine& line, QString& error);
  bool ClickPopupItem(const TScriptLine& line, QString& error);
  void Wait(int milliseconds);
  // Runs the event loop until `done` holds; false when it still does not after a while.
  bool Await(const std::function<bool()>& done);
  void Finish(int status, const QString& message = {});

  TMainForm& form_;
  TScript script_;
  bool exitFinished_ = false;
};
