#pragma once
// What the popup lists need of the main window. The main window implements it; tests can
// implement it with a plain widget.

#include <string>

class QWidget;
class THtmlFrame;

class TPopupHost {
 public:
  virtual ~TPopupHost() = default;

  // Lists stay above this window, and fixed list places are in its client coordinates.
  virtual QWidget* Window() = 0;
  // The document pane, when one is declared.
  virtual THtmlFrame* Pane() = 0;
  // The dispatcher runs `command` as the command of push button 0, without a click sound.
  virtual void RunPopupCommand(const std::string& command) = 0;
};
