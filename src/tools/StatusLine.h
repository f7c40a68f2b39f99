#pragma once
// Status messages for the reader: the text blinks in the "statusline" text elements, 200 ms
// on and 200 ms off, twenty times, and then stays hidden.

#include <QObject>
#include <QTimer>
#include <string>

class TTextMsg;

class TStatusLine : public QObject {
  Q_OBJECT

 public:
  static constexpr int BlinkInterval = 200;  // ms
  static constexpr int LastPhase = 40;

  explicit TStatusLine(QObject* parent = nullptr);

  // The text elements, created after the status line; without them messages go nowhere.
  void SetTextMsg(TTextMsg* texts) { texts_ = texts; }

  void SetStatus(const std::string& text);  // Windows-1251
  void ClearStatus();
  // A long operation's text with a bar `percent` full, shown steadily; EndProgress clears it.
  void ShowProgress(const std::string& text, int percent);
  void EndProgress();

  const std::string& Text() const { return text_; }
  int Phase() const { return phase_; }
  bool Blinking() const { return timer_.isActive(); }

  // One beat of the blinking; the timer calls it.
  void TimerTick();

 private:
  TTextMsg* texts_ = nullptr;
  std::string text_;
  int phase_ = 1;
  QTimer timer_;
};
