#pragma once
// What a window of the program does with the messages of other processes: the instance
// record (open a page, print a picture, the picture query) and the plain messages that
// answer it. Anything else, and any record that is damaged or not ours, is ignored.

#include "platform/ui/WindowBus.h"
#include "windows/InstanceHost.h"

#include <optional>

class QWidget;
struct TInstanceMessage;

class TInstanceMessages {
 public:
  // Takes the messages of the host's window from the bus.
  explicit TInstanceMessages(TInstanceHost& host);
  ~TInstanceMessages();  // lets the window's messages go
  TInstanceMessages(const TInstanceMessages&) = delete;
  TInstanceMessages& operator=(const TInstanceMessages&) = delete;

  // The answer; nothing leaves the message to the bus (WM_CLOSE closes the window).
  std::optional<qint64> Receive(const TBusMessage& message);

  const std::optional<TPrintRequest>& PrintRequest() const { return printRequest_; }

 private:
  void OpenPage(const TInstanceMessage& message, TWindowHandle sender);
  void PrintPicture(const TInstanceMessage& message);
  void PictureQuery(const TInstanceMessage& message, TWindowHandle sender);

  TInstanceHost& host_;
  QWidget* window_;
  std::optional<TPrintRequest> printRequest_;
};
