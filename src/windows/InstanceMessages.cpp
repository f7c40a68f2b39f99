#include "windows/InstanceMessages.h"

#include "app/InstanceMessage.h"
#include "app/Log.h"
#include "document/HtmlFrame.h"
#include "html/FrameViewer.h"
#include "platform/Globals.h"
#include "platform/WinNames.h"

#include <QWidget>
#include <charconv>

namespace {

// A number as the other program writes it: blanks around, an optional sign, digits.
std::optional<int> ParseNumber(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  const size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  if (*begin == '+') ++begin;
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::string Trimmed(const std::string& text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const auto first = std::find_if_not(text.begin(), text.end(), blank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

TInstanceMessages::TInstanceMessages(TInstanceHost& host) : host_(host), window_(host.Window()) {
  WindowBus().SetHandler(window_, [this](const TBusMessage& message) { return Receive(message); });
}

TInstanceMessages::~TInstanceMessages() { WindowBus().SetHandler(window_, nullptr); }

std::optional<qint64> TInstanceMessages::Receive(const TBusMessage& message) {
  try {
    switch (message.number) {
      case WM_COPYDATA: {
        if (!host_.Pane()) return 0;
        const auto record = TInstanceMessage::Decode(
            std::string_view(message.data.constData(), static_cast<size_t>(message.data.size())));
        if (!record) return 0;
        switch (static_cast<TInstanceKind>(record->Kind)) {
          case TInstanceKind::OpenPage: OpenPage(*record, message.wParam); break;
          case TInstanceKind::PrintPicture: PrintPicture(*record); break;
          case TInstanceKind::PictureQuery: PictureQuery(*record, message.wParam); break;
        }
        return 0;
      }
      case InstanceMessages::PrintPicture:
        if (printRequest_) host_.PrintPicture(*printRequest_);
        return 0;
      case InstanceMessages::QueryAnswer:
        Global.PictureAnswerReceived = true;
        Global.PictureAnswerYes = message.wParam == 1;
        return 0;
      case InstanceMessages::HelpRequest: host_.HelpKey(); return 0;
      default: return std::nullopt;
    }
  } catch (const std::exception& e) {
    qCWarning(lcErrors) << "message" << message.number << e.what();
    return 0;
  }
}

void TInstanceMessages::OpenPage(const TInstanceMessage& message, TWindowHandle sender) {
  const std::string& text = message.Texts[0];
  TFrameViewer* viewer = host_.Pane()->CurrentViewer();
  if (Global.ThesaurusRole) {
    if (viewer) viewer->LoadFromFile(text);
    return;
  }
  if (Global.CurrentScreen == 0) {
    host_.RunMessageCommand("screen2=" + Global.ProgramFolder + text);
  } else if (viewer && NameLower(text) != NameLower(FileNamePart(viewer->CurrentFile()))) {
    viewer->LoadFromFile(Global.ProgramFolder + text);
  }
  TWindowBus& bus = WindowBus();
  bus.PostMessage(sender, {InstanceMessages::WindowHandle, bus.HandleOf(window_), 0, {}});
}

// A text that is no number ends the request: nothing is printed.
void TInstanceMessages::PrintPicture(const TInstanceMessage& message) {
  TPrintRequest request = printRequest_.value_or(TPrintRequest{});
  for (size_t i = 0; i < message.Count; ++i) {
    const std::string& text = message.Texts[i];
    if (message.Codes[i] == 0) {
      request.file = text;
    } else if (message.Codes[i] == 1 || message.Codes[i] == 2) {
      const std::optional<int> number = ParseNumber(text);
      if (!number) {
        qCWarning(lcErrors) << "a picture size that is no number:" << QByteArray::fromStdString(text);
        return;
      }
      (message.Codes[i] == 1 ? request.width : request.height) = *number;
    }
  }
  printRequest_ = request;
  TWindowBus& bus = WindowBus();
  bus.PostMessage(bus.HandleOf(window_), {InstanceMessages::PrintPicture, 0, 0, {}});
}

// The answer goes back to the asking window before the query returns.
void TInstanceMessages::PictureQuery(const TInstanceMessage& message, TWindowHandle sender) {
  const bool shows = message.Codes[0] == 0 && Trimmed(host_.ShownFile()) == message.Texts[0];
  WindowBus().SendMessage(sender, {InstanceMessages::QueryAnswer, shows ? 1u : 0u, 0, {}});
}
