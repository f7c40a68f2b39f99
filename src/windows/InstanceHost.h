#pragma once
// What the messages from other processes need of the window that receives them. The main
// window implements it in every role.

#include <string>

class QWidget;
class THtmlFrame;

// A request of another process to print a picture; it stays until the next one.
struct TPrintRequest {
  std::string file;  // removed once printed
  int width = 0;
  int height = 0;
};

class TInstanceHost {
 public:
  virtual ~TInstanceHost() = default;

  virtual QWidget* Window() = 0;
  // Messages wait for the document pane: none arrive before it exists.
  virtual THtmlFrame* Pane() = 0;
  // A command as other processes give it: no sound, element 0, replayed.
  virtual void RunMessageCommand(const std::string& command) = 0;
  // The file the picture window was started with; empty in the main role.
  virtual std::string ShownFile() = 0;
  // F1, as if the reader had pressed it in the window.
  virtual void HelpKey() = 0;
  virtual void PrintPicture(const TPrintRequest& request) = 0;
};
