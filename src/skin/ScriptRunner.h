#pragma once
// Runs a script against the main window once it has opened: real mouse and key events,
// commands, waits, screenshots and state dumps. Ends the program with status 0 after the
// last line, or 1 naming the line that could not run.

#include "app/Script.h"

#include <QObject>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <utility>

class QWindow;
class TMainForm;

class TScriptRunner : public QObject {
  Q_OBJECT
 public:
  TScriptRunner(TMainForm& form, TScript script);
  void Start();

 private:
  void RunLines(QWidget* modal);
  // False with `error` set when the line cannot run.
  bool RunLine(const TScriptLine& line, QString& error);
  bool ClickLink(const TScriptLine& line, QString& error);
  bool ClickTreeItem(const TScriptLine& line, QString& error);
  bool TypeIntoField(const TScriptLine& line, QString& error);
  // The window under `shotPoint` (main window coordinates in screen pixels) and the point in it.
  std::pair<QWindow*, QPoint> WindowAt(QPoint shotPoint) const;
  bool ClickPopupItem(const TScriptLine& line, QString& error);
  bool SetOption(const TScriptLine& line, QString& error);
  bool PressButton(const TScriptLine& line, QString& error);
  void Wait(int milliseconds);
  // Runs the event loop until `done` holds; false when it still does not after a while.
  bool Await(const std::function<bool()>& done);
  void Finish(int status, const QString& message = {});

  TMainForm& form_;
  TScript script_;
  bool exitFinished_ = false;
  bool finished_ = false;
  size_t next_ = 0;  // the line to run next
};
